#include "vordacond/transfer.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

#include "base/ini_writer.h"
#include "base/text.h"
#include "conditions/condition_format.h"

const char kManifestName[] = "VordaCond.ini";

namespace {

const char kExportSection[] = "EXPORT";
const char kInForceSection[] = "IN_FORCE";

std::string Numbered(const char* base, size_t number) { return base + std::to_string(number); }

// The manifest's entries, read in one pass: the profile API rereads and
// searches the file for every key, which takes minutes for an export of
// thousands of files. Keys and sections compare without regard to case, the
// first of a repeated key counts, white space around keys and values and one
// pair of enclosing double quotes are dropped, as the profile API reads them.
struct ManifestEntries {
    std::map<std::string, std::string> values;  // "section\nkey", folded
    std::set<std::string> sections;             // folded

    std::string Read(const char* section, const std::string& key) const {
        const auto found = values.find(FoldedText(section) + '\n' + FoldedText(key.c_str()));
        return found == values.end() ? std::string() : found->second;
    }
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ReadManifestEntries(const std::string& file, ManifestEntries* entries) {
    std::string bytes;
    if (!ReadWholeFile(file.c_str(), &bytes)) return false;
    std::string section;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = Trimmed(bytes.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line[0] == '[') {
            const size_t close = line.find(']');
            section = FoldedText(
                Trimmed(line.substr(1, close == std::string::npos ? std::string::npos : close - 1))
                    .c_str());
            entries->sections.insert(section);
            continue;
        }
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == ';' || equals == std::string::npos) continue;
        std::string value = Trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.size() >= MAX_PATH) value.resize(MAX_PATH - 1);
        entries->values.insert(
            {section + '\n' + FoldedText(Trimmed(line.substr(0, equals)).c_str()), value});
    }
    return true;
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
    ManifestEntries entries;
    if (!ReadManifestEntries(file, &entries)) {
        *error = std::string(kManifestName) + " in " + folder + " cannot be read";
        return false;
    }
    const std::string count = entries.Read(kExportSection, "FILES");
    char* end = nullptr;
    const long files = std::strtol(count.c_str(), &end, 10);
    if (count.empty() || *end != '\0' || files < 0 || files > 100000) {
        *error = std::string(kManifestName) + " is damaged: no number of files";
        return false;
    }
    manifest->files.clear();
    for (long i = 1; i <= files; ++i) {
        ExportedFile exported;
        exported.fileName = entries.Read(kExportSection, Numbered("FILE", i));
        const std::string size = entries.Read(kExportSection, Numbered("SIZE", i));
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
    const bool inForceListed = entries.sections.count(FoldedText(kInForceSection)) != 0;
    if (!inForceListed) {
        *error = std::string(kManifestName) + " is damaged: section [" + kInForceSection +
                 "] is missing";
        return false;
    }
    for (int kind = 0; kind < 3; ++kind)
        manifest->inForce[kind] = entries.Read(kInForceSection, DivsetKey(kind));
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

bool ReadWholeFile(const char* path, std::string* bytes) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0)
        bytes->append(buffer, got);
    CloseHandle(file);
    return ok;
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
