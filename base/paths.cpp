#include "base/paths.h"

#include <windows.h>

#include <cstring>

#include "base/text.h"

namespace {

// The last character of path, or null for an empty path.
const char* LastChar(const char* path) {
    const char* last = nullptr;
    for (const char* p = path; *p != '\0'; p += CharLength(p)) last = p;
    return last;
}

}  // namespace

int IsFile(const char* path) {
    if (path == nullptr) return 0;
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int PathExists(const char* path) {
    return path != nullptr && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

int EndsWithBackslash(const char* path) {
    if (path == nullptr) return 0;
    const char* last = LastChar(path);
    return last != nullptr && last[0] == '\\' && last[1] == '\0';
}

void DropTrailingBackslash(char* path) {
    if (EndsWithBackslash(path)) path[std::strlen(path) - 1] = '\0';
}

std::string JoinPath(const char* folder, const char* name) {
    std::string path = folder != nullptr ? folder : "";
    if (!EndsWithBackslash(path.c_str())) path += '\\';
    if (name != nullptr) path += name;
    return path;
}

int StripLastPathComponent(char* path) {
    if (path == nullptr) return 0;
    char* cut = nullptr;
    for (char* p = path; *p != '\0'; p += CharLength(p)) {
        if (*p == '\\' && CharLength(p) == 1) cut = p;
    }
    if (cut == nullptr) return 0;
    *cut = '\0';
    return 1;
}

int CanCreateFileIn(const char* folder) {
    char probe[MAX_PATH];
    if (folder == nullptr || GetTempFileNameA(folder, "Chk", 0, probe) == 0) return 0;
    DeleteFileA(probe);
    return 1;
}
