#include "host/robot/run_window.h"

namespace robot {

namespace {

const char kClassName[] = "VordaRobotRunWindow";

LRESULT CALLBACK RunWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<RunState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (state && message == kIdleMessage) {
        const long seq = static_cast<long>(wParam);
        long seen = state->idleHandled.load();
        while (seen < seq && !state->idleHandled.compare_exchange_weak(seen, seq)) {
        }
        return 0;
    }
    if (state && message == kActionMessage) {
        const auto* action = reinterpret_cast<const std::function<void()>*>(lParam);
        try {
            (*action)();
        } catch (...) {
            // Nothing may leave a window procedure; the robot reports what
            // the action failed to do.
        }
        ++state->actionsHandled;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreateRunWindow(RunState* state) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RunWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);  // fails harmlessly when a previous run registered it
    HWND window = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window) SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return window;
}

void DestroyRunWindow(HWND window) {
    if (!window) return;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
    // Drop what the robot posted after the call returned.
    MSG msg;
    while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace robot
