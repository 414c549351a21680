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

}  // namespace
}  // namespace uitest
