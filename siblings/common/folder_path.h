// Folder paths taken apart into their root and components, for the checks
// that ask whether one folder lies above or below another.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace vordacommon {

// A full path in UTF-16: root "X:\" or "\\server\share\", then the folder
// names in order. Converting from the ANSI code page first makes the split
// multibyte-aware: a trail byte 0x5C of a double-byte character is part of
// its character, never a separator.
struct FolderPath {
    bool valid = false;  // false for an empty path or one without a root
    std::wstring root;
    std::vector<std::wstring> parts;
};

// Splits path after resolving it to a full path ("." and ".." resolved,
// "/" read as "\"); repeated and trailing backslashes count for nothing.
FolderPath SplitFolderPath(const char* path);

// True when both are valid and name the same folder (letter case ignored).
bool IsSameFolder(const FolderPath& a, const FolderPath& b);

// True when inner is outer itself or lies below it, by whole components
// (C:\Lib\A lies below C:\Lib, C:\Library does not).
bool IsSameOrBelow(const FolderPath& inner, const FolderPath& outer);

}  // namespace vordacommon
