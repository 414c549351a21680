#include "base/ini_writer.h"

#include <windows.h>

#include <cstdio>

#include "base/paths.h"
#include "base/temp_files.h"
#include "base/text.h"

namespace {

// True when name holds a path separator or a drive.
bool HasFolder(const char* name) {
    for (const char* p = name; *p != '\0'; p += CharLength(p))
        if (CharLength(p) == 1 && (*p == '\\' || *p == '/' || *p == ':')) return true;
    return false;
}

// out (260 bytes) := the file the private-profile calls would use for name.
bool ProfilePath(const char* name, char* out) {
    if (!HasFolder(name)) {
        char windows[MAX_PATH];
        const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
        if (length == 0 || length >= sizeof windows) return false;
        const int written = std::snprintf(out, MAX_PATH, "%s\\%s", windows, name);
        return written > 0 && written < MAX_PATH;
    }
    const DWORD length = GetFullPathNameA(name, MAX_PATH, out, nullptr);
    return length > 0 && length < MAX_PATH;
}

// The rename cannot put a file in the place of a folder or a read-only file.
bool CanBeReplaced(DWORD attributes) {
    return attributes == INVALID_FILE_ATTRIBUTES ||
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

// Drops file from the platform's profile cache after writing out what the
// cache holds of it: what is read next comes from the file itself.
void FlushProfileCache(const char* file) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
}

bool IsProfileBlank(char c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == ' '; }

// value as GetPrivateProfileStringA gives it back once written: through the
// code page and back, without the blanks around it and without one pair of
// enclosing quotes.
std::string AsReadBack(const std::string& value) {
    std::string text;
    const int length = static_cast<int>(value.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, value.data(), length, nullptr, 0);
    if (wide > 0) {
        std::wstring w(static_cast<size_t>(wide), L'\0');
        MultiByteToWideChar(CP_ACP, 0, value.data(), length, &w[0], wide);
        const int narrow =
            WideCharToMultiByte(CP_ACP, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
        if (narrow > 0) {
            text.resize(static_cast<size_t>(narrow));
            WideCharToMultiByte(CP_ACP, 0, w.data(), wide, &text[0], narrow, nullptr, nullptr);
        }
    }
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsProfileBlank(text[begin])) ++begin;
    while (end > begin && IsProfileBlank(text[end - 1])) --end;
    if (end - begin >= 2 && (text[begin] == '"' || text[begin] == '\'') &&
        text[end - 1] == text[begin]) {
        ++begin;
        --end;
    }
    return text.substr(begin, end - begin);
}

// The private-profile writer does not report a file it failed to write out
// whole (a full disk): every entry is read back from the file itself.
bool HoldsEntries(const char* file, const IniEntries& entries) {
    for (const IniEntry& entry : entries) {
        const std::string expected = AsReadBack(entry.value);
        std::vector<char> read(expected.size() + 2);
        // A stored value never holds a line break: the default marks a missing key.
        GetPrivateProfileStringA(entry.section.c_str(), entry.key.c_str(), "\n", read.data(),
                                 static_cast<DWORD>(read.size()), file);
        if (expected != read.data()) return false;
    }
    return true;
}

// The folder of path (260 bytes) into folder; false when path names none.
bool FolderOf(const char* path, char* folder) {
    CopyText(folder, MAX_PATH, path);
    return StripLastPathComponent(folder) != 0;
}

}  // namespace

int WriteIniFile(const char* file, const IniEntries& entries) {
    char target[MAX_PATH];
    char folder[MAX_PATH];
    if (file == nullptr || file[0] == '\0' || entries.empty() || !ProfilePath(file, target) ||
        !FolderOf(target, folder)) {
        return 0;
    }
    RemoveLeftoverTemps(folder);
    const DWORD attributes = GetFileAttributesA(target);
    char temp[MAX_PATH];
    if (!CanBeReplaced(attributes) || !MakeTempPath(folder, temp)) return 0;

    // The copy keeps every key and section the entries do not name.
    bool ok = attributes == INVALID_FILE_ATTRIBUTES || CopyFileA(target, temp, TRUE) != FALSE;
    for (size_t i = 0; ok && i < entries.size(); ++i) {
        const IniEntry& e = entries[i];
        ok = WritePrivateProfileStringA(e.section.c_str(), e.key.c_str(), e.value.c_str(), temp) !=
             FALSE;
    }
    FlushProfileCache(temp);
    ok = ok && HoldsEntries(temp, entries);
    FlushProfileCache(temp);
    ok = ok && FlushToDisk(temp) && ReplaceWithTemp(temp, target);
    if (!ok) RemoveTemp(temp);
    return ok ? 1 : 0;
}

int StageCopy(const char* source, const char* target, char* temp) {
    char folder[MAX_PATH];
    temp[0] = '\0';
    if (source == nullptr || target == nullptr || !FolderOf(target, folder)) return 0;
    if (!CanBeReplaced(GetFileAttributesA(target)) || !MakeTempPath(folder, temp)) return 0;

    bool ok = CopyFileA(source, temp, TRUE) != FALSE;
    // The copy takes the source's read-only attribute, which would keep the
    // next refresh from replacing it.
    const DWORD attributes = GetFileAttributesA(temp);
    if (ok && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ok = SetFileAttributesA(temp, attributes & ~FILE_ATTRIBUTE_READONLY) != FALSE;
    ok = ok && FlushToDisk(temp);
    if (!ok) {
        RemoveTemp(temp);
        temp[0] = '\0';
    }
    return ok ? 1 : 0;
}

int ReplaceWithCopy(const char* source, const char* target) {
    char folder[MAX_PATH];
    char temp[MAX_PATH];
    if (target == nullptr || !FolderOf(target, folder)) return 0;
    RemoveLeftoverTemps(folder);
    if (!StageCopy(source, target, temp)) return 0;
    if (ReplaceWithTemp(temp, target)) return 1;
    RemoveTemp(temp);
    return 0;
}

int ReplaceWithBytes(const char* target, const std::string& bytes) {
    char folder[MAX_PATH];
    char temp[MAX_PATH];
    if (target == nullptr || !FolderOf(target, folder)) return 0;
    RemoveLeftoverTemps(folder);
    if (!CanBeReplaced(GetFileAttributesA(target)) || !MakeTempPath(folder, temp)) return 0;

    const bool ok = WriteNewFile(temp, bytes, 0) && ReplaceWithTemp(temp, target);
    if (!ok) RemoveTemp(temp);
    return ok ? 1 : 0;
}
