// What validate and import find, one finding per problem: the file, the
// field and the message. Where the options sheet would refuse the same
// thing, the message is the sheet's own string-table text.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "conditions/sort_condition.h"

enum Severity { kError, kWarning };

struct Finding {
    Severity severity = kError;
    std::string file;   // full path of the file concerned
    std::string field;  // key, "[SECTION] KEY", or "name"
    std::string message;
};

class FindingList {
public:
    void Add(Severity severity, const std::string& file, const std::string& field,
             const std::string& message);
    const std::vector<Finding>& items() const { return items_; }
    int errors() const { return errors_; }
    int warnings() const { return warnings_; }

    // Plain text, one line each: "error: FILE: FIELD: message".
    void Print() const;

private:
    std::vector<Finding> items_;
    int errors_ = 0;
    int warnings_ = 0;
};

class JsonWriter;
// The findings as a member "findings" (an array) plus "errors" and "warnings".
void WriteFindings(const FindingList& findings, JsonWriter* json);

// The string-table text of id (messages longer than 260 bytes included).
std::string MessageText(unsigned id);

// The checks the sheet's rules make on a condition, and what the lenient
// read hides: the file as stored (when it exists), the name rules (user
// conditions only: a template keeps its reserved name), the layer-name and
// related-information rules of record. Errors only. Returns false when the
// file cannot be read whole (its record then holds defaults).
class ProfileReader;
bool CheckCondition(const ProfileReader& file, const std::string& name, bool isTemplate,
                    bool hasFile, int kind, const SortCondition& record, FindingList* out);

// The folder that folder's "folder.ini" lists under shown text name (any
// letter case), with "#" and its number as the sheet builds it; "" when the
// list does not hold the name.
std::string ListedChild(const std::string& folder, const char* name);

// What CheckAgainstTree has read of one LibRoot tree during a run, so that
// thousands of conditions naming the same libraries, cabinets and binders
// read each folder.ini once.
struct TreeNames {
    std::map<std::string, std::string> children;              // folder + "\n" + name
    std::map<std::string, std::vector<std::string>> binders;  // library + "\\" + cabinet
};

// Warnings for the used library and cabinet names and a fixed binder name of
// record that the tree of libRoot does not list: documents would be filed
// into a new folder. tree holds what earlier calls for the same libRoot read.
void CheckAgainstTree(const std::string& libRoot, const std::string& file,
                      const SortCondition& record, TreeNames* tree, FindingList* out);

// The settings INI as VordaCommon names it; false, with an error finding,
// when it cannot be named or does not exist.
bool FindSettingsIni(std::string* path, FindingList* out);

// The LibRoot folders of the settings INI, checked as the LibRoot folders
// page checks them on OK: the current one (the slot whose LinkFolder is
// CurrentFolder, else slot 1) reachable, outside the WorkArea, a folder a
// file can be created in; every slot's length and alias; every root in use
// not nested in another; aliases unique. Each slot's first failure is an
// error with the page's message.
void CheckLibRoots(const std::string& settingsIni, FindingList* out);

// DIVSET.ini of folder as a whole: an error when it is empty or lacks its
// section. Returns true when its entries can be checked (it exists and is
// neither).
bool CheckDivsetFile(const std::string& folder, FindingList* out);

// The kind's entry of DIVSET.ini: an error when it names no condition file
// of the kind, a name the sheet refuses, or when its copy differs from what
// the sheet records for the condition in force. entries: the kind's
// catalogue (ListCatalogue).
struct ConditionEntry;
void CheckDivsetKind(int kind, const std::string& folder,
                     const std::vector<ConditionEntry>& entries, FindingList* out);
