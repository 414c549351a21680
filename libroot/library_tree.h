// The library tree on disk lists itself: every folder holds a "folder.ini"
// whose lists name its child folders. These functions read those lists for
// the condition pages' library, cabinet and binder boxes.
#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "conditions/list_utils.h"

// Size of the buffer each "folder.ini" list is read into; longer lists are
// cut there.
constexpr DWORD kFolderListSize = 1024;

// out (260 bytes) := folder, "\" and "folder.ini" (no check for a trailing
// backslash). Empty when it would not fit in 260 bytes.
void MakeFolderIniPath(const char* folder, char* out);

// The parsed entries of "FolderInfo"/"NameList" of the "folder.ini" at
// iniPath (libraries of a LibRoot folder, cabinets of a library), in list
// order. A missing file or key gives no entries. Returns 0, or the nonzero
// result of splitting.
int32_t ReadFolderEntries(const char* iniPath, EntryArray* entries);

// The parsed binder entries of the cabinet libRoot\library\cabinet, in
// position order; only folders the binder query answers 1 for are listed.
// Returns 0, or -1 when memory ran out (the entries built so far stay).
int32_t ReadBinderEntries(const char* libRoot, const char* library, const char* cabinet,
                          EntryArray* entries);

// Lists read from the tree, kept for as long as their owner wants the same
// lists read again (the sheet, while it starts or commits its three
// condition pages): each "folder.ini" list and each cabinet's binders are
// then read once, with the result code of the first reading.
struct TreeListCache {
    std::map<std::string, std::pair<int32_t, EntryArray>> folders;  // by "folder.ini" path
    std::map<std::string, std::pair<int32_t, EntryArray>> binders;  // by cabinet folder
};

// Fills combo box comboId of dialog with the shown texts of the NameList at
// iniPath, each text once (as the box compares, any letter case), in list
// order; (*numbers)[row] receives the largest folder number listed for the
// row's text, or -1 when it has none. numbers grows with the rows, however
// many the list holds; it may be null.
// Returns 1 when filled, 0 when iniPath is null or empty, or the nonzero
// result of the list parsing (the box is then left untouched). With a
// cache, a list it holds is not read again.
int32_t FillComboFromNameList(HWND dialog, int comboId, const char* iniPath,
                              std::vector<int32_t>* numbers, TreeListCache* cache = nullptr);

// Fills combo box comboId of dialog with the string-table texts of ids, in
// order. Always returns 1.
int32_t FillComboFromStringIds(HWND dialog, int comboId, const UINT* ids, int32_t count);

// Appends to combo box comboId of dialog the shown texts of the cabinet's
// binders (libRoot\library\cabinet) in position order, leaving out the
// temporary binder (string 4576, compared byte for byte) and texts the box
// holds already. Returns the result of ReadBinderEntries. With a cache, a
// cabinet it holds is not read again.
int32_t AppendBinderList(HWND dialog, int comboId, const char* libRoot, const char* library,
                         const char* cabinet, TreeListCache* cache = nullptr);
