// The catalogue of condition files of one kind in the application folder:
// file naming, listing (templates first, missing templates recreated), the
// condition in force from DIVSET.ini, and deleting. Nothing here touches a
// window; the pages fill their controls from the names returned.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "conditions/sort_condition.h"

// Selectors of MakeConditionPath.
enum ConditionPathSelector : int32_t {
    kSelectDivset = 0,     // "DIVSET.ini"
    kSelectTemplate1 = 1,  // template files 1..3 of the kind
    kSelectTemplate2 = 2,
    kSelectTemplate3 = 3,
    kSelectWildcard = 4,   // "s*.ini", "f*.ini", "n*.ini"
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

// 1 when the condition file of kind and name exists in the application
// folder (GetAppPath, which tells the user when the folder is unknown).
int32_t ConditionExists(int32_t kind, const char* name);

// 1 when name is one of the nine template names (any letter case).
int32_t IsTemplateName(const char* name);

// The names of the kind's conditions in folder: the three template names
// first, in template order, then every other matching file in the order of
// enumeration. Template files that are missing are written afresh from the
// string table. Returns 1, or 0 when folder or names is null.
int32_t ListConditions(int32_t kind, const char* folder, std::vector<std::string>* names);

// The condition in force of kind: the path DIVSET.ini of folder records
// ("CONFIG_INI"), or template 1 when it records none. Its name is looked up
// in names (any letter case) and appended when missing; *selected receives
// its row. Then the condition is read into record (from the DIVSET.ini copy
// when its file is gone). Returns 1, or 0 when an argument is null.
int32_t LoadCurrentCondition(int32_t kind, const char* folder, std::vector<std::string>* names,
                             int32_t* selected, SortCondition* record);

// Reads the condition of kind named name in folder into record. Returns the
// result of ReadCondition (0 also when the path does not fit).
int32_t OpenCondition(int32_t kind, const char* folder, const char* name, SortCondition* record);

// 1 when name is the condition DIVSET.ini of folder records for kind (file
// names compared without regard to case).
int32_t IsCurrentCondition(int32_t kind, const char* folder, const char* name);

// Deletes the condition at row index of names: a template is never deleted
// (returns -1, nothing changes). Otherwise the file is deleted (a failure is
// not reported), the name leaves the list, and the row to select next is
// returned: the row that followed it, or 0 (template 1) when it was last.
int32_t DeleteCondition(int32_t kind, const char* folder, std::vector<std::string>* names,
                        int32_t index);

// Records record as the condition in force in DIVSET.ini of folder.
int32_t RecordCurrentCondition(const char* folder, SortCondition* record);
