// show: one condition as a person reads it on the condition page.
#include <windows.h>

#include "base/module_state.h"
#include "conditions/tokens.h"
#include "resources/resource.h"
#include "siblings/glossa.h"
#include "vordacond/commands.h"
#include "vordacond/installation.h"
#include "vordacond/output.h"

namespace {

const char* const kLayerNames[5] = {"library", "cabinet", "binder", "index", "note"};
const char* const kDateFormats[3] = {"Year Month Day", "Year Month", "Year Month Week"};
const char* const kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};

struct LayerView {
    const char* layer;
    bool on;
    std::string text;  // the name, or the caption of the naming choice
    bool fixed;        // a typed or listed name, not a naming choice
};

struct ItemView {
    std::string caption;
    const char* token;
    bool checked;
};

std::string LoadText(unsigned id) {
    char text[MAX_PATH] = {};
    LoadResString(id, text, sizeof text);
    return text;
}

std::vector<LayerView> Layers(const SortCondition& r) {
    return {
        {kLayerNames[0], r.libraryUse == 1, r.libraryText, true},
        {kLayerNames[1], r.cabinetUse == 1, r.cabinetText, true},
        {kLayerNames[2], r.binderUse == 1, r.binderText, r.binderMode == kFixedName},
        {kLayerNames[3], r.indexUse == 1, r.indexText, r.indexMode == kFixedName},
        {kLayerNames[4], r.tagUse == 1, r.tagText, r.tagMode == kFixedName},
    };
}

// The information items in list order, as the FAX pages list them (in
// language style 1 the FAX receive page leaves items 1 to 3 out).
std::vector<ItemView> Items(const SortCondition& r) {
    std::vector<ItemView> items;
    const int kind = NormalizeKind(r.kind);
    if (kind == kScanner) return items;
    const bool send = kind == kFaxSend;
    const int count = send ? kSendItemCount : kFaxItemCount;
    const bool styleOne = !send && VordaGetStyle() == 1;
    for (int position = 0; position < count; ++position) {
        for (int i = 0; i < count; ++i) {
            if (r.faxSeq[i] != position) continue;
            if (styleOne && i >= 1 && i <= 3) continue;
            const unsigned id = (send ? IDS_SEND_ITEM_FIRST : IDS_FAX_ITEM_FIRST) + i;
            items.push_back(
                {LoadText(id), send ? kSendItemTokens[i] : kFaxItemTokens[i], r.faxCheck[i] == 1});
        }
    }
    return items;
}

std::string DateFormat(const SortCondition& r) {
    return (r.dateType >= 0 && r.dateType <= 2) ? kDateFormats[r.dateType] : "";
}

std::string Weekday(const SortCondition& r) {
    return (r.dateWeek >= 0 && r.dateWeek <= 6) ? kWeekdays[r.dateWeek] : "";
}

void PrintPlain(const ConditionEntry& e, const SortCondition& r) {
    std::string title = std::string(KindName(e.kind)) + " condition " + e.name;
    if (e.isTemplate) title += " (template)";
    if (e.inForce) title += ", in force";
    PrintLine(title);
    PrintLine("  file:           " + e.path + (e.hasFile ? "" : "  (no file)"));
    for (const LayerView& layer : Layers(r)) {
        std::string line = std::string("  ") + layer.layer + ":";
        line.resize(18, ' ');
        line += layer.on ? "on   " : "off  ";
        line += layer.text;
        if (!layer.fixed) line += "  (naming choice)";
        PrintLine(line);
    }
    PrintLine(std::string("  sort position:  ") + (r.position == 0
                                                       ? "Previous (new binders go to the front)"
                                                       : "Next (new binders go to the back)"));
    PrintLine("  date format:    " + DateFormat(r));
    if (r.dateType == 2) PrintLine("  first weekday:  " + Weekday(r));
    const std::vector<ItemView> items = Items(r);
    if (!items.empty()) {
        PrintLine(NormalizeKind(r.kind) == kFaxSend ? "  sender information:"
                                                    : "  FAX information:");
        for (const ItemView& item : items)
            PrintLine(std::string("    [") + (item.checked ? "x" : " ") + "] " + item.caption);
    }
}

void PrintJson(const ConditionEntry& e, const SortCondition& r) {
    JsonWriter json;
    json.BeginObject()
        .Member("kind", std::string(KindName(e.kind)))
        .Member("name", e.name)
        .Member("file", e.path)
        .Member("hasFile", e.hasFile)
        .Member("template", e.isTemplate)
        .Member("inForce", e.inForce);
    json.Key("layers").BeginArray();
    for (const LayerView& layer : Layers(r)) {
        json.BeginObject()
            .Member("layer", std::string(layer.layer))
            .Member("on", layer.on)
            .Member("text", layer.text)
            .Member("namingChoice", !layer.fixed)
            .EndObject();
    }
    json.EndArray();
    json.Member("position", std::string(r.position == 0 ? "front" : "back"))
        .Member("dateFormat", DateFormat(r));
    json.Key("firstWeekday");
    if (r.dateType == 2)
        json.String(Weekday(r));
    else
        json.Null();
    json.Key("items").BeginArray();
    for (const ItemView& item : Items(r)) {
        json.BeginObject()
            .Member("caption", item.caption)
            .Member("token", std::string(item.token))
            .Member("checked", item.checked)
            .EndObject();
    }
    json.EndArray().EndObject();
    WriteOut(json.Text());
}

}  // namespace

int RunShow(const Arguments& args, const std::string& folder) {
    const std::vector<ConditionEntry> entries = ListCatalogue(args.kind, folder);
    const ConditionEntry* entry = FindEntry(entries, args.operands[0]);
    if (entry == nullptr) {
        PrintError("VordaCond: there is no " + std::string(KindName(args.kind)) + " condition \"" +
                   args.operands[0] + "\" in " + folder);
        return kExitFindings;
    }
    if (entry->pathTooLong) {
        PrintError("VordaCond: " + entry->path + ": " + TooLongText(entry->path));
        return kExitFindings;
    }
    SortCondition record;
    ReadEntry(*entry, folder, &record);
    if (args.json)
        PrintJson(*entry, record);
    else
        PrintPlain(*entry, record);
    return kExitOk;
}
