#include "tests/framework/harness.h"

#include <prsht.h>

#include <atomic>
#include <cstring>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

namespace fwtest {

namespace {

constexpr DWORD kTimeoutMs = 10000;
constexpr DWORD kPollMs = 10;
const char kRobotClass[] = "VordaFrameworkTestRobot";
constexpr UINT kRunMessage = WM_APP + 1;

// A function handed to the UI thread. state: 0 posted, 1 running, 2 done,
// 3 given up by the robot because the modal call has ended (the UI thread
// then deletes it unrun, should it ever see it).
struct UiCall {
    std::function<void()> fn;
    std::atomic<int> state{0};
};

// Ends a script after a reported failure.
struct Abort : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct FindState {
    bool sheet;
    HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lParam) {
    auto* state = reinterpret_cast<FindState*>(lParam);
    char name[32] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    if (std::string(name) != "#32770" || !::IsWindowVisible(hwnd)) return TRUE;
    if (state->sheet) {
        DWORD_PTR page = 0;
        if (!::SendMessageTimeoutA(hwnd, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_BLOCK, kTimeoutMs,
                                   &page) ||
            !page) {
            return TRUE;
        }
    }
    state->found = hwnd;
    return FALSE;
}

BOOL CALLBACK CollectProc(HWND hwnd, LPARAM lParam) {
    auto* list = reinterpret_cast<std::vector<HWND>*>(lParam);
    char name[32] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    if (std::string(name) == "#32770") list->push_back(hwnd);
    return TRUE;
}

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, short cx, short cy, const char* title) {
    DLGTEMPLATE header = {};
    header.style = style | DS_SETFONT;
    header.cx = cx;
    header.cy = cy;
    m_words.resize(sizeof(header) / sizeof(WORD));
    std::memcpy(m_words.data(), &header, sizeof(header));
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // standard dialog class
    AddText(title);
    m_words.push_back(8);  // point size
    AddText("MS Shell Dlg");
}

void DialogTemplate::AddText(const char* text) {
    for (const char* p = text; *p; ++p) m_words.push_back(static_cast<BYTE>(*p));
    m_words.push_back(0);
}

void DialogTemplate::AlignToDword() {
    if (m_words.size() % 2) m_words.push_back(0);
}

DialogTemplate& DialogTemplate::Add(ItemClass itemClass, DWORD style, int id, short x, short y,
                                    short cx, short cy, const char* text) {
    AlignToDword();
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = static_cast<WORD>(id);
    const size_t at = m_words.size();
    m_words.resize(at + sizeof(item) / sizeof(WORD));
    std::memcpy(m_words.data() + at, &item, sizeof(item));
    m_words.push_back(0xFFFF);
    m_words.push_back(itemClass);
    AddText(text);
    m_words.push_back(0);  // no creation data
    auto* header = reinterpret_cast<DLGTEMPLATE*>(m_words.data());
    header->cdit = static_cast<WORD>(header->cdit + 1);
    return *this;
}

HWND CreateModeless(const DialogTemplate& dialogTemplate, DLGPROC procedure, LPARAM parameter) {
    static const DLGPROC silent = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
    return ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate.Get(), nullptr,
                                        procedure ? procedure : silent, parameter);
}

Robot::Robot() : m_uiThread(::GetCurrentThreadId()) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kRobotClass;
    ::RegisterClassA(&windowClass);  // fails harmlessly when already registered
    m_window = ::CreateWindowExA(0, kRobotClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
}

Robot::~Robot() {
    if (m_window) ::DestroyWindow(m_window);
}

LRESULT CALLBACK Robot::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunMessage) {
        auto* call = reinterpret_cast<UiCall*>(lParam);
        int posted = 0;
        if (!call->state.compare_exchange_strong(posted, 1)) {
            delete call;
            return 0;
        }
        try {
            call->fn();
        } catch (...) {
            ADD_FAILURE() << "exception on the UI thread";
        }
        call->state = 2;
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

void Robot::RunOnUi(const std::function<void()>& fn) {
    auto* call = new UiCall;
    call->fn = fn;
    if (!::PostMessageA(m_window, kRunMessage, 0, reinterpret_cast<LPARAM>(call))) {
        delete call;
        ADD_FAILURE() << "robot: cannot post to the UI thread";
        throw Abort("post");
    }
    for (DWORD waited = 0; call->state != 2; waited += kPollMs) {
        int posted = 0;
        if (m_finished && call->state.compare_exchange_strong(posted, 3)) {
            return;  // the modal call is over: nothing runs any more
        }
        if (waited >= kTimeoutMs && call->state.compare_exchange_strong(posted, 3)) {
            ADD_FAILURE() << "robot: the UI thread did not catch up";
            throw Abort("sync");
        }
        ::Sleep(kPollMs);
    }
    delete call;
}

HWND Robot::FindWindowOfThread(bool sheet) {
    FindState state{sheet, nullptr};
    ::EnumThreadWindows(m_uiThread, FindProc, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

HWND Robot::WaitForDialog() {
    for (DWORD waited = 0; waited < kTimeoutMs; waited += kPollMs) {
        if (HWND found = FindWindowOfThread(false)) {
            Sync();
            return found;
        }
        ::Sleep(kPollMs);
    }
    ADD_FAILURE() << "robot: no dialog appeared";
    throw Abort("dialog");
}

HWND Robot::WaitForSheet() {
    for (DWORD waited = 0; waited < kTimeoutMs; waited += kPollMs) {
        if (HWND found = FindWindowOfThread(true)) {
            Sync();
            return found;
        }
        ::Sleep(kPollMs);
    }
    ADD_FAILURE() << "robot: no property sheet appeared";
    throw Abort("sheet");
}

void Robot::Click(HWND window, int id) {
    HWND button = ::GetDlgItem(window, id);
    if (!button || !::IsWindowEnabled(button)) {
        ADD_FAILURE() << "robot: button " << id << " missing or disabled";
        throw Abort("click");
    }
    ::PostMessageA(button, BM_CLICK, 0, 0);
    Sync();
}

bool Robot::Exists(HWND window) {
    bool exists = false;
    RunOnUi([&] { exists = ::IsWindow(window) && ::IsWindowVisible(window); });
    return exists;
}

void Robot::CloseLeftovers() {
    std::vector<HWND> windows;
    ::EnumThreadWindows(m_uiThread, CollectProc, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) ::PostMessageA(window, WM_CLOSE, 0, 0);
}

INT_PTR Robot::Run(const std::function<INT_PTR()>& call,
                   const std::function<void(Robot&)>& script) {
    m_finished = false;
    std::thread robot([&] {
        try {
            script(*this);
        } catch (const Abort&) {
        } catch (...) {
            ADD_FAILURE() << "robot: exception in the script";
        }
        DWORD waited = 0;
        while (!m_finished) {
            if (waited == kTimeoutMs) ADD_FAILURE() << "robot: the window was left open";
            if (waited >= kTimeoutMs) CloseLeftovers();
            ::Sleep(kPollMs);
            waited += kPollMs;
        }
    });
    const INT_PTR result = call();
    m_finished = true;
    robot.join();
    return result;
}

}  // namespace fwtest
