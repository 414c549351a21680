#include "conditions/tokens.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/module_state.h"
#include "base/text.h"
#include "conditions/list_utils.h"
#include "resources/resource.h"
#include "siblings/glossa.h"

const char* const kFaxItemTokens[kFaxItemCount] = {"@FAX-TSI",    "@FAX-DIALIN", "@FAX-NAME",
                                                   "@FAX-NUMBER", "@FAX-FCODE",  "@FAX-PORT"};
const char* const kSendItemTokens[kSendItemCount] = {"@TX-USER", "@TX-SECTION"};

namespace {

const char kOn[] = "@ON";
const char kOff[] = "@OFF";
const char kFront[] = "@FRONT";
const char kBack[] = "@BACK";
const char kButtonToken[] = "@BUTTON";
const char kTime[] = "@TIME-HM";
const char kDestination[] = "@TX-DEST";
const char kMode[] = "@TX-MODE";
const char kDatePrefix[] = "@DATE-";
const char* const kDateTypes[] = {"@DATE-YMD", "@DATE-YM", "@DATE-YMW"};
const char* const kDateWeeks[] = {"@DATE-YMW-SUN", "@DATE-YMW-MON", "@DATE-YMW-TUE",
                                  "@DATE-YMW-WED", "@DATE-YMW-THU", "@DATE-YMW-FRI",
                                  "@DATE-YMW-SAT"};

bool IsEmpty(const char* text) { return text == nullptr || text[0] == '\0'; }

}  // namespace

const char* UseFlagText(int32_t flag) { return flag != 0 ? kOn : kOff; }
const char* PositionText(int32_t position) { return position != 0 ? kBack : kFront; }

int ConvertUseFlag(int direction, int32_t* flag, char* text, size_t textSize) {
    if (flag == nullptr) return 0;
    if (direction == ToRecord) {
        if (IsEmpty(text)) return 0;
        *flag = SameTextNoCase(text, kOff) ? 0 : 1;
    } else {
        CopyText(text, textSize, UseFlagText(*flag));
    }
    return 1;
}

int ConvertPosition(int direction, int32_t* position, char* text, size_t textSize) {
    if (position == nullptr) return 0;
    if (direction == ToRecord) {
        if (IsEmpty(text)) return 0;
        *position = SameTextNoCase(text, kFront) ? 0 : 1;
    } else {
        CopyText(text, textSize, PositionText(*position));
    }
    return 1;
}

int ConvertDateType(int direction, int32_t* dateType, char* text, size_t textSize) {
    if (dateType == nullptr) return 0;
    if (direction == ToRecord) {
        if (IsEmpty(text)) return 0;
        *dateType = SameTextNoCase(text, kDateTypes[2])   ? 2
                    : SameTextNoCase(text, kDateTypes[1]) ? 1
                                                          : 0;
    } else {
        const int32_t value = *dateType;
        CopyText(text, textSize, kDateTypes[(value == 1 || value == 2) ? value : 0]);
    }
    return 1;
}

int ConvertDateWeek(int direction, int32_t* dateWeek, char* text, size_t textSize) {
    if (dateWeek == nullptr) return 0;
    if (direction == ToRecord) {
        if (IsEmpty(text)) return 0;
        int32_t day = 0;
        for (int32_t d = 6; d >= 1; --d) {
            if (SameTextNoCase(text, kDateWeeks[d])) {
                day = d;
                break;
            }
        }
        *dateWeek = day;
    } else {
        const int32_t value = *dateWeek;
        CopyText(text, textSize, kDateWeeks[(value >= 1 && value <= 6) ? value : 0]);
    }
    return 1;
}

int ConvertFixedName(int /*direction*/, SortCondition* /*record*/) { return 1; }

