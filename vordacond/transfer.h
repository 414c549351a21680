// What export leaves in its folder besides the condition files: the list
// VordaCond.ini of the files and their sizes, and the names of the
// conditions in force. Export writes it last, so a folder without it (or
// with files missing or of another size) is an export that did not finish.
#pragma once
#include <string>
#include <vector>

extern const char kManifestName[];  // "VordaCond.ini"

struct ExportedFile {
    std::string fileName;  // "sName.INI"
    long long size = 0;    // in bytes
};

struct Manifest {
    std::vector<ExportedFile> files;
    std::string inForce[3];  // per kind: the name of the condition in force; "" when none
};

// The text of VordaCond.ini: section EXPORT with FILES and FILEn, SIZEn per
// file, then section IN_FORCE with the DIVSET.ini key of each kind that has
// a condition in force; values in double quotes, lines ending CRLF.
std::string ManifestText(const Manifest& manifest);
// Writes folder\VordaCond.ini whole, in one replace. false when it could not
// be written (nothing is then left of it).
bool WriteManifest(const std::string& folder, const Manifest& manifest);
// Reads folder\VordaCond.ini; false, with *error saying why, when it is
// missing or damaged.
bool ReadManifest(const std::string& folder, Manifest* manifest, std::string* error);

// The kind of a condition file name (prefix letter and ".INI", any letter
// case) and the condition's name; -1 for any other file name.
int KindOfFileName(const std::string& fileName, std::string* name);

// The bytes of the file at path; false when it cannot be read.
bool ReadWholeFile(const char* path, std::string* bytes);

// The size of the file at path in bytes; -1 when it is no file.
long long FileSize(const std::string& path);
