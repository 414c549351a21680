// Unit tests run the module's code inside this program: its own resources
// (the module's resource script is linked in) serve as the resource module.
#include <gtest/gtest.h>

#include "base/module_state.h"
#include "host/robot/robot.h"

int main(int argc, char** argv) {
    robot::FailureHooks hooks;
    hooks.report = [](const std::string& message) { ADD_FAILURE() << message; };
    hooks.hasFatalFailure = [] { return ::testing::Test::HasFatalFailure(); };
    robot::SetFailureHooks(hooks);
    Module().instance = GetModuleHandleA(nullptr);
    Module().resources = Module().instance;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
