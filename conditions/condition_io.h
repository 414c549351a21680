// Moving a sort condition between its record and its files: the condition's
// own INI file, the working copy in DIVSET.ini, and the template files.
#pragma once
#include <cstdint>

#include "conditions/sort_condition.h"

// Fills record from the condition file at path for kind; when that file does
// not exist, from the kind's copy in DIVSET.ini of the application folder,
// rebuilding the FAX selection and date values from the stored names. Keys
// that are missing or empty take the string-table defaults; values are cut
// to their fields. Fields that no key feeds keep the caller's values. The
// record's path becomes path. Returns 0 only when path is null.
int32_t ReadCondition(const char* path, int32_t kind, SortCondition* record);

// ReadCondition with the application folder given: a condition whose file
// is gone is read from DIVSET.ini of appFolder, and nothing is looked up
// (or shown). Returns 0 only when an argument is null.
int32_t ReadConditionIn(const char* appFolder, const char* path, int32_t kind,
                        SortCondition* record);

// Writes record to the file its path names, use section first. Converts the
// record to file form in place. Returns 0 without writing when the path is
// empty, else 1 (a failed write is not reported).
int32_t WriteCondition(SortCondition* record);

// Records record as the condition in force of its kind in the DIVSET.ini
// file divsetPath ("CONFIG_INI") with a copy of its use flags, position and
// names. Converts the names to file form in place; the date and FAX
// selection texts are used as they stand. Returns 1 (0 when divsetPath or
// record is null or the path empty).
int32_t WriteCurrentCondition(const char* divsetPath, SortCondition* record);

// Writes template 1, 2 or 3 of kind (any number but 1 and 2 is 3) from the
// string table to path, main section first. Returns 1 (0 for a null or
// empty path).
int32_t WriteTemplateCondition(int32_t kind, const char* path, int32_t templateNumber);
