// set-current: records a condition as the one in force, as OK in the
// options sheet does.
#include <windows.h>

#include "base/paths.h"
#include "base/profile_reader.h"
#include "conditions/catalogue.h"
#include "vordacond/commands.h"
#include "vordacond/findings.h"
#include "vordacond/installation.h"
#include "vordacond/output.h"

int RunSetCurrent(const Arguments& args, const std::string& folder) {
    const int kind = args.kind;
    const std::vector<ConditionEntry> entries = ListCatalogue(kind, folder);
    const ConditionEntry* found = FindEntry(entries, args.operands[0]);
    if (found == nullptr) {
        PrintError("VordaCond: there is no " + std::string(KindName(kind)) + " condition \"" +
                   args.operands[0] + "\" in " + folder);
        return kExitFindings;
    }
    const ConditionEntry entry = *found;
    if (entry.pathTooLong) {
        PrintError("VordaCond: " + entry.path + ": " + TooLongText(entry.path));
        PrintError("VordaCond: set-current refused; DIVSET.ini is unchanged");
        return kExitFindings;
    }

    const ProfileReader file = ProfileReader::InMemory(entry.path.c_str());
    SortCondition record;
    ReadEntry(entry, folder, file, &record);
    FindingList findings;
    CheckCondition(file, entry.name, entry.isTemplate, entry.hasFile, kind, record, &findings);
    if (findings.errors() > 0) {
        if (args.json) {
            JsonWriter json;
            json.BeginObject();
            WriteFindings(findings, &json);
            WriteOut(json.EndObject().Text());
        } else {
            findings.Print();
        }
        PrintError("VordaCond: set-current refused; DIVSET.ini is unchanged");
        return kExitFindings;
    }

    char divset[MAX_PATH] = {};
    MakeConditionPath(kind, kSelectDivset, folder.c_str(), divset);
    std::vector<PlannedWrite> planned;
    if (args.dryRun) {
        // What the run would write: the templates the folder lacks, then
        // the kind's part of DIVSET.ini.
        PlanMissingTemplates(kind, folder, &planned);
        planned.push_back({IsFile(divset) ? "replace" : "write", divset});
    } else {
        // The sheet writes the templates it lacks when it opens, before any
        // condition can be chosen; the condition is then read as the page
        // holds it and recorded with its working copy.
        std::vector<std::string> names;
        ListConditions(kind, folder.c_str(), &names);
        ReadEntry(entry, folder, &record);
        if (!RecordCurrentCondition(folder.c_str(), &record)) {
            PrintError(std::string("VordaCond: could not write ") + divset +
                       "; DIVSET.ini is unchanged");
            return kExitFindings;
        }
    }

    const std::string said = args.dryRun ? "would record in force (" : "in force (";
    if (args.json) {
        JsonWriter json;
        json.BeginObject()
            .Member("kind", std::string(KindName(kind)))
            .Member("name", entry.name)
            .Member("file", entry.path)
            .Member("dryRun", args.dryRun);
        if (args.dryRun) WritePlannedWrites(planned, &json);
        json.EndObject();
        WriteOut(json.Text());
    } else {
        PrintPlannedWrites(planned);
        PrintLine(said + KindName(kind) + "): " + entry.name);
    }
    return kExitOk;
}
