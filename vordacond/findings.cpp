#include "vordacond/findings.h"

#include <windows.h>

#include "base/module_state.h"
#include "base/profile_reader.h"
#include "base/text.h"
#include "conditions/condition_check.h"
#include "conditions/condition_rules.h"
#include "libroot/library_tree.h"
#include "resources/resource.h"
#include "siblings/glossa.h"
#include "vordacond/output.h"

void FindingList::Add(Severity severity, const std::string& file, const std::string& field,
                      const std::string& message) {
    Finding f;
    f.severity = severity;
    f.file = file;
    f.field = field;
    f.message = message;
    items_.push_back(f);
    if (severity == kError)
        ++errors_;
    else
        ++warnings_;
}

void FindingList::Print() const {
    for (const Finding& f : items_) {
        std::string line = f.severity == kError ? "error: " : "warning: ";
        line += f.file;
        if (!f.field.empty()) line += ": " + f.field;
        line += ": " + OneLine(f.message);
        PrintLine(line);
    }
}

void WriteFindings(const FindingList& findings, JsonWriter* json) {
    json->Key("findings").BeginArray();
    for (const Finding& f : findings.items()) {
        json->BeginObject()
            .Member("severity", std::string(f.severity == kError ? "error" : "warning"))
            .Member("file", f.file)
            .Member("field", f.field)
            .Member("message", f.message)
            .EndObject();
    }
    json->EndArray();
    json->Member("errors", findings.errors()).Member("warnings", findings.warnings());
}

// The sheet's messages come in the sheet's language: from the language module
// that Glossa names for this program's folder, as for the module, else from
// the program's own English texts. Everything else it prints stays English.
std::string MessageText(unsigned id) {
    static const HINSTANCE language = GetResourceHandle(Module().instance, 0);
    // The message buffer of the sheet; some texts are longer than 260 bytes.
    char text[1040] = {};
    if (language == nullptr || LoadStringA(language, id, text, sizeof text) <= 0)
        LoadResString(id, text, sizeof text);
    return text;
}

namespace {

const char* const kLayerKeys[kLayerCount] = {"LIBRARY", "CABINET", "BINDER", "INDEX", "TAG"};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string FileProblemText(const ConditionFileFinding& f) {
    switch (f.problem) {
        case kFileMissingSection:
            return std::string("section [") + f.section +
                   "] is missing: the file is damaged or of another kind";
        case kFileMissingKey:
            return std::string("the key is missing: the file is cut short or damaged");
        case kFileUnknownValue:
            return Quoted(f.value) + " is none of " + f.allowed;
        case kFileUnknownListItem:
            return Quoted(f.value) + " is no information item of this kind";
        case kFileValueTooLong:
            return "the value has " + std::to_string(f.value.size()) + " bytes; the field holds " +
                   std::to_string(f.limit);
        case kFileUnclosedQuote:
            return "the value " + f.value +
                   " has no closing quote: the file is cut short or damaged";
        default:
            return "cannot be read";
    }
}

}  // namespace

bool CheckCondition(const ProfileReader& reader, const std::string& name, bool isTemplate,
                    bool hasFile, int kind, const SortCondition& record, FindingList* out) {
    const std::string file = reader.path();
    bool whole = true;
    if (hasFile) {
        for (const ConditionFileFinding& f : CheckConditionFile(reader, kind)) {
            whole = false;
            const std::string field =
                f.key[0] == '\0' ? std::string() : std::string("[") + f.section + "] " + f.key;
            out->Add(kError, file, field, FileProblemText(f));
        }
    }
    if (!isTemplate) {
        const int32_t rule = CheckConditionName(name.c_str());
        if (rule != kNameValid)
            out->Add(kError, file, "name", MessageText(NameRuleMessageId(rule)));
    }
    for (const LayerFinding& found : {CheckLayerNameRules(record), CheckRelatedInfoRule(record)}) {
        if (!found.Passed())
            out->Add(kError, file, kLayerKeys[found.layer], MessageText(found.messageId));
    }
    return whole;
}

namespace {

// The folder the tree lists under shown text name (any letter case): the
// text followed by "#" and the largest number listed for it, as the sheet
// builds it; "" when the list does not hold the name.
std::string ListedFolder(const EntryArray& entries, const char* name) {
    std::string shown;
    int32_t number = -1;
    for (const ListEntry& entry : entries) {
        const std::string text = EntryShownText(entry);
        if (!SameTextNoCase(text.c_str(), name)) continue;
        if (shown.empty()) shown = text;
        if (entry.hasNumber && entry.number > number) number = entry.number;
    }
    if (shown.empty() || number < 0) return shown;
    return shown + "#" + std::to_string(number);
}

}  // namespace

std::string ListedChild(const std::string& folder, const char* name) {
    char ini[MAX_PATH] = {};
    MakeFolderIniPath(folder.c_str(), ini);
    EntryArray entries;
    ReadFolderEntries(ini, &entries);
    const std::string child = ListedFolder(entries, name);
    ReleaseEntries(&entries);
    return child;
}

namespace {

// ListedChild, each folder and name read once a run.
std::string KnownChild(const std::string& folder, const char* name, TreeNames* tree) {
    const std::string key = folder + "\n" + name;
    const auto known = tree->children.find(key);
    if (known != tree->children.end()) return known->second;
    return tree->children[key] = ListedChild(folder, name);
}

}  // namespace

void CheckAgainstTree(const std::string& libRoot, const std::string& file,
                      const SortCondition& record, TreeNames* tree, FindingList* out) {
    if (record.libraryUse != 1) return;
    const std::string library = KnownChild(libRoot, record.libraryText, tree);
    if (library.empty()) {
        out->Add(kWarning, file, "LIBRARY",
                 "library " + Quoted(record.libraryText) + " is not in the LibRoot folder " +
                     libRoot + ": documents would be filed into a new library");
        return;
    }
    if (record.cabinetUse != 1) return;
    const std::string cabinet = KnownChild(libRoot + "\\" + library, record.cabinetText, tree);
    if (cabinet.empty()) {
        out->Add(kWarning, file, "CABINET",
                 "cabinet " + Quoted(record.cabinetText) + " is not in library " +
                     Quoted(record.libraryText) + ": documents would be filed into a new cabinet");
        return;
    }
    if (record.binderUse != 1 || record.binderMode != kFixedName) return;
    const std::string cabinetKey = library + "\\" + cabinet;
    auto shown = tree->binders.find(cabinetKey);
    if (shown == tree->binders.end()) {
        EntryArray binders;
        ReadBinderEntries(libRoot.c_str(), library.c_str(), cabinet.c_str(), &binders);
        std::vector<std::string> texts;
        for (const ListEntry& entry : binders) texts.push_back(EntryShownText(entry));
        ReleaseEntries(&binders);
        shown = tree->binders.emplace(cabinetKey, texts).first;
    }
    bool listed = false;
    for (const std::string& text : shown->second)
        if (SameTextNoCase(text.c_str(), record.binderText)) listed = true;
    if (!listed) {
        out->Add(kWarning, file, "BINDER",
                 "binder " + Quoted(record.binderText) + " is not in cabinet " +
                     Quoted(record.cabinetText) + ": documents would be filed into a new binder");
    }
}