namespace {

enum class Layer { Binder, Index, Tag };

struct LayerFields {
    char* text;
    size_t size;
    NamingMode* mode;
    bool isTag;
};

LayerFields FieldsOf(SortCondition* r, Layer layer) {
    switch (layer) {
        case Layer::Binder:
            return {r->binderText, sizeof r->binderText, &r->binderMode, false};
        case Layer::Index:
            return {r->indexText, sizeof r->indexText, &r->indexMode, false};
        default:
            return {r->tagText, sizeof r->tagText, &r->tagMode, true};
    }
}

// What a naming mode stands for, per kind.
enum class Meaning { None, Button, Date, Time, InfoList, Destination, CommMode };

Meaning MeaningOf(int kind, NamingMode mode, bool isTag) {
    using namespace naming;
    if (mode == kButton) return Meaning::Button;
    switch (NormalizeKind(kind)) {
        case kScanner:
            if (mode == kScannerDate) return Meaning::Date;
            if (mode == kScannerTime && isTag) return Meaning::Time;
            break;
        case kFaxReceive:
            if (mode == kFaxInfoList) return Meaning::InfoList;
            if (mode == kFaxDate) return Meaning::Date;
            if (mode == kFaxTime && isTag) return Meaning::Time;
            break;
        default:
            if (mode == kSendDate) return Meaning::Date;
            if (mode == kSendDestination) return Meaning::Destination;
            if (mode == kSendInfoList) return Meaning::InfoList;
            if (mode == kSendMode) return Meaning::CommMode;
            if (mode == kSendTime && isTag) return Meaning::Time;
            break;
    }
    return Meaning::None;
}

NamingMode ModeOf(int kind, Meaning meaning) {
    using namespace naming;
    const int32_t k = NormalizeKind(kind);
    switch (meaning) {
        case Meaning::Button:
            return kButton;
        case Meaning::Date:
            return k == kScanner ? kScannerDate : k == kFaxReceive ? kFaxDate : kSendDate;
        case Meaning::Time:
            return k == kScanner ? kScannerTime : k == kFaxReceive ? kFaxTime : kSendTime;
        case Meaning::InfoList:
            return k == kFaxReceive ? kFaxInfoList : kSendInfoList;
        case Meaning::Destination:
            return kSendDestination;
        case Meaning::CommMode:
            return kSendMode;
        default:
            return kFixedName;
    }
}

unsigned CaptionId(int kind, Meaning meaning) {
    switch (meaning) {
        case Meaning::Button:
            return IDS_CHOICE_BUTTON;
        case Meaning::Date:
            return IDS_CHOICE_DATE;
        case Meaning::Time:
            return IDS_CHOICE_TIME;
        case Meaning::InfoList:
            return NormalizeKind(kind) == kFaxReceive ? IDS_CHOICE_FAX_INFO
                                                      : IDS_CHOICE_SENDER_INFO;
        case Meaning::Destination:
            return IDS_CHOICE_DESTINATION;
        case Meaning::CommMode:
            return IDS_CHOICE_COMM_MODE;
        default:
            return 0;
    }
}

// Classifies a stored name; the first test that matches decides.
Meaning Classify(int kind, const char* text, bool isTag) {
    const int32_t k = NormalizeKind(kind);
    if (SameTextNoCase(text, kButtonToken)) return Meaning::Button;
    if (k != kScanner && std::strstr(text, ListSeparator) != nullptr) return Meaning::InfoList;
    if (StartsWith(text, kDatePrefix)) return Meaning::Date;
    if (std::strstr(text, kDatePrefix) != nullptr) return Meaning::None;
    if (isTag && SameTextNoCase(text, kTime)) return Meaning::Time;
    if (k == kFaxSend) {
        if (SameTextNoCase(text, kDestination)) return Meaning::Destination;
        if (SameTextNoCase(text, kMode)) return Meaning::CommMode;
    }
    return Meaning::None;
}

int ConvertLayerName(int direction, SortCondition* record, Layer layer) {
    if (record == nullptr) return 0;
    LayerFields f = FieldsOf(record, layer);
    if (direction == ToRecord) {
        f.text[f.size - 1] = '\0';  // a record filled by hand may lack its terminator
        const Meaning meaning = Classify(record->kind, f.text, f.isTag);
        *f.mode = ModeOf(record->kind, meaning);
        if (meaning != Meaning::None) {
            char caption[MAX_PATH];
            LoadResString(CaptionId(record->kind, meaning), caption, sizeof caption);
            CopyText(f.text, f.size, caption);
        }
        return 1;
    }
    const char* stored = nullptr;
    switch (MeaningOf(record->kind, *f.mode, f.isTag)) {
        case Meaning::Button:
            stored = kButtonToken;
            break;
        case Meaning::Time:
            stored = kTime;
            break;
        case Meaning::Destination:
            stored = kDestination;
            break;
        case Meaning::CommMode:
            stored = kMode;
            break;
        case Meaning::InfoList:
            stored = record->faxCheckText;
            break;
        case Meaning::Date:
            if (record->dateType == 0 || record->dateType == 1)
                stored = record->dateTypeText;
            else if (record->dateType == 2)
                stored = record->dateWeekText;
            break;
        default:
            break;
    }
    if (stored != nullptr) CopyText(f.text, f.size, stored);
    return 1;
}

}  // namespace

int ConvertBinderName(int direction, SortCondition* record) {
    return ConvertLayerName(direction, record, Layer::Binder);
}
int ConvertIndexName(int direction, SortCondition* record) {
    return ConvertLayerName(direction, record, Layer::Index);
}
int ConvertTagName(int direction, SortCondition* record) {
    return ConvertLayerName(direction, record, Layer::Tag);
}

int AppendListItem(char* text, size_t textSize, const char* token) {
    if (text == nullptr || token == nullptr) return 0;
    const size_t have = strnlen(text, textSize);
    const size_t add = std::strlen(token);
    if (have >= textSize || add + kListSeparatorLength > textSize - 1 - have) return 0;
    std::memcpy(text + have, token, add);
    std::memcpy(text + have + add, ListSeparator, kListSeparatorLength + 1);
    return 1;
}

void DefaultFaxOrderText(char* text, size_t textSize) {
    for (const char* token : kFaxItemTokens) AppendListItem(text, textSize, token);
}

