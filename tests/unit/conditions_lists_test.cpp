// Splitting lists, parsing "folder.ini" entries and ordering binders.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "conditions/list_utils.h"
#include "tests/unit/conditions_test_helpers.h"

using condtest::kLS;
using Pieces = std::vector<std::string>;

namespace {

TEST(ConditionSplitListDbcs, SeparatorOnlyAtCharacterStart) {
    SKIP_UNLESS_CP932();
    // 0x83 0x7C is one character whose trail byte is "|": no separator there.
    Pieces pieces;
    SplitList("\x83|a|b", "|", &pieces);
    EXPECT_EQ((Pieces{"\x83|a", "b"}), pieces);
}

struct EntryCase {
    std::string text;
    std::string shown;
    int32_t hasNumber, number, hasPercent, hasDollar;
    std::string name;
};

TEST(ConditionEntryParse, MarkerRules) {
    const EntryCase cases[] = {
        {"Papers#3", "Papers", 1, 3, 0, 0, "Papers"},
        {"Bills#12", "Bills", 1, 12, 0, 0, "Bills"},
        {"Papers", "Papers", 0, 0, 0, 0, "Papers"},
        {"Old%#4", "Old%", 1, 4, 1, 0, "Old"},
        {"A$B%#9", "A$B%", 1, 9, 1, 1, "B"},
        {"Price##5", "Price##5", 0, 0, 0, 0, "Price##5"},
        {"Price###5", "Price##", 1, 5, 0, 0, "Price##"},
        {"Tax#2a", "Tax#2a", 0, 0, 0, 0, "Tax#2a"},
        {"Tax#", "Tax#", 0, 0, 0, 0, "Tax#"},
        {"#7", "", 1, 7, 0, 0, ""},
        {"A#1#2", "A#1", 1, 2, 0, 0, "A#1"},
        {"A%B#3", "A%B", 1, 3, 0, 0, "A%B"},  // "%" neither last nor before "#"
        {"Half%", "Half%", 0, 0, 1, 0, "Half"},
        {"50%%", "50%%", 0, 0, 0, 0, "50%%"},
        {"50%%%", "50%%%", 0, 0, 1, 0, "50%%"},
        {"A#1%", "A#1%", 0, 0, 1, 0, "A#1"},  // "#" before "%": dropped
        {"A%$B", "A%$B", 0, 0, 0, 1, "B"},    // "%" before "$": dropped
        {"A#5$B", "A#5$B", 0, 0, 0, 1, "B"},  // "#" before "$": dropped
        {"Cost$$Sheet#4", "Cost$$Sheet", 1, 4, 0, 0, "Cost$$Sheet"},
        {"$Only", "$Only", 0, 0, 0, 1, "Only"},
        {"X$Y#8", "X$Y", 1, 8, 0, 1, "Y"},
        {"A$B$C#2", "A$B$C", 1, 2, 0, 1, "C"},
        {"A#99999999999", "A", 1, 2147483647, 0, 0, "A"},
        {"", "", 0, 0, 0, 0, ""},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.text);
        ListEntry entry;
        entry.text = c.text;
        entry.number = 42;
        entry.hasDollar = entry.hasPercent = entry.hasNumber = 1;
        EXPECT_EQ(0, ParseEntryName(&entry));
        EXPECT_EQ(c.shown, EntryShownText(entry));
        EXPECT_EQ(c.hasNumber, entry.hasNumber);
        EXPECT_EQ(c.number, entry.number);
        EXPECT_EQ(c.hasPercent, entry.hasPercent);
        EXPECT_EQ(c.hasDollar, entry.hasDollar);
        EXPECT_EQ(c.name, entry.name);
    }
}

TEST(ConditionEntryParseDbcs, DoubleByteNames) {
    SKIP_UNLESS_CP932();
    // "\x83\x5C" and "\x83\x7C" carry "\" and "|" as trail bytes; "\x81\x94"
    // is a full-width "#", no marker.
    const EntryCase cases[] = {
        {"\x83\x5C#3", "\x83\x5C", 1, 3, 0, 0, "\x83\x5C"},
        {"\x83\x7C\x83\x5C%#12", "\x83\x7C\x83\x5C%", 1, 12, 1, 0, "\x83\x7C\x83\x5C"},
        {"\x81\x94"
         "5",
         "\x81\x94"
         "5",
         0, 0, 0, 0,
         "\x81\x94"
         "5"},
        {"A$\x83\x5C#2", "A$\x83\x5C", 1, 2, 0, 1, "\x83\x5C"},
        {"\x83", "\x83", 0, 0, 0, 0, "\x83"},        // a lone lead byte at the end
        {"\x83#4", "\x83#4", 0, 0, 0, 0, "\x83#4"},  // "#" is the trail byte here
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.text);
        ListEntry entry;
        entry.text = c.text;
        ParseEntryName(&entry);
        EXPECT_EQ(c.shown, EntryShownText(entry));
        EXPECT_EQ(c.hasNumber, entry.hasNumber);
        EXPECT_EQ(c.number, entry.number);
        EXPECT_EQ(c.name, entry.name);
    }
}

// A cabinet folder with binder folders; a binder is a folder whose
// "folder.ini" has [Binder] Title. (The position order and what counts as
// a binder are checked through folder.ini in library_tree_test.cpp.)
class ConditionBinders : public ::testing::Test {
protected:
    testsupport::TempDir dir;
};

TEST_F(ConditionBinders, DbcsCabinetEndingInTrailBackslash) {
    SKIP_UNLESS_CP932();
    // The cabinet folder ends in "\x83\x5C": its last byte is no backslash,
    // so the binder path still needs one.
    SKIP_UNLESS_DBCS_FILE_NAMES(dir.path());
    const std::string cabinet = dir / "Cab\x83\x5C";
    ASSERT_TRUE(CreateDirectoryA(cabinet.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((cabinet + "\\B1").c_str(), nullptr));
    testsupport::WriteFileBytes(cabinet + "\\B1\\folder.ini", "[Binder]\r\nTitle=\x83\x7C\r\n");
    EntryArray entries;
    BuildBinderEntries(cabinet.c_str(), {"B1"}, {"1"}, &entries);
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ("\x83\x7C", entries[0].text);
}

}  // namespace
