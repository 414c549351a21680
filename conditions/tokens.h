// The naming tokens of condition values and the converters between a stored
// value and the fields of a SortCondition. Every converter takes the
// direction first (ToRecord or ToFile) and returns 1 when it did its work;
// in direction ToRecord the value converters return 0 and change nothing
// when the text is empty. Stored texts are written into caller buffers of
// textSize bytes (NUL included) and never past them.
#pragma once
#include <cstddef>
#include <cstdint>

#include "conditions/sort_condition.h"

// Information tokens by item index.
extern const char* const kFaxItemTokens[kFaxItemCount];    // "@FAX-TSI" .. "@FAX-PORT"
extern const char* const kSendItemTokens[kSendItemCount];  // "@TX-USER", "@TX-SECTION"

// Naming-mode codes per kind (the row of the choice in the page's list).
namespace naming {
constexpr NamingMode kButton = 0;
constexpr NamingMode kScannerDate = 1, kScannerTime = 2;
constexpr NamingMode kFaxInfoList = 1, kFaxDate = 2, kFaxTime = 3;
constexpr NamingMode kSendDate = 1, kSendDestination = 2, kSendInfoList = 3, kSendMode = 4,
                     kSendTime = 5;
}  // namespace naming

// The stored text of a use flag ("@OFF" for 0, else "@ON") and of a position
// ("@FRONT" for 0, else "@BACK").
const char* UseFlagText(int32_t flag);
const char* PositionText(int32_t position);

// flag := 0 for "@OFF" (any case), else 1 / text := "@ON" or "@OFF".
int ConvertUseFlag(int direction, int32_t* flag, char* text, size_t textSize);
// position := 0 for "@FRONT" (any case), else 1 / text := "@FRONT" or "@BACK".
int ConvertPosition(int direction, int32_t* position, char* text, size_t textSize);
// "@DATE-YMW" 2, "@DATE-YM" 1 (whole word, any case), else 0 / and back.
int ConvertDateType(int direction, int32_t* dateType, char* text, size_t textSize);
// "@DATE-YMW-MON" 1 ... "@DATE-YMW-SAT" 6 (any case), else 0 / and back.
int ConvertDateWeek(int direction, int32_t* dateWeek, char* text, size_t textSize);

// Library and cabinet names are always fixed text: no change either way.
int ConvertFixedName(int direction, SortCondition* record);
// Layer names: ToRecord sets the layer's mode from its stored text and puts
// the token's caption in place of a token; ToFile puts the stored text for
// the mode in place (mode -1 and modes the kind and layer do not have leave
// the text unchanged). Both work in place on the record.
int ConvertBinderName(int direction, SortCondition* record);
int ConvertIndexName(int direction, SortCondition* record);
int ConvertTagName(int direction, SortCondition* record);

// FAX receive order: positions[6] <-> list of tokens in position order.
// ToFile appends to text (the caller clears it first). ToRecord reads the
// style from VordaGetStyle: style 1 knows only items 0, 4 and 5.
int ConvertFaxOrder(int direction, int32_t* positions, char* text, size_t textSize);
// FAX receive selection: ToFile appends the selected tokens in position
// order (ListSeparator alone when none); ToRecord sets selection only.
int ConvertFaxSelection(int direction, int32_t* selection, const int32_t* positions, char* text,
                        size_t textSize);
// The same for the two FaxSend items.
int ConvertSendOrder(int direction, int32_t* positions, char* text, size_t textSize);
int ConvertSendSelection(int direction, int32_t* selection, const int32_t* positions, char* text,
                         size_t textSize);

// Appends token and ListSeparator when both fit; returns 1, else 0 and the
// text is unchanged.
int AppendListItem(char* text, size_t textSize, const char* token);
// Append the six FaxReceive tokens / the two FaxSend tokens in item order,
// each with ListSeparator: the read defaults of FAX-SEQ.
void DefaultFaxOrderText(char* text, size_t textSize);
void DefaultSendOrderText(char* text, size_t textSize);
