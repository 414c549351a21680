// What validate finds in DIVSET.ini itself: a file left empty or without its
// section, an entry that names no condition file of its kind or a name the
// sheet refuses, and a kind whose copy of values is not that of its
// condition (the two were not written together, or the file was torn).
#include <windows.h>

#include <cstring>

#include "base/paths.h"
#include "base/text.h"
#include "conditions/condition_entries.h"
#include "conditions/condition_format.h"
#include "conditions/condition_rules.h"
#include "vordacond/findings.h"
#include "vordacond/installation.h"
#include "vordacond/transfer.h"

namespace {

std::string DivsetPath(const std::string& folder) {
    char divset[MAX_PATH] = {};
    MakeConditionPath(0, kSelectDivset, folder.c_str(), divset);
    return divset;
}

bool HasSection(const std::string& file, const char* section) {
    std::vector<char> names(32768, '\0');
    GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size() - 2),
                                   file.c_str());
    for (const char* p = names.data(); *p != '\0'; p += std::strlen(p) + 1)
        if (SameTextNoCase(p, section)) return true;
    return false;
}

std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// The first key of the kind's copy that differs from what the sheet would
// record for the condition in force.
void CheckCopy(const ConditionEntry& entry, const std::string& folder, const std::string& divset,
               FindingList* out) {
    SortCondition record;
    ReadEntry(entry, folder, &record);
    ConvertNamesToFileForm(&record);
    const IniEntries expected = DivsetEntries(record);
    // The first entry names the file; the rest are the copy.
    for (size_t i = 1; i < expected.size(); ++i) {
        const IniEntry& e = expected[i];
        char held[4096] = {};
        GetPrivateProfileStringA(e.section.c_str(), e.key.c_str(), "\n", held, sizeof held,
                                 divset.c_str());
        const std::string wanted = Unquoted(e.value);
        if (wanted == held) continue;
        const std::string heldText = std::strcmp(held, "\n") == 0 ? std::string("no value")
                                                                  : "\"" + std::string(held) + "\"";
        out->Add(kError, divset, "[" + e.section + "] " + e.key,
                 "the copy holds " + heldText + ", " + entry.path + " \"" + wanted +
                     "\": the copy was not written with the condition or the file is torn");
        return;
    }
}

}  // namespace

bool CheckDivsetFile(const std::string& folder, FindingList* out) {
    const std::string divset = DivsetPath(folder);
    const long long size = FileSize(divset);
    if (size < 0) return false;  // none: template 1 of each kind is in force
    if (size == 0) {
        out->Add(kError, divset, "",
                 "the file is empty: the conditions in force and their copies are lost");
        return false;
    }
    if (!HasSection(divset, kDivsetSection)) {
        out->Add(kError, divset, "",
                 std::string("section [") + kDivsetSection + "] is missing: the file is damaged");
        return false;
    }
    return true;
}

void CheckDivsetKind(int kind, const std::string& folder,
                     const std::vector<ConditionEntry>& entries, FindingList* out) {
    const std::string divset = DivsetPath(folder);
    const std::string recorded = RecordedConditionPath(kind, folder);
    if (recorded.empty()) return;
    const std::string field = std::string("[") + kDivsetSection + "] " + DivsetKey(kind);
    if (recorded[0] == '"') {
        out->Add(
            kError, divset, field,
            "the value " + recorded + " has no closing quote: the file is cut short or damaged");
        return;
    }
    const size_t slash = recorded.find_last_of('\\');
    std::string name;
    const std::string fileName = slash == std::string::npos ? recorded : recorded.substr(slash + 1);
    if (KindOfFileName(fileName, &name) != kind) {
        out->Add(kError, divset, field,
                 "\"" + fileName + "\" is no file name of a condition of this kind");
        return;
    }
    bool isTemplate = false;
    for (int number = 1; number <= 3; ++number)
        isTemplate = isTemplate || SameTextNoCase(TemplateName(kind, number).c_str(), name.c_str());
    const int32_t rule = isTemplate ? kNameValid : CheckConditionName(name.c_str());
    if (rule != kNameValid) {
        out->Add(kError, divset, field, MessageText(NameRuleMessageId(rule)));
        return;
    }
    // A condition in force without its own file is read from the copy: there
    // is nothing to compare.
    for (const ConditionEntry& e : entries)
        if (e.inForce && (e.hasFile || e.isTemplate) && !e.pathTooLong)
            CheckCopy(e, folder, divset, out);
}
