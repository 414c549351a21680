#include "vordacond/transfer.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "base/ini_writer.h"
#include "base/text.h"
#include "conditions/condition_format.h"

const char kManifestName[] = "VordaCond.ini";

namespace {

const char kExportSection[] = "EXPORT";
const char kInForceSection[] = "IN_FORCE";

std::string Numbered(const char* base, size_t number) { return base + std::to_string(number); }

std::string Read(const char* section, const std::string& key, const std::string& file) {
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA(section, key.c_str(), "", value, sizeof value, file.c_str());
    return value;
}

}  // namespace

std::string ManifestText(const Manifest& manifest) {
    std::string text = std::string("[") + kExportSection + "]\r\n";
    auto line = [&text](const std::string& key, const std::string& value) {
        text += key + "=\"" + value + "\"\r\n";
    };
    line("FILES", std::to_string(manifest.files.size()));
    for (size_t i = 0; i < manifest.files.size(); ++i) {
        line(Numbered("FILE", i + 1), manifest.files[i].fileName);
        line(Numbered("SIZE", i + 1), std::to_string(manifest.files[i].size));
    }
    text += std::string("[") + kInForceSection + "]\r\n";
    for (int kind = 0; kind < 3; ++kind)
        if (!manifest.inForce[kind].empty()) line(DivsetKey(kind), manifest.inForce[kind]);
    return text;
}

bool WriteManifest(const std::string& folder, const Manifest& manifest) {
    const std::string file = folder + "\\" + kManifestName;
    return ReplaceWithBytes(file.c_str(), ManifestText(manifest)) != 0;
}

bool ReadManifest(const std::string& folder, Manifest* manifest, std::string* error) {
    const std::string file = folder + "\\" + kManifestName;
    if (FileSize(file) < 0) {
        *error = std::string("there is no ") + kManifestName + " in " + folder +
                 ": not a folder written by export, or the export did not finish";
        return false;
    }
    const std::string count = Read(kExportSection, "FILES", file);
    char* end = nullptr;
    const long files = std::strtol(count.c_str(), &end, 10);
    if (count.empty() || *end != '\0' || files < 0 || files > 100000) {
        *error = std::string(kManifestName) + " is damaged: no number of files";
        return false;
    }
    manifest->files.clear();
    for (long i = 1; i <= files; ++i) {
        ExportedFile exported;
        exported.fileName = Read(kExportSection, Numbered("FILE", i), file);
        const std::string size = Read(kExportSection, Numbered("SIZE", i), file);
        exported.size = std::strtoll(size.c_str(), &end, 10);
        if (exported.fileName.empty() || size.empty() || *end != '\0') {
            *error = std::string(kManifestName) + " is damaged: file " + std::to_string(i) +
                     " has no name or size";
            return false;
        }
        manifest->files.push_back(exported);
    }
    // Export writes the section also when no condition is in force: a list
    // without it is not one export wrote.
    char sections[4096] = {};
    GetPrivateProfileSectionNamesA(sections, sizeof sections, file.c_str());
    bool inForceListed = false;
    for (const char* p = sections; *p != '\0'; p += std::strlen(p) + 1)
        if (SameTextNoCase(p, kInForceSection)) inForceListed = true;
    if (!inForceListed) {
        *error = std::string(kManifestName) + " is damaged: section [" + kInForceSection +
                 "] is missing";
        return false;
    }
    for (int kind = 0; kind < 3; ++kind)
        manifest->inForce[kind] = Read(kInForceSection, DivsetKey(kind), file);
    return true;
}

int KindOfFileName(const std::string& fileName, std::string* name) {
    if (fileName.size() < 5 || !SameTextNoCase(fileName.c_str() + fileName.size() - 4, ".INI"))
        return -1;
    for (int kind = 0; kind < 3; ++kind) {
        const char prefix = KindPrefix(kind);
        if (fileName[0] == prefix || fileName[0] == prefix - 'a' + 'A') {
            *name = fileName.substr(1, fileName.size() - 5);
            return kind;
        }
    }
    return -1;
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
