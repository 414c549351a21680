// What each file of the sort-condition store receives from a record, as the
// ordered entries the writer applies (base/ini_writer.h): a condition file,
// the kind's part of DIVSET.ini and a template file. The record is brought
// to file form first; the entries then only read its fields.
#pragma once
#include <cstdint>

#include "base/ini_writer.h"
#include "conditions/sort_condition.h"

// Brings record to file form in place: for the FAX kinds FAX-SEQ and
// FAX-CHECK formatted anew from the item arrays, DATETYPE and DATEWEEK from
// the date fields, then the three layer names (which copy those texts).
// Converting a record already in file form gives the same texts.
void ConvertToFileForm(SortCondition* record);

// Only the three layer names, with the date and selection texts as they
// stand (what DIVSET.ini keeps).
void ConvertNamesToFileForm(SortCondition* record);

// The condition file of record (file form): the use section's five flags,
// then the main section's POSITION, FAX-SEQ and FAX-CHECK (FAX kinds only),
// DATETYPE, DATEWEEK and the five names.
IniEntries ConditionFileEntries(const SortCondition& record);

// The kind's part of DIVSET.ini: its "CONFIG_INI" key naming record's path,
// the use section's five flags, the main section's POSITION and five names.
IniEntries DivsetEntries(const SortCondition& record);

// Template 1, 2 or 3 of kind (any other number is 3) from the string table:
// the main section's five names, POSITION, DATETYPE, DATEWEEK, FAX-SEQ and
// FAX-CHECK (FAX kinds only), then the use section's five flags.
IniEntries TemplateEntries(int32_t kind, int32_t templateNumber);
