#include "base/profile_reader.h"

#include <cstring>
#include <cwchar>

namespace {

// White space as the profile functions trim it: tab to CR, ^Z and space.
bool IsSpace(wchar_t c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == 0x20; }

wchar_t FoldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

// Names compare with ASCII letters folded, nothing else.
int CompareNoCase(const wchar_t* a, const wchar_t* b, size_t count) {
    for (; count > 0; --count, ++a, ++b) {
        const int difference = FoldAscii(*a) - FoldAscii(*b);
        if (difference != 0 || *a == L'\0') return difference;
    }
    return 0;
}

int CompareNoCase(const wchar_t* a, const wchar_t* b) {
    return CompareNoCase(a, b, static_cast<size_t>(-1));
}

// lstrcpyn: at most count - 1 characters, then the terminator.
void CopyCount(wchar_t* target, const wchar_t* source, size_t count) {
    while (count > 1 && *source != L'\0') {
        --count;
        *target++ = *source++;
    }
    if (count > 0) *target = L'\0';
}

// A value into buffer (count characters): cut to fit, then one pair of
// matching quotes dropped; the closing quote only when it was copied.
void CopyValue(wchar_t* buffer, const wchar_t* value, size_t count) {
    wchar_t quote = L'\0';
    if ((*value == L'\'' || *value == L'"') && value[1] != L'\0' &&
        value[std::wcslen(value) - 1] == *value)
        quote = *value++;
    CopyCount(buffer, value, count);
    const size_t copied = std::wcslen(buffer);
    if (quote != L'\0' && count >= std::wcslen(value) && copied > 0) buffer[copied - 1] = L'\0';
}

std::wstring Widen(const char* text) {
    if (text == nullptr || text[0] == '\0') return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

// The name's start and length with white space trimmed on both sides.
const wchar_t* Trimmed(const wchar_t* name, size_t* length) {
    while (IsSpace(*name)) ++name;
    size_t n = std::wcslen(name);
    while (n > 1 && IsSpace(name[n - 1])) --n;
    *length = n;
    return name;
}

// The registry can redirect an INI file by its name to registry keys; those
// files are read through the profile functions.
bool IsMappedFile(const char* path) {
    static const std::vector<std::wstring> mapped = [] {
        std::vector<std::wstring> names;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                          L"Software\\Microsoft\\Windows NT\\CurrentVersion\\IniFileMapping", 0,
                          KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_WOW64_64KEY,
                          &key) != ERROR_SUCCESS)
            return names;
        wchar_t name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            names.push_back(name);
        }
        RegCloseKey(key);
        return names;
    }();
    if (mapped.empty()) return false;
    const char* file = path;
    for (const char* p = path; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') file = p + 1;
    const std::wstring wide = Widen(file);
    for (const std::wstring& name : mapped)
        if (CompareStringOrdinal(name.c_str(), -1, wide.c_str(), -1, TRUE) == CSTR_EQUAL)
            return true;
    return false;
}

}  // namespace

ProfileReader::ProfileReader(const char* path) : path_(path == nullptr ? "" : path) {}

ProfileReader ProfileReader::InMemory(const char* path) {
    ProfileReader reader(path);
    reader.loaded_ = reader.Load();
    if (!reader.loaded_) reader.sections_.clear();
    return reader;
}

bool ProfileReader::Load() {
    // A bare name would be looked for in the Windows folder.
    if (path_.find_first_of("\\/") == std::string::npos || IsMappedFile(path_.c_str()))
        return false;
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    std::string bytes;
    bool read = size != INVALID_FILE_SIZE;
    if (read && size > 0) {
        bytes.resize(size);
        DWORD got = 0;
        read = ReadFile(file, &bytes[0], size, &got, nullptr) && got == size;
    }
    CloseHandle(file);
    if (!read) return false;
    if (size == 0) return true;  // an empty file has no sections at all
    // Files with a byte-order mark are decoded otherwise.
    const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes.data());
    if (size >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return false;
    if (size >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF)))
        return false;
    const int length =
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(size), nullptr, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(size), &text[0], length);
    Parse(text);
    return true;
}

void ProfileReader::Parse(const std::wstring& text) {
    sections_.assign(1, Section());
    bool afterUnnamedKey = false;  // the last line was a key without a name
    const size_t end = text.size();
    size_t next = 0;
    while (next < end) {
        size_t start = next;
        while (next < end && text[next] != L'\n' && text[next] != L'\r') ++next;
        while (next < end && (text[next] == L'\n' || text[next] == L'\r')) ++next;
        size_t stop = next;
        while (start < stop && IsSpace(text[start])) ++start;
        while (stop > start && IsSpace(text[stop - 1])) --stop;
        if (start >= stop) continue;

        if (text[start] == L'[') {
            size_t length = stop - start;
            while (length > 0 && text[start + length - 1] != L']') --length;
            if (length > 0) {
                size_t first = start + 1;
                size_t last = start + length - 1;
                while (first < last && IsSpace(text[first])) ++first;
                while (last > first && IsSpace(text[last - 1])) --last;
                Section section;
                section.name = text.substr(first, last - first);
                sections_.push_back(section);
                afterUnnamedKey = false;
                continue;
            }
        }

        size_t nameLength = stop - start;
        size_t equals = start;
        while (equals < stop && text[equals] != L'=') ++equals;
        const bool hasValue = equals < stop;
        size_t valueStart = stop;
        if (hasValue) {
            size_t nameEnd = equals;
            while (nameEnd > start && IsSpace(text[nameEnd - 1])) --nameEnd;
            nameLength = nameEnd - start;
            valueStart = equals + 1;
            while (valueStart < stop && IsSpace(text[valueStart])) ++valueStart;
        }
        // Of several lines in a row without a name only the first is kept.
        if (nameLength == 0 && afterUnnamedKey) continue;
        Key key;
        key.name = text.substr(start, nameLength);
        key.hasValue = hasValue;
        if (hasValue) key.value = text.substr(valueStart, stop - valueStart);
        afterUnnamedKey = key.name.c_str()[0] == L'\0';
        sections_.back().keys.push_back(key);
    }
}

