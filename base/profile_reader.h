// Reading one INI file by section and key, with the answers of the
// private-profile functions. Those reopen and search the file on every call,
// which under Wine costs a directory lookup each time: a folder of thousands
// of condition files then takes minutes to check. The in-memory form reads
// the file once and answers every call from it, parsed and matched as the
// profile functions do (lines split at CR and LF, white space trimmed, names
// compared without regard to ASCII letter case, the first section and key of
// a name counting, lines without "=" shadowing later keys, one pair of
// matching quotes dropped after the value is cut to the buffer). A file it
// cannot answer for exactly (one it cannot read, one with a byte-order mark,
// one the registry maps) is read through the profile functions.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class ProfileReader {
public:
    // Reads path through the profile functions, call by call.
    explicit ProfileReader(const char* path);

    // Reads path once, into memory, when it can; else as the constructor.
    static ProfileReader InMemory(const char* path);

    // GetPrivateProfileStringA(section, key, fallback, buffer, size, path);
    // a null key lists the section's keys.
    DWORD String(const char* section, const char* key, const char* fallback, char* buffer,
                 DWORD size) const;

    // GetPrivateProfileSectionNamesA(buffer, size, path).
    DWORD SectionNames(char* buffer, DWORD size) const;

    const char* path() const { return path_.c_str(); }
    // true when the file was read into memory.
    bool inMemory() const { return loaded_; }

private:
    struct Key {
        std::wstring name;
        std::wstring value;
        bool hasValue = false;  // the line had a "="
    };
    struct Section {
        std::wstring name;
        std::vector<Key> keys;
    };

    bool Load();
    void Parse(const std::wstring& text);
    const Key* Find(const wchar_t* section, const wchar_t* key) const;
    int KeyList(const wchar_t* section, wchar_t* buffer, UINT size) const;
    int NameList(wchar_t* buffer, UINT size) const;

    std::string path_;
    bool loaded_ = false;
    std::vector<Section> sections_;  // the first one holds the lines before any section
};
