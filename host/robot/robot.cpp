// The robot's waits and its view of the UI thread's windows.
#include "host/robot/robot.h"

#include <commctrl.h>

#include <cstdio>

#include "host/robot/run_window.h"

namespace robot {

namespace {

std::string Hex(const void* p) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", p);
    return text;
}

// A top-level window's title without sending it a message (a sent
// WM_GETTEXT would wait for a busy UI thread).
std::string TitleOf(HWND window) {
    WCHAR wide[260] = {};
    InternalGetWindowText(window, wide, 260);
    char text[520] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}

}  // namespace

Robot::Robot(RunState& state, const RunOptions& options)
    : state_(state), timeoutMs_(options.timeoutMs) {}

void Robot::Fail(const std::string& message) const {
    ReportFailure(message);
    throw Abort(message);
}

std::vector<HWND> Robot::Windows() const {
    std::vector<HWND> windows;
    EnumThreadWindows(state_.uiThread, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Robot::Describe(HWND window) const {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    std::string text = Hex(window) + " " + cls + " \"" + TitleOf(window) + "\"";
    if (HWND owner = GetWindow(window, GW_OWNER)) text += " owner " + Hex(owner);
    if (!IsWindowEnabled(window)) text += " disabled";
    return text;
}

std::string Robot::DescribeWindows() const {
    std::string text = "windows of the UI thread: ";
    const std::vector<HWND> windows = Windows();
    if (windows.empty()) return text + "none";
    for (size_t i = 0; i < windows.size(); ++i) {
        if (i) text += "; ";
        text += "[" + Describe(windows[i]) + "]";
    }
    return text;
}

void Robot::WaitUntil(const std::function<bool()>& cond, const std::string& what) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (cond()) return;
        if (GetTickCount() - start >= timeoutMs_)
            Fail("timed out after " + std::to_string(timeoutMs_) + " ms waiting for " + what +
                 "; " + DescribeWindows());
        Sleep(kPollMs);
    }
}

void Robot::WaitCallReturned() {
    WaitUntil([this] { return CallReturned(); }, "the call to return");
}

void Robot::WaitIdle() {
    // Two rounds: what the handlers of the first round posted is handled in
    // the second.
    for (int round = 0; round < 2; ++round) {
        if (CallReturned() || !state_.idleWindow) return;
        const long seq = ++state_.idlePosted;
        if (!PostMessageA(state_.idleWindow, kIdleMessage, static_cast<WPARAM>(seq), 0))
            Fail("could not post to the UI thread");
        WaitUntil([&] { return CallReturned() || state_.idleHandled.load() >= seq; },
                  "the UI thread to handle its messages");
    }
}

void Robot::RunOnUiThread(const std::function<void()>& action) {
    if (CallReturned()) Fail("the call has returned; nothing runs on the UI thread any more");
    const long before = state_.actionsHandled.load();
    if (!PostMessageA(state_.idleWindow, kActionMessage, 0, reinterpret_cast<LPARAM>(&action)))
        Fail("could not post to the UI thread");
    WaitUntil([&] { return state_.actionsHandled.load() > before; }, "an action on the UI thread");
}

HWND Robot::FindWindowWhere(const std::function<bool(HWND)>& match) const {
    for (HWND window : Windows())
        if (match(window)) return window;
    return nullptr;
}

HWND Robot::WaitForWindowWhere(const std::function<bool(HWND)>& match, const std::string& what) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const bool returned = CallReturned();
            found = FindWindowWhere(match);
            if (!found && returned)
                Fail("the call returned while the robot was waiting for " + what);
            return found != nullptr;
        },
        what);
    return found;
}

LRESULT Robot::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs_, &result))
        Fail("window " + Describe(window) + " did not answer message 0x" +
             [&] {
                 char hex[16];
                 std::snprintf(hex, sizeof hex, "%X", message);
                 return std::string(hex);
             }() +
             " within " + std::to_string(timeoutMs_) + " ms");
    return static_cast<LRESULT>(result);
}

HWND Robot::WaitForSheet() {
    return WaitForWindowWhere(
        [this](HWND window) {
            char cls[16] = {};
            GetClassNameA(window, cls, sizeof cls);
            if (lstrcmpA(cls, "#32770") != 0) return false;
            DWORD_PTR page = 0;
            return SendMessageTimeoutA(window, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_NORMAL, 1000,
                                       &page) != 0 &&
                   page != 0;
        },
        "the property sheet");
}

HWND Robot::WaitForDialog(HWND owner, const char* title) {
    const HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    const std::string wanted = title ? title : "";
    return WaitForWindowWhere(
        [&](HWND window) {
            if (GetWindow(window, GW_OWNER) != root) return false;
            return !title || wanted == TitleOf(window);
        },
        "a dialog" + (title ? " \"" + wanted + "\"" : std::string()) + " owned by " + Hex(root));
}

HWND Robot::WaitForWindowTitled(const std::string& title) {
    return WaitForWindowWhere([&](HWND window) { return title == TitleOf(window); },
                              "a window titled \"" + title + "\"");
}

HWND Robot::WaitForActiveWindow(HWND except) {
    return WaitForWindowWhere(
        [&](HWND window) { return window != except && IsWindowEnabled(window); },
        "an enabled window other than " + Hex(except));
}

void Robot::WaitGone(HWND window) {
    WaitUntil([&] { return !IsWindow(window); }, "window " + Describe(window) + " to close");
}

}  // namespace robot
