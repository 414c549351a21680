#include "vordacond/installation.h"

#include <windows.h>

#include <cstring>

#include "base/app_path.h"
#include "base/paths.h"
#include "base/profile_reader.h"
#include "base/text.h"
#include "conditions/catalogue.h"
#include "conditions/condition_format.h"
#include "conditions/condition_io.h"
#include "vordacond/output.h"

bool FindApplicationFolder(const std::string& override, std::string* folder, std::string* error) {
    char found[MAX_PATH] = {};
    if (!override.empty()) {
        if (override.size() >= MAX_PATH) {
            *error = "the application folder " + override + " is too long";
            return false;
        }
        CopyText(found, sizeof found, override.c_str());
        DropTrailingBackslash(found);
    } else if (!FindAppPath(found) || found[0] == '\0') {
        *error =
            "the application folder is unknown: the App Paths entry of VordaMonoTavo.exe has "
            "no \"Path\"; give it with --app-folder DIR";
        return false;
    }
    const DWORD attributes = GetFileAttributesA(found);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        *error = std::string("the application folder ") + found + " does not exist";
        return false;
    }
    // A folder whose DIVSET.ini would not fit a path holds no condition file
    // that could be read; one that cannot be listed is not an empty one.
    if (std::strlen(found) + std::strlen("\\DIVSET.ini") >= MAX_PATH) {
        *error =
            std::string("the application folder ") + found + " is too long to hold condition files";
        return false;
    }
    WIN32_FIND_DATAA item;
    HANDLE find = FindFirstFileA((std::string(found) + "\\*").c_str(), &item);
    if (find == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) {
        *error = std::string("the application folder ") + found + " cannot be read";
        return false;
    }
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    *folder = found;
    return true;
}

std::string TooLongText(const std::string& path) {
    return "the path has " + std::to_string(path.size()) + " bytes; a path holds at most " +
           std::to_string(MAX_PATH - 1);
}

std::string ConditionFilePath(int kind, const std::string& folder, const std::string& name) {
    char path[MAX_PATH] = {};
    if (!MakeUserConditionPath(kind, folder.c_str(), name.c_str(), path)) return std::string();
    return path;
}

std::string RecordedConditionPath(int kind, const std::string& folder) {
    char divset[MAX_PATH] = {};
    MakeConditionPath(kind, kSelectDivset, folder.c_str(), divset);
    char recorded[MAX_PATH] = {};
    if (divset[0] != '\0')
        GetPrivateProfileStringA(kDivsetSection, DivsetKey(kind), "", recorded, sizeof recorded,
                                 divset);
    return recorded;
}

std::vector<ConditionEntry> ListCatalogue(int kind, const std::string& folder) {
    std::vector<ConditionEntry> entries;
    std::vector<std::string> names;
    bool present[3] = {false, false, false};
    if (!FindConditions(kind, folder.c_str(), &names, present)) return entries;

    char current[MAX_PATH] = {};
    CurrentConditionName(kind, folder.c_str(), current);

    for (size_t i = 0; i < names.size(); ++i) {
        ConditionEntry entry;
        entry.kind = kind;
        entry.name = names[i];
        entry.path = folder + "\\" + KindPrefix(kind) + names[i] + ".INI";
        entry.pathTooLong = entry.path.size() >= MAX_PATH;
        entry.isTemplate = i < 3;
        entry.hasFile = i < 3 ? present[i] : true;
        entry.inForce = SameTextNoCase(names[i].c_str(), current) != 0;
        entries.push_back(entry);
    }
    if (FindEntry(entries, current) == nullptr) {
        ConditionEntry entry;
        entry.kind = kind;
        entry.name = current;
        entry.path = folder + "\\" + KindPrefix(kind) + current + ".INI";
        entry.pathTooLong = entry.path.size() >= MAX_PATH;
        entry.hasFile = IsFile(entry.path.c_str()) != 0;
        entry.inForce = true;
        entries.push_back(entry);
    }
    return entries;
}

const ConditionEntry* FindEntry(const std::vector<ConditionEntry>& entries,
                                const std::string& name) {
    for (const ConditionEntry& entry : entries)
        if (SameTextNoCase(entry.name.c_str(), name.c_str())) return &entry;
    return nullptr;
}

void ReadEntry(const ConditionEntry& entry, const std::string& folder, SortCondition* record) {
    ReadEntry(entry, folder, ProfileReader::InMemory(entry.path.c_str()), record);
}

void ReadEntry(const ConditionEntry& entry, const std::string& folder, const ProfileReader& file,
               SortCondition* record) {
    std::memset(record, 0, sizeof *record);
    if (entry.hasFile || !entry.isTemplate) {
        ReadConditionFrom(file, folder.c_str(), entry.kind, record);
        return;
    }
    // A template the sheet has not written yet reads as the file it would
    // write: written to a scratch file, read, and removed.
    char temp[MAX_PATH] = {};
    char scratch[MAX_PATH] = {};
    if (GetTempPathA(sizeof temp, temp) == 0 || GetTempFileNameA(temp, "vct", 0, scratch) == 0) {
        ReadConditionIn(folder.c_str(), entry.path.c_str(), entry.kind, record);
        return;
    }
    for (int number = 1; number <= 3; ++number) {
        if (SameTextNoCase(TemplateName(entry.kind, number).c_str(), entry.name.c_str()))
            WriteTemplateCondition(entry.kind, scratch, number);
    }
    ReadConditionIn(folder.c_str(), scratch, entry.kind, record);
    DeleteFileA(scratch);
    CopyText(record->path, sizeof record->path, entry.path.c_str());
}

void PlanMissingTemplates(int kind, const std::string& folder, std::vector<PlannedWrite>* planned) {
    bool present[3] = {false, false, false};
    std::vector<std::string> names;
    FindConditions(kind, folder.c_str(), &names, present);
    for (int t = 0; t < 3; ++t) {
        char path[MAX_PATH] = {};
        MakeConditionPath(kind, kSelectTemplate1 + t, folder.c_str(), path);
        if (!present[t] && path[0] != '\0') planned->push_back({"write", path});
    }
}
