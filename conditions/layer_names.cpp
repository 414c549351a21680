#include "conditions/layer_names.h"

#include <windows.h>

#include <cstdio>

#include "base/module_state.h"
#include "conditions/tokens.h"
#include "resources/resource.h"

namespace {

// What a layer's naming mode stands for, whatever the kind.
enum NameRule { kRuleFixed, kRuleButton, kRuleDate, kRuleTime, kRuleList, kRuleDest, kRuleMode };

// The rule of each naming mode, by kind (row = NamingMode); the time rule
// belongs to the note only, elsewhere its mode is a typed name.
const NameRule kScannerRules[] = {kRuleButton, kRuleDate, kRuleTime};
const NameRule kFaxReceiveRules[] = {kRuleButton, kRuleList, kRuleDate, kRuleTime};
const NameRule kFaxSendRules[] = {kRuleButton, kRuleDate, kRuleDest,
                                  kRuleList,   kRuleMode, kRuleTime};

NameRule RuleOf(int32_t kind, int layer, NamingMode mode) {
    const NameRule* rules = kFaxSendRules;
    int count = static_cast<int>(sizeof kFaxSendRules / sizeof kFaxSendRules[0]);
    if (NormalizeKind(kind) == kScanner) {
        rules = kScannerRules;
        count = static_cast<int>(sizeof kScannerRules / sizeof kScannerRules[0]);
    } else if (NormalizeKind(kind) == kFaxReceive) {
        rules = kFaxReceiveRules;
        count = static_cast<int>(sizeof kFaxReceiveRules / sizeof kFaxReceiveRules[0]);
    }
    if (layer < kLayerBinder || mode < 0 || mode >= count) return kRuleFixed;
    const NameRule rule = rules[mode];
    return rule == kRuleTime && layer != kLayerNote ? kRuleFixed : rule;
}

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// The chosen information items in the condition's order, joined by a space;
// a detail the document does not have is left out.
std::string ListName(const SortCondition& r, const SampleDocument& document, int style) {
    const bool send = NormalizeKind(r.kind) == kFaxSend;
    const int count = send ? kSendItemCount : kFaxItemCount;
    const std::string* values = send ? document.sendItems : document.faxItems;
    std::string name;
    for (int position = 0; position < count; ++position) {
        for (int item = 0; item < count; ++item) {
            if (r.faxSeq[item] != position || r.faxCheck[item] != 1) continue;
            if (!send && style == 1 && item >= 1 && item <= 3) continue;
            if (values[item].empty()) continue;
            if (!name.empty()) name += ' ';
            name += values[item];
        }
    }
    return name;
}

std::string LayerName(const SortCondition& r, const SampleDocument& document, int style, int layer,
                      NamingMode mode, const char* text) {
    switch (RuleOf(r.kind, layer, mode)) {
        case kRuleButton:
            return document.button;
        case kRuleDate:
            return DateName(r, document);
        case kRuleTime:
            return TwoDigits(document.hour) + ":" + TwoDigits(document.minute);
        case kRuleList:
            return ListName(r, document, style);
        case kRuleDest:
            return document.destination;
        case kRuleMode:
            return document.communicationMode;
        default:
            return text;
    }
}

std::string LoadText(UINT id) {
    char text[MAX_PATH];
    LoadResString(id, text, sizeof text);
    return text;
}

}  // namespace

void LoadSampleDocument(SampleDocument* document) {
    SampleDocument& d = *document;
    SYSTEMTIME now;
    GetLocalTime(&now);
    d.year = now.wYear;
    d.month = now.wMonth;
    d.day = now.wDay;
    d.hour = now.wHour;
    d.minute = now.wMinute;
    d.button = LoadText(IDS_SAMPLE_BUTTON);
    for (int item = 0; item < kFaxItemCount; ++item) {
        d.faxItems[item] = LoadText(IDS_SAMPLE_FAX_FIRST + static_cast<UINT>(item));
    }
    d.destination = LoadText(IDS_SAMPLE_TX_DEST);
    for (int item = 0; item < kSendItemCount; ++item) {
        d.sendItems[item] = LoadText(IDS_SAMPLE_SEND_FIRST + static_cast<UINT>(item));
    }
    d.communicationMode = LoadText(IDS_SAMPLE_TX_MODE);
}

int DayOfWeek(int year, int month, int day) {
    // Sakamoto's method: January and February count as months of the
    // year before.
    static const int kMonthOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12) return 0;
    if (month < 3) year -= 1;
    const int dow =
        (year + year / 4 - year / 100 + year / 400 + kMonthOffsets[month - 1] + day) % 7;
    return dow < 0 ? dow + 7 : dow;
}

int WeekOfMonth(int year, int month, int day, int firstWeekday) {
    if (firstWeekday < 0 || firstWeekday > 6) firstWeekday = 0;
    // Days of week 1 that lie before the 1st, counted from its first weekday.
    const int lead = (DayOfWeek(year, month, 1) - firstWeekday + 7) % 7;
    return (day - 1 + lead) / 7 + 1;
}

std::string DateName(const SortCondition& r, const SampleDocument& d) {
    const std::string yearMonth = std::to_string(d.year) + "/" + TwoDigits(d.month);
    if (r.dateType == 1) return yearMonth;
    if (r.dateType == 2) {
        return yearMonth + " Week " +
               std::to_string(WeekOfMonth(d.year, d.month, d.day, r.dateWeek));
    }
    return yearMonth + "/" + TwoDigits(d.day);
}

void ExpandLayerNames(const SortCondition& r, const SampleDocument& document, int style,
                      std::string names[kLayerCount]) {
    const int32_t uses[kLayerCount] = {r.libraryUse, r.cabinetUse, r.binderUse, r.indexUse,
                                       r.tagUse};
    const NamingMode modes[kLayerCount] = {kFixedName, kFixedName, r.binderMode, r.indexMode,
                                           r.tagMode};
    const char* const texts[kLayerCount] = {r.libraryText, r.cabinetText, r.binderText, r.indexText,
                                            r.tagText};
    for (int layer = 0; layer < kLayerCount; ++layer) {
        names[layer] = uses[layer] != 0
                           ? LayerName(r, document, style, layer, modes[layer], texts[layer])
                           : std::string();
    }
}

std::string JoinLayerNames(const SortCondition& r, const std::string names[kLayerCount]) {
    const int32_t uses[kLayerCount] = {r.libraryUse, r.cabinetUse, r.binderUse, r.indexUse,
                                       r.tagUse};
    std::string line;
    bool first = true;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        if (uses[layer] == 0) continue;
        if (!first) line += " > ";
        line += names[layer];
        first = false;
    }
    return line;
}
