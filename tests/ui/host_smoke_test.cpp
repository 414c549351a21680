// The module loaded as the application loads it: argument checks that must
// show nothing and touch nothing, and the round trip of opening each window
// and backing out of it at once.
#include <cstring>
#include <ostream>

#include "tests/ui/ui_fixture.h"

namespace uitest {
namespace {

using HostSmokeTest = UiTest;

// Closes whatever the call opens the way a user backs out (Cancel, else No,
// else OK), or notes that it opened nothing.
void BackOutOfWhateverOpens(robot::Robot& r) {
    r.WaitUntil([&] { return r.CallReturned() || !r.Windows().empty(); },
                "a window or the end of the call");
    if (!r.CallReturned()) r.CancelAll(r.timeoutMs());
}

struct InvalidCase {
    const char* name;
    int mode;
    int index;
    int show;
};

void PrintTo(const InvalidCase& c, std::ostream* os) { *os << c.name; }

class InvalidArgumentsTest : public UiTest, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidArgumentsTest, ReturnZeroShowNothingAndTouchNothing) {
    const InvalidCase c = GetParam();
    ConfigArgs args;
    args.mode = c.mode;
    std::memset(args.rootPath1, 'a', sizeof args.rootPath1);
    std::memset(args.rootPath2, 'b', sizeof args.rootPath2);
    std::memset(args.rootPath3, 'c', sizeof args.rootPath3);
    args.currentRootIndex = c.index;
    args.messageShow = c.show;
    const ConfigArgs before = args;
    const std::string settingsBefore = testsupport::ReadFileBytes(settingsIni);

    int created = -1;
    const int result = ConfigSet(args, [&](robot::Robot& r) {
        r.WaitCallReturned();
        created = r.TopLevelWindowsCreated();
    });

