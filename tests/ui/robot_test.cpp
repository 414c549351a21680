// The robot's guarantee that the UI tests rely on: a script that leaves a
// window of the call open is reported, and every window is cancelled until
// the call returns, so a UI test can neither pass silently nor hang.
#include "host/robot/robot.h"

#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(RobotTest, AScriptThatLeavesAWindowOpenIsReportedAndTheCallEnds) {
    robot::RunOptions quick;
    quick.timeoutMs = 1000;
    int result = 0;
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        result = robot::Run([] { return MessageBoxA(nullptr, "Go on?", "Robot", MB_YESNO); },
                            [](robot::Robot& r) { r.WaitForMessageBox(nullptr); }, quick),
        "did not return");
    EXPECT_EQ(IDNO, result);
}

}  // namespace
