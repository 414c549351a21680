#include "conditions/condition_io.h"

#include <windows.h>

#include <cstring>

#include "base/app_path.h"
#include "base/paths.h"
#include "base/phase_timer.h"
#include "base/profile_reader.h"
#include "base/text.h"
#include "conditions/condition_entries.h"
#include "conditions/condition_format.h"
#include "conditions/tokens.h"

namespace {

// Section that holds FAX-SEQ and FAX-CHECK when reading, whatever the file.
const char* FaxListSection(int32_t kind) {
    return NormalizeKind(kind) == kFaxSend ? "FAX-TX" : "FAX-RX";
}

// Reads section/key of source into target (size bytes), the default for a
// missing or empty value. An empty source (no file to read from) gives the
// default. The target is cleared first: a value cut in the middle of a
// double-byte character then ends cleanly instead of keeping a stale byte.
void ReadValue(const ProfileReader& source, const char* section, const char* key,
               const char* fallback, char* target, size_t size) {
    std::memset(target, 0, size);
    if (source.path()[0] != '\0')
        source.String(section, key, fallback, target, static_cast<DWORD>(size));
    if (target[0] == '\0') CopyText(target, size, fallback);
}

// The key of the first of binder, index and tag whose mode is mode, or null.
const char* FirstLayerWithMode(const SortCondition& r, NamingMode mode) {
    if (r.binderMode == mode) return kKeyBinder;
    if (r.indexMode == mode) return kKeyIndex;
    if (r.tagMode == mode) return kKeyTag;
    return nullptr;
}

// DIVSET.ini keeps no FAX-CHECK, DATETYPE or DATEWEEK: rebuild them from the
// stored layer names.
void MigrateFromDivset(const ProfileReader& source, SortCondition* r) {
    const int32_t kind = NormalizeKind(r->kind);
    const char* main = MainSection(kind);
    if (kind != kScanner) {
        const NamingMode listMode =
            kind == kFaxReceive ? naming::kFaxInfoList : naming::kSendInfoList;
        if (const char* key = FirstLayerWithMode(*r, listMode))
            ReadValue(source, main, key, "", r->faxCheckText, sizeof r->faxCheckText);
        if (kind == kFaxReceive)
            ConvertFaxSelection(ToRecord, r->faxCheck, r->faxSeq, r->faxCheckText,
                                sizeof r->faxCheckText);
        else
            ConvertSendSelection(ToRecord, r->faxCheck, r->faxSeq, r->faxCheckText,
                                 sizeof r->faxCheckText);
    }

    const NamingMode dateMode = kind == kFaxReceive ? naming::kFaxDate : naming::kScannerDate;
    char stored[MAX_PATH] = {};
    if (const char* key = FirstLayerWithMode(*r, dateMode))
        ReadValue(source, main, key, "", stored, sizeof stored);
    const char* week = "@DATE-YMW";
    if (stored[0] == '\0')
        CopyText(r->dateTypeText, sizeof r->dateTypeText, "@DATE-YMD");
    else if (StartsWith(stored, week))
        CopyText(r->dateTypeText, sizeof r->dateTypeText, week);
    else if (std::strstr(stored, week) != nullptr)
        CopyText(r->dateTypeText, sizeof r->dateTypeText, "@DATE-YMD");
    else
        CopyText(r->dateTypeText, sizeof r->dateTypeText, stored);
    ConvertDateType(ToRecord, &r->dateType, r->dateTypeText, sizeof r->dateTypeText);
    if (r->dateType == 2) {
        CopyText(r->dateWeekText, sizeof r->dateWeekText, stored);
        ConvertDateWeek(ToRecord, &r->dateWeek, r->dateWeekText, sizeof r->dateWeekText);
    }
}

// Every text field ends within its capacity, whatever the caller put there.
void TerminateTexts(SortCondition* r) {
    r->path[sizeof r->path - 1] = '\0';
    r->libraryText[sizeof r->libraryText - 1] = '\0';
    r->cabinetText[sizeof r->cabinetText - 1] = '\0';
    r->binderText[sizeof r->binderText - 1] = '\0';
    r->indexText[sizeof r->indexText - 1] = '\0';
    r->tagText[sizeof r->tagText - 1] = '\0';
    r->faxSeqText[sizeof r->faxSeqText - 1] = '\0';
    r->faxCheckText[sizeof r->faxCheckText - 1] = '\0';
    r->dateTypeText[sizeof r->dateTypeText - 1] = '\0';
    r->dateWeekText[sizeof r->dateWeekText - 1] = '\0';
}

// A path too long for a condition file cannot name one.
bool HasOwnFile(const char* path) { return std::strlen(path) < MAX_PATH && IsFile(path); }

// Fills r from source, the condition's own file or (fromDivset) DIVSET.ini;
// an empty source gives the defaults.
void ReadFromSource(const char* path, const ProfileReader& source, bool fromDivset, int32_t kind,
                    SortCondition& r) {
    CopyText(r.path, sizeof r.path, path);
    r.kind = kind;

    const ConditionValues d = LoadReadDefaults(kind);
    const char* main = MainSection(kind);
    const char* use = UseSection(kind);
    const bool send = NormalizeKind(kind) == kFaxSend;

    ReadValue(source, main, kKeyLibrary, d.library.c_str(), r.libraryText, sizeof r.libraryText);
    ReadValue(source, main, kKeyCabinet, d.cabinet.c_str(), r.cabinetText, sizeof r.cabinetText);
    ReadValue(source, main, kKeyBinder, d.binder.c_str(), r.binderText, sizeof r.binderText);
    ReadValue(source, main, kKeyIndex, d.index.c_str(), r.indexText, sizeof r.indexText);
    ReadValue(source, main, kKeyTag, d.tag.c_str(), r.tagText, sizeof r.tagText);

    char scratch[MAX_PATH];
    ReadValue(source, use, kKeyLibrary, d.libraryUse.c_str(), scratch, sizeof scratch);
    ConvertUseFlag(ToRecord, &r.libraryUse, scratch, sizeof scratch);
    ReadValue(source, use, kKeyCabinet, d.cabinetUse.c_str(), scratch, sizeof scratch);
    ConvertUseFlag(ToRecord, &r.cabinetUse, scratch, sizeof scratch);
    ReadValue(source, use, kKeyBinder, d.binderUse.c_str(), scratch, sizeof scratch);
    ConvertUseFlag(ToRecord, &r.binderUse, scratch, sizeof scratch);
    ReadValue(source, use, kKeyIndex, d.indexUse.c_str(), scratch, sizeof scratch);
    ConvertUseFlag(ToRecord, &r.indexUse, scratch, sizeof scratch);
    ReadValue(source, use, kKeyTag, d.tagUse.c_str(), scratch, sizeof scratch);
    ConvertUseFlag(ToRecord, &r.tagUse, scratch, sizeof scratch);

    ReadValue(source, main, kKeyPosition, d.position.c_str(), scratch, sizeof scratch);
    ConvertPosition(ToRecord, &r.position, scratch, sizeof scratch);

    char orderDefault[kFaxListTextSize] = {};
    if (send)
        DefaultSendOrderText(orderDefault, sizeof orderDefault);
    else
        DefaultFaxOrderText(orderDefault, sizeof orderDefault);
    const char* listSection = FaxListSection(kind);
    ReadValue(source, listSection, kKeyFaxSeq, orderDefault, r.faxSeqText, sizeof r.faxSeqText);
    if (send)
        ConvertSendOrder(ToRecord, r.faxSeq, r.faxSeqText, sizeof r.faxSeqText);
    else
        ConvertFaxOrder(ToRecord, r.faxSeq, r.faxSeqText, sizeof r.faxSeqText);
    ReadValue(source, listSection, kKeyFaxCheck, d.faxCheck.c_str(), r.faxCheckText,
              sizeof r.faxCheckText);
    if (send)
        ConvertSendSelection(ToRecord, r.faxCheck, r.faxSeq, r.faxCheckText, sizeof r.faxCheckText);
    else
        ConvertFaxSelection(ToRecord, r.faxCheck, r.faxSeq, r.faxCheckText, sizeof r.faxCheckText);

    ReadValue(source, main, kKeyDateType, d.dateType.c_str(), r.dateTypeText,
              sizeof r.dateTypeText);
    ConvertDateType(ToRecord, &r.dateType, r.dateTypeText, sizeof r.dateTypeText);
    ReadValue(source, main, kKeyDateWeek, d.dateWeek.c_str(), r.dateWeekText,
              sizeof r.dateWeekText);
    ConvertDateWeek(ToRecord, &r.dateWeek, r.dateWeekText, sizeof r.dateWeekText);

    ConvertFixedName(ToRecord, &r);
    ConvertBinderName(ToRecord, &r);
    ConvertIndexName(ToRecord, &r);
    ConvertTagName(ToRecord, &r);

    if (fromDivset) MigrateFromDivset(source, &r);
}

}  // namespace

