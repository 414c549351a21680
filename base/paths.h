// Questions and small edits of file-system paths. Double-byte aware: the
// trail byte 0x5C of a double-byte character is never taken for a backslash.
#pragma once
#include <string>

// 1 when path names an existing file (not a folder).
int IsFile(const char* path);
// 1 when something exists at path (file or folder).
int PathExists(const char* path);

// 1 when path ends in a backslash of its own.
int EndsWithBackslash(const char* path);
// Removes one trailing backslash, if there is one.
void DropTrailingBackslash(char* path);
// folder, a backslash unless folder already ends in one, then name.
std::string JoinPath(const char* folder, const char* name);
// Cuts path at its last backslash. Returns 1 when there was one, else 0 and
// path is unchanged.
int StripLastPathComponent(char* path);

// The write test: 1 when a file can be created in folder (it is deleted
// again at once), else 0.
int CanCreateFileIn(const char* folder);
