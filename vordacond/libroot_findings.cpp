// The LibRoot folders of the settings INI, checked with the LibRoot page's
// own checks.
#include <windows.h>

#include <cstdio>

#include "base/paths.h"
#include "base/text.h"
#include "libroot/link_folders.h"
#include "libroot/root_checks.h"
#include "siblings/vorda_common.h"
#include "vordacond/findings.h"

bool FindSettingsIni(std::string* path, FindingList* out) {
    char ini[MAX_PATH] = {};
    if (GetSettingsIniPath(nullptr, ini) < 0 || ini[0] == '\0') {
        out->Add(kError, "settings INI", "",
                 "the settings INI cannot be found (VORDA_SETTINGS_INI, or Vorda.ini in the "
                 "application folder of the App Paths entry)");
        return false;
    }
    if (!IsFile(ini)) {
        out->Add(kError, ini, "", "the settings INI does not exist");
        return false;
    }
    *path = ini;
    return true;
}

namespace {

std::string SlotKey(const char* base, int slot) {
    char key[32];
    std::snprintf(key, sizeof key, "%s%d", base, slot);
    return key;
}

// Adds the rejection of check as an error of slot (0..2), and notes that
// the WorkArea folder is unknown once.
void Report(const RootCheck& check, int slot, const std::string& ini, bool* workAreaNoted,
            FindingList* out) {
    if (check.noteCount > 0 && !*workAreaNoted) {
        *workAreaNoted = true;
        char common[MAX_PATH] = {};
        GetCommonIniPath(common);
        out->Add(kWarning, common[0] != '\0' ? common : ini, "[Common] WorkArea",
                 "the WorkArea folder is unknown: the LibRoot folders were not checked against "
                 "it");
    }
    if (!check.Rejected()) return;
    const RootFinding& f = check.rejection;
    const std::string field =
        SlotKey(f.field == kRootFieldAlias ? "LinkName" : "LinkFolder", slot + 1);
    out->Add(kError, ini, field, MessageText(f.messageId));
}

}  // namespace

void CheckLibRoots(const std::string& settingsIni, FindingList* out) {
    const char* ini = settingsIni.c_str();
    char paths[3][MAX_PATH] = {};
    char aliases[3][MAX_PATH] = {};
    for (int i = 0; i < 3; ++i) {
        GetPrivateProfileStringA("Folder", SlotKey("LinkFolder", i + 1).c_str(), "", paths[i],
                                 MAX_PATH, ini);
        GetLinkName(aliases[i], i + 1, paths[i][0] != '\0');
    }
    char current[MAX_PATH] = {};
    GetPrivateProfileStringA("Folder", "CurrentFolder", "", current, MAX_PATH, ini);
    int currentSlot = -1;
    for (int i = 0; i < 3 && currentSlot < 0; ++i)
        if (current[0] != '\0' && SameTextNoCase(paths[i], current)) currentSlot = i;
    if (currentSlot < 0) {
        if (current[0] != '\0')
            out->Add(kWarning, ini, "CurrentFolder",
                     "the current LibRoot folder is none of LinkFolder1 to LinkFolder3; slot 1 "
                     "is checked as the current one");
        currentSlot = 0;
    }

    bool workAreaNoted = false;
    int inUse[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (i == currentSlot) {
            // Nothing of the page's icon change: the checks alone.
            RootCheck check = CheckCurrentRootReach(paths[i]);
            if (!check.Rejected()) {
                Report(check, i, ini, &workAreaNoted, out);
                check = CheckCurrentRootUse(paths[i], aliases[i]);
            }
            Report(check, i, ini, &workAreaNoted, out);
            inUse[i] = 1;
        } else {
            // Every root is checked for nesting, as a root entered anew is.
            const RootCheck check = CheckOtherRoot(paths[i], aliases[i], "");
            Report(check, i, ini, &workAreaNoted, out);
            inUse[i] = check.inUse;
        }
    }
    const char* const aliasTexts[3] = {aliases[0], aliases[1], aliases[2]};
    int slot = 0;
    const RootCheck duplicate = CheckRootAliases(aliasTexts, inUse, &slot);
    Report(duplicate, slot, ini, &workAreaNoted, out);
}
