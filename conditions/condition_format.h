// The condition file and DIVSET.ini layouts: file names, section and key
// names per kind, quoted values, and the template values kept in the string
// table.
#pragma once
#include <cstdint>
#include <string>

#include "base/ini_writer.h"
#include "conditions/sort_condition.h"

// Names that differ by kind (any kind other than 0 and 1 is FaxSend).
const char* MainSection(int kind);  // "SCANNER", "FAX-RX", "FAX-TX"
const char* UseSection(int kind);   // "SCANNER_USE", "FAX-RX_USE", "FAX-TX_USE"
const char* DivsetKey(int kind);    // "SCAN", "FAX", "SNDFAX"
char KindPrefix(int kind);          // 's', 'f', 'n'

extern const char kDivsetFileName[];  // "DIVSET.ini"
extern const char kDivsetSection[];   // "CONFIG_INI"

// The keys of condition files and of DIVSET.ini's kind parts.
extern const char kKeyLibrary[];   // "LIBRARY"
extern const char kKeyCabinet[];   // "CABINET"
extern const char kKeyBinder[];    // "BINDER"
extern const char kKeyIndex[];     // "INDEX"
extern const char kKeyTag[];       // "TAG"
extern const char kKeyPosition[];  // "POSITION"
extern const char kKeyFaxSeq[];    // "FAX-SEQ"
extern const char kKeyFaxCheck[];  // "FAX-CHECK"
extern const char kKeyDateType[];  // "DATETYPE"
extern const char kKeyDateWeek[];  // "DATEWEEK"

// The entry key="value": every value of a condition file and of DIVSET.ini
// stands in double quotes.
IniEntry QuotedEntry(const char* section, const char* key, const std::string& value);

// Writes key="value" under section of file (the value in double quotes), in
// place. The module's own files go through WriteIniFile instead. Returns the
// result of the private-profile write (nonzero = written).
int WriteQuotedValue(const char* section, const char* key, const char* value, const char* file);

// The text with every "," replaced by ListSeparator; other text unchanged.
std::string CommasToSeparator(const char* text);

// The values of one template condition (or the read defaults) as the string
// table holds them, lists already passed through CommasToSeparator where the
// kind asks for it. Each text holds at most 259 bytes, as LoadStringA gives.
struct ConditionValues {
    std::string library, cabinet, binder, index, tag, position;
    std::string libraryUse, cabinetUse, binderUse, indexUse, tagUse;
    std::string dateType, dateWeek, faxSeq, faxCheck;
};

// Template 1, 2 or 3 of kind (any number other than 1 and 2 is 3): the
// values WriteTemplateCondition writes.
ConditionValues LoadTemplateValues(int kind, int templateNumber);

// The defaults ReadCondition uses for a missing or empty key: template 1,
// except that FaxSend's DATETYPE and DATEWEEK defaults are the (empty) texts
// 4559 and 4562 and Scanner has no FAX-CHECK default. FAX-SEQ is not in the
// string table for reading (DefaultFaxOrderText / DefaultSendOrderText).
ConditionValues LoadReadDefaults(int kind);

// String-table id of the name of template 1, 2 or 3 of kind, and that name.
unsigned TemplateNameId(int kind, int templateNumber);
std::string TemplateName(int32_t kind, int32_t templateNumber);

// Selectors of MakeConditionPath.
enum ConditionPathSelector : int32_t {
    kSelectDivset = 0,     // "DIVSET.ini"
    kSelectTemplate1 = 1,  // template files 1..3 of the kind
    kSelectTemplate2 = 2,
    kSelectTemplate3 = 3,
    kSelectWildcard = 4,  // "s*.ini", "f*.ini", "n*.ini"
};

// out (260 bytes) := folder, "\" and the file the selector names; any other
// selector gives the folder and "\" only. A null folder leaves out as it is;
// a result that would not fit in 260 bytes leaves out empty.
void MakeConditionPath(int32_t kind, int32_t selector, const char* folder, char* out);

// out (260 bytes) := folder, "\", the kind's prefix letter, name and ".INI";
// empty when it would not fit. Returns 1 when formed, else 0.
int32_t MakeUserConditionPath(int32_t kind, const char* folder, const char* name, char* out);

// name (260 bytes) := the file name of path without its first character
// and its extension (from the last "."); empty when path has no file name.
void ConditionNameFromPath(const char* path, char* name);

// 1 when name is one of the nine template names (any letter case).
int32_t IsTemplateName(const char* name);
