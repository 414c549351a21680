// Unit tests run the module's code inside this program: its own resources
// (the module's resource script is linked in) serve as the resource module.
#include <gtest/gtest.h>

#include "base/module_state.h"

int main(int argc, char** argv) {
    Module().instance = GetModuleHandleA(nullptr);
    Module().resources = Module().instance;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
