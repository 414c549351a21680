// import: the conditions of an export folder into the application folder,
// all or nothing. Everything is checked first; every file is then staged as
// a temporary beside its target, and only when all are staged are they
// swapped in, one rename each, followed by DIVSET.ini in one write.
#include <windows.h>

#include <set>

#include "base/ini_writer.h"
#include "base/paths.h"
#include "base/profile_reader.h"
#include "base/temp_files.h"
#include "base/text.h"
#include "conditions/catalogue.h"
#include "conditions/condition_entries.h"
#include "conditions/condition_format.h"
#include "conditions/condition_io.h"
#include "conditions/condition_rules.h"
#include "vordacond/commands.h"
#include "vordacond/findings.h"
#include "vordacond/installation.h"
#include "vordacond/output.h"
#include "vordacond/transfer.h"

namespace {

struct Incoming {
    int kind = 0;
    std::string name;
    std::string source;     // in the export folder
    std::string target;     // in the application folder
    bool replaces = false;  // target exists
    std::string temp;       // the staged copy beside target
};

bool IsTemplateOf(int kind, const std::string& name) {
    for (int number = 1; number <= 3; ++number)
        if (SameTextNoCase(TemplateName(kind, number).c_str(), name.c_str())) return true;
    return false;
}

// Checks every file the manifest lists; fills incoming with those that are
// whole, adds an error for every problem.
void CheckListedFiles(const std::string& from, const std::string& folder, const Manifest& manifest,
                      bool replace, std::vector<Incoming>* incoming, FindingList* out) {
    for (const ExportedFile& file : manifest.files) {
        Incoming in;
        in.source = from + "\\" + file.fileName;
        in.kind = KindOfFileName(file.fileName, &in.name);
        if (in.kind < 0) {
            out->Add(kError, in.source, "", "not the name of a condition file");
            continue;
        }
        const long long size = FileSize(in.source);
        if (size != file.size) {
            out->Add(kError, in.source, "",
                     size < 0 ? "the file is missing: the export is incomplete"
                              : "the file has " + std::to_string(size) + " bytes instead of " +
                                    std::to_string(file.size) + ": it was cut short or changed");
            continue;
        }
        in.target = ConditionFilePath(in.kind, folder, in.name);
        const ProfileReader source = ProfileReader::InMemory(in.source.c_str());
        SortCondition record = {};
        ReadConditionFrom(source, from.c_str(), in.kind, &record);
        // Template names are refused like any other name the sheet refuses.
        const size_t before = static_cast<size_t>(out->errors());
        CheckCondition(source, in.name, false, true, in.kind, record, out);
        if (in.target.empty()) {
            out->Add(kError, in.source, "name", "the name is too long for the application folder");
        } else if (PathExists(in.target.c_str())) {
            in.replaces = true;
            const DWORD attributes = GetFileAttributesA(in.target.c_str());
            if (!replace)
                out->Add(kError, in.target, "",
                         "the condition exists already; --replace replaces it");
            else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                out->Add(kError, in.target, "",
                         "a folder has the file's name: it cannot be replaced");
            else if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
                out->Add(kError, in.target, "", "the file is read-only: it cannot be replaced");
        }
        if (static_cast<size_t>(out->errors()) == before) incoming->push_back(in);
    }
}

// Condition files in the export folder that the manifest does not list.
void CheckUnlisted(const std::string& from, const Manifest& manifest, FindingList* out) {
    // One lookup per file found, not a pass over the manifest.
    std::set<std::string> listed;
    for (const ExportedFile& file : manifest.files)
        listed.insert(FoldedText((from + "\\" + file.fileName).c_str()));
    for (int kind = 0; kind < 3; ++kind) {
        std::vector<std::string> names;
        bool present[3] = {false, false, false};
        FindConditions(kind, from.c_str(), &names, present);
        for (size_t i = 0; i < names.size(); ++i) {
            if (i < 3 && !present[i]) continue;
            const std::string path = ConditionFilePath(kind, from, names[i]);
            if (listed.count(FoldedText(path.c_str())) == 0)
                out->Add(
                    kError, path, "",
                    std::string("not listed in ") + kManifestName + ": not part of the export");
        }
    }
}

// The conditions to record in force must be there once the files are in.
void CheckInForce(const std::string& from, const std::string& folder, const Manifest& manifest,
                  const std::vector<Incoming>& incoming, FindingList* out) {
    for (int kind = 0; kind < 3; ++kind) {
        const std::string& name = manifest.inForce[kind];
        if (name.empty() || IsTemplateOf(kind, name)) continue;
        const std::string field = std::string("[IN_FORCE] ") + DivsetKey(kind);
        // The name becomes a path in DIVSET.ini: one the sheet would refuse
        // (a "\" or ".." in it) could name a file anywhere.
        const int32_t rule = CheckConditionName(name.c_str());
        if (rule != kNameValid) {
            out->Add(kError, from + "\\" + kManifestName, field,
                     MessageText(NameRuleMessageId(rule)));
            continue;
        }
        bool found = PathExists(ConditionFilePath(kind, folder, name).c_str()) != 0;
        for (const Incoming& in : incoming)
            if (in.kind == kind && SameTextNoCase(in.name.c_str(), name.c_str())) found = true;
        if (!found)
            out->Add(kError, from + "\\" + kManifestName, field,
                     "condition \"" + name +
                         "\" is neither in the export nor in the application "
                         "folder");
    }
}

// The kind's part of DIVSET.ini for name, as OK in the sheet records it:
// the missing templates are written first, as the sheet writes them when it
// opens, and the condition is read from its file.
IniEntries InForceEntries(int kind, const std::string& folder, const std::string& name) {
    std::vector<std::string> names;
    ListConditions(kind, folder.c_str(), &names);
    std::string listed = name;
    for (const std::string& n : names)
        if (SameTextNoCase(n.c_str(), name.c_str())) listed = n;
    SortCondition record = {};
    ReadConditionIn(folder.c_str(), ConditionFilePath(kind, folder, listed).c_str(), kind, &record);
    ConvertNamesToFileForm(&record);
    return DivsetEntries(record);
}

void RemoveStaged(const std::vector<Incoming>& incoming) {
    for (const Incoming& in : incoming)
        if (!in.temp.empty()) RemoveTemp(in.temp.c_str());
}

bool CanRead(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// Stages every file in a staging folder of the application folder (a
// temporary beside each target would cost the large folder a search more per
// file under Wine); on the first failure removes what was staged and says
// which file failed. Nothing in the application folder has changed then.
bool StageAll(const std::string& folder, char* staging, std::vector<Incoming>* incoming) {
    RemoveLeftoverTemps(folder.c_str());
    const bool made = MakeStagingFolder(folder.c_str(), staging) != 0;
    for (Incoming& in : *incoming) {
        std::string bytes;
        char temp[MAX_PATH] = {};
        if (made && ReadWholeFile(in.source.c_str(), &bytes) && StageBytes(staging, bytes, temp)) {
            in.temp = temp;
            continue;
        }
        RemoveStaged(*incoming);
        RemoveStagingFolder(staging);
        PrintError("VordaCond: could not " +
                   (CanRead(in.source) ? "write a copy beside " + in.target : "read " + in.source) +
                   "; nothing was written");
        return false;
    }
    return true;
}

}  // namespace

int RunImport(const Arguments& args, const std::string& folder) {
    char from[MAX_PATH] = {};
    CopyText(from, sizeof from, args.operands[0].c_str());
    DropTrailingBackslash(from);
    const DWORD attributes = GetFileAttributesA(from);
    if (args.operands[0].size() >= MAX_PATH || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        PrintError("VordaCond: the import folder " + args.operands[0] + " does not exist");
        return kExitFindings;
    }
    Manifest manifest;
    std::string error;
    if (!ReadManifest(from, &manifest, &error)) {
        PrintError("VordaCond: " + error + "; nothing was imported");
        return kExitFindings;
    }

    FindingList findings;
    std::vector<Incoming> incoming;
    CheckListedFiles(from, folder, manifest, args.replace, &incoming, &findings);
    CheckUnlisted(from, manifest, &findings);
    CheckInForce(from, folder, manifest, incoming, &findings);
    if (findings.errors() == 0 && !CanCreateTempIn(folder.c_str()))
        findings.Add(kError, folder, "", "cannot write into the application folder");

    JsonWriter json;
    json.BeginObject();
    if (findings.errors() > 0) {
        if (args.json) {
            WriteFindings(findings, &json);
            json.Member("imported", false);
            WriteOut(json.EndObject().Text());
        } else {
            findings.Print();
        }
        PrintError("VordaCond: import refused; nothing was written");
        return kExitFindings;
    }

    char divset[MAX_PATH] = {};
    MakeConditionPath(0, kSelectDivset, folder.c_str(), divset);
    bool records = false;
    for (int kind = 0; kind < 3; ++kind) records = records || !manifest.inForce[kind].empty();
    std::vector<PlannedWrite> planned;
    if (args.dryRun) {
        for (const Incoming& in : incoming)
            planned.push_back({in.replaces ? "replace" : "write", in.target});
        for (int kind = 0; kind < 3; ++kind)
            if (!manifest.inForce[kind].empty()) PlanMissingTemplates(kind, folder, &planned);
        if (records) planned.push_back({IsFile(divset) ? "replace" : "write", divset});
    } else {
        char staging[MAX_PATH] = {};
        if (!StageAll(folder, staging, &incoming)) return kExitFindings;
        for (size_t i = 0; i < incoming.size(); ++i) {
            if (PlaceTemp(incoming[i].temp.c_str(), incoming[i].target.c_str(), true)) {
                incoming[i].temp.clear();
                continue;
            }
            RemoveStaged(incoming);
            RemoveStagingFolder(staging);
            PrintError("VordaCond: could not replace " + incoming[i].target + "; " +
                       std::to_string(i) + " of " + std::to_string(incoming.size()) +
                       " files were imported, DIVSET.ini is unchanged; import again with "
                       "--replace to finish");
            return kExitFindings;
        }
        RemoveStagingFolder(staging);
        IniEntries entries;
        for (int kind = 0; kind < 3; ++kind) {
            if (manifest.inForce[kind].empty()) continue;
            const IniEntries part = InForceEntries(kind, folder, manifest.inForce[kind]);
            entries.insert(entries.end(), part.begin(), part.end());
        }
        if (records && !WriteIniFile(divset, entries)) {
            PrintError(std::string("VordaCond: could not write ") + divset +
                       "; the conditions were imported, those in force not recorded");
            return kExitFindings;
        }
    }

    const std::string said = args.dryRun ? "would record in force (" : "in force (";
    if (args.dryRun && args.json) {
        json.Member("dryRun", true);
        WritePlannedWrites(planned, &json);
    } else if (args.dryRun) {
        PrintPlannedWrites(planned);
    }
    json.Key("imported").BeginArray();
    for (const Incoming& in : incoming) {
        if (args.json)
            json.BeginObject()
                .Member("kind", std::string(KindName(in.kind)))
                .Member("name", in.name)
                .Member("file", in.target)
                .EndObject();
        else if (!args.dryRun)
            PrintLine("imported " + in.target);
    }
    json.EndArray().Key("inForce").BeginObject();
    for (int kind = 0; kind < 3; ++kind) {
        const std::string& name = manifest.inForce[kind];
        if (name.empty()) continue;
        json.Member(KindName(kind), name);
        if (!args.json) PrintLine(said + KindName(kind) + "): " + name);
    }
    json.EndObject().EndObject();
    if (args.json) WriteOut(json.Text());
    return kExitOk;
}
