#include "conditions/condition_check.h"

#include <windows.h>

#include <cstring>

#include "base/profile_reader.h"
#include "base/text.h"
#include "conditions/condition_format.h"
#include "conditions/list_utils.h"
#include "conditions/sort_condition.h"
#include "conditions/tokens.h"

namespace {

// Room for whatever a damaged file holds: a value longer than any field, or
// every section or key name of a file.
const DWORD kValueBufferSize = 4096;
const DWORD kNameListSize = 32767;

const char* const kUseWords[] = {"@ON", "@OFF", nullptr};
const char* const kPositionWords[] = {"@FRONT", "@BACK", nullptr};
const char* const kDateTypeWords[] = {"@DATE-YMD", "@DATE-YM", "@DATE-YMW", nullptr};
const char* const kDateWeekWords[] = {"@DATE-YMW-SUN", "@DATE-YMW-MON", "@DATE-YMW-TUE",
                                      "@DATE-YMW-WED", "@DATE-YMW-THU", "@DATE-YMW-FRI",
                                      "@DATE-YMW-SAT", nullptr};

enum class Form { Words, Name, List };

struct KeyRule {
    const char* key;
    Form form;
    const char* const* words;  // Form::Words: the words allowed (any letter case)
    const char* wordText;      // the same, for messages
    size_t capacity;           // Name and List: the field's size, NUL included
};

const KeyRule kUseRules[] = {
    {"LIBRARY", Form::Words, kUseWords, "@ON, @OFF", 0},
    {"CABINET", Form::Words, kUseWords, "@ON, @OFF", 0},
    {"BINDER", Form::Words, kUseWords, "@ON, @OFF", 0},
    {"INDEX", Form::Words, kUseWords, "@ON, @OFF", 0},
    {"TAG", Form::Words, kUseWords, "@ON, @OFF", 0},
};

// The main section in the order WriteCondition writes it; the two lists
// only in FAX files.
const KeyRule kMainRules[] = {
    {"POSITION", Form::Words, kPositionWords, "@FRONT, @BACK", 0},
    {"FAX-SEQ", Form::List, nullptr, "", kFaxListTextSize},
    {"FAX-CHECK", Form::List, nullptr, "", kFaxListTextSize},
    {"DATETYPE", Form::Words, kDateTypeWords, "@DATE-YMD, @DATE-YM, @DATE-YMW", 0},
    {"DATEWEEK", Form::Words, kDateWeekWords, "@DATE-YMW-SUN ... @DATE-YMW-SAT", 0},
    {"LIBRARY", Form::Name, nullptr, "", kLibraryTextSize},
    {"CABINET", Form::Name, nullptr, "", kCabinetTextSize},
    {"BINDER", Form::Name, nullptr, "", kBinderTextSize},
    {"INDEX", Form::Name, nullptr, "", kIndexTextSize},
    {"TAG", Form::Name, nullptr, "", kTagTextSize},
};

// 1 when name is in the double-NUL-terminated list, compared as the
// private-profile functions compare names (any letter case).
bool InNameList(const char* list, const char* name) {
    for (const char* p = list; *p != '\0'; p += std::strlen(p) + 1)
        if (SameTextNoCase(p, name)) return true;
    return false;
}

bool IsWord(const char* value, const char* const* words) {
    for (const char* const* w = words; *w != nullptr; ++w)
        if (SameTextNoCase(value, *w)) return true;
    return false;
}

class Checker {
public:
    Checker(const ProfileReader& file, int32_t kind) : file_(file), kind_(NormalizeKind(kind)) {}

