// Start-up of the module without loading it as a library: the application
// object's load and unload steps and the import-destination window class.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "base/module_state.h"
#include "entry/vorda_env_app.h"
#include "tests/support/test_support.h"

namespace {

using testsupport::SetAppFolder;
using testsupport::SetEnv;

const char kFrenchModule[] = "VordaEnvRes040c.dll";

// Puts the module state back as the test program set it.
class EntryAppTest : public ::testing::Test {
protected:
    void SetUp() override { saved = Module(); }
    void TearDown() override {
        Module() = saved;
        SetEnv("VORDA_COMMON_INI", nullptr);
        SetEnv("VORDA_LANGID", nullptr);
        SetAppFolder(nullptr);
    }
    HINSTANCE Program() const { return GetModuleHandleA(nullptr); }
    ModuleState saved;
    testsupport::TempDir temp;
};

TEST_F(EntryAppTest, RefusesToStartWithoutACommonIniPathAndReleasesTheLanguageModule) {
    SetEnv("VORDA_LANGID", "1036");
    VordaEnvApp app;
    EXPECT_FALSE(app.InitInstance(Program()));
    EXPECT_EQ(Program(), Module().instance);
    EXPECT_EQ(Program(), Module().resources);
    EXPECT_EQ(nullptr, GetModuleHandleA(kFrenchModule));
}

TEST_F(EntryAppTest, KeepsTheCommonIniPathAsTheLogPath) {
    const std::string common = temp / "VordaCommon.ini";
    SetEnv("VORDA_COMMON_INI", common.c_str());
    VordaEnvApp app;
    ASSERT_TRUE(app.InitInstance(Program()));
    EXPECT_EQ(common, Module().logPath);
    EXPECT_EQ(Program(), Module().resources) << "English: the module's own resources";
    EXPECT_EQ(0, app.ExitInstance());
    EXPECT_EQ(Program(), Module().resources);
}

TEST_F(EntryAppTest, TakesTheLanguageModuleAndReleasesItOnExit) {
    SetEnv("VORDA_COMMON_INI", (temp / "VordaCommon.ini").c_str());
    SetEnv("VORDA_LANGID", "1036");
    VordaEnvApp app;
    ASSERT_TRUE(app.InitInstance(Program()));
    HMODULE language = GetModuleHandleA(kFrenchModule);
    ASSERT_NE(nullptr, language) << "the test's language module beside the program";
    EXPECT_EQ(language, Module().resources);
    EXPECT_EQ(Program(), Module().instance);

    app.ExitInstance();
    EXPECT_EQ(Program(), Module().resources);
    EXPECT_EQ(nullptr, GetModuleHandleA(kFrenchModule));
    app.ExitInstance();  // a second unload step has nothing left to free
    EXPECT_EQ(Program(), Module().resources);
}

// ---- the window class of template 4417 -----------------------------------------------

TEST(EntryWindowClassTest, RegistersACopyOfTheDialogClassForTheModule) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    ASSERT_EQ(1, RegisterLaunchWindowClass(module));
    WNDCLASSA launch = {};
    WNDCLASSA dialog = {};
    ASSERT_TRUE(GetClassInfoA(module, kLaunchWindowClass, &launch));
    ASSERT_TRUE(GetClassInfoA(nullptr, "#32770", &dialog));
    EXPECT_EQ(dialog.lpfnWndProc, launch.lpfnWndProc);
    EXPECT_EQ(dialog.cbWndExtra, launch.cbWndExtra);
    EXPECT_EQ(dialog.style, launch.style);
    EXPECT_EQ(1, RegisterLaunchWindowClass(module)) << "already known: still there";
    UnregisterClassA(kLaunchWindowClass, module);
}

TEST(EntryWindowClassTest, LeavesAClassOfThatNameAsItIs) {
    HMODULE module = LoadLibraryA("VordaCnv.dll");
    ASSERT_NE(nullptr, module);
    WNDCLASSA own = {};
    own.lpfnWndProc = DefWindowProcA;
    own.hInstance = module;
    own.lpszClassName = kLaunchWindowClass;
    own.cbWndExtra = 3;
    ASSERT_NE(0, RegisterClassA(&own));

    EXPECT_EQ(1, RegisterLaunchWindowClass(module));
    WNDCLASSA found = {};
    ASSERT_TRUE(GetClassInfoA(module, kLaunchWindowClass, &found));
    EXPECT_EQ(reinterpret_cast<void*>(DefWindowProcA), reinterpret_cast<void*>(found.lpfnWndProc));
    EXPECT_EQ(3, found.cbWndExtra);
    UnregisterClassA(kLaunchWindowClass, module);
    FreeLibrary(module);
}

}  // namespace
