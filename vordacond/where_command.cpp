// where: the names a condition gives a document, and whether the tree of the
// current LibRoot folder holds its library, cabinet and binder already.
#include <windows.h>

#include <cstdio>

#include "base/text.h"
#include "conditions/layer_names.h"
#include "libroot/library_tree.h"
#include "siblings/glossa.h"
#include "vordacond/commands.h"
#include "vordacond/findings.h"
#include "vordacond/installation.h"
#include "vordacond/output.h"

namespace {

const char* const kLayerNames[kLayerCount] = {"library", "cabinet", "binder", "index", "note"};

// Where one of library, cabinet and binder stands in the tree.
enum Place { kPlaceOff, kPlaceFound, kPlaceNew, kPlaceUnknown };
const char* const kPlaceWords[] = {"off", "exists", "new", "unknown"};

struct TreePlace {
    Place place = kPlaceUnknown;
    std::string folder;  // full path of the folder found
};

// The binder folder of cabinetPath whose shown text is name (any letter
// case), as the condition pages list the binders; "" when none.
std::string ListedBinder(const std::string& libRoot, const std::string& library,
                         const std::string& cabinet, const std::string& name) {
    EntryArray binders;
    ReadBinderEntries(libRoot.c_str(), library.c_str(), cabinet.c_str(), &binders);
    std::string folder;
    for (const ListEntry& entry : binders) {
        if (folder.empty() && SameTextNoCase(EntryShownText(entry).c_str(), name.c_str()))
            folder = entry.folderName;
    }
    ReleaseEntries(&binders);
    return folder;
}

// Library, cabinet and binder looked up one below the other; below a new or
// unknown folder nothing can be there yet, below an off layer nothing is
// known (the application picks the folder when it files).
void LookUp(const std::string& libRoot, const SortCondition& r,
            const std::string names[kLayerCount], TreePlace places[3]) {
    const int32_t uses[3] = {r.libraryUse, r.cabinetUse, r.binderUse};
    std::string parent = libRoot;
    std::string folders[2];
    Place above = libRoot.empty() ? kPlaceUnknown : kPlaceFound;
    for (int layer = 0; layer < 3; ++layer) {
        TreePlace& p = places[layer];
        if (uses[layer] != 1) {
            p.place = kPlaceOff;
            above = kPlaceUnknown;
            continue;
        }
        if (above != kPlaceFound) {
            p.place = above == kPlaceNew ? kPlaceNew : kPlaceUnknown;
            continue;
        }
        const std::string child = layer < 2
                                      ? ListedChild(parent, names[layer].c_str())
                                      : ListedBinder(libRoot, folders[0], folders[1], names[layer]);
        if (child.empty()) {
            p.place = above = kPlaceNew;
            continue;
        }
        if (layer < 2) folders[layer] = child;
        parent += "\\" + child;
        p.place = kPlaceFound;
        p.folder = parent;
    }
}

// --at "YYYY-MM-DD HH:MM" into document; false when it is no such date.
bool ParseAt(const std::string& at, SampleDocument* document) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    char end = 0;
    if (std::sscanf(at.c_str(), "%4d-%2d-%2d %2d:%2d%c", &y, &mo, &d, &h, &mi, &end) != 5)
        return false;
    static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (y < 1601 || mo < 1 || mo > 12 || d < 1 || d > kDays[mo - 1] || h > 23 || mi > 59 || h < 0 ||
        mi < 0 || (mo == 2 && d == 29 && !leap))
        return false;
    document->year = y;
    document->month = mo;
    document->day = d;
    document->hour = h;
    document->minute = mi;
    return true;
}

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string AtText(const SampleDocument& d) {
    return std::to_string(d.year) + "-" + TwoDigits(d.month) + "-" + TwoDigits(d.day) + " " +
           TwoDigits(d.hour) + ":" + TwoDigits(d.minute);
}

}  // namespace

int RunWhere(const Arguments& args, const std::string& folder) {
    SampleDocument document;
    LoadSampleDocument(&document);
    if (!args.at.empty() && !ParseAt(args.at, &document)) {
        PrintError("VordaCond: --at takes \"YYYY-MM-DD HH:MM\", not \"" + args.at + "\"");
        return kExitUsage;
    }
    if (args.hasButton) document.button = args.button;
    if (args.hasFaxSender) document.faxItems[0] = args.faxSender;

    const std::vector<ConditionEntry> entries = ListCatalogue(args.kind, folder);
    const ConditionEntry* entry = FindEntry(entries, args.operands[0]);
    if (entry == nullptr) {
        PrintError("VordaCond: there is no " + std::string(KindName(args.kind)) + " condition \"" +
                   args.operands[0] + "\" in " + folder);
        return kExitFindings;
    }
    SortCondition record;
    ReadEntry(*entry, folder, &record);
    std::string names[kLayerCount];
    ExpandLayerNames(record, document, VordaGetStyle(), names);

    // The current LibRoot folder, read as validate reads it.
    FindingList ignored;
    std::string settingsIni;
    std::string libRoot;
    if (FindSettingsIni(&settingsIni, &ignored)) {
        char current[MAX_PATH] = {};
        GetPrivateProfileStringA("Folder", "CurrentFolder", "", current, sizeof current,
                                 settingsIni.c_str());
        libRoot = current;
    }
    TreePlace places[3];
    LookUp(libRoot, record, names, places);
    const int32_t uses[kLayerCount] = {record.libraryUse, record.cabinetUse, record.binderUse,
                                       record.indexUse, record.tagUse};

    if (args.json) {
        JsonWriter json;
        json.BeginObject()
            .Member("kind", std::string(KindName(entry->kind)))
            .Member("name", entry->name)
            .Member("at", AtText(document))
            .Member("example", JoinLayerNames(record, names));
        json.Key("libRoot");
        if (libRoot.empty())
            json.Null();
        else
            json.String(libRoot);
        json.Key("layers").BeginArray();
        for (int layer = 0; layer < kLayerCount; ++layer) {
            json.BeginObject().Member("layer", std::string(kLayerNames[layer]));
            json.Member("on", uses[layer] == 1);
            json.Key("name");
            if (uses[layer] == 1)
                json.String(names[layer]);
            else
                json.Null();
            if (layer < 3) {
                json.Member("tree", std::string(kPlaceWords[places[layer].place]));
                json.Key("folder");
                if (places[layer].place == kPlaceFound)
                    json.String(places[layer].folder);
                else
                    json.Null();
            }
            json.EndObject();
        }
        json.EndArray().EndObject();
        WriteOut(json.Text());
        return kExitOk;
    }

    PrintLine(std::string(KindName(entry->kind)) + " condition " + entry->name +
              ", a document of " + AtText(document) + ":");
    for (int layer = 0; layer < kLayerCount; ++layer) {
        std::string line = std::string("  ") + kLayerNames[layer] + ":";
        line.resize(12, ' ');
        if (uses[layer] != 1) {
            PrintLine(line + "(off)");
            continue;
        }
        line += names[layer];
        if (layer < 3) {
            const TreePlace& p = places[layer];
            if (p.place == kPlaceFound) line += "  (exists: " + p.folder + ")";
            if (p.place == kPlaceNew) line += std::string("  (new ") + kLayerNames[layer] + ")";
        }
        PrintLine(line);
    }
    PrintLine("  example:  " + JoinLayerNames(record, names));
    PrintLine(libRoot.empty() ? "  no current LibRoot folder: the tree was not looked at"
                              : "  LibRoot:  " + libRoot);
    return kExitOk;
}
