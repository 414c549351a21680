// export: the user conditions of every kind and the names of the
// conditions in force, into a folder of their own.
#include <windows.h>

#include <cstring>

#include "base/paths.h"
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
    if (!CanCreateFileIn(out)) {
        PrintError(std::string("VordaCond: cannot write into the export folder ") + out);
        return kExitFindings;
    }

    Manifest manifest;
    std::vector<Planned> plan;
    for (int kind = 0; kind < 3; ++kind) {
        // Only what DIVSET.ini records: without it template 1 is in force
        // anywhere.
        const bool recorded = !RecordedConditionPath(kind, folder).empty();
        for (const ConditionEntry& e : ListCatalogue(kind, folder)) {
            if (e.inForce && recorded) manifest.inForce[kind] = e.name;
            if (e.isTemplate) continue;  // the string table makes them anew
            const std::string fileName = KindPrefix(kind) + e.name + ".INI";
            plan.push_back({e, fileName, std::string(out) + "\\" + fileName});
        }
    }

    // Nothing in the export folder is overwritten.
    bool taken = PathExists((std::string(out) + "\\" + kManifestName).c_str()) != 0;
    for (const Planned& p : plan) {
        if (PathExists(p.target.c_str())) {
            PrintError("VordaCond: " + p.target + " exists already");
            taken = true;
        }
    }
    if (taken) {
        PrintError("VordaCond: export refused: choose an empty folder; nothing was written");
        return kExitFindings;
    }

    JsonWriter json;
    json.BeginObject().Key("exported").BeginArray();
    for (const Planned& p : plan) {
        const bool written = p.entry.hasFile
                                 ? CopyFileA(p.entry.path.c_str(), p.target.c_str(), TRUE) != 0
                                 : WriteFromCopy(p, folder);
        if (!written) {
            PrintError("VordaCond: could not write " + p.target + "; the export is incomplete");
            return kExitFindings;
        }
        manifest.files.push_back({p.fileName, FileSize(p.target)});
        if (args.json)
            json.BeginObject()
                .Member("kind", std::string(KindName(p.entry.kind)))
                .Member("name", p.entry.name)
                .Member("file", p.target)
                .EndObject();
        else
            PrintLine("exported " + p.target);
    }
    json.EndArray();
    if (!WriteManifest(out, manifest)) {
        PrintError(std::string("VordaCond: could not write ") + kManifestName +
                   "; the export is incomplete");
        return kExitFindings;
    }
    json.Key("inForce").BeginObject();
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
