// Splitting of stored lists, and the entries that a "folder.ini" NameList
// becomes: built, parsed for their markers, ordered and released here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Appends the pieces of text, split at every occurrence of separator, to
// list. A separator at the end gives no empty last piece; two separators in
// a row give an empty piece; a text not longer than the separator gives no
// piece. Occurrences are looked for at character starts only (a trail byte
// never begins a separator). Returns 0, or -1 when memory ran out (the
// pieces appended so far stay).
int32_t SplitList(const char* text, const char* separator, std::vector<std::string>* list);

// One element of a NameList.
struct ListEntry {
    std::string text;        // the element as read (binders: title and subtitle)
    std::string name;        // name part, set by ParseEntryName
    std::string fullText;    // text before the "%" or "#" marker, set by ParseEntryName
    int32_t hasPercent = 0;  // the entry has a kept "%" marker
    int32_t hasDollar = 0;   // the entry has a "$" marker
    int32_t hasNumber = 0;   // the entry ends in "#" and digits
    int32_t number = 0;      // value of those digits (0 when none)
    std::string folderName;  // binders: folder name from "BinderInfo"/"NameList"
    int32_t position = 0;    // binders: value of the matching "BinderInfo"/"PosList" element
};

// The owner's ordered entries; emptied by ReleaseEntries.
typedef std::vector<ListEntry> EntryArray;

// Splits listText at "," and appends one entry per piece (entry text only).
// Returns the result of SplitList; when it is not 0 nothing is appended.
int32_t BuildNameEntries(const char* listText, EntryArray* entries);

// Builds the binder entries of a cabinet: the i-th folder name pairs with
// the i-th position (extra elements of the longer list are ignored); each
// binder folder is asked with GetBinderInfo, and only the binders it answers
// 1 for are kept, in position order (an equal position goes before the
// binders already there). Returns 0, or -1 when memory ran out (the entries
// built so far stay).
int32_t BuildBinderEntries(const char* cabinetFolder, const std::vector<std::string>& folderNames,
                           const std::vector<std::string>& positions, EntryArray* entries);

// Sets name, full text, marker flags and number from the entry text by the
// marker rules of "folder.ini" entries (see the .cpp). Always returns 0.
int32_t ParseEntryName(ListEntry* entry);

// The text a list shows for a parsed entry: the full text when it has a "$"
// marker, else the name, followed by "%" when it has a "%" marker.
std::string EntryShownText(const ListEntry& entry);

// Destroys every entry and leaves the array empty.
void ReleaseEntries(EntryArray* entries);

// Value of the leading decimal digits of text (0 when there are none),
// saturated at the largest int32.
int32_t LeadingNumber(const char* text);
