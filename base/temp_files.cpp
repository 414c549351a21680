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
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        if (!ParseTempName(found.cFileName, &pid, &start) || WriterLives(pid, start)) continue;
        char path[MAX_PATH];
        const int written = std::snprintf(path, sizeof path, "%s\\%s", folder, found.cFileName);
        if (written > 0 && written < MAX_PATH) RemoveTemp(path);
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
