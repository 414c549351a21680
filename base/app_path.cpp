#include "base/app_path.h"

#include <windows.h>

#include <cstring>

#include "base/module_state.h"
#include "base/paths.h"
#include "resources/resource.h"
#include "siblings/vorda_common.h"

namespace {
const char kAppPathsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VordaMonoTavo.exe";
}  // namespace

int FindAppPath(char* out) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    char folder[MAX_PATH] = {};
    DWORD size = sizeof folder;
    RegQueryValueExA(key, "Path", nullptr, nullptr, reinterpret_cast<BYTE*>(folder), &size);
    RegCloseKey(key);
    folder[MAX_PATH - 1] = '\0';  // a value of exactly 260 bytes has no terminator

    DropTrailingBackslash(folder);
    std::memcpy(out, folder, std::strlen(folder) + 1);
    return 1;
}

int GetAppPath(char* out) {
    if (FindAppPath(out)) return 1;
    char text[MAX_PATH];
    LoadResString(IDS_NO_REGISTRY_KEY, text, sizeof text);
    ShowMessageText(text, MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST, -1);
    return 0;
}
