#include "base/temp_files.h"

#include <cstdio>
#include <cstring>

namespace {

const char kPrefix[] = "~ve";
const char kExtension[] = ".tmp";

// The replace is refused while another process has the target open (a
// reader of the same INI file): such a reader is done within milliseconds.
const int kReplaceAttempts = 4;
const DWORD kReplaceRetryMs = 25;

unsigned long OwnStartStamp() {
    static const unsigned long stamp = ProcessStartStamp(GetCurrentProcess());
    return stamp;
}

// Reads the lower-case hex digits at p up to the character stop into value
// and moves p past stop. False when there is no digit or another character
// comes first.
bool ReadHex(const char*& p, char stop, unsigned long* value) {
    unsigned long v = 0;
    int digits = 0;
    for (; *p != stop; ++p, ++digits) {
        const char c = *p;
        const bool digit = c >= '0' && c <= '9';
        if (!digit && !(c >= 'a' && c <= 'f')) return false;
        if (digits == 8) return false;
        v = v * 16 + static_cast<unsigned long>(digit ? c - '0' : c - 'a' + 10);
    }
    if (digits == 0) return false;
    ++p;
    *value = v;
    return true;
}

// The writer that a temporary's name gives; false for any other name.
bool ParseTempName(const char* name, unsigned long* pid, unsigned long* start) {
    if (std::strncmp(name, kPrefix, sizeof kPrefix - 1) != 0) return false;
    const char* p = name + sizeof kPrefix - 1;
    unsigned long sequence = 0;
    return ReadHex(p, '-', pid) && ReadHex(p, '-', start) && ReadHex(p, '.', &sequence) &&
           std::strcmp(p - 1, kExtension) == 0;
}

// Whether the process that made a temporary still runs. The process id alone
// could name a later process that got the same number, and an age threshold
// would either take the file of a writer that is merely slow (a folder on a
// network share) or keep a dead writer's file for long: the id together
// with the creation time names the one process exactly. A process that
// exists but may not be opened is taken as living.
bool WriterLives(unsigned long pid, unsigned long start) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE,
                                 static_cast<DWORD>(pid));
    if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool lives =
        WaitForSingleObject(process, 0) == WAIT_TIMEOUT && ProcessStartStamp(process) == start;
    CloseHandle(process);
    return lives;
}

}  // namespace

std::string TempFileName(unsigned long pid, unsigned long start, unsigned long sequence) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%lx-%lx-%lx%s", kPrefix, pid, start, sequence, kExtension);
    return name;
}

unsigned long ProcessStartStamp(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return created.dwLowDateTime;
}

int MakeTempPath(const char* folder, char* out) {
    static LONG sequence = 0;
    const unsigned long next = static_cast<unsigned long>(InterlockedIncrement(&sequence));
    const std::string name = TempFileName(GetCurrentProcessId(), OwnStartStamp(), next);
    const int length = std::snprintf(out, MAX_PATH, "%s\\%s", folder, name.c_str());
    if (length > 0 && length < MAX_PATH) return 1;
    out[0] = '\0';
    return 0;
}

