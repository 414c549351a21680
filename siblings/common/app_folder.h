// Where the application's INI files are found: an environment variable that
// names the file outright, else a fixed file name in the application folder.
#pragma once
#include <windows.h>

#include <cstddef>

namespace vordacommon {

// Result codes of the path functions: 0 success, negative failure.
enum PathResult {
    kPathOk = 0,
    kPathNotFound = -1,  // neither the variable nor the application folder is known
    kPathTooLong = -2,   // the path does not fit the caller's 260-byte buffer
    kPathBadArgument = -3,
};

// The application folder from the App Paths entry of the main executable,
// without a trailing backslash. False when the entry or its value is missing
// or empty, or when it does not fit size bytes.
bool ReadAppFolder(char* out, size_t size);

// The value of an environment variable of this process. False when it is
// unset or empty; *tooLong tells a value that does not fit size bytes.
bool ReadEnvText(const char* name, char* out, size_t size, bool* tooLong);

// Fills out (MAX_PATH bytes) with the value of envName, or else with
// fileName in the application folder. Returns a PathResult.
int LocateIniFile(const char* envName, const char* fileName, char* out);

}  // namespace vordacommon
