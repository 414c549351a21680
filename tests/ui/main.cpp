// The UI tests: every test runs in its own process, loads VordaEnv.dll and
// drives its windows with the robot. The robot's failures become gtest
// failures (gtest assertions may be used from the robot thread).
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "host/robot/robot.h"

namespace {

void ReportToGtest(const std::string& message) { ADD_FAILURE() << message; }

bool CurrentTestHasFatalFailure() { return ::testing::Test::HasFatalFailure(); }

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    robot::FailureHooks hooks;
    hooks.report = ReportToGtest;
    hooks.hasFatalFailure = CurrentTestHasFatalFailure;
    robot::SetFailureHooks(hooks);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
