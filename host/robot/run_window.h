// The robot's message-only window on the UI thread. Messages posted to it are
// handled in order with everything else posted to that thread, also inside
// modal loops, so its counters tell the robot how far the UI thread has got.
#pragma once
#include <windows.h>

#include <functional>

#include "host/robot/robot.h"

namespace robot {

// Posted with wParam = sequence number: sets RunState::idleHandled.
constexpr UINT kIdleMessage = WM_APP + 0x5A0;
// Posted with lParam = const std::function<void()>*: runs it, then counts
// RunState::actionsHandled.
constexpr UINT kActionMessage = WM_APP + 0x5A1;

HWND CreateRunWindow(RunState* state);
void DestroyRunWindow(HWND window);

}  // namespace robot
