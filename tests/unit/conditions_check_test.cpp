// The key-by-key check of condition files: what the store writes passes,
// and each change that the lenient read would hide is found once.
#include <gtest/gtest.h>
#include <string>

#include "base/text.h"
#include "conditions/condition_check.h"
#include "conditions/condition_format.h"
#include "conditions/condition_io.h"
#include "tests/unit/conditions_test_helpers.h"

using condtest::kLS;

namespace {

class ConditionCheck : public condtest::AppFolderTest {
protected:
    // Template number of kind written afresh to its file; its path.
    std::string Template(int32_t kind, int32_t number) {
        char path[MAX_PATH];
        MakeConditionPath(kind, number, dir.path().c_str(), path);
        DeleteFileA(path);
        WriteTemplateCondition(kind, path, number);
        return path;
    }
};

TEST_F(ConditionCheck, WhatTheStoreWritesPasses) {
    for (int32_t kind = kScanner; kind <= kFaxSend; ++kind) {
        for (int32_t number = 1; number <= 3; ++number) {
            const std::string path = Template(kind, number);
            EXPECT_TRUE(CheckConditionFile(path.c_str(), kind).empty()) << path;
            // The same condition written by a save.
            SortCondition r = condtest::ZeroRecord();
            ReadCondition(path.c_str(), kind, &r);
            const std::string saved = At("saved.INI");
            DeleteFileA(saved.c_str());
            CopyText(r.path, sizeof r.path, saved.c_str());
            WriteCondition(&r);
            EXPECT_TRUE(CheckConditionFile(saved.c_str(), kind).empty()) << path;
        }
    }
}

struct Change {
    const char* what;
    int32_t kind;  // of template 1, which is changed
    const char* section;
    const char* key;    // null: the whole section goes
    std::string value;  // "-" removes the key
    int32_t problem;    // 0: still passes
    const char* foundKey;
    std::string foundValue;
};

TEST_F(ConditionCheck, EachChangeIsFoundOnce) {
    const std::string forty3(43, 'L');
    const std::string forty4(44, 'L');
    // clang-format off
    const Change changes[] = {
        {"a switch in small letters", kFaxReceive, "FAX-RX_USE", "TAG", "@off", 0, "", ""},
        {"an empty value", kFaxReceive, "FAX-RX_USE", "TAG", "", 0, "", ""},
        {"a placement out of range", kFaxReceive, "FAX-RX", "POSITION", "@MIDDLE",
         kFileUnknownValue, "POSITION", "@MIDDLE"},
        {"a weekday out of range", kScanner, "SCANNER", "DATEWEEK", "@DATE-YMW-FUN",
         kFileUnknownValue, "DATEWEEK", "@DATE-YMW-FUN"},
        {"a list token in small letters", kFaxReceive, "FAX-RX", "FAX-SEQ", "@fax-tsi" + kLS,
         kFileUnknownListItem, "FAX-SEQ", "@fax-tsi"},
        {"a name list with a send token", kFaxReceive, "FAX-RX", "BINDER",
         "@FAX-TSI" + kLS + "@TX-USER" + kLS, kFileUnknownListItem, "BINDER", "@TX-USER"},
        {"a receive token in a send list", kFaxSend, "FAX-TX", "FAX-CHECK", "@FAX-TSI" + kLS,
         kFileUnknownListItem, "FAX-CHECK", "@FAX-TSI"},
        {"a scanner name holding the separator", kScanner, "SCANNER", "BINDER", "A" + kLS, 0,
         "", ""},
        {"a library of 43 bytes", kFaxReceive, "FAX-RX", "LIBRARY", forty3, 0, "", ""},
        {"a library of 44 bytes", kFaxReceive, "FAX-RX", "LIBRARY", forty4, kFileValueTooLong,
         "LIBRARY", forty4},
        {"a list key lost", kFaxReceive, "FAX-RX", "FAX-CHECK", "-", kFileMissingKey,
         "FAX-CHECK", ""},
        {"the use section lost", kFaxSend, "FAX-TX_USE", nullptr, "", kFileMissingSection, "",
         ""},
    };
    // clang-format on
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        const std::string path = Template(c.kind, 1);
        WritePrivateProfileStringA(c.section, c.key, c.value == "-" ? nullptr : c.value.c_str(),
                                   path.c_str());
        const std::vector<ConditionFileFinding> found = CheckConditionFile(path.c_str(), c.kind);
        if (c.problem == 0) {
            EXPECT_TRUE(found.empty());
            continue;
        }
        ASSERT_EQ(1u, found.size());
        EXPECT_EQ(c.problem, found[0].problem);
        EXPECT_STREQ(c.section, found[0].section);
        EXPECT_STREQ(c.foundKey, found[0].key);
        EXPECT_EQ(c.foundValue, found[0].value);
    }
}

TEST_F(ConditionCheck, AFileOfAnotherKindOrNoneLacksBothSections) {
    const std::string send = Template(kFaxSend, 1);
    for (const std::string& path : {send, At("missing.INI")}) {
        const std::vector<ConditionFileFinding> found =
            CheckConditionFile(path.c_str(), kFaxReceive);
        ASSERT_EQ(2u, found.size()) << path;
        EXPECT_EQ(kFileMissingSection, found[0].problem);
        EXPECT_STREQ("FAX-RX_USE", found[0].section);
        EXPECT_STREQ("FAX-RX", found[1].section);
    }
}

}  // namespace
