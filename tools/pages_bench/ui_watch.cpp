#include "tools/pages_bench/ui_watch.h"

#include <commctrl.h>

#include <cstring>

namespace bench {

namespace {

const char kClassName[] = "VordaPagesBenchWatch";
const UINT kCheckStart = WM_APP + 1;
const char kNameDialog[] = "Specification of configuration name";

// The watch of the call running on this thread, for the hook.
thread_local UiWatch* t_watch = nullptr;

struct SheetSearch {
    HWND sheet = nullptr;
};

bool IsDialogClass(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "#32770") == 0;
}

// A visible sheet of this thread whose tabs 0, 1 and 2 have their page
// windows, with tab 0 current: the state the start of both sheets ends in.
BOOL CALLBACK FindStartedSheet(HWND window, LPARAM lParam) {
    if (!IsWindowVisible(window) || !IsDialogClass(window)) return TRUE;
    HWND pages[3] = {};
    for (int tab = 0; tab < 3; ++tab) {
        pages[tab] = reinterpret_cast<HWND>(
            SendMessageA(window, PSM_INDEXTOHWND, static_cast<WPARAM>(tab), 0));
        if (pages[tab] == nullptr) return TRUE;
    }
    if (reinterpret_cast<HWND>(SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0)) != pages[0])
        return TRUE;
    reinterpret_cast<SheetSearch*>(lParam)->sheet = window;
    return FALSE;
}

// Messages posted to this thread, and input. Repaints are done by the
// check itself; timers are left out, since a timer that falls due meanwhile
// (a caret's blink) would never get its turn behind the check's own posted
// message, and so are messages sent by other threads and processes, which
// the thread handles in any wait.
bool HasQueuedWork(DWORD pending) { return (pending & (QS_ALLPOSTMESSAGE | QS_INPUT)) != 0; }

}  // namespace

UiWatch::UiWatch() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    startedEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

UiWatch::~UiWatch() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (window_) DestroyWindow(window_);
    if (startedEvent_) CloseHandle(startedEvent_);
}

PhaseSnapshot UiWatch::TakePhases(bool reset) const {
    PhaseSnapshot snapshot;
    if (phases_.present()) snapshot.count = phases_.times(snapshot.ms, kMaxPhases, reset ? 1 : 0);
    if (snapshot.count > kMaxPhases) snapshot.count = kMaxPhases;
    return snapshot;
}

void UiWatch::Prepare() {
    ResetEvent(startedEvent_);
    sheet_ = nullptr;
}

void UiWatch::BeforeCall() {
    watching_ = true;
    answeredCount_ = 0;
    startPhases_ = restPhases_ = PhaseSnapshot();
    t_watch = this;
    hook_ = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    TakePhases(true);
    // Handled by the first message loop that runs: the sheet's own, once
    // its start is over (nothing before it pumps posted messages).
    PostMessageA(window_, kCheckStart, 0, 0);
    callStart_ = Clock::now();
}

void UiWatch::AfterCall() {
    returned_ = Clock::now();
    if (watching_) {
        // The call ended before the start was seen; nothing to time.
        watching_ = false;
        started_ = returned_;
    }
    const PhaseSnapshot total = TakePhases(false);
    restPhases_.count = total.count;
    for (int p = 0; p < total.count; ++p) {
        restPhases_.ms[p] = total.ms[p] - (p < startPhases_.count ? startPhases_.ms[p] : 0);
    }
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    t_watch = nullptr;
    // A check still queued for a call that has ended goes with it.
    MSG msg;
    while (PeekMessageA(&msg, window_, kCheckStart, kCheckStart, PM_REMOVE)) {
    }
    SetEvent(startedEvent_);
}

bool UiWatch::WaitStarted(DWORD timeoutMs, HWND* sheet) {
    if (WaitForSingleObject(startedEvent_, timeoutMs) != WAIT_OBJECT_0) return false;
    *sheet = sheet_;
    return sheet_ != nullptr;
}

void UiWatch::CheckStart() {
    if (!watching_) return;
    SheetSearch search;
    EnumThreadWindows(GetCurrentThreadId(), FindStartedSheet, reinterpret_cast<LPARAM>(&search));
    if (search.sheet == nullptr) {
        PostMessageA(window_, kCheckStart, 0, 0);
        return;
    }
    // Posted messages come before repaints: what is left to do when this
    // message arrives is painting, which is done here as the loop would do
    // it next, then the queue is looked at again.
    for (int round = 0; round < 4; ++round) {
        const DWORD pending = HIWORD(GetQueueStatus(QS_ALLINPUT));
        if (HasQueuedWork(pending)) {
            PostMessageA(window_, kCheckStart, 0, 0);
            return;
        }
        if ((pending & QS_PAINT) == 0) break;
        RedrawWindow(search.sheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    started_ = Clock::now();
    startPhases_ = TakePhases(false);
    sheet_ = search.sheet;
    watching_ = false;
    SetEvent(startedEvent_);
}

// The commit's dialogs: the condition-name dialog is confirmed with OK, a
// question with Yes. Each window is answered once, when it is first
// activated; the click is posted, so it runs inside the dialog's own loop.
void UiWatch::Answer(HWND window) {
    for (int i = 0; i < answeredCount_; ++i)
        if (answeredWindows_[i] == window) return;
    if (sheet_ == nullptr || window == sheet_ || !IsDialogClass(window)) return;
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    HWND button = GetDlgItem(window, IDYES);
    if (button == nullptr && std::strcmp(title, kNameDialog) == 0)
        button = GetDlgItem(window, IDOK);
    const int room = static_cast<int>(sizeof answeredWindows_ / sizeof answeredWindows_[0]);
    if (button == nullptr || answeredCount_ == room) return;
    answeredWindows_[answeredCount_++] = window;
    PostMessageA(button, BM_CLICK, 0, 0);
}

LRESULT CALLBACK UiWatch::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<UiWatch*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == kCheckStart) {
        self->CheckStart();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK UiWatch::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && t_watch) t_watch->Answer(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace bench
