#include "libroot/link_folders.h"

#include <cstdio>
#include <cstring>

#include "base/app_path.h"
#include "base/ini_writer.h"
#include "base/module_state.h"
#include "base/paths.h"
#include "base/phase_timer.h"
#include "base/text.h"
#include "resources/resource.h"
#include "siblings/vorda_common.h"

namespace {

const char kFolderSection[] = "Folder";
const char kMessageShowSection[] = "MessageShow";
const char kRsltFolder[] = "Rslt";
const char kCertFolder[] = "CERT";

bool ValidSlot(int slot) { return slot >= 1 && slot <= 3; }

// "LinkFolder"+n and the like.
void SlotKey(char* key, size_t size, const char* base, int slot) {
    std::snprintf(key, size, "%s%d", base, slot);
}

// The settings INI path into ini (260 bytes); false when it cannot be got.
bool SettingsIni(HWND owner, char* ini) {
    std::memset(ini, 0, MAX_PATH);
    return GetSettingsIniPath(owner, ini) >= 0 && ini[0] != '\0';
}

// The settings INI entries of one slot's path or alias: "LinkFolder"+slot
// (or "LinkName"+slot), and "CurrentFolder" (or "CurrentName") too when the
// slot is the current one. Both keys go in one replace of the file, so that
// they never disagree.
IniEntries SlotEntries(const char* slotKey, const char* currentKey, const char* value, int slot,
                       int current) {
    char key[32];
    SlotKey(key, sizeof key, slotKey, slot);
    IniEntries entries = {{kFolderSection, key, value}};
    if (slot == current) entries.push_back({kFolderSection, currentKey, value});
    return entries;
}

// "changeinfo.ini" beside the settings INI file.
void ChangeInfoPath(const char* ini, char* out, size_t size) {
    char folder[MAX_PATH];
    CopyText(folder, sizeof folder, ini);
    StripLastPathComponent(folder);
    std::snprintf(out, size, "%s\\changeinfo.ini", folder);
}

}  // namespace

void GetLinkName(char* alias, int slot, int useDefault, HWND owner) {
    VORDA_PHASE(kPhaseIniReads);
    if (alias == nullptr || !ValidSlot(slot)) return;

    char fallback[MAX_PATH] = {};
    if (useDefault) {
        char base[MAX_PATH];
        LoadResString(IDS_DEFAULT_ALIAS_PREFIX, base, sizeof base);
        std::snprintf(fallback, sizeof fallback, "%s%d", base, slot);
    }

    char ini[MAX_PATH];
    if (!SettingsIni(owner, ini)) {
        CopyText(alias, MAX_PATH, fallback);
        return;
    }
    char key[32];
    SlotKey(key, sizeof key, "LinkName", slot);
    GetPrivateProfileStringA(kFolderSection, key, fallback, alias, MAX_PATH, ini);
}

int SetLinkPath(const char* path, int slot, int current, int changeFlag, const char* oldPath,
                HWND owner) {
    if (!ValidSlot(slot)) return 0;
    char ini[MAX_PATH];
    if (!SettingsIni(owner, ini)) return 0;
    if (path == nullptr) path = "";

    char changeInfo[MAX_PATH];
    ChangeInfoPath(ini, changeInfo, sizeof changeInfo);

    if (!WriteIniFile(ini, SlotEntries("LinkFolder", "CurrentFolder", path, slot, current)))
        return 0;

    if (changeFlag != 0) {
        char key[32];
        // The root left a network folder: the lock marker of this slot's user
        // there is stale, and the application must learn of the move.
        SlotKey(key, sizeof key, "UsrNumber", slot);
        const int user =
            static_cast<int>(GetPrivateProfileIntA(kFolderSection, key, -1, changeInfo));
        if (user != -1 && oldPath != nullptr) {
            char marker[MAX_PATH];
            const int written = std::snprintf(marker, sizeof marker, "%s\\%s\\%s%d.Locked", oldPath,
                                              kRsltFolder, "ListData", user);
            if (written > 0 && written < static_cast<int>(sizeof marker) && PathExists(marker)) {
                DeleteFileA(marker);
            }
        }
        const int digit = changeFlag < 0 ? -changeFlag : changeFlag;
        const char flagText[2] = {static_cast<char>('0' + digit % 10), '\0'};
        SlotKey(key, sizeof key, "ChangeFolderFlag", slot);
        WriteIniFile(changeInfo, {{kFolderSection, key, flagText}});
    }
    return 1;
}

int SetLinkName(const char* alias, int slot, int current, int /*changeFlag*/,
                const char* /*oldPath*/, HWND owner) {
    if (!ValidSlot(slot)) return 0;
    char ini[MAX_PATH];
    if (!SettingsIni(owner, ini)) return 0;
    if (alias == nullptr) alias = "";

    return WriteIniFile(ini, SlotEntries("LinkName", "CurrentName", alias, slot, current));
}

int SetMessageShowFlag(int flag, HWND owner) {
    char ini[MAX_PATH];
    if (!SettingsIni(owner, ini)) return 0;
    return WriteIniFile(ini, {{kMessageShowSection, "MessageShow", flag ? "1" : "0"}});
}

int GetChangeFolderFlag(const char* oldPath, const char* newPath) {
    if (oldPath == nullptr || newPath == nullptr) return 0;
    if (SameTextNoCase(oldPath, newPath)) return 0;
    if (oldPath[0] != '\\' || oldPath[1] != '\\') return 0;
    char rslt[MAX_PATH];
    const int written = std::snprintf(rslt, sizeof rslt, "%s\\%s", oldPath, kRsltFolder);
    if (written <= 0 || written >= static_cast<int>(sizeof rslt)) return 0;
    return PathExists(rslt) ? 1 : 0;
}

int EnsureCertFolder(const char* root) {
    if (root == nullptr || root[0] == '\0') return 0;
    if (!PathExists(root)) return 1;
    char cert[MAX_PATH];
    const int written = std::snprintf(cert, sizeof cert, "%s\\%s", root, kCertFolder);
    if (written <= 0 || written >= static_cast<int>(sizeof cert)) return 2;
    if (PathExists(cert)) return 0;
    return CreateDirectoryA(cert, nullptr) ? 0 : 2;
}
