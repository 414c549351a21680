// The one writer of the module's INI files. A file is never changed in
// place: its entries are applied to a temporary copy in the same folder,
// which then replaces the file in one step (base/temp_files.h). A crash
// leaves the old file or the new one, never a mixture or an empty file.
#pragma once
#include <string>
#include <vector>

// One key of an INI file; the value is written as it stands (quotes
// included where the file keeps its values in quotes).
struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};
typedef std::vector<IniEntry> IniEntries;

// Writes entries, in their order, with WritePrivateProfileStringA to a copy
// of file (no copy when file does not exist yet), so that keys and sections
// not named keep their place and text, and puts the copy in file's place.
// A name without any path separator lies in the Windows folder, as for the
// private-profile calls. Each section and key should appear once.
// Returns 1 when file holds the entries. Returns 0 when entries is empty or
// the write cannot be made (file is a folder or read-only, its folder is
// gone or refuses new files, the disk is full): file is then as it was and
// no temporary is left behind.
int WriteIniFile(const char* file, const IniEntries& entries);

// Makes target a byte-for-byte copy of source the same way: a temporary
// copy beside target, then one replace. Returns 1, or 0 (target as it was,
// no temporary left) when source cannot be read or target not replaced.
int ReplaceWithCopy(const char* source, const char* target);

// The first half of ReplaceWithCopy, for a change of several files that are
// swapped in one after the other once all are staged: copies source to a new
// temporary beside target, writable and flushed to disk, into temp (260
// bytes). Returns 1; or 0, with temp empty and no temporary left, when
// source cannot be read, target is a folder or read-only, or the copy cannot
// be made. The caller puts the temporary in place with ReplaceWithTemp
// (base/temp_files.h) or removes it with RemoveTemp, and removes the
// leftovers of ended writers from the folder once, before staging
// (RemoveLeftoverTemps): per file, that scan would grow with the folder.
int StageCopy(const char* source, const char* target, char* temp);

// Makes target hold exactly bytes, the same way: a temporary beside it,
// written, flushed, then one replace. For files written whole rather than
// key by key. Returns 1, or 0 (target as it was, no temporary left).
int ReplaceWithBytes(const char* target, const std::string& bytes);