int32_t ReadCondition(const char* path, int32_t kind, SortCondition* record) {
    VORDA_PHASE(kPhaseIniReads);
    if (path == nullptr || record == nullptr) return 0;
    char source[MAX_PATH] = {};
    const bool fromDivset = !HasOwnFile(path);
    if (!fromDivset) {
        CopyText(source, sizeof source, path);
    } else {
        char folder[MAX_PATH] = {};
        if (GetAppPath(folder)) MakeConditionPath(kind, kSelectDivset, folder, source);
    }
    ReadFromSource(path, ProfileReader(source), fromDivset, kind, *record);
    return 1;
}

int32_t ReadConditionIn(const char* appFolder, const char* path, int32_t kind,
                        SortCondition* record) {
    VORDA_PHASE(kPhaseIniReads);
    if (appFolder == nullptr || path == nullptr || record == nullptr) return 0;
    char source[MAX_PATH] = {};
    const bool fromDivset = !HasOwnFile(path);
    if (!fromDivset)
        CopyText(source, sizeof source, path);
    else
        MakeConditionPath(kind, kSelectDivset, appFolder, source);
    ReadFromSource(path, ProfileReader(source), fromDivset, kind, *record);
    return 1;
}

int32_t ReadConditionFrom(const ProfileReader& file, const char* appFolder, int32_t kind,
                          SortCondition* record) {
    if (appFolder == nullptr || record == nullptr) return 0;
    const char* path = file.path();
    // A file read into memory exists and is no folder.
    const bool own = file.inMemory() ? std::strlen(path) < MAX_PATH : HasOwnFile(path);
    if (own) {
        ReadFromSource(path, file, false, kind, *record);
        return 1;
    }
    char source[MAX_PATH] = {};
    MakeConditionPath(kind, kSelectDivset, appFolder, source);
    ReadFromSource(path, ProfileReader::InMemory(source), true, kind, *record);
    return 1;
}

int32_t WriteCondition(SortCondition* record) {
    VORDA_PHASE(kPhaseWrites);
    if (record == nullptr) return 0;
    TerminateTexts(record);
    if (record->path[0] == '\0') return 0;
    ConvertToFileForm(record);
    return WriteIniFile(record->path, ConditionFileEntries(*record));
}

int32_t WriteCurrentCondition(const char* divsetPath, SortCondition* record) {
    VORDA_PHASE(kPhaseWrites);
    if (divsetPath == nullptr || divsetPath[0] == '\0' || record == nullptr) return 0;
    TerminateTexts(record);
    ConvertNamesToFileForm(record);
    return WriteIniFile(divsetPath, DivsetEntries(*record));
}

int32_t WriteTemplateCondition(int32_t kind, const char* path, int32_t templateNumber) {
    VORDA_PHASE(kPhaseWrites);
    if (path == nullptr || path[0] == '\0') return 0;
    return WriteIniFile(path, TemplateEntries(kind, templateNumber));
}
