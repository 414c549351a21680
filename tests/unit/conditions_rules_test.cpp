// The rules a condition must meet before it is saved.
#include <gtest/gtest.h>

#include "base/text.h"
#include "conditions/condition_rules.h"
#include "resources/resource.h"
#include "tests/unit/conditions_test_helpers.h"

namespace {

using condtest::ZeroRecord;

// Runs under code page 932 too, where 0x83 0x5C and 0x83 0x7C are single
// characters whose trail bytes are no backslash and no bar.
TEST(ConditionRulesDbcs, ConditionNames) {
    const bool dbcs = GetACP() == 932;
    const struct {
        const char* name;
        int32_t expected;
    } cases[] = {
        {"", kNameEmpty},
        {"   ", kNameValid},
        {"Invoices 2026", kNameValid},
        {"scanner template binder 1", kNameIsTemplate},
        {"FAX SEND TEMPLATE BINDER 3", kNameIsTemplate},
        {"Scanner Template Binder 1_Copy", kNameValid},
        {"a.b", kNameForbiddenCharacter},
        {"x!", kNameForbiddenCharacter},
        {"\"q\"", kNameForbiddenCharacter},
        {"\x83\x5C", dbcs ? kNameValid : kNameForbiddenCharacter},
        {"\x83\x7C", dbcs ? kNameValid : kNameForbiddenCharacter},
        {"\x83\x5C\\", kNameForbiddenCharacter},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, CheckConditionName(c.name)) << c.name;
    for (const char* p = kForbiddenNameCharacters; *p; ++p) {
        const char name[] = {'n', *p, '\0'};
        EXPECT_EQ(kNameForbiddenCharacter, CheckConditionName(name)) << name;
    }
    EXPECT_EQ(13u, std::strlen(kForbiddenNameCharacters));
}

// A scanner record with every layer used and named.
SortCondition Named() {
    SortCondition r = ZeroRecord();
    r.libraryUse = r.cabinetUse = r.binderUse = r.indexUse = r.tagUse = 1;
    CopyText(r.libraryText, sizeof r.libraryText, "Papers");
    CopyText(r.cabinetText, sizeof r.cabinetText, "2026");
    CopyText(r.binderText, sizeof r.binderText, "Invoices");
    CopyText(r.indexText, sizeof r.indexText, "D: Date");
    CopyText(r.tagText, sizeof r.tagText, "T: Time");
    r.binderMode = kFixedName;
    r.indexMode = 1;
    r.tagMode = 2;
    return r;
}

TEST(ConditionRules, LayerNames) {
    struct Case {
        const char* what;
        void (*change)(SortCondition&);
        int32_t layer;
        unsigned messageId;
    };
    const Case cases[] = {
        {"all named", [](SortCondition&) {}, -1, 0},
        {"empty library", [](SortCondition& r) { r.libraryText[0] = '\0'; }, kLayerLibrary,
         IDS_LIBRARY_NAME_REQUIRED},
        {"empty note", [](SortCondition& r) { r.tagText[0] = '\0'; }, kLayerNote,
         IDS_NOTE_NAME_REQUIRED},
        {"empty binder, layer off",
         [](SortCondition& r) {
             r.binderText[0] = '\0';
             r.binderUse = 0;
         },
         -1, 0},
        {"empty index before a bad library",
         [](SortCondition& r) {
             r.indexText[0] = '\0';
             CopyText(r.libraryText, sizeof r.libraryText, "A/B");
         },
         kLayerIndex, IDS_INDEX_NAME_REQUIRED},
        {"slash in an unused library",
         [](SortCondition& r) {
             r.libraryUse = 0;
             CopyText(r.libraryText, sizeof r.libraryText, "A/B");
         },
         kLayerLibrary, IDS_LIBCAB_FORBIDDEN_CHARS},
        {"colon in cabinet",
         [](SortCondition& r) { CopyText(r.cabinetText, sizeof r.cabinetText, "C:"); },
         kLayerCabinet, IDS_LIBCAB_FORBIDDEN_CHARS},
        {"reserved binder",
         [](SortCondition& r) { CopyText(r.binderText, sizeof r.binderText, "Temporary Binder"); },
         kLayerBinder, IDS_BINDER_NAME_RESERVED},
        {"reserved binder in other case",
         [](SortCondition& r) { CopyText(r.binderText, sizeof r.binderText, "temporary binder"); },
         -1, 0},
    };
    for (const Case& c : cases) {
        SortCondition r = Named();
        c.change(r);
        const LayerFinding found = CheckLayerNameRules(r);
        EXPECT_EQ(c.layer, found.layer) << c.what;
        EXPECT_EQ(c.messageId, found.messageId) << c.what;
    }
}

TEST(ConditionRules, RelatedInformation) {
    const struct {
        const char* what;
        int32_t binderMode, indexMode, tagMode;
        int32_t indexUse;
        int32_t layer;
    } cases[] = {
        {"all different", kFixedName, 1, 2, 1, -1},
        {"fixed names never conflict", kFixedName, kFixedName, kFixedName, 1, -1},
        {"binder and index", 1, 1, 2, 1, kLayerIndex},
        {"binder and note", 0, 1, 0, 1, kLayerNote},
        {"all three: the first pair decides", 1, 1, 1, 1, kLayerIndex},
        {"index unused", 1, 1, 2, 0, -1},
        {"index unused, binder and note", 1, 1, 1, 0, kLayerNote},
    };
    for (const auto& c : cases) {
        SortCondition r = Named();
        r.binderMode = c.binderMode;
        r.indexMode = c.indexMode;
        r.tagMode = c.tagMode;
        r.indexUse = c.indexUse;
        const LayerFinding found = CheckRelatedInfoRule(r);
        EXPECT_EQ(c.layer, found.layer) << c.what;
        EXPECT_EQ(found.Passed() ? 0u : unsigned{IDS_SAME_RELATED_INFO}, found.messageId) << c.what;
    }
}

}  // namespace
