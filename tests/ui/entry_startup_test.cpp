// Loading and unloading the module: no load without a common INI path, the
// language resource module from Glossa supplying the texts and released once
// when the module unloads.
#include <windows.h>

#include <ostream>
#include <string>

#include "tests/ui/ui_fixture.h"
#include "tests/ui/ui_texts.h"

namespace uitest {
namespace {

using testsupport::SetAppFolder;
using testsupport::SetEnv;

const char kFrenchModule[] = "VordaEnvRes040c.dll";

// ---- refusing to load ---------------------------------------------------------------

struct LoadCase {
    const char* name;
    bool commonIniVariable;  // VORDA_COMMON_INI set
    bool appPathsEntry;      // the application folder registered
    bool loads;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class StartupLoadTest : public ::testing::TestWithParam<LoadCase> {
protected:
    void TearDown() override {
        SetEnv("VORDA_COMMON_INI", nullptr);
        SetEnv("VORDA_LANGID", nullptr);
        SetAppFolder(nullptr);
    }
    testsupport::TempDir temp;
};

TEST_P(StartupLoadTest, LoadsOnlyWithACommonIniPath) {
    const LoadCase c = GetParam();
    SetEnv("VORDA_COMMON_INI", c.commonIniVariable ? (temp / "VordaCommon.ini").c_str() : nullptr);
    SetAppFolder(c.appPathsEntry ? temp.path().c_str() : nullptr);
    // With a language module in play, a refused load must not keep it.
    SetEnv("VORDA_LANGID", "1036");

    HMODULE module = LoadLibraryA(testsupport::BesideThisProgram("VordaEnv.dll").c_str());
    EXPECT_EQ(c.loads, module != nullptr);
    if (module) FreeLibrary(module);
    EXPECT_EQ(nullptr, GetModuleHandleA(kFrenchModule));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, StartupLoadTest,
    ::testing::Values(LoadCase{"NeitherVariableNorAppPaths", false, false, false},
                      LoadCase{"VariableOnly", true, false, true},
                      LoadCase{"AppPathsOnly", false, true, true}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// ---- the language resource module ---------------------------------------------------

class FrenchStartupTest : public UiTest {
protected:
    void BeforeLoad() override {
        SetEnv("VORDA_LANGID", "1036");
        // A reference of the test's own: the module must drop exactly its
        // own one when it unloads.
        held = LoadLibraryA(testsupport::BesideThisProgram(kFrenchModule).c_str());
        ASSERT_NE(nullptr, held);
    }
    void TearDown() override {
        UiTest::TearDown();
        if (held) FreeLibrary(held);
        SetEnv("VORDA_LANGID", nullptr);
    }
    HMODULE held = nullptr;
};

TEST_F(FrenchStartupTest, TextsComeFromTheLanguageModuleWhichIsReleasedOnceAtUnload) {
    ConfigArgs args(0, temp / "Nowhere", "", "", 0, 0);
    ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        EXPECT_EQ("Options de Vorda", r.Text(sheet));
        r.PressOk(sheet);
        const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
        EXPECT_EQ("Options de Vorda", box.caption);
        r.Answer(box, IDOK);
        r.PressCancel(sheet);
    });

    UnloadModule();
    EXPECT_EQ(held, GetModuleHandleA(kFrenchModule)) << "released more than once";
    FreeLibrary(held);
    held = nullptr;
    EXPECT_EQ(nullptr, GetModuleHandleA(kFrenchModule)) << "never released";
}

}  // namespace
}  // namespace uitest
