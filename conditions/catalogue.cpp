#include "conditions/catalogue.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "base/app_path.h"
#include "base/module_state.h"
#include "base/paths.h"
#include "base/phase_timer.h"
#include "base/text.h"
#include "conditions/condition_format.h"
#include "conditions/condition_io.h"

namespace {

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The enumeration's wildcard "s*.ini" as a test: the prefix letter first and
// the extension ".ini", in any letter case. (A listing by wildcard may also
// answer with names whose short form matches; those are no conditions.)
bool MatchesKind(int32_t kind, const char* fileName, size_t length) {
    return length >= 5 && FoldAscii(fileName[0]) == FoldAscii(KindPrefix(kind)) &&
           SameTextNoCase(fileName + length - 4, ".INI");
}

// The condition path DIVSET.ini of folder records for kind, or "" when none.
void ReadRecordedPath(int32_t kind, const char* folder, char* out) {
    VORDA_PHASE(kPhaseIniReads);
    out[0] = '\0';
    char divset[MAX_PATH] = {};
    MakeConditionPath(kind, kSelectDivset, folder, divset);
    if (divset[0] == '\0') return;
    GetPrivateProfileStringA(kDivsetSection, DivsetKey(kind), "", out, MAX_PATH, divset);
}

// The file names of the kind's three templates.
void TemplateFileNames(int32_t kind, std::string* files) {
    for (int32_t t = 0; t < 3; ++t)
        files[t] = std::string(1, KindPrefix(kind)) + TemplateName(kind, t + 1) + ".INI";
}

// Sorts one entry of a folder listing into the kind's names: a template file
// is noted as present, any other condition file of the kind appended.
void SortListedFile(int32_t kind, const WIN32_FIND_DATAA& found, const std::string* templateFiles,
                    std::vector<std::string>* names, bool* present) {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return;
    const char* fileName = found.cFileName;
    const size_t length = strnlen(fileName, sizeof found.cFileName);
    if (!MatchesKind(kind, fileName, length)) return;
    for (int32_t t = 0; t < 3; ++t) {
        if (SameTextNoCase(fileName, templateFiles[t].c_str())) {
            present[t] = true;
            return;
        }
    }
    // The name is the file name without its prefix letter and its
    // four-character extension.
    names->emplace_back(fileName + 1, length - 5);
}

// Calls take(entry) for every entry of the listing of pattern.
template <typename Take>
void ListFolder(const char* pattern, Take take) {
    VORDA_PHASE(kPhaseAppFolderListing);
    WIN32_FIND_DATAA found;
    HANDLE find = pattern[0] != '\0' ? FindFirstFileExA(pattern, FindExInfoBasic, &found,
                                                        FindExSearchNameMatch, nullptr, 0)
                                     : INVALID_HANDLE_VALUE;
    if (find == INVALID_HANDLE_VALUE) return;
    // Closes the listing on every way out, also when adding a name runs out
    // of memory.
    struct FindGuard {
        HANDLE handle;
        ~FindGuard() { FindClose(handle); }
    } guard{find};
    do {
        take(found);
    } while (FindNextFileA(find, &found));
}

}  // namespace

int32_t ConditionExists(int32_t kind, const char* name) {
    VORDA_PHASE(kPhaseIniReads);
    if (name == nullptr) return 0;
    char folder[MAX_PATH] = {};
    if (!GetAppPath(folder)) return 0;
    char path[MAX_PATH];
    if (!MakeUserConditionPath(kind, folder, name, path)) return 0;
    return IsFile(path) ? 1 : 0;
}

int32_t FindConditions(int32_t kind, const char* folder, std::vector<std::string>* names,
                       bool* templatePresent) {
    if (folder == nullptr || names == nullptr) return 0;
    names->clear();
    std::string templateFiles[3];
    TemplateFileNames(kind, templateFiles);
    for (int32_t t = 0; t < 3; ++t) names->push_back(TemplateName(kind, t + 1));

    // An empty folder (the application folder is unknown) holds nothing.
    char pattern[MAX_PATH] = {};
    if (folder[0] != '\0') MakeConditionPath(kind, kSelectWildcard, folder, pattern);
    bool present[3] = {false, false, false};
    ListFolder(pattern, [&](const WIN32_FIND_DATAA& found) {
        SortListedFile(kind, found, templateFiles, names, present);
    });
    if (templatePresent != nullptr)
        for (int32_t t = 0; t < 3; ++t) templatePresent[t] = present[t];
    return 1;
}

