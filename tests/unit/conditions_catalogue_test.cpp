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

TEST(ConditionPaths, MakeConditionPathTable) {
    struct Case {
        int32_t kind, selector;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, "C:\\App\\DIVSET.ini"},
        {2, 0, "C:\\App\\DIVSET.ini"},
        {0, 1, "C:\\App\\sScanner Template Binder 1.INI"},
        {1, 3, "C:\\App\\fFAX Receive Template Binder 3.INI"},
        {2, 2, "C:\\App\\nFAX Send Template Binder 2.INI"},
        {9, 1, "C:\\App\\nFAX Send Template Binder 1.INI"},
        {0, 4, "C:\\App\\s*.ini"},
        {1, 4, "C:\\App\\f*.ini"},
        {-3, 4, "C:\\App\\n*.ini"},
        {0, 5, "C:\\App\\"},
        {1, -1, "C:\\App\\"},
    };
    for (const Case& c : cases) {
        char out[MAX_PATH] = "untouched";
        MakeConditionPath(c.kind, c.selector, "C:\\App", out);
        EXPECT_STREQ(c.expected, out) << c.kind << "/" << c.selector;
    }
    char out[MAX_PATH] = "untouched";
    MakeConditionPath(0, 0, nullptr, out);
    EXPECT_STREQ("untouched", out);
    const std::string longFolder(255, 'f');
    MakeConditionPath(0, 1, longFolder.c_str(), out);
    EXPECT_STREQ("", out);  // would not fit: nothing half-made
}

TEST(ConditionPaths, NameFromPathTable) {
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\App\\fInvoices.INI", "Invoices"},
        {"C:\\App\\", ""},
        {"C:\\App\\s.INI", ""},
        {"C:\\App\\sA.INI", "A"},
        {"sA.INI", "A"},
        {"C:\\A.B\\sX", "X"},
        {"C:\\App\\sName.v1.INI", "Name.v1"},
        {"C:sDrive.ini", "Drive"},
        {"C:/App/nSlash.INI", "Slash"},
        {"", ""},
        {"C:\\App\\.INI", ""},
    };
    for (const Case& c : cases) {
        char name[MAX_PATH] = "junk";
        ConditionNameFromPath(c.path, name);
        EXPECT_STREQ(c.name, name) << c.path;
    }
}

TEST(ConditionPathsDbcs, NameWithTrailBackslash) {
    SKIP_UNLESS_CP932();
    char name[MAX_PATH];
    ConditionNameFromPath("C:\\App\\s\x83\x5C\x83\x7C.INI", name);
    EXPECT_STREQ("\x83\x5C\x83\x7C", name);
    ConditionNameFromPath("C:\\\x83\x5C\\f\x83\x5C", name);
    EXPECT_STREQ("\x83\x5C", name);
}