int CanCreateTempIn(const char* folder) {
    char probe[MAX_PATH];
    if (folder == nullptr || !MakeTempPath(folder, probe)) return 0;
    HANDLE file = CreateFileA(probe, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    CloseHandle(file);
    return 1;
}

int MakeStagingFolder(const char* folder, char* staging) {
    if (MakeTempPath(folder, staging) && CreateDirectoryA(staging, nullptr)) return 1;
    staging[0] = '\0';
    return 0;
}

void RemoveStagingFolder(const char* staging) {
    if (staging == nullptr || staging[0] == '\0') return;
    char pattern[MAX_PATH];
    const int length = std::snprintf(pattern, sizeof pattern, "%s\\*", staging);
    if (length <= 0 || length >= MAX_PATH) return;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(pattern, &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
            char path[MAX_PATH];
            const int written =
                std::snprintf(path, sizeof path, "%s\\%s", staging, found.cFileName);
            if (written > 0 && written < MAX_PATH) RemoveTemp(path);
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(staging);
}

bool WriteNewFile(const char* path, const std::string& bytes, DWORD flags) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | flags, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    for (size_t at = 0; ok && at < bytes.size();) {
        const size_t left = bytes.size() - at;
        const DWORD chunk = static_cast<DWORD>(left > 65536 ? 65536 : left);
        DWORD written = 0;
        ok = WriteFile(file, bytes.data() + at, chunk, &written, nullptr) && written == chunk;
        at += written;
    }
    if (file != INVALID_HANDLE_VALUE) {
        ok = FlushFileBuffers(file) && ok;
        CloseHandle(file);
    }
    return ok;
}

int StageBytes(const char* folder, const std::string& bytes, char* temp) {
    if (!MakeTempPath(folder, temp)) return 0;
    // The name is new and spelled as it will be opened: looked up by that
    // spelling alone, Wine need not search the folder for another one.
    const bool ok = WriteNewFile(temp, bytes, FILE_FLAG_POSIX_SEMANTICS);
    if (!ok) {
        RemoveTemp(temp);
        temp[0] = '\0';
    }
    return ok ? 1 : 0;
}

namespace {

// The rename of an open file to target. Under Wine it costs one search of
// target's folder, a rename by path two. false, with the error set, when
// the platform refuses.
bool RenameOpenFile(HANDLE file, const char* target, bool replace) {
    const int length = MultiByteToWideChar(CP_ACP, 0, target, -1, nullptr, 0);
    if (length <= 1) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    const size_t size = sizeof(FILE_RENAME_INFO) + static_cast<size_t>(length) * sizeof(WCHAR);
    std::string buffer(size, '\0');
    FILE_RENAME_INFO* info = reinterpret_cast<FILE_RENAME_INFO*>(&buffer[0]);
    info->ReplaceIfExists = replace ? TRUE : FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(length - 1) * sizeof(WCHAR);
    MultiByteToWideChar(CP_ACP, 0, target, -1, info->FileName, length);
    return SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(size)) != 0;
}

}  // namespace

int PlaceTemp(const char* temp, const char* target, bool replace) {
    for (int attempt = 1;; ++attempt) {
        HANDLE file = CreateFileA(temp, DELETE | SYNCHRONIZE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 0;
        const bool renamed = RenameOpenFile(file, target, replace);
        DWORD error = GetLastError();
        CloseHandle(file);
        if (renamed) return 1;
        // A platform that takes no path here renames by path.
        if (error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_NAME ||
            error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION) {
            if (MoveFileExA(temp, target,
                            (replace ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH))
                return 1;
            error = GetLastError();
        }
        if (attempt == kReplaceAttempts ||
            (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION))
            return 0;
        Sleep(kReplaceRetryMs);
    }
}

void RemoveLeftoverTemps(const char* folder) {
    char pattern[MAX_PATH];
    const int length =
        std::snprintf(pattern, sizeof pattern, "%s\\%s*%s", folder, kPrefix, kExtension);
    if (length <= 0 || length >= MAX_PATH) return;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(pattern, &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        unsigned long pid = 0;
        unsigned long start = 0;
        if (!ParseTempName(found.cFileName, &pid, &start) || WriterLives(pid, start)) continue;
        char path[MAX_PATH];
        const int written = std::snprintf(path, sizeof path, "%s\\%s", folder, found.cFileName);
        if (written <= 0 || written >= MAX_PATH) continue;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            RemoveStagingFolder(path);
        else
            RemoveTemp(path);
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

void RemoveTemp(const char* temp) {
    SetFileAttributesA(temp, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temp);
}

int FlushToDisk(const char* temp) {
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    const BOOL flushed = FlushFileBuffers(file);
    CloseHandle(file);
    return flushed ? 1 : 0;
}

int ReplaceWithTemp(const char* temp, const char* target) {
    for (int attempt = 1;; ++attempt) {
        // ReplaceFileA is no single step on every platform (it may move the
        // old file aside first); a rename over the target is.
        if (MoveFileExA(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
        const DWORD error = GetLastError();
        if (attempt == kReplaceAttempts ||
            (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) {
            return 0;
        }
        Sleep(kReplaceRetryMs);
    }
}
