// export: the user conditions of every kind and the names of the
// conditions in force, into an empty folder of their own. All or nothing:
// a failure removes what the run wrote.
#include <windows.h>

#include <cstring>

#include "base/ini_writer.h"
#include "base/paths.h"
#include "base/temp_files.h"
#include "base/text.h"
#include "conditions/condition_format.h"
#include "conditions/condition_io.h"
#include "vordacond/commands.h"
#include "vordacond/installation.h"
#include "vordacond/output.h"
#include "vordacond/transfer.h"

namespace {

struct Planned {
    ConditionEntry entry;
    std::string fileName;  // prefix letter, name and ".INI"
    std::string target;    // that file in the export folder
};

// The file of a condition in force whose own file is gone: written from its
// DIVSET.ini copy, as the sheet writes it when the condition is next saved.
bool WriteFromCopy(const Planned& p, const std::string& folder) {
    SortCondition record;
    ReadEntry(p.entry, folder, &record);
    CopyText(record.path, sizeof record.path, p.target.c_str());
    return WriteCondition(&record) != 0 && IsFile(p.target.c_str());
}

// source copied to target, which does not exist, through a temporary in the
// staging folder: target appears whole or not at all. *size: the bytes.
bool CopyInto(const std::string& source, const std::string& target, const char* staging,
              long long* size) {
    std::string bytes;
    char temp[MAX_PATH];
    if (!ReadWholeFile(source.c_str(), &bytes) || !StageBytes(staging, bytes, temp)) return false;
    if (PlaceTemp(temp, target.c_str(), false)) {
        *size = static_cast<long long>(bytes.size());
        return true;
    }
    RemoveTemp(temp);
    return false;
}

bool CanRead(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// The first thing folder holds (a leftover temporary of an ended export
// removed first); "" when it is empty.
std::string FirstItemIn(const char* folder) {
    RemoveLeftoverTemps(folder);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((std::string(folder) + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return std::string();
    std::string first;
    do {
        if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0)
            first = found.cFileName;
    } while (first.empty() && FindNextFileA(find, &found));
    FindClose(find);
    return first;
}

void RemoveWritten(const std::vector<std::string>& written) {
    for (const std::string& file : written) RemoveTemp(file.c_str());
}

}  // namespace

int RunExport(const Arguments& args, const std::string& folder) {
    char out[MAX_PATH] = {};
    if (args.out.size() >= MAX_PATH) {
        PrintError("VordaCond: the export folder " + args.out + " is too long");
        return kExitFindings;
    }
    CopyText(out, sizeof out, args.out.c_str());
    DropTrailingBackslash(out);
    const DWORD attributes = GetFileAttributesA(out);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        PrintError(std::string("VordaCond: the export folder ") + out + " does not exist");
        return kExitFindings;
    }
    if (!CanCreateTempIn(out)) {
        PrintError(std::string("VordaCond: cannot write into the export folder ") + out);
        return kExitFindings;
    }
    // Nothing in the export folder is overwritten, and nothing but an export
    // is left in it: import takes every condition file of the folder for
    // part of the export.
    const std::string held = FirstItemIn(out);
    if (!held.empty()) {
        PrintError(std::string("VordaCond: the export folder holds ") + out + "\\" + held);
        PrintError("VordaCond: export refused: choose an empty folder; nothing was written");
        return kExitFindings;
    }

    Manifest manifest;
    std::vector<Planned> plan;
    bool tooLong = false;
    for (int kind = 0; kind < 3; ++kind) {
        // Only what DIVSET.ini records: without it template 1 is in force
        // anywhere.
        const bool recorded = !RecordedConditionPath(kind, folder).empty();
        for (const ConditionEntry& e : ListCatalogue(kind, folder)) {
            if (e.inForce && recorded) manifest.inForce[kind] = e.name;
            if (e.isTemplate) continue;  // the string table makes them anew
            const std::string fileName = KindPrefix(kind) + e.name + ".INI";
            const Planned p = {e, fileName, std::string(out) + "\\" + fileName};
            if (e.pathTooLong || p.target.size() >= MAX_PATH) {
                const std::string& path = e.pathTooLong ? e.path : p.target;
                PrintError("VordaCond: " + path + ": " + TooLongText(path));
                tooLong = true;
            }
            plan.push_back(p);
        }
    }
    if (tooLong) {
        PrintError("VordaCond: export refused; nothing was written");
        return kExitFindings;
    }

    // The copies are made in a staging folder inside the export folder and
    // each renamed into place: a temporary beside each target would cost
    // the growing export folder a search more per file under Wine.
    char staging[MAX_PATH] = {};
    MakeStagingFolder(out, staging);
    std::vector<std::string> written;
    for (const Planned& p : plan) {
        long long size = 0;
        bool copied = false;
        if (!p.entry.hasFile) {
            copied = WriteFromCopy(p, folder);
            size = FileSize(p.target);
        } else if (staging[0] != '\0') {
            copied = CopyInto(p.entry.path, p.target, staging, &size);
        }
        if (!copied) {
            RemoveStagingFolder(staging);
            RemoveWritten(written);
            const bool unreadable = p.entry.hasFile && !CanRead(p.entry.path);
            PrintError("VordaCond: could not " +
                       (unreadable ? "read " + p.entry.path : "write " + p.target) +
                       "; nothing was exported");
            return kExitFindings;
        }
        written.push_back(p.target);
        manifest.files.push_back({p.fileName, size});
    }
    RemoveStagingFolder(staging);
    // Written last and whole: a folder with it holds a finished export.
    if (!WriteManifest(out, manifest)) {
        RemoveWritten(written);
        PrintError(std::string("VordaCond: could not write ") + out + "\\" + kManifestName +
                   "; nothing was exported");
        return kExitFindings;
    }

    JsonWriter json;
    json.BeginObject().Key("exported").BeginArray();
    for (const Planned& p : plan) {
        if (args.json)
            json.BeginObject()
                .Member("kind", std::string(KindName(p.entry.kind)))
                .Member("name", p.entry.name)
                .Member("file", p.target)
                .EndObject();
        else
            PrintLine("exported " + p.target);
    }
    json.EndArray().Key("inForce").BeginObject();
    for (int kind = 0; kind < 3; ++kind) {
        if (manifest.inForce[kind].empty()) continue;
        json.Member(KindName(kind), manifest.inForce[kind]);
        if (!args.json)
            PrintLine(std::string("in force (") + KindName(kind) + "): " + manifest.inForce[kind]);
    }
    json.EndObject().EndObject();
    if (args.json) WriteOut(json.Text());
    return kExitOk;
}