TEST(ConditionNames, TemplateNamesAnyCase) {
    EXPECT_EQ(1, IsTemplateName("Scanner Template Binder 1"));
    EXPECT_EQ(1, IsTemplateName("fax send template binder 3"));
    EXPECT_EQ(1, IsTemplateName("FAX RECEIVE TEMPLATE BINDER 2"));
    EXPECT_EQ(0, IsTemplateName("Scanner Template Binder 4"));
    EXPECT_EQ(0, IsTemplateName("Scanner Template Binder 1_Copy"));
    EXPECT_EQ(0, IsTemplateName(""));
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

TEST_F(ConditionCatalogue, EmptyFolderGetsAllTemplates) {
    for (int32_t kind : {kScanner, kFaxReceive, kFaxSend}) {
        Names names = List(kind);
        ASSERT_EQ(3u, names.size());
        for (int32_t t = 1; t <= 3; ++t) {
            char path[MAX_PATH];
            MakeConditionPath(kind, t, dir.path().c_str(), path);
            EXPECT_TRUE(FileExists(path)) << path;
        }
    }
    // Listed again, nothing changes.
    EXPECT_EQ(3u, List(kFaxSend).size());
}

TEST_F(ConditionCatalogue, CurrentConditionFromDivset) {
    List(kScanner);
    Touch("sMine.INI", "[SCANNER]\r\nLIBRARY=\"Mine\"\r\n");
    Names names = List(kScanner);
    int32_t selected = -1;
    SortCondition r = condtest::ZeroRecord();

    // No DIVSET.ini: template 1.
    EXPECT_EQ(1, LoadCurrentCondition(kScanner, dir.path().c_str(), &names, &selected, &r));
    EXPECT_EQ(0, selected);
    EXPECT_STREQ("Default Library", r.libraryText);

    // A recorded user condition in another letter case selects its row.
    WriteFileBytes(At("DIVSET.ini"), "[CONFIG_INI]\r\nSCAN=\"" + At("sMINE.INI") + "\"\r\n");
    LoadCurrentCondition(kScanner, dir.path().c_str(), &names, &selected, &r);
    EXPECT_EQ("Mine", names[static_cast<size_t>(selected)]);
    EXPECT_EQ(4u, names.size());
    EXPECT_STREQ("Mine", r.libraryText);

    // An empty record: template 1.
    WriteFileBytes(At("DIVSET.ini"), "[CONFIG_INI]\r\nSCAN=\"\"\r\n");
    LoadCurrentCondition(kScanner, dir.path().c_str(), &names, &selected, &r);
    EXPECT_EQ(0, selected);

    // A recorded condition whose file is gone: its name joins the list and
    // its values come from the DIVSET.ini copy.
    WriteFileBytes(At("DIVSET.ini"), "[CONFIG_INI]\r\nSCAN=\"" + At("sGone.INI") +
                                         "\"\r\n[SCANNER]\r\nLIBRARY=\"Copied\"\r\n");
    LoadCurrentCondition(kScanner, dir.path().c_str(), &names, &selected, &r);
    EXPECT_EQ(5u, names.size());
    EXPECT_EQ(4, selected);
    EXPECT_EQ("Gone", names[4]);
    EXPECT_STREQ("Copied", r.libraryText);
    EXPECT_EQ(At("sGone.INI"), r.path);
}

TEST_F(ConditionCatalogue, DivsetWithoutKeyOpensTemplateOnePerKind) {
    WriteFileBytes(At("DIVSET.ini"), "[CONFIG_INI]\r\nSCAN=\"" + At("sX.INI") + "\"\r\n");
    Names names = List(kFaxSend);
    int32_t selected = -1;
    SortCondition r = condtest::ZeroRecord();
    LoadCurrentCondition(kFaxSend, dir.path().c_str(), &names, &selected, &r);
    EXPECT_EQ(0, selected);
    EXPECT_STREQ("Transmitted FAX Document", r.cabinetText);
    EXPECT_EQ(kFaxSend, r.kind);
}

TEST_F(ConditionCatalogue, DeletingTheCurrentConditionRecordsTheNextOne) {
    Touch("fOld.INI", "[FAX-RX]\r\nLIBRARY=\"Old\"\r\n");
    Touch("fNext.INI", "[FAX-RX]\r\nLIBRARY=\"Next\"\r\n");
    Names names = List(kFaxReceive);
    std::sort(names.begin() + 3, names.end());  // Next, Old
    SortCondition r = condtest::ZeroRecord();
    OpenCondition(kFaxReceive, dir.path().c_str(), "Old", &r);
    RecordCurrentCondition(dir.path().c_str(), &r);
    EXPECT_EQ(1, IsCurrentCondition(kFaxReceive, dir.path().c_str(), "old"));
    EXPECT_EQ(0, IsCurrentCondition(kFaxReceive, dir.path().c_str(), "Next"));
    EXPECT_EQ(0, IsCurrentCondition(kScanner, dir.path().c_str(), "Old"));

    const int32_t next = DeleteCondition(kFaxReceive, dir.path().c_str(), &names, 4);
    ASSERT_EQ(0, next);  // "Old" was last: template 1
    OpenCondition(kFaxReceive, dir.path().c_str(), names[0].c_str(), &r);
    RecordCurrentCondition(dir.path().c_str(), &r);
    EXPECT_EQ(1,
              IsCurrentCondition(kFaxReceive, dir.path().c_str(), "FAX Receive Template Binder 1"));
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
