// The icon that marks a LibRoot folder in the shell: a "desktop.ini" in the
// folder names a system icon, and the folder's system attribute tells the
// shell to read that file.
#include <shlwapi.h>

#include <cstdio>
#include <cstring>

#include "siblings/vorda_common.h"

namespace {

enum IconResult {
    kIconChanged = 0,
    kNoFolder = 1,         // empty path, missing folder, or not a folder
    kPathTooLong = 2,      // path\desktop.ini does not fit MAX_PATH
    kIniNotWritten = 3,    // desktop.ini could not be written
    kFolderNotMarked = 4,  // the folder's attribute could not be set
};

const char kIconFile[] = "%SystemRoot%\\system32\\shell32.dll";
const int kIconIndex = 20;
const char kSection[] = ".ShellClassInfo";

}  // namespace

int __stdcall ChangeFolderIcon_EnvSet(const char* path) {
    if (path == nullptr || *path == '\0') return kNoFolder;
    const DWORD folderAttributes = GetFileAttributesA(path);
    if (folderAttributes == INVALID_FILE_ATTRIBUTES ||
        (folderAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return kNoFolder;

    char ini[MAX_PATH];
    const size_t length = std::strlen(path);
    const bool endsWithSeparator =
        path[length - 1] == '\\' && CharPrevA(path, path + length) == path + length - 1;
    const int written =
        std::snprintf(ini, sizeof ini, "%s%sdesktop.ini", path, endsWithSeparator ? "" : "\\");
    if (written < 0 || written >= static_cast<int>(sizeof ini)) return kPathTooLong;

    // An existing desktop.ini is hidden and system; clear that so that it can
    // be rewritten everywhere.
    const DWORD iniAttributes = GetFileAttributesA(ini);
    if (iniAttributes != INVALID_FILE_ATTRIBUTES) {
        if (iniAttributes & FILE_ATTRIBUTE_DIRECTORY) return kIniNotWritten;
        SetFileAttributesA(ini, FILE_ATTRIBUTE_NORMAL);
    }

    char resource[MAX_PATH];
    std::snprintf(resource, sizeof resource, "%s,%d", kIconFile, kIconIndex);
    char index[16];
    std::snprintf(index, sizeof index, "%d", kIconIndex);
    // IconResource serves current shells; IconFile and IconIndex older ones.
    const bool ok = WritePrivateProfileStringA(kSection, "IconResource", resource, ini) &&
                    WritePrivateProfileStringA(kSection, "IconFile", kIconFile, ini) &&
                    WritePrivateProfileStringA(kSection, "IconIndex", index, ini);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini);
    if (GetFileAttributesA(ini) != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(ini, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if (!ok) return kIniNotWritten;

    // Sets the attribute the shell looks for (read-only or system, by policy).
    return PathMakeSystemFolderA(path) ? kIconChanged : kFolderNotMarked;
}
