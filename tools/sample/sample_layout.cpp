#include "tools/sample/sample_layout.h"

#include <windows.h>

#include "tests/support/test_support.h"

namespace sample {

std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

bool CopyTree(const std::string& from, const std::string& to) {
    if (!testsupport::MakeFolder(to)) return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyTree(from + "\\" + name, to + "\\" + name) && ok;
        else
            ok = CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE) && ok;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ok;
}

void ReplaceInFile(const std::string& path, const std::string& what, const std::string& with) {
    std::string bytes = testsupport::ReadFileBytes(path);
    for (size_t at = bytes.find(what); at != std::string::npos;
         at = bytes.find(what, at + with.size()))
        bytes.replace(at, what.size(), with);
    testsupport::WriteFileBytes(path, bytes);
}

bool LayOut(const std::string& source, const std::string& folder) {
    if (!CopyTree(source, folder)) return false;
    testsupport::MakeFolder(folder + "\\WorkArea");
    FillInPaths(folder);
    return true;
}

void FillInPaths(const std::string& folder) {
    for (const char* ini : {"Vorda.ini", "VordaCommon.ini", "DIVSET.ini"})
        ReplaceInFile(folder + "\\App\\" + ini, "@SAMPLE@", folder);
}

void PointAt(const std::string& folder) {
    const std::string app = folder + "\\App";
    testsupport::SetAppFolder(app.c_str());
    testsupport::SetEnv("VORDA_SETTINGS_INI", (app + "\\Vorda.ini").c_str());
    testsupport::SetEnv("VORDA_COMMON_INI", (app + "\\VordaCommon.ini").c_str());
}

}  // namespace sample
