// The sort condition: the rule that says how an imported document is filed,
// as one plain record of fixed-size fields. All texts are NUL-terminated byte
// strings in the ANSI code page; every capacity below includes the NUL.
#pragma once
#include <cstddef>
#include <cstdint>

// Where a document comes from; selects the file prefix letter, the INI
// sections, the DIVSET.ini key, the page and its templates. Every value other
// than 0 and 1 is treated as FaxSend.
enum ConditionKind : int32_t { kScanner = 0, kFaxReceive = 1, kFaxSend = 2 };

// 0 Scanner, 1 FaxReceive, 2 for every other value.
inline int32_t NormalizeKind(int32_t kind) {
    return (kind == kScanner || kind == kFaxReceive) ? kind : kFaxSend;
}

// First argument of every value converter.
enum ConvertDirection : int32_t {
    ToRecord = 0,  // stored text -> record fields
    ToFile = 1,    // record fields -> stored text
};

// How a binder, index or sticky-note name is formed: the row of the naming
// choice in the kind's list of choices, or kFixedName for a typed name.
typedef int32_t NamingMode;
constexpr NamingMode kFixedName = -1;

// Ends every item of a token list inside a stored value (CAN, EM).
constexpr char ListSeparator[] = "\x18\x19";
constexpr size_t kListSeparatorLength = 2;

// Number of information items of each kind.
constexpr int kFaxItemCount = 6;   // FaxReceive
constexpr int kSendItemCount = 2;  // FaxSend (first two slots of the arrays)

constexpr size_t kConditionPathSize = 260;
constexpr size_t kLibraryTextSize = 44;
constexpr size_t kCabinetTextSize = 36;
constexpr size_t kBinderTextSize = 100;
constexpr size_t kIndexTextSize = 104;
constexpr size_t kTagTextSize = 104;
constexpr size_t kFaxListTextSize = 100;
constexpr size_t kDateTextSize = 20;

struct SortCondition {
    char path[kConditionPathSize];  // full path of the condition's own INI file
    int32_t kind;                   // ConditionKind
    int32_t libraryUse;             // 1 = layer used
    int32_t libraryMode;            // never set by the store; the pages keep 0
    char libraryText[kLibraryTextSize];
    int32_t cabinetUse;
    int32_t cabinetMode;  // as libraryMode
    char cabinetText[kCabinetTextSize];
    int32_t binderUse;
    NamingMode binderMode;
    char binderText[kBinderTextSize];  // fixed name, caption (record form) or token (file form)
    int32_t indexUse;
    NamingMode indexMode;
    char indexText[kIndexTextSize];
    int32_t tagUse;
    NamingMode tagMode;
    char tagText[kTagTextSize];
    int32_t position;               // 0 = front ("@FRONT"), 1 = back ("@BACK")
    int32_t faxSeq[kFaxItemCount];  // list position of each information item
    char faxSeqText[kFaxListTextSize];
    int32_t faxCheck[kFaxItemCount];  // 1 = item selected
    char faxCheckText[kFaxListTextSize];
    int32_t dateType;  // 0 YMD, 1 YM, 2 YMW
    char dateTypeText[kDateTextSize];
    int32_t dateWeek;  // first weekday of "@DATE-YMW": 0 Sunday .. 6 Saturday
    char dateWeekText[kDateTextSize];
};
