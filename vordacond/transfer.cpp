#include "vordacond/transfer.h"

#include <windows.h>

#include <cstdlib>

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

bool WriteManifest(const std::string& folder, const Manifest& manifest) {
    const std::string file = folder + "\\" + kManifestName;
    bool ok = WriteQuotedValue(kExportSection, "FILES",
                               std::to_string(manifest.files.size()).c_str(), file.c_str()) != 0;
    for (size_t i = 0; i < manifest.files.size(); ++i) {
        ok &= WriteQuotedValue(kExportSection, Numbered("FILE", i + 1).c_str(),
                               manifest.files[i].fileName.c_str(), file.c_str()) != 0;
        ok &= WriteQuotedValue(kExportSection, Numbered("SIZE", i + 1).c_str(),
                               std::to_string(manifest.files[i].size).c_str(), file.c_str()) != 0;
    }
    for (int kind = 0; kind < 3; ++kind) {
        if (manifest.inForce[kind].empty()) continue;
        ok &= WriteQuotedValue(kInForceSection, DivsetKey(kind), manifest.inForce[kind].c_str(),
                               file.c_str()) != 0;
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    return ok;
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
