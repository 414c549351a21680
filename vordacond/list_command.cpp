// list: the conditions of each kind as the options sheet lists them.
#include "vordacond/commands.h"
#include "vordacond/installation.h"
#include "vordacond/output.h"

int RunList(const Arguments& args, const std::string& folder) {
    JsonWriter json;
    json.BeginObject().Key("kinds").BeginArray();
    for (int kind = FirstKind(args); kind <= LastKind(args); ++kind) {
        const std::vector<ConditionEntry> entries = ListCatalogue(kind, folder);
        if (args.json) {
            json.BeginObject().Member("kind", std::string(KindName(kind)));
            json.Key("conditions").BeginArray();
            for (const ConditionEntry& e : entries) {
                json.BeginObject()
                    .Member("name", e.name)
                    .Member("template", e.isTemplate)
                    .Member("inForce", e.inForce)
                    .Member("file", e.hasFile)
                    .EndObject();
            }
            json.EndArray().EndObject();
            continue;
        }
        PrintLine(std::string(KindName(kind)) + ":");
        for (const ConditionEntry& e : entries) {
            std::string line = e.inForce ? "  * " : "    ";
            line += e.name;
            if (e.isTemplate) line += "  (template)";
            if (!e.hasFile)
                line += e.isTemplate ? "  (not written yet)" : "  (no file: read from DIVSET.ini)";
            PrintLine(line);
        }
    }
    json.EndArray().EndObject();
    if (args.json) WriteOut(json.Text());
    return kExitOk;
}
