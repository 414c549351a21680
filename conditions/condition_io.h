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

// ReadConditionIn of file's path, its values taken from file: the same
// record, read in one pass when file was read into memory.
class ProfileReader;
int32_t ReadConditionFrom(const ProfileReader& file, const char* appFolder, int32_t kind,
                          SortCondition* record);

// Writes record to the file its path names, use section first; keys of the
// file that a condition does not write stay as they are. Converts the record
// to file form in place. Returns 1 when the file holds the record; 0 when
// the path is empty (nothing written) or the file could not be written (it
// is then as it was).
int32_t WriteCondition(SortCondition* record);

// Records record as the condition in force of its kind in the DIVSET.ini
// file divsetPath ("CONFIG_INI") with a copy of its use flags, position and
// names; the other kinds' parts stay as they are. Converts the names to file
// form in place; the date and FAX selection texts are used as they stand.
// Returns 1 when DIVSET.ini holds them; 0 when divsetPath or record is null
// or divsetPath empty, or the file could not be written (it is then as it
// was).
int32_t WriteCurrentCondition(const char* divsetPath, SortCondition* record);

// Writes template 1, 2 or 3 of kind (any number but 1 and 2 is 3) from the
// string table to path, main section first. Returns 1 when written; 0 for a
// null or empty path or when the file could not be written (it is then as
// it was).
int32_t WriteTemplateCondition(int32_t kind, const char* path, int32_t templateNumber);
