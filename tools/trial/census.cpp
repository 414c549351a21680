#include "tools/trial/census.h"

#include <windows.h>

#include <map>

#include "tests/support/test_support.h"

namespace trial {

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void Collect(const std::string& folder, const std::string& relative, bool recursive,
             Snapshot* out) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = relative.empty() ? name : relative + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (recursive) Collect(folder + "\\" + name, path, true, out);
        } else if (!EndsWith(Lower(name), ".log"))
            (*out)[path] = testsupport::ReadFileBytes(folder + "\\" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

const std::string* Find(const Snapshot& s, const std::string& path) {
    const auto at = s.find(path);
    return at == s.end() ? nullptr : &at->second;
}

bool Same(const std::string* a, const std::string* b) {
    return (a == nullptr && b == nullptr) || (a != nullptr && b != nullptr && *a == *b);
}

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Folder(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// An INI file's values by section and key (both in lower case), lines ended
// by CR LF or LF; false when a line is neither a section, a key nor empty. A
// file cut inside a line keeps a cut value, which neither side holds.
typedef std::map<std::string, std::map<std::string, std::string>> IniValues;
bool ParseIni(const std::string& bytes, IniValues* out) {
    std::string section;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.back() != ']') return false;
            section = Lower(line.substr(1, line.size() - 2));
            (*out)[section];
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) return false;
        (*out)[section][Lower(line.substr(0, equals))] = line.substr(equals + 1);
    }
    return true;
}

const std::string* Value(const IniValues& ini, const std::string& section, const std::string& key) {
    const auto s = ini.find(section);
    if (s == ini.end()) return nullptr;
    const auto k = s->second.find(key);
    return k == s->second.end() ? nullptr : &k->second;
}

// Which side a key of now holds: 1 old, 2 new, 3 both (they agree), 0
// neither.
int Side(const IniValues& o, const IniValues& n, const IniValues& c, const std::string& section,
         const std::string& key) {
    const std::string* now = Value(c, section, key);
    return (Same(now, Value(o, section, key)) ? 1 : 0) |
           (Same(now, Value(n, section, key)) ? 2 : 0);
}

// The keys of DIVSET.ini that one kind's record writes together.
const char* const kDivsetKinds[3][3] = {{"scan", "scanner", "scanner_use"},
                                        {"fax", "fax-rx", "fax-rx_use"},
                                        {"sndfax", "fax-tx", "fax-tx_use"}};

bool IsBetween(const std::string& path, const std::string& o, const std::string& n,
               const std::string& c) {
    const std::string name = Lower(FileName(path));
    const bool divset = name == "divset.ini";
    if (!divset && name != "vorda.ini") return false;
    IniValues old, fresh, now;
    if (!ParseIni(o, &old) || !ParseIni(n, &fresh) || !ParseIni(c, &now)) return false;
    IniValues keys = old;
    for (const IniValues* ini : {&fresh, &now})
        for (const auto& section : *ini)
            for (const auto& key : section.second) keys[section.first][key.first];
    for (const auto& section : keys)
        for (const auto& key : section.second)
            if (Side(old, fresh, now, section.first, key.first) == 0) return false;
    if (!divset) return true;
    for (const auto& kind : kDivsetKinds) {
        int sides = Side(old, fresh, now, "config_ini", kind[0]);
        for (int s = 1; s < 3; ++s)
            for (const auto& key : keys[kind[s]])
                sides &= Side(old, fresh, now, kind[s], key.first);
        if (sides == 0) return false;
    }
    return true;
}

void NoteOther(const std::string& path, Census* census) {
    if (census->other++ == 0) census->firstOther = path;
}

}  // namespace

Snapshot TakeSnapshot(const std::string& folder, bool recursive) {
    Snapshot snapshot;
    Collect(folder, "", recursive, &snapshot);
    return snapshot;
}

void AddSnapshot(const std::string& folder, const std::string& prefix, bool recursive,
                 Snapshot* out) {
    Collect(folder, prefix, recursive, out);
}

bool IsWriteProbe(const std::string& fileName) {
    const std::string name = Lower(fileName);
    return name.compare(0, 3, "chk") == 0 && EndsWith(name, ".tmp");
}

bool IsModuleTemporary(const std::string& fileName) {
    const std::string name = Lower(fileName);
    return name.compare(0, 3, "~ve") == 0 && EndsWith(name, ".tmp");
}

bool LooksLikeCondition(const std::string& fileName) {
    const std::string name = Lower(fileName);
    return name.size() > 4 && (name[0] == 's' || name[0] == 'f' || name[0] == 'n') &&
           EndsWith(name, ".ini");
}

Census Sort(const Snapshot& before, const Snapshot& after, const Snapshot& now,
            const std::string& appFolder) {
    std::map<std::string, int> paths;
    for (const Snapshot* s : {&before, &after, &now})
        for (const auto& file : *s) paths[file.first] = 0;
    Census census;
    for (const auto& entry : paths) {
        const std::string& path = entry.first;
        const std::string* o = Find(before, path);
        const std::string* n = Find(after, path);
        const std::string* c = Find(now, path);
        if (o == nullptr && n == nullptr) {
            ++census.leftOver;
            const bool visible =
                Lower(Folder(path)) == Lower(appFolder) && LooksLikeCondition(FileName(path));
            if (visible) ++census.visible;
            const std::string name = FileName(path);
            const bool probe = IsWriteProbe(name) && c != nullptr && c->empty();
            if (!visible && !IsModuleTemporary(name) && !probe) NoteOther(path, &census);
            continue;
        }
        if (Same(o, n) && Same(c, o)) continue;  // a file this writer does not change
        if (Same(c, o))
            ++census.old;
        else if (Same(c, n))
            ++census.fresh;
        else if (c == nullptr)
            ++census.missing;
        else if (o != nullptr && n != nullptr && IsBetween(path, *o, *n, *c))
            ++census.between;
        else
            NoteOther(path, &census);
    }
    return census;
}

int Differences(const Snapshot& a, const Snapshot& b) {
    int count = 0;
    for (const auto& file : a) {
        const std::string* other = Find(b, file.first);
        if (other == nullptr || *other != file.second) ++count;
    }
    for (const auto& file : b)
        if (Find(a, file.first) == nullptr) ++count;
    return count;
}

}  // namespace trial
