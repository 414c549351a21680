// Running a call on the UI thread and a script on a robot thread: the
// message-only window through which the robot learns that the UI thread has
// caught up, the hook that counts the windows the call creates, the failure
// hooks and the clean-up after a failed script.
#include <cstdio>
#include <exception>
#include <thread>

#include "host/robot/robot.h"
#include "host/robot/run_window.h"

namespace robot {

namespace {

FailureHooks g_hooks;

void PrintFailure(const std::string& message) {
    std::fprintf(stderr, "robot: %s\n", message.c_str());
    std::fflush(stderr);
}

// The run of the calling thread, for the window-creation hook.
thread_local RunState* t_run = nullptr;

// A window on the desktop, not a child and not a message-only window (the
// platform makes some of those for its own use).
bool IsTopLevelCreation(HWND window, const CBT_CREATEWNDA* create) {
    if (create->lpcs->style & WS_CHILD) return false;
    return GetAncestor(window, GA_PARENT) == GetDesktopWindow();
}

LRESULT CALLBACK CountCreatedWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_run) {
        char name[64] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        // The input-method windows the platform creates for a thread do not
        // count: the call did not ask for them.
        const bool ime = lstrcmpiA(name, "IME") == 0 || lstrcmpiA(name, "MSCTFIME UI") == 0;
        if (!ime && IsTopLevelCreation(reinterpret_cast<HWND>(wParam),
                                       reinterpret_cast<CBT_CREATEWNDA*>(lParam)))
            ++t_run->topLevelCreated;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The robot thread: the script, then the wait for the call, and the clean-up
// when either went wrong.
void RobotMain(RunState& state, const std::function<void(Robot&)>& script,
               const RunOptions& options) {
    Robot robot(state, options);
    bool failed = false;
    try {
        script(robot);
    } catch (const Abort&) {
        failed = true;  // already reported
    } catch (const std::exception& e) {
        ReportFailure(std::string("the script threw: ") + e.what());
        failed = true;
    } catch (...) {
        ReportFailure("the script threw an unknown exception");
        failed = true;
    }
    // A fatal assertion returned from the script early: its windows are open.
    if (!failed && g_hooks.hasFatalFailure && g_hooks.hasFatalFailure()) failed = true;

    if (!failed) {
        const DWORD start = GetTickCount();
        while (!state.callReturned.load() && GetTickCount() - start < options.timeoutMs)
            Sleep(kPollMs);
        if (!state.callReturned.load()) {
            ReportFailure("the call did not return within " + std::to_string(options.timeoutMs) +
                          " ms after the script ended; cancelling its windows");
            failed = true;
        }
    }
    if (failed && !state.callReturned.load()) {
        if (!robot.CancelAll(options.timeoutMs * 3)) {
            PrintFailure(
                "the call did not return although every window was cancelled; "
                "ending the process");
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }
}

}  // namespace

void SetFailureHooks(const FailureHooks& hooks) { g_hooks = hooks; }

void ReportFailure(const std::string& message) {
    if (g_hooks.report)
        g_hooks.report(message);
    else
        PrintFailure(message);
}

namespace detail {

void RunOnThreads(const std::function<void()>& call, const std::function<void(Robot&)>& script,
                  const RunOptions& options) {
    RunState state;
    state.uiThread = GetCurrentThreadId();
    state.idleWindow = CreateRunWindow(&state);
    if (!state.idleWindow) ReportFailure("could not create the robot's window on the UI thread");

    RunState* const outer = t_run;
    t_run = &state;
    HHOOK hook = SetWindowsHookExA(WH_CBT, CountCreatedWindows, nullptr, GetCurrentThreadId());

    std::thread robotThread([&] { RobotMain(state, script, options); });
    std::exception_ptr thrown;
    try {
        call();
    } catch (...) {
        thrown = std::current_exception();
    }
    state.callReturned.store(true);
    robotThread.join();

    if (hook) UnhookWindowsHookEx(hook);
    t_run = outer;
    DestroyRunWindow(state.idleWindow);
    // Messages the robot posted after the call returned are dropped with the
    // window; nothing else of the run stays behind.
    if (thrown) std::rethrow_exception(thrown);
}

}  // namespace detail

}  // namespace robot
