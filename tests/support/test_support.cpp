#include "tests/support/test_support.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace testsupport {

namespace {
const char kAppPathsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VordaMonoTavo.exe";
}

TempDir::TempDir() {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    static unsigned counter = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%svorda-%lu-%u", base, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            return;
        }
    }
}

TempDir::~TempDir() { RemoveTree(path_); }

std::string TempDir::operator/(const std::string& name) const { return path_ + "\\" + name; }

std::string BesideThisProgram(const std::string& name) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    const std::string path = self;
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return files;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        files[found.cFileName] = ReadFileBytes(folder + "\\" + found.cFileName);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return files;
}

bool MakeFolder(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const size_t slash = path.find_last_of('\\');
    if (slash != std::string::npos && slash > 2) MakeFolder(path.substr(0, slash));
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        pieces.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return pieces;
        start = end + separator.size();
    }
}

std::vector<std::string> Lines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines = Split(text, end);
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

void SetAppFolder(const char* folder) {
    if (folder == nullptr) {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kAppPathsKey);
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder),
                   static_cast<DWORD>(strlen(folder) + 1));
    RegCloseKey(key);
}

void SetEnv(const char* name, const char* value) {
    SetEnvironmentVariableA(name, value);
    // The C runtime keeps its own copy for getenv.
    std::string entry = std::string(name) + "=" + (value ? value : "");
    _putenv(entry.c_str());
}

namespace {
const char* const kSavedVariables[4] = {"VORDA_SETTINGS_INI", "VORDA_COMMON_INI", "VORDA_LANGID",
                                        "VORDA_STYLE"};
}  // namespace

SavedSetup::SavedSetup() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char text[MAX_PATH + 1] = {};
        DWORD size = MAX_PATH;
        hadAppFolder_ = RegQueryValueExA(key, "Path", nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS;
        appFolder_ = text;
        RegCloseKey(key);
    }
    for (int i = 0; i < 4; ++i) {
        char text[1024] = {};
        const DWORD length = GetEnvironmentVariableA(kSavedVariables[i], text, sizeof text);
        had_[i] = length > 0 && length < sizeof text;
        values_[i] = text;
    }
}

SavedSetup::~SavedSetup() {
    SetAppFolder(hadAppFolder_ ? appFolder_.c_str() : nullptr);
    for (int i = 0; i < 4; ++i) SetEnv(kSavedVariables[i], had_[i] ? values_[i].c_str() : nullptr);
}

namespace {

// Reads a pipe to its end into bytes, on a thread of its own.
struct PipeReading {
    HANDLE pipe;
    std::string bytes;
};

DWORD WINAPI ReadPipe(void* data) {
    PipeReading* reading = static_cast<PipeReading*>(data);
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(reading->pipe, chunk, sizeof chunk, &got, nullptr) && got > 0)
        reading->bytes.append(chunk, got);
    return 0;
}

}  // namespace

ProgramRun RunProgram(const char* program, const std::string& arguments, DWORD timeoutMs) {
    ProgramRun result;
    const std::string exe = BesideThisProgram(program);
    std::string commandLine = "\"" + exe + "\" " + arguments;

    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        ADD_FAILURE() << "cannot start " << exe;
        return result;
    }
    // The output is read while the program runs, so that it never fills the
    // pipe and blocks; the pipe ends when the program does.
    PipeReading reading = {readEnd, std::string()};
    HANDLE reader = CreateThread(nullptr, 0, ReadPipe, &reading, 0, nullptr);
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_TIMEOUT) {
        ADD_FAILURE() << program << " " << arguments << " did not end; ending it";
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    if (reader != nullptr) {
        WaitForSingleObject(reader, INFINITE);
        CloseHandle(reader);
    } else {
        ReadPipe(&reading);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(readEnd);
    // Line ends as the console gives them do not matter to the tests.
    for (char c : reading.bytes)
        if (c != '\r') result.output += c;
    return result;
}

}  // namespace testsupport