void DefaultSendOrderText(char* text, size_t textSize) {
    for (const char* token : kSendItemTokens) AppendListItem(text, textSize, token);
}

namespace {

// The tokens of a list (when memory runs out: the pieces made so far).
std::vector<std::string> SplitTokens(const char* text) {
    std::vector<std::string> pieces;
    SplitList(text, ListSeparator, &pieces);
    return pieces;
}

int ItemOf(const std::string& token, const char* const* tokens, int count) {
    for (int i = 0; i < count; ++i)
        if (token == tokens[i]) return i;
    return -1;
}

// ToFile of both order converters: tokens in position order; items with
// the same position both appear, in item order; positions outside 0..count-1
// are left out. With a selection, only items whose selection is 1.
void AppendInPositionOrder(const char* const* tokens, int count, const int32_t* positions,
                           const int32_t* selection, char* text, size_t textSize) {
    for (int32_t p = 0; p < count; ++p)
        for (int i = 0; i < count; ++i)
            if (positions[i] == p && (selection == nullptr || selection[i] == 1))
                AppendListItem(text, textSize, tokens[i]);
}

// ToRecord of an order without the style branch: the first count entries
// set the position of their item (an unknown token is the last item); items
// still without a position follow from n on.
void ReadOrder(const char* text, const char* const* tokens, int count, int32_t* positions) {
    const std::vector<std::string> entries = SplitTokens(text);
    const int32_t n = static_cast<int32_t>(entries.size());
    for (int i = 0; i < count; ++i) positions[i] = -1;
    for (int32_t k = 0; k < n && k < count; ++k) {
        const int item = ItemOf(entries[static_cast<size_t>(k)], tokens, count - 1);
        positions[item >= 0 ? item : count - 1] = k;
    }
    int32_t next = n;
    for (int i = 0; i < count; ++i)
        if (positions[i] == -1) positions[i] = next++;
}

void ReadSelection(const char* text, const char* const* tokens, int count, int32_t* selection) {
    for (int i = 0; i < count; ++i) selection[i] = 0;
    for (const std::string& entry : SplitTokens(text)) {
        const int item = ItemOf(entry, tokens, count);
        if (item >= 0) selection[item] = 1;
    }
}

}  // namespace

int ConvertFaxOrder(int direction, int32_t* positions, char* text, size_t textSize) {
    if (positions == nullptr) return 0;
    if (direction == ToFile) {
        AppendInPositionOrder(kFaxItemTokens, kFaxItemCount, positions, nullptr, text, textSize);
        return 1;
    }
    if (IsEmpty(text)) return 0;
    if (VordaGetStyle() != 1) {
        ReadOrder(text, kFaxItemTokens, kFaxItemCount, positions);
        return 1;
    }
    // Style 1 offers only sender identification, F-code and receive port.
    const std::vector<std::string> entries = SplitTokens(text);
    for (int i = 0; i < kFaxItemCount; ++i) positions[i] = -1;
    for (size_t k = 0; k < entries.size(); ++k) {
        const std::string& token = entries[k];
        const int item = token == kFaxItemTokens[0] ? 0 : token == kFaxItemTokens[4] ? 4 : 5;
        positions[item] = static_cast<int32_t>(k);
    }
    for (int i = 0; i < kFaxItemCount; ++i)
        if (positions[i] == -1) positions[i] = 0;
    return 1;
}

int ConvertFaxSelection(int direction, int32_t* selection, const int32_t* positions, char* text,
                        size_t textSize) {
    if (selection == nullptr) return 0;
    if (direction == ToFile) {
        if (positions == nullptr || text == nullptr) return 0;
        AppendInPositionOrder(kFaxItemTokens, kFaxItemCount, positions, selection, text, textSize);
        if (text[0] == '\0') CopyText(text, textSize, ListSeparator);
        return 1;
    }
    if (IsEmpty(text)) return 0;
    ReadSelection(text, kFaxItemTokens, kFaxItemCount, selection);
    return 1;
}

int ConvertSendOrder(int direction, int32_t* positions, char* text, size_t textSize) {
    if (positions == nullptr) return 0;
    if (direction == ToFile) {
        AppendInPositionOrder(kSendItemTokens, kSendItemCount, positions, nullptr, text, textSize);
        return 1;
    }
    if (IsEmpty(text)) return 0;
    ReadOrder(text, kSendItemTokens, kSendItemCount, positions);
    return 1;
}

int ConvertSendSelection(int direction, int32_t* selection, const int32_t* positions, char* text,
                         size_t textSize) {
    if (selection == nullptr) return 0;
    if (direction == ToFile) {
        if (positions == nullptr || text == nullptr) return 0;
        AppendInPositionOrder(kSendItemTokens, kSendItemCount, positions, selection, text,
                              textSize);
        if (text[0] == '\0') CopyText(text, textSize, ListSeparator);
        return 1;
    }
    if (IsEmpty(text)) return 0;
    ReadSelection(text, kSendItemTokens, kSendItemCount, selection);
    return 1;
}
