// The catalogue of condition files in a real application folder.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "conditions/catalogue.h"
#include "conditions/condition_io.h"
#include "tests/unit/conditions_test_helpers.h"

using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;
using Names = std::vector<std::string>;

namespace {

const Names kScannerTemplates = {"Scanner Template Binder 1", "Scanner Template Binder 2",
                                 "Scanner Template Binder 3"};

TEST(ConditionPathsDbcs, NameWithTrailBackslash) {
    SKIP_UNLESS_CP932();
    char name[MAX_PATH];
    ConditionNameFromPath("C:\\App\\s\x83\x5C\x83\x7C.INI", name);
    EXPECT_STREQ("\x83\x5C\x83\x7C", name);
    ConditionNameFromPath("C:\\\x83\x5C\\f\x83\x5C", name);
    EXPECT_STREQ("\x83\x5C", name);
}

class ConditionCatalogue : public condtest::AppFolderTest {
protected:
    void Touch(const std::string& name, const std::string& bytes = "[SCANNER]\r\n") {
        WriteFileBytes(At(name), bytes);
    }
    Names List(int32_t kind) {
        Names names;
        EXPECT_EQ(1, ListConditions(kind, dir.path().c_str(), &names));
        return names;
    }
};

TEST_F(ConditionCatalogue, TemplatesFirstThenUserConditions) {
    Touch("sScanner Template Binder 1.ini", "kept");      // small extension
    Touch("sSCANNER TEMPLATE BINDER 2.INI", "kept too");  // other letter case
    Touch("sA.INI");
    Touch("s.INI");
    Touch("SUpper.ini");
    Touch("fFax Only.INI");
    Touch("sNoExtension");
    Touch("sA.INIX");
    Touch("xsB.INI");
    testsupport::MakeFolder(At("sFolder.ini"));

    Names names = List(kScanner);
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(kScannerTemplates, Names(names.begin(), names.begin() + 3));
    Names users(names.begin() + 3, names.end());
    std::sort(users.begin(), users.end());
    EXPECT_EQ((Names{"", "A", "Upper"}), users);

    // Templates 1 and 2 were present (whatever their case) and stay as they
    // were; template 3 was missing and is written from the string table.
    EXPECT_EQ("kept", ReadFileBytes(At("sScanner Template Binder 1.ini")));
    EXPECT_EQ("kept too", ReadFileBytes(At("sSCANNER TEMPLATE BINDER 2.INI")));
    const std::string recreated = ReadFileBytes(At("sScanner Template Binder 3.INI"));
    EXPECT_EQ(0u, recreated.find("[SCANNER]\r\nLIBRARY=\"Default Library\"\r\n"));
}

TEST_F(ConditionCatalogue, DbcsNamesListAndOpen) {
    SKIP_UNLESS_CP932();
    SKIP_UNLESS_DBCS_FILE_NAMES(dir.path());
    const std::string name = "\x83\x5C\x83\x7C";  // trail bytes "\" and "|"
    SortCondition r = condtest::ZeroRecord();
    char path[MAX_PATH];
    ASSERT_EQ(1, MakeUserConditionPath(kScanner, dir.path().c_str(), name.c_str(), path));
    ReadCondition(path, kScanner, &r);
    std::strcpy(r.libraryText, "\x83\x5C");
    WriteCondition(&r);
    EXPECT_EQ(1, ConditionExists(kScanner, name.c_str()));
    Names names = List(kScanner);
    ASSERT_EQ(4u, names.size());
    EXPECT_EQ(name, names[3]);
    RecordCurrentCondition(dir.path().c_str(), &r);
    int32_t selected = -1;
    SortCondition current = condtest::ZeroRecord();
    LoadCurrentCondition(kScanner, dir.path().c_str(), &names, &selected, &current);
    EXPECT_EQ(3, selected);
    EXPECT_STREQ("\x83\x5C", current.libraryText);
    EXPECT_EQ(1, IsCurrentCondition(kScanner, dir.path().c_str(), name.c_str()));
}

}  // namespace
