#include "siblings/common/folder_path.h"

#include <cstring>

namespace vordacommon {

namespace {

std::wstring Widen(const char* text) {
    const int length = static_cast<int>(std::strlen(text));
    if (length == 0) return std::wstring();
    const int count = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (count <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, &wide[0], count);
    return wide;
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::wstring();
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed) return std::wstring();
    full.resize(length);
    return full;
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Appends the non-empty names between separators of text[from..] to parts.
void SplitNames(const std::wstring& text, size_t from, std::vector<std::wstring>& parts) {
    size_t start = from;
    for (size_t i = from; i <= text.size(); ++i) {
        if (i == text.size() || IsSeparator(text[i])) {
            if (i > start) parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

FolderPath SplitFolderPath(const char* path) {
    FolderPath result;
    if (path == nullptr || *path == '\0') return result;
    std::wstring full = FullPath(Widen(path));
    // A long-path prefix before a drive letter names the same folder.
    if (full.size() >= 6 &&
        (full.compare(0, 4, L"\\\\?\\") == 0 || full.compare(0, 4, L"\\\\.\\") == 0) &&
        full[5] == L':')
        full.erase(0, 4);
    if (full.size() >= 2 && full[1] == L':' &&
        ((full[0] >= L'A' && full[0] <= L'Z') || (full[0] >= L'a' && full[0] <= L'z'))) {
        result.root = full.substr(0, 2) + L"\\";
        SplitNames(full, 2, result.parts);
        result.valid = true;
        return result;
    }
    if (full.size() > 2 && IsSeparator(full[0]) && IsSeparator(full[1])) {
        // \\server\share: both names are part of the root.
        std::vector<std::wstring> names;
        SplitNames(full, 2, names);
        if (names.size() < 2 || names[0] == L"?" || names[0] == L".") return result;
        result.root = L"\\\\" + names[0] + L"\\" + names[1] + L"\\";
        result.parts.assign(names.begin() + 2, names.end());
        result.valid = true;
    }
    return result;
}

bool IsSameFolder(const FolderPath& a, const FolderPath& b) {
    return a.valid && b.valid && a.parts.size() == b.parts.size() && IsSameOrBelow(a, b);
}

bool IsSameOrBelow(const FolderPath& inner, const FolderPath& outer) {
    if (!inner.valid || !outer.valid || !SameText(inner.root, outer.root)) return false;
    if (inner.parts.size() < outer.parts.size()) return false;
    for (size_t i = 0; i < outer.parts.size(); ++i)
        if (!SameText(inner.parts[i], outer.parts[i])) return false;
    return true;
}

}  // namespace vordacommon