int32_t ListAllConditions(const char* folder, ConditionListing* listing) {
    if (folder == nullptr || listing == nullptr) return 0;
    *listing = ConditionListing();
    listing->listed = true;
    listing->folder = folder;
    std::string templateFiles[3][3];
    // A kind whose own wildcard would not fit beside the folder lists
    // nothing, as its own pass would.
    bool listsKind[3] = {false, false, false};
    for (int32_t kind = 0; kind < 3; ++kind) {
        TemplateFileNames(kind, templateFiles[kind]);
        for (int32_t t = 0; t < 3; ++t) listing->names[kind].push_back(TemplateName(kind, t + 1));
        char kindPattern[MAX_PATH] = {};
        if (folder[0] != '\0') MakeConditionPath(kind, kSelectWildcard, folder, kindPattern);
        listsKind[kind] = kindPattern[0] != '\0';
    }
    // Every file of the folder at once; each kind takes its own.
    char pattern[MAX_PATH] = {};
    if (listsKind[0] || listsKind[1] || listsKind[2])
        std::snprintf(pattern, sizeof pattern, "%s\\*", folder);
    ListFolder(pattern, [&](const WIN32_FIND_DATAA& found) {
        for (int32_t kind = 0; kind < 3; ++kind) {
            if (!listsKind[kind]) continue;
            SortListedFile(kind, found, templateFiles[kind], &listing->names[kind],
                           listing->templatePresent[kind]);
        }
    });
    return 1;
}

namespace {

// Writes the kind's templates in folder that present does not note.
void WriteMissingTemplates(int32_t kind, const char* folder, const bool* present) {
    if (folder[0] == '\0') return;
    for (int32_t t = 0; t < 3; ++t) {
        if (present[t]) continue;
        char path[MAX_PATH] = {};
        MakeConditionPath(kind, kSelectTemplate1 + t, folder, path);
        WriteTemplateCondition(kind, path, t + 1);
    }
}

}  // namespace

int32_t ListConditions(int32_t kind, const char* folder, std::vector<std::string>* names) {
    bool present[3] = {false, false, false};
    if (!FindConditions(kind, folder, names, present)) return 0;
    WriteMissingTemplates(kind, folder, present);
    return 1;
}

int32_t ListConditionsFrom(int32_t kind, const char* folder, ConditionListing* listing,
                           std::vector<std::string>* names) {
    if (folder == nullptr || listing == nullptr || names == nullptr) return 0;
    if (!listing->listed || listing->folder != folder) ListAllConditions(folder, listing);
    const int32_t k = NormalizeKind(kind);
    *names = listing->names[k];
    WriteMissingTemplates(kind, folder, listing->templatePresent[k]);
    return 1;
}

void CurrentConditionName(int32_t kind, const char* folder, char* name) {
    if (name == nullptr) return;
    name[0] = '\0';
    if (folder == nullptr) return;
    char path[MAX_PATH] = {};
    ReadRecordedPath(kind, folder, path);
    if (path[0] == '\0') MakeConditionPath(kind, kSelectTemplate1, folder, path);
    ConditionNameFromPath(path, name);
}

int32_t LoadCurrentCondition(int32_t kind, const char* folder, std::vector<std::string>* names,
                             int32_t* selected, SortCondition* record) {
    if (folder == nullptr || names == nullptr || selected == nullptr || record == nullptr) return 0;
    char path[MAX_PATH] = {};
    ReadRecordedPath(kind, folder, path);
    if (path[0] == '\0') MakeConditionPath(kind, kSelectTemplate1, folder, path);

    char name[MAX_PATH];
    ConditionNameFromPath(path, name);
    int32_t row = -1;
    for (size_t i = 0; i < names->size(); ++i) {
        if (SameTextNoCase((*names)[i].c_str(), name)) {
            row = static_cast<int32_t>(i);
            break;
        }
    }
    if (row < 0) {
        names->push_back(name);
        row = static_cast<int32_t>(names->size() - 1);
    }
    *selected = row;
    return ReadCondition(path, kind, record);
}

int32_t OpenCondition(int32_t kind, const char* folder, const char* name, SortCondition* record) {
    char path[MAX_PATH];
    if (!MakeUserConditionPath(kind, folder, name, path)) return 0;
    return ReadCondition(path, kind, record);
}

int32_t IsCurrentCondition(int32_t kind, const char* folder, const char* name) {
    if (folder == nullptr || name == nullptr) return 0;
    char recorded[MAX_PATH];
    ReadRecordedPath(kind, folder, recorded);
    char path[MAX_PATH];
    if (!MakeUserConditionPath(kind, folder, name, path)) return 0;
    return SameTextNoCase(recorded, path) ? 1 : 0;
}

int32_t DeleteConditionFile(int32_t kind, const char* folder, const char* name) {
    if (folder == nullptr || name == nullptr || IsTemplateName(name)) return -1;
    char path[MAX_PATH];
    if (MakeUserConditionPath(kind, folder, name, path)) DeleteFileA(path);
    return 1;
}

int32_t DeleteCondition(int32_t kind, const char* folder, std::vector<std::string>* names,
                        int32_t index) {
    if (folder == nullptr || names == nullptr || index < 0 ||
        static_cast<size_t>(index) >= names->size())
        return -1;
    if (DeleteConditionFile(kind, folder, (*names)[static_cast<size_t>(index)].c_str()) < 0) {
        return -1;
    }
    names->erase(names->begin() + index);
    return static_cast<size_t>(index) < names->size() ? index : 0;
}

int32_t RecordCurrentCondition(const char* folder, SortCondition* record) {
    if (folder == nullptr || record == nullptr) return 0;
    char divset[MAX_PATH] = {};
    MakeConditionPath(record->kind, kSelectDivset, folder, divset);
    return WriteCurrentCondition(divset, record);
}
