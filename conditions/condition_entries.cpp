#include "conditions/condition_entries.h"

#include <array>
#include <cstring>
#include <string>

#include "conditions/condition_format.h"
#include "conditions/tokens.h"

namespace {

// LIBRARY, CABINET, BINDER, INDEX and TAG: the keys of both sections.
typedef std::array<std::string, 5> LayerValues;

void Add(IniEntries& entries, const char* section, const char* key, const std::string& value) {
    entries.push_back(QuotedEntry(section, key, value));
}

void AddLayers(IniEntries& entries, const char* section, const LayerValues& values) {
    const char* const keys[] = {kKeyLibrary, kKeyCabinet, kKeyBinder, kKeyIndex, kKeyTag};
    for (size_t i = 0; i < values.size(); ++i) Add(entries, section, keys[i], values[i]);
}

// A text field up to its NUL, never past its capacity.
template <size_t N>
std::string Text(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

LayerValues UseFlags(const SortCondition& r) {
    return {UseFlagText(r.libraryUse), UseFlagText(r.cabinetUse), UseFlagText(r.binderUse),
            UseFlagText(r.indexUse), UseFlagText(r.tagUse)};
}

LayerValues Names(const SortCondition& r) {
    return {Text(r.libraryText), Text(r.cabinetText), Text(r.binderText), Text(r.indexText),
            Text(r.tagText)};
}

}  // namespace

void ConvertNamesToFileForm(SortCondition* r) {
    ConvertFixedName(ToFile, r);
    ConvertBinderName(ToFile, r);
    ConvertIndexName(ToFile, r);
    ConvertTagName(ToFile, r);
}

void ConvertToFileForm(SortCondition* r) {
    const int32_t kind = NormalizeKind(r->kind);
    if (kind != kScanner) {
        r->faxSeqText[0] = '\0';
        r->faxCheckText[0] = '\0';
        if (kind == kFaxReceive) {
            ConvertFaxOrder(ToFile, r->faxSeq, r->faxSeqText, sizeof r->faxSeqText);
            ConvertFaxSelection(ToFile, r->faxCheck, r->faxSeq, r->faxCheckText,
                                sizeof r->faxCheckText);
        } else {
            ConvertSendOrder(ToFile, r->faxSeq, r->faxSeqText, sizeof r->faxSeqText);
            ConvertSendSelection(ToFile, r->faxCheck, r->faxSeq, r->faxCheckText,
                                 sizeof r->faxCheckText);
        }
    }
    ConvertDateType(ToFile, &r->dateType, r->dateTypeText, sizeof r->dateTypeText);
    ConvertDateWeek(ToFile, &r->dateWeek, r->dateWeekText, sizeof r->dateWeekText);
    ConvertNamesToFileForm(r);
}

IniEntries ConditionFileEntries(const SortCondition& r) {
    const char* main = MainSection(r.kind);
    IniEntries entries;
    AddLayers(entries, UseSection(r.kind), UseFlags(r));
    Add(entries, main, kKeyPosition, PositionText(r.position));
    if (NormalizeKind(r.kind) != kScanner) {
        Add(entries, main, kKeyFaxSeq, Text(r.faxSeqText));
        Add(entries, main, kKeyFaxCheck, Text(r.faxCheckText));
    }
    Add(entries, main, kKeyDateType, Text(r.dateTypeText));
    Add(entries, main, kKeyDateWeek, Text(r.dateWeekText));
    AddLayers(entries, main, Names(r));
    return entries;
}

IniEntries DivsetEntries(const SortCondition& r) {
    IniEntries entries;
    Add(entries, kDivsetSection, DivsetKey(r.kind), Text(r.path));
    AddLayers(entries, UseSection(r.kind), UseFlags(r));
    Add(entries, MainSection(r.kind), kKeyPosition, PositionText(r.position));
    AddLayers(entries, MainSection(r.kind), Names(r));
    return entries;
}

IniEntries TemplateEntries(int32_t kind, int32_t templateNumber) {
    const ConditionValues v = LoadTemplateValues(kind, templateNumber);
    const char* main = MainSection(kind);
    IniEntries entries;
    AddLayers(entries, main, {v.library, v.cabinet, v.binder, v.index, v.tag});
    Add(entries, main, kKeyPosition, v.position);
    Add(entries, main, kKeyDateType, v.dateType);
    Add(entries, main, kKeyDateWeek, v.dateWeek);
    if (NormalizeKind(kind) != kScanner) {
        Add(entries, main, kKeyFaxSeq, v.faxSeq);
        Add(entries, main, kKeyFaxCheck, v.faxCheck);
    }
    AddLayers(entries, UseSection(kind),
              {v.libraryUse, v.cabinetUse, v.binderUse, v.indexUse, v.tagUse});
    return entries;
}