const ProfileReader::Key* ProfileReader::Find(const wchar_t* section, const wchar_t* key) const {
    size_t sectionLength = 0, keyLength = 0;
    section = Trimmed(section, &sectionLength);
    key = Trimmed(key, &keyLength);
    for (const Section& s : sections_) {
        if (CompareNoCase(s.name.c_str(), section, sectionLength) != 0 ||
            s.name.c_str()[sectionLength] != L'\0')
            continue;
        // Only the first section of the name is searched.
        for (const Key& k : s.keys)
            if (CompareNoCase(k.name.c_str(), key, keyLength) == 0 &&
                k.name.c_str()[keyLength] == L'\0')
                return &k;
        return nullptr;
    }
    return nullptr;
}

int ProfileReader::KeyList(const wchar_t* section, wchar_t* buffer, UINT size) const {
    for (const Section& s : sections_) {
        if (CompareNoCase(s.name.c_str(), section) != 0) continue;
        const UINT whole = size;
        wchar_t* at = buffer;
        for (const Key& k : s.keys) {
            if (size <= 2) break;
            const wchar_t first = k.name.c_str()[0];
            // Comments and lines without "=" are no keys.
            if (first == L';' || !k.hasValue) continue;
            CopyCount(at, k.name.c_str(), size - 1);
            const size_t length = std::wcslen(at);
            size -= static_cast<UINT>(length + 1);
            at += length + 1;
            if (size < 2) break;
        }
        *at = L'\0';
        // A list cut short ends in two terminators all the same.
        if (size <= 1) {
            at[-1] = L'\0';
            return static_cast<int>(whole - 2);
        }
        return static_cast<int>(whole - size);
    }
    buffer[0] = L'\0';
    if (size > 1) buffer[1] = L'\0';
    return 0;
}

int ProfileReader::NameList(wchar_t* buffer, UINT size) const {
    if (size == 0) return 0;
    if (size == 1) {
        *buffer = L'\0';
        return 0;
    }
    UINT room = size - 1;
    wchar_t* at = buffer;
    for (const Section& s : sections_) {
        const wchar_t* name = s.name.c_str();
        if (name[0] == L'\0') continue;
        const UINT length = static_cast<UINT>(std::wcslen(name) + 1);
        if (length >= room) {
            // The name that does not fit is cut so that the list still ends
            // in two terminators.
            if (room > 0) {
                std::memcpy(at, name, (room - 1) * sizeof(wchar_t));
                at += room - 1;
                *at++ = L'\0';
            }
            *at = L'\0';
            return static_cast<int>(size - 2);
        }
        std::memcpy(at, name, length * sizeof(wchar_t));
        at += length;
        room -= length;
    }
    *at = L'\0';
    return static_cast<int>(at - buffer);
}

DWORD ProfileReader::String(const char* section, const char* key, const char* fallback,
                            char* buffer, DWORD size) const {
    if (!loaded_)
        return GetPrivateProfileStringA(section, key, fallback, buffer, size, path_.c_str());
    if (buffer == nullptr || size == 0) return 0;
    std::vector<wchar_t> wide(size, L'\0');
    std::wstring fallbackW = Widen(fallback);
    int length = 0;
    if (section == nullptr) {
        length = NameList(wide.data(), size);
    } else if (key == nullptr) {
        length = KeyList(Widen(section).c_str(), wide.data(), size);
        if (wide[0] == L'\0') {
            CopyValue(wide.data(), fallbackW.c_str(), size);
            length = static_cast<int>(std::wcslen(wide.data()));
        }
    } else {
        // Trailing spaces of the fallback are dropped (all but a first).
        size_t kept = fallbackW.size();
        while (kept > 1 && fallbackW[kept - 1] == L' ') --kept;
        fallbackW.resize(kept);
        const Key* found = Find(Widen(section).c_str(), Widen(key).c_str());
        CopyValue(wide.data(),
                  found != nullptr && found->hasValue ? found->value.c_str() : fallbackW.c_str(),
                  size);
        length = static_cast<int>(std::wcslen(wide.data()));
    }
    int written = 0;
    if (length > 0) {
        written = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, buffer,
                                      static_cast<int>(size - 1), nullptr, nullptr);
        if (written == 0) written = static_cast<int>(size - 1);
    }
    buffer[written] = '\0';
    return static_cast<DWORD>(written);
}

DWORD ProfileReader::SectionNames(char* buffer, DWORD size) const {
    if (!loaded_) return GetPrivateProfileSectionNamesA(buffer, size, path_.c_str());
    if (buffer == nullptr || size == 0) return 0;
    std::vector<wchar_t> wide(size, L'\0');
    const int length = NameList(wide.data(), size);
    if (length == 0) {
        buffer[0] = '\0';
        return 0;
    }
    int written = WideCharToMultiByte(CP_ACP, 0, wide.data(), length + 1, buffer,
                                      static_cast<int>(size - 1), nullptr, nullptr);
    if (written == 0) {
        buffer[size - 1] = '\0';
        return size - 2;
    }
    return static_cast<DWORD>(written - 1);
}
