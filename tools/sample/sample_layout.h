// The sample setup of host/sample laid out in a scratch folder, as
// tools/demo.sh lays it out: App (the application folder with its INI files
// and conditions), LibRoot and WorkArea, with "@SAMPLE@" in the INI files
// replaced by the folder's path. Shared by the programs of tools/ that run the
// module on the sample.
#pragma once
#include <string>

namespace sample {

// A Unix path made a Windows one (Z: drive, backslashes); others unchanged.
std::string WindowsPath(std::string path);

// Copies the files and folders under from into to (made when missing).
bool CopyTree(const std::string& from, const std::string& to);

// Replaces every what in the file at path with with.
void ReplaceInFile(const std::string& path, const std::string& what, const std::string& with);

// Copies the sample from source into folder and fills in its paths. Does
// not touch the registry or the environment (see PointAt).
bool LayOut(const std::string& source, const std::string& folder);

// Replaces "@SAMPLE@" in the INI files of folder\App with folder's path.
void FillInPaths(const std::string& folder);

// Points the App Paths entry and VORDA_SETTINGS_INI / VORDA_COMMON_INI of
// this process at the sample laid out in folder.
void PointAt(const std::string& folder);

}  // namespace sample
