// Small helpers shared by the test programs: scratch folders, whole-file
// reads and writes, the application's registry entry and the environment
// variables through which the stand-in libraries find their INI files.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace testsupport {

// A fresh folder under the Windows temp folder, removed with its contents
// when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    // path() + "\\" + name
    std::string operator/(const std::string& name) const;

private:
    std::string path_;
};

// "<folder of this program>\\name": the module and programs beside the tests.
std::string BesideThisProgram(const std::string& name);

// Whole-file access in bytes; ReadFileBytes gives "" for a missing file.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
// Every file of folder (not its sub-folders) by name, with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder);
bool MakeFolder(const std::string& path);  // with missing parents
void RemoveTree(const std::string& path);

// The pieces of text between separators, empty ones included.
std::vector<std::string> Split(const std::string& text, const std::string& separator);
// The lines of text, each without its end; a last end starts no empty line.
std::vector<std::string> Lines(const std::string& text, const std::string& end = "\n");

// Points the App Paths entry of the main executable at folder (value "Path"),
// or removes the entry when folder is null.
void SetAppFolder(const char* folder);

// Sets or (value null) clears a variable of this process's environment.
void SetEnv(const char* name, const char* value);

// Keeps the App Paths entry and the variables VORDA_SETTINGS_INI,
// VORDA_COMMON_INI, VORDA_LANGID and VORDA_STYLE as they were: puts them back
// when it goes away.
class SavedSetup {
public:
    SavedSetup();
    ~SavedSetup();
    SavedSetup(const SavedSetup&) = delete;
    SavedSetup& operator=(const SavedSetup&) = delete;

private:
    bool hadAppFolder_ = false;
    std::string appFolder_;
    bool had_[4] = {};
    std::string values_[4];
};

// What a program run by RunProgram left behind.
struct ProgramRun {
    DWORD exitCode = 0xFFFFFFFF;  // also when it could not be started
    std::string output;           // standard output and error together, CRs removed
};

// Runs program (a file beside this test program) with arguments, inheriting
// this process's environment, and collects what it prints. A program that
// has not ended after timeoutMs (a window nobody closes) is ended with exit
// code 99 and reported as a test failure.
ProgramRun RunProgram(const char* program, const std::string& arguments, DWORD timeoutMs = 60000);

}  // namespace testsupport
