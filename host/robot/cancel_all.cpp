// Clean-up after a failed script: every window of the UI thread is closed the
// way a user backs out of it, innermost first, until the call returns.
#include "host/robot/robot.h"

namespace robot {

namespace {

// The button a user presses to back out: Cancel, else No, else OK (a
// message box with OK only); none for windows without these.
HWND BackOutButton(HWND window) {
    for (int id : {IDCANCEL, IDNO, IDOK}) {
        HWND button = GetDlgItem(window, id);
        if (button && IsWindowVisible(button) && IsWindowEnabled(button)) return button;
    }
    return nullptr;
}

}  // namespace

bool Robot::CancelAll(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!CallReturned()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        // Only enabled windows: the others wait under a modal window, and a
        // click posted there would run when the modal window has gone.
        for (HWND window : Windows()) {
            if (!IsWindowEnabled(window)) continue;
            if (HWND button = BackOutButton(window))
                PostMessageA(button, BM_CLICK, 0, 0);
            else
                PostMessageA(window, WM_CLOSE, 0, 0);
        }
        Sleep(100);
    }
    return true;
}

}  // namespace robot
