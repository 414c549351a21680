#include "siblings/common/app_folder.h"

#include <cstring>

namespace vordacommon {

namespace {
const char kAppPathsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VordaMonoTavo.exe";
const char kAppPathValue[] = "Path";
}  // namespace

bool ReadAppFolder(char* out, size_t size) {
    if (out == nullptr || size == 0) return false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    // One byte more than the caller's room, so that a value that does not fit
    // (or lacks its terminator) is recognised rather than cut.
    char value[MAX_PATH + 2] = {};
    DWORD type = 0;
    DWORD bytes = sizeof value - 1;
    const LONG status = RegQueryValueExA(key, kAppPathValue, nullptr, &type,
                                         reinterpret_cast<BYTE*>(value), &bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    value[bytes < sizeof value ? bytes : sizeof value - 1] = '\0';

    size_t length = std::strlen(value);
    // Drop one trailing backslash, unless it is the second byte of a
    // double-byte character.
    if (length > 0 && value[length - 1] == '\\' &&
        CharPrevA(value, value + length) == value + length - 1)
        value[--length] = '\0';
    if (length == 0 || length >= size) return false;
    std::memcpy(out, value, length + 1);
    return true;
}

bool ReadEnvText(const char* name, char* out, size_t size, bool* tooLong) {
    if (tooLong != nullptr) *tooLong = false;
    if (out == nullptr || size == 0) return false;
    const DWORD length = GetEnvironmentVariableA(name, out, static_cast<DWORD>(size));
    if (length == 0) {
        out[0] = '\0';
        return false;
    }
    if (length >= size) {  // the needed size, terminator included; nothing was copied
        out[0] = '\0';
        if (tooLong != nullptr) *tooLong = true;
        return false;
    }
    return true;
}

int LocateIniFile(const char* envName, const char* fileName, char* out) {
    if (out == nullptr) return kPathBadArgument;
    char path[MAX_PATH] = {};
    bool tooLong = false;
    if (ReadEnvText(envName, path, sizeof path, &tooLong)) {
        std::memcpy(out, path, std::strlen(path) + 1);
        return kPathOk;
    }
    if (tooLong) return kPathTooLong;

    char folder[MAX_PATH] = {};
    if (!ReadAppFolder(folder, sizeof folder)) return kPathNotFound;
    const size_t folderLength = std::strlen(folder);
    const size_t nameLength = std::strlen(fileName);
    if (folderLength + 1 + nameLength + 1 > MAX_PATH) return kPathTooLong;
    std::memcpy(out, folder, folderLength);
    out[folderLength] = '\\';
    std::memcpy(out + folderLength + 1, fileName, nameLength + 1);
    return kPathOk;
}

}  // namespace vordacommon