    std::vector<ConditionFileFinding> Run() {
        std::vector<char> sections(kNameListSize + 2, '\0');
        file_.SectionNames(sections.data(), kNameListSize);
        CheckSection(sections.data(), UseSection(kind_), kUseRules,
                     sizeof kUseRules / sizeof kUseRules[0]);
        CheckSection(sections.data(), MainSection(kind_), kMainRules,
                     sizeof kMainRules / sizeof kMainRules[0]);
        return std::move(findings_);
    }

private:
    void CheckSection(const char* sections, const char* section, const KeyRule* rules,
                      size_t count) {
        if (!InNameList(sections, section)) {
            Add(kFileMissingSection, section, "", "");
            return;
        }
        std::vector<char> keys(kNameListSize + 2, '\0');
        file_.String(section, nullptr, "", keys.data(), kNameListSize);
        for (size_t i = 0; i < count; ++i) {
            const KeyRule& rule = rules[i];
            if (rule.form == Form::List && kind_ == kScanner) continue;
            if (!InNameList(keys.data(), rule.key)) {
                Add(kFileMissingKey, section, rule.key, "");
                continue;
            }
            char value[kValueBufferSize] = {};
            file_.String(section, rule.key, "", value, sizeof value);
            if (value[0] != '\0') CheckValue(section, rule, value);
        }
    }

    // The read takes a value into its field, quotes and all, and only then
    // drops them: a quoted value loses its last byte one byte before the
    // field is full. Reading it the same way tells what the read keeps.
    bool FitsField(const char* section, const KeyRule& rule, const char* value) const {
        std::vector<char> kept(rule.capacity, '\0');
        file_.String(section, rule.key, "", kept.data(), static_cast<DWORD>(kept.size()));
        return std::strcmp(kept.data(), value) == 0;
    }

    void CheckValue(const char* section, const KeyRule& rule, const char* value) {
        // Values are stored in quotes, which the read drops in pairs: a file
        // cut inside a value keeps its opening quote.
        if (value[0] == '"') {
            Add(kFileUnclosedQuote, section, rule.key, value);
            return;
        }
        CheckFormed(section, rule, value);
    }

    void CheckFormed(const char* section, const KeyRule& rule, const char* value) {
        if (rule.form == Form::Words) {
            if (!IsWord(value, rule.words)) {
                ConditionFileFinding& f = Add(kFileUnknownValue, section, rule.key, value);
                f.allowed = rule.wordText;
            }
            return;
        }
        if (!FitsField(section, rule, value)) {
            Add(kFileValueTooLong, section, rule.key, value).limit = rule.capacity - 2;
            return;
        }
        // A name holding the list separator is an information list in FAX
        // files; in scanner files it is text like any other.
        const bool isList = rule.form == Form::List ||
                            (kind_ != kScanner && std::strstr(value, ListSeparator) != nullptr);
        if (isList) CheckListItems(section, rule.key, value);
    }

    // Items must be the kind's information tokens, letter case and all: the
    // read takes any other text for the last item or ignores it.
    void CheckListItems(const char* section, const char* key, const char* value) {
        const char* const* tokens = kind_ == kFaxSend ? kSendItemTokens : kFaxItemTokens;
        const int count = kind_ == kFaxSend ? kSendItemCount : kFaxItemCount;
        std::vector<std::string> items;
        SplitList(value, ListSeparator, &items);
        for (const std::string& item : items) {
            bool known = false;
            for (int i = 0; i < count && !known; ++i) known = item == tokens[i];
            if (!known) Add(kFileUnknownListItem, section, key, item);
        }
    }

    ConditionFileFinding& Add(int32_t problem, const char* section, const char* key,
                              const std::string& value) {
        ConditionFileFinding f;
        f.problem = problem;
        f.section = section;
        f.key = key;
        f.value = value;
        findings_.push_back(f);
        return findings_.back();
    }

    const ProfileReader& file_;
    int32_t kind_;
    std::vector<ConditionFileFinding> findings_;
};

}  // namespace

std::vector<ConditionFileFinding> CheckConditionFile(const ProfileReader& file, int32_t kind) {
    if (file.path()[0] == '\0') return {};
    return Checker(file, kind).Run();
}
