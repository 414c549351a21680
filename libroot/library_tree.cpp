#include "libroot/library_tree.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "base/module_state.h"
#include "base/phase_timer.h"
#include "resources/resource.h"

namespace {

// The value of section/key of iniPath, cut to the list buffer.
std::string ReadList(const char* iniPath, const char* section, const char* key) {
    char text[kFolderListSize] = {};
    GetPrivateProfileStringA(section, key, "", text, sizeof text, iniPath);
    return text;
}

bool HasPath(const char* path) { return path != nullptr && path[0] != '\0'; }

}  // namespace

void MakeFolderIniPath(const char* folder, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    if (folder == nullptr) return;
    const int length = std::snprintf(out, MAX_PATH, "%s\\folder.ini", folder);
    if (length < 0 || length >= MAX_PATH) out[0] = '\0';
}

int32_t ReadFolderEntries(const char* iniPath, EntryArray* entries) {
    VORDA_PHASE(kPhaseLibraryLists);
    if (entries == nullptr || !HasPath(iniPath)) return 0;
    const std::string list = ReadList(iniPath, "FolderInfo", "NameList");
    const int32_t result = BuildNameEntries(list.c_str(), entries);
    if (result != 0) return result;
    for (ListEntry& entry : *entries) ParseEntryName(&entry);
    return 0;
}

int32_t ReadBinderEntries(const char* libRoot, const char* library, const char* cabinet,
                          EntryArray* entries) {
    VORDA_PHASE(kPhaseLibraryLists);
    if (libRoot == nullptr || library == nullptr || cabinet == nullptr || entries == nullptr)
        return 0;
    const std::string folder = std::string(libRoot) + "\\" + library + "\\" + cabinet;
    char iniPath[MAX_PATH];
    MakeFolderIniPath(folder.c_str(), iniPath);
    if (iniPath[0] == '\0') return 0;
    std::vector<std::string> names, positions;
    int32_t result = SplitList(ReadList(iniPath, "BinderInfo", "NameList").c_str(), ",", &names);
    if (result == 0)
        result = SplitList(ReadList(iniPath, "BinderInfo", "PosList").c_str(), ",", &positions);
    if (result != 0) return result;
    result = BuildBinderEntries(folder.c_str(), names, positions, entries);
    for (ListEntry& entry : *entries) ParseEntryName(&entry);
    return result;
}

int32_t FillComboFromNameList(HWND dialog, int comboId, const char* iniPath,
                              std::vector<int32_t>* numbers, TreeListCache* cache) {
    VORDA_PHASE(kPhaseComboFills);
    if (!HasPath(iniPath)) return 0;
    EntryArray read;
    const EntryArray* listed = &read;
    int32_t result = 0;
    if (cache != nullptr) {
        auto found = cache->folders.find(iniPath);
        if (found == cache->folders.end()) {
            std::pair<int32_t, EntryArray> fresh;
            fresh.first = ReadFolderEntries(iniPath, &fresh.second);
            found = cache->folders.emplace(iniPath, std::move(fresh)).first;
        }
        result = found->second.first;
        listed = &found->second.second;
    } else {
        result = ReadFolderEntries(iniPath, &read);
    }
    if (result != 0) return result;
    const EntryArray& entries = *listed;
    HWND combo = GetDlgItem(dialog, comboId);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    if (numbers != nullptr) numbers->clear();
    for (const ListEntry& entry : entries) {
        const std::string shown = EntryShownText(entry);
        const LRESULT row = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(shown.c_str()));
        const int32_t number = entry.hasNumber ? entry.number : -1;
        if (row == CB_ERR) {
            const LRESULT added =
                SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
            if (numbers != nullptr && added >= 0) {
                numbers->resize(static_cast<size_t>(added) + 1, -1);
                (*numbers)[static_cast<size_t>(added)] = number;
            }
        } else if (numbers != nullptr && row >= 0 && static_cast<size_t>(row) < numbers->size()) {
            int32_t& kept = (*numbers)[static_cast<size_t>(row)];
            if (entry.hasNumber && entry.number > kept) kept = entry.number;
        }
    }
    return 1;
}

int32_t FillComboFromStringIds(HWND dialog, int comboId, const UINT* ids, int32_t count) {
    VORDA_PHASE(kPhaseComboFills);
    HWND combo = GetDlgItem(dialog, comboId);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int32_t i = 0; ids != nullptr && i < count; ++i) {
        char text[MAX_PATH];
        LoadResString(ids[i], text, sizeof text);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    return 1;
}

int32_t AppendBinderList(HWND dialog, int comboId, const char* libRoot, const char* library,
                         const char* cabinet, TreeListCache* cache) {
    VORDA_PHASE(kPhaseComboFills);
    EntryArray read;
    const EntryArray* listed = &read;
    int32_t result = 0;
    if (cache != nullptr && libRoot != nullptr && library != nullptr && cabinet != nullptr) {
        const std::string folder = std::string(libRoot) + "\\" + library + "\\" + cabinet;
        auto found = cache->binders.find(folder);
        if (found == cache->binders.end()) {
            std::pair<int32_t, EntryArray> fresh;
            fresh.first = ReadBinderEntries(libRoot, library, cabinet, &fresh.second);
            found = cache->binders.emplace(folder, std::move(fresh)).first;
        }
        result = found->second.first;
        listed = &found->second.second;
    } else {
        result = ReadBinderEntries(libRoot, library, cabinet, &read);
    }
    const EntryArray& entries = *listed;
    char temporary[MAX_PATH];
    LoadResString(IDS_TEMPORARY_BINDER, temporary, sizeof temporary);
    HWND combo = GetDlgItem(dialog, comboId);
    for (const ListEntry& entry : entries) {
        const std::string shown = EntryShownText(entry);
        if (shown == temporary) continue;
        if (SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(shown.c_str())) != CB_ERR)
            continue;
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    }
    return result;
}
