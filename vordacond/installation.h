// Where VordaCond works: the application folder with its condition files
// and DIVSET.ini, looked up quietly (a console program shows no message
// box), and the conditions of each kind as the options sheet lists them.
#pragma once
#include <string>
#include <vector>

#include "conditions/sort_condition.h"

// The application folder: override when it is not empty, else the App Paths
// entry of the application. false, with *error saying why, when there is
// none or it is not a folder.
bool FindApplicationFolder(const std::string& override, std::string* folder, std::string* error);

// One condition of the catalogue.
struct ConditionEntry {
    int kind = 0;
    std::string name;  // as listed (the file's own spelling)
    std::string path;  // its file in the application folder
    bool isTemplate = false;
    bool hasFile = false;  // false: a template not yet written, or a condition
                           // in force whose file is gone (read from DIVSET.ini)
    bool inForce = false;
    bool pathTooLong = false;  // path does not fit the 259 bytes of a path:
                               // the condition cannot be read or written
};

// "the path has N bytes; a path holds at most 259".
std::string TooLongText(const std::string& path);

// The conditions of kind in folder: the three templates first, then the
// user conditions in the order of enumeration, and the condition in force
// when its file is gone. Writes nothing.
std::vector<ConditionEntry> ListCatalogue(int kind, const std::string& folder);

// The entry named name (any letter case), or null.
const ConditionEntry* FindEntry(const std::vector<ConditionEntry>& entries,
                                const std::string& name);

// The condition of entry as the sheet reads it: from its file; from DIVSET.ini
// of folder when its file is gone; a template not yet written from the
// values the sheet would write for it. Writes nothing in folder.
void ReadEntry(const ConditionEntry& entry, const std::string& folder, SortCondition* record);
// ReadEntry with the entry's file as file has read it.
class ProfileReader;
void ReadEntry(const ConditionEntry& entry, const std::string& folder, const ProfileReader& file,
               SortCondition* record);

// The path DIVSET.ini of folder records for kind; "" when it records none.
std::string RecordedConditionPath(int kind, const std::string& folder);

// The path of name's file of kind in folder ("" when it would not fit).
std::string ConditionFilePath(int kind, const std::string& folder, const std::string& name);

struct PlannedWrite;
// Adds to planned a "write" of every template file of kind that folder
// lacks, as listing the kind would write them.
void PlanMissingTemplates(int kind, const std::string& folder, std::vector<PlannedWrite>* planned);
