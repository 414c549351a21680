// The catalogue of condition files of one kind in the application folder:
// file naming, listing (templates first, missing templates recreated), the
// condition in force from DIVSET.ini, and deleting. Nothing here touches a
// window; the pages fill their controls from the names returned.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "conditions/condition_format.h"
#include "conditions/sort_condition.h"

// 1 when the condition file of kind and name exists in the application
// folder (GetAppPath, which tells the user when the folder is unknown).
int32_t ConditionExists(int32_t kind, const char* name);

// The names of the kind's conditions in folder: the three template names
// first, in template order, then every other matching file in the order of
// enumeration. Template files that are missing are written afresh from the
// string table. An empty folder (the application folder is unknown) gives
// the template names alone and writes nothing. Returns 1 (also when a
// template file could not be written), or 0 when folder or names is null.
int32_t ListConditions(int32_t kind, const char* folder, std::vector<std::string>* names);

// The same names without writing anything: templatePresent (three flags, may
// be null) tells which template files exist. Returns 1, or 0 when folder or
// names is null.
int32_t FindConditions(int32_t kind, const char* folder, std::vector<std::string>* names,
                       bool* templatePresent);

// The condition files of all three kinds in one folder, found in one pass
// over it: for each kind what FindConditions gives.
struct ConditionListing {
    bool listed = false;
    std::string folder;                 // the folder the pass went over
    std::vector<std::string> names[3];  // by kind
    bool templatePresent[3][3] = {};    // by kind, then template
};

// Lists folder for the three kinds at once into listing. Returns 1, or 0
// when folder or listing is null.
int32_t ListAllConditions(const char* folder, ConditionListing* listing);

// ListConditions from listing, which is made first when it holds no pass
// over folder yet: the names of kind, and the missing template files of kind
// written afresh. A pass taken before serves each kind as well as a pass of
// its own, as long as no other writer adds or removes condition files
// meanwhile. Returns 1, or 0 when an argument is null.
int32_t ListConditionsFrom(int32_t kind, const char* folder, ConditionListing* listing,
                           std::vector<std::string>* names);

// name (260 bytes) := the name of the condition in force of kind: the file
// DIVSET.ini of folder records ("CONFIG_INI"), or template 1 when it records
// none or an empty path.
void CurrentConditionName(int32_t kind, const char* folder, char* name);

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

// 1 when the condition of kind named name in folder is the one DIVSET.ini of
// folder records for kind (paths compared without regard to case).
int32_t IsCurrentCondition(int32_t kind, const char* folder, const char* name);

// Deletes the file of the condition of kind named name in folder, unless the
// name is a template's (then -1). A failed delete is not reported: 1.
int32_t DeleteConditionFile(int32_t kind, const char* folder, const char* name);

// Deletes the condition at row index of names: a template is never deleted
// (returns -1, nothing changes). Otherwise the file is deleted (a failure is
// not reported), the name leaves the list, and the row to select next is
// returned: the row that followed it, or 0 (template 1) when it was last.
int32_t DeleteCondition(int32_t kind, const char* folder, std::vector<std::string>* names,
                        int32_t index);

// Records record as the condition in force in DIVSET.ini of folder
// (WriteCurrentCondition). Returns 1 when written; 0 when folder or record
// is null or DIVSET.ini could not be written (it is then as it was).
int32_t RecordCurrentCondition(const char* folder, SortCondition* record);
