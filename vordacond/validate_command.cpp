// validate: the sheet's rules and what the lenient read hides, the names
// of the LibRoot tree, and the LibRoot folders of the settings INI.
#include <windows.h>

#include "base/paths.h"
#include "base/profile_reader.h"
#include "base/text.h"
#include "conditions/condition_format.h"
#include "vordacond/commands.h"
#include "vordacond/findings.h"
#include "vordacond/installation.h"
#include "vordacond/output.h"

namespace {

// A path DIVSET.ini records outside the application folder: the sheet reads
// the condition of that name from the application folder, the importing
// application from the path recorded.
void CheckRecordedPath(int kind, const std::string& folder, FindingList* out) {
    const std::string recorded = RecordedConditionPath(kind, folder);
    if (recorded.empty()) return;
    char recordedFolder[MAX_PATH];
    CopyText(recordedFolder, sizeof recordedFolder, recorded.c_str());
    StripLastPathComponent(recordedFolder);
    if (!SameTextNoCase(recordedFolder, folder.c_str())) {
        char divset[MAX_PATH] = {};
        MakeConditionPath(kind, kSelectDivset, folder.c_str(), divset);
        out->Add(kWarning, divset, std::string("[") + kDivsetSection + "] " + DivsetKey(kind),
                 "the condition in force lies outside the application folder: " + recorded);
    }
}

}  // namespace

int RunValidate(const Arguments& args, const std::string& folder) {
    FindingList findings;
    const std::string wanted = args.operands.empty() ? std::string() : args.operands[0];
    const bool everything = args.kind < 0 && wanted.empty();

    std::string settingsIni;
    std::string libRoot;
    if (FindSettingsIni(&settingsIni, &findings)) {
        char current[MAX_PATH] = {};
        GetPrivateProfileStringA("Folder", "CurrentFolder", "", current, sizeof current,
                                 settingsIni.c_str());
        libRoot = current;
        if (libRoot.empty())
            findings.Add(kWarning, settingsIni, "CurrentFolder",
                         "no current LibRoot folder: names were not checked against its tree");
    }

    const bool divsetReadable = wanted.empty() && CheckDivsetFile(folder, &findings);
    bool matched = false;
    TreeNames tree;
    for (int kind = FirstKind(args); kind <= LastKind(args); ++kind) {
        const std::vector<ConditionEntry> entries = ListCatalogue(kind, folder);
        for (const ConditionEntry& e : entries) {
            if (!wanted.empty() && !SameTextNoCase(e.name.c_str(), wanted.c_str())) continue;
            matched = true;
            if (e.pathTooLong) {
                findings.Add(kError, e.path, "", TooLongText(e.path));
                continue;
            }
            // A template not written yet is written afresh by the sheet.
            if (e.isTemplate && !e.hasFile) continue;
            if (!e.hasFile)
                findings.Add(kWarning, e.path, "",
                             "the condition in force has no file: its copy in DIVSET.ini is used");
            // Read once for both the record and the check of the file.
            const ProfileReader file = ProfileReader::InMemory(e.path.c_str());
            SortCondition record;
            ReadEntry(e, folder, file, &record);
            const bool whole =
                CheckCondition(file, e.name, e.isTemplate, e.hasFile, kind, record, &findings);
            // Templates name a default library; they matter only in force.
            if (whole && !libRoot.empty() && (!e.isTemplate || e.inForce))
                CheckAgainstTree(libRoot, e.path, record, &tree, &findings);
        }
        if (divsetReadable) {
            CheckRecordedPath(kind, folder, &findings);
            CheckDivsetKind(kind, folder, entries, &findings);
        }
    }
    if (!wanted.empty() && !matched) {
        PrintError("VordaCond: there is no condition \"" + wanted + "\" in " + folder);
        return kExitFindings;
    }
    if (everything && !settingsIni.empty()) CheckLibRoots(settingsIni, &findings);

    if (args.json) {
        JsonWriter json;
        json.BeginObject();
        WriteFindings(findings, &json);
        json.EndObject();
        WriteOut(json.Text());
    } else {
        findings.Print();
        PrintLine(std::to_string(findings.errors()) + " error(s), " +
                  std::to_string(findings.warnings()) + " warning(s)");
    }
    return findings.errors() > 0 ? kExitFindings : kExitOk;
}
