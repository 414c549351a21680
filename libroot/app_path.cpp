#include "libroot/app_path.h"

#include <windows.h>

#include <cstring>

#include "entry/module_state.h"
#include "resources/resource.h"
#include "siblings/vorda_common.h"

namespace {
const char kAppPathsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VordaMonoTavo.exe";
}  // namespace

int GetAppPath(char* out) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        char text[MAX_PATH];
        LoadResString(IDS_NO_REGISTRY_KEY, text, sizeof text);
        ShowMessageText(text, MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST, -1);
        return 0;
    }
    char folder[MAX_PATH] = {};
    DWORD size = sizeof folder;
    RegQueryValueExA(key, "Path", nullptr, nullptr, reinterpret_cast<BYTE*>(folder), &size);
    RegCloseKey(key);
    folder[MAX_PATH - 1] = '\0';  // a value of exactly 260 bytes has no terminator

    // Remove one trailing backslash, unless it is the trail byte of a
    // double-byte character.
    const size_t length = std::strlen(folder);
    if (length > 0) {
        char* last = CharPrevA(folder, folder + length);
        if (*last == '\\' && last == folder + length - 1) *last = '\0';
    }
    std::memcpy(out, folder, std::strlen(folder) + 1);
    return 1;
}

int StripLastPathComponent(char* path) {
    if (path == nullptr) return 0;
    char* end = path + std::strlen(path);
    char* p = end;
    while (p > path) {
        p = CharPrevA(path, p);
        if (*p == '\\' && !IsDBCSLeadByte(static_cast<BYTE>(*p))) {
            // CharPrevA stepped over a whole character: a single byte here.
            char* next = CharNextA(p);
            if (next == p + 1) {
                *p = '\0';
                return 1;
            }
        }
    }
    return 0;
}
