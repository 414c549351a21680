// The rules a condition name must meet before it is saved. (The layer rules
// are checked through the pages, in tests/ui, and through VordaCond validate.)
#include <windows.h>

#include <cstring>
#include <gtest/gtest.h>

#include "conditions/condition_rules.h"

namespace {

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

}  // namespace