    EXPECT_EQ(0, result);
    EXPECT_EQ(0, created);
    EXPECT_EQ(0, std::memcmp(before.rootPath1, args.rootPath1, MAX_PATH));
    EXPECT_EQ(0, std::memcmp(before.rootPath2, args.rootPath2, MAX_PATH));
    EXPECT_EQ(0, std::memcmp(before.rootPath3, args.rootPath3, MAX_PATH));
    EXPECT_EQ(c.index, args.currentRootIndex);
    EXPECT_EQ(c.show, args.messageShow);
    EXPECT_EQ(settingsBefore, testsupport::ReadFileBytes(settingsIni));
    EXPECT_TRUE(LogLines().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Args, InvalidArgumentsTest,
    ::testing::Values(InvalidCase{"Mode3", 3, 0, 0}, InvalidCase{"ModeMinus1", -1, 0, 0},
                      InvalidCase{"Index3InMode0", 0, 3, 0}, InvalidCase{"Index3InMode1", 1, 3, 0},
                      InvalidCase{"IndexMinus1InMode2", 2, -1, 0},
                      InvalidCase{"MessageShow2InMode1", 1, 0, 2},
                      InvalidCase{"MessageShowMinus1InMode0", 0, 0, -1}),
    [](const ::testing::TestParamInfo<InvalidCase>& info) { return std::string(info.param.name); });

TEST_F(HostSmokeTest, Mode0WithAnInvalidIndexNeverTouchesTheMissingPaths) {
    char path1[MAX_PATH] = {};
    int index = 3;
    int show = 0;
    const int result =
        robot::Run([&] { return VordaConfigSet(0, path1, nullptr, nullptr, &index, &show); },
                   [](robot::Robot& r) { r.WaitCallReturned(); });
    EXPECT_EQ(0, result);
    EXPECT_EQ(3, index);
}

class CancelAtOnceTest : public UiTest, public ::testing::WithParamInterface<int> {};

TEST_P(CancelAtOnceTest, YieldsZeroAndHandsBackThePassedValues) {
    ConfigArgs args(GetParam(), libRoot, GetParam() == 0 ? "" : libRoot2, "", 0, 1);
    const int result = ConfigSet(args, BackOutOfWhateverOpens);
    EXPECT_EQ(0, result);
    EXPECT_EQ(libRoot, args.rootPath1);
    if (GetParam() != 0) {
        EXPECT_EQ(libRoot2, args.rootPath2);
    }
    EXPECT_EQ(0, args.currentRootIndex);
    EXPECT_EQ(1, args.messageShow);
}

INSTANTIATE_TEST_SUITE_P(Modes, CancelAtOnceTest, ::testing::Values(0, 1, 2));

TEST_F(HostSmokeTest, ImportDestinationDialogReturnsOneAfterCancel) {
    EXPECT_EQ(1, Lumora(BackOutOfWhateverOpens));
    EXPECT_EQ("0", IniValue(settingsIni, "Lumora", "OutputStyle"));
}

// ---- the host program ---------------------------------------------------------

// Runs VordaHost.exe from this program's folder with arguments and collects
// what it prints.
testsupport::ProgramRun RunHost(const std::string& arguments) {
    return testsupport::RunProgram("VordaHost.exe", arguments);
}

struct CommandLineCase {
    const char* name;
    const char* arguments;
    DWORD exitCode;
    const char* output;  // expected within what the host prints
};

void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

class HostCommandLineTest : public UiTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(HostCommandLineTest, ChecksItsArgumentsAndPrintsWhatComesBack) {
    const CommandLineCase c = GetParam();
    std::string arguments = c.arguments;
    const size_t at = arguments.find("@260@");
    if (at != std::string::npos) arguments.replace(at, 5, std::string(260, 'a'));
    const testsupport::ProgramRun run = RunHost(arguments);
    EXPECT_EQ(c.exitCode, run.exitCode) << run.output;
    EXPECT_NE(std::string::npos, run.output.find(c.output)) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostCommandLineTest,
    ::testing::Values(
        CommandLineCase{"NoArguments", "", 2, "usage: VordaHost.exe MODE"},
        CommandLineCase{"ModeNotANumber", "x a b c 0 0", 2, "must be numbers"},
        CommandLineCase{"IndexWithTrailingText", "1 a b c 0x 0", 2, "must be numbers"},
        CommandLineCase{"PathTooLong", "1 @260@ b c 0 0", 2, "longer than 259"},
        CommandLineCase{"UnknownWord", "lumoraa", 2, "usage:"},
        CommandLineCase{"ScreenshotsIntoAMissingFolder", "--screenshots Z:\\no\\such\\folder", 2,
                        "no such folder"},
        // Invalid arguments reach the module, which hands everything back.
        CommandLineCase{"InvalidModeReturnsTheArguments", "3 C:\\Lib \"\" third 2 1", 0,
                        "result=0\nrootPath1=C:\\Lib\nrootPath2=\nrootPath3=third\n"
                        "currentRootIndex=2\nmessageShow=1\n"}),
    [](const ::testing::TestParamInfo<CommandLineCase>& info) {
        return std::string(info.param.name);
    });

TEST_F(HostSmokeTest, HostCapturesEveryTabOfEveryModeTheConditionDialogsAndTheImportDialog) {
    const std::string shots = temp / "shots";
    ASSERT_TRUE(testsupport::MakeFolder(shots));
    const testsupport::ProgramRun run =
        RunHost("--screenshots \"" + shots + "\" \"" + libRoot + "\"");
    EXPECT_EQ(0u, run.exitCode) << run.output;
    for (const char* name :
         {"0-0", "1-0", "1-1", "1-2", "1-3", "2-0", "2-1", "1-0-binders", "1-0-name", "1-0-rule",
          "1-0-preview", "1-1-preview", "1-2-preview", "lumora"}) {
        const std::string file = shots + "\\" + name + ".bmp";
        EXPECT_EQ("BM", testsupport::ReadFileBytes(file).substr(0, 2)) << file;
        EXPECT_NE(std::string::npos, run.output.find(file)) << run.output;
    }
}

}  // namespace
}  // namespace uitest
