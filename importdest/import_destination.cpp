#include "importdest/import_destination.h"

#include <shlwapi.h>

#include <cstdio>
#include <cstring>

#include "base/help.h"
#include "base/ini_writer.h"
#include "base/phase_timer.h"
#include "siblings/vorda_common.h"

namespace {

const char kSection[] = "Lumora";
const char kDestinationKey[] = "OutputStyle";
const char kConfirmationKey[] = "ShowMsg";

int RadioOfDestination(int destination) {
    switch (destination) {
        case kWorkArea:
            return IDC_IMPORT_WORKAREA;
        case kSelectedBinder:
            return IDC_IMPORT_SELECTED_BINDER;
        case kBinderDialog:
            return IDC_IMPORT_BINDER_DIALOG;
        default:
            return 0;
    }
}

void EnableConfirmation(HWND window, BOOL enable) {
    if (HWND check = GetDlgItem(window, IDC_IMPORT_CONFIRM)) EnableWindow(check, enable);
}

}  // namespace

void ReadImportDestination(int* destination, int* confirmation) {
    VORDA_PHASE(kPhaseIniReads);
    *destination = 0;
    *confirmation = 0;
    char iniPath[MAX_PATH] = {};
    if (GetSettingsIniPath(nullptr, iniPath) < 0) return;
    *destination = static_cast<int>(GetPrivateProfileIntA(kSection, kDestinationKey, 0, iniPath));
    *confirmation = static_cast<int>(GetPrivateProfileIntA(kSection, kConfirmationKey, 0, iniPath));
}

int WriteImportDestinationValues(HWND owner, int destination, int confirmation, char* iniPath) {
    char path[MAX_PATH] = {};
    if (GetSettingsIniPath(owner, path) < 0) return 0;
    if (iniPath != nullptr) std::memcpy(iniPath, path, sizeof path);

    char style[16];
    char show[16];
    std::snprintf(style, sizeof style, "%d", destination);
    std::snprintf(show, sizeof show, "%d", destination == kWorkArea ? confirmation : 0);
    return WriteIniFile(path,
                        {{kSection, kDestinationKey, style}, {kSection, kConfirmationKey, show}});
}

int MakeSettingsBackupPath(const char* iniPath, char* out) {
    char base[MAX_PATH];
    const size_t length = std::strlen(iniPath);
    if (length >= sizeof base) return 0;
    std::memcpy(base, iniPath, length + 1);
    PathRemoveExtensionA(base);
    const int written = std::snprintf(out, MAX_PATH, "%s.dat", base);
    return written > 0 && written < MAX_PATH ? 1 : 0;
}

void CheckDestinationRadio(HWND window, int destination) {
    const int checked = RadioOfDestination(destination);
    if (checked == 0) return;
    CheckRadioButton(window, IDC_IMPORT_WORKAREA, IDC_IMPORT_BINDER_DIALOG, checked);
}

void ExchangeImportDestination(CDataExchange* dx, ImportDestinationFields& fields) {
    DDX_Check(dx, IDC_IMPORT_CONFIRM, fields.confirmation);
    DDX_Radio(dx, IDC_IMPORT_WORKAREA, fields.destination);
}

void StartImportDestination(HWND window, ImportDestinationFields& fields) {
    fields.startConfirmation = fields.confirmation;
    fields.startDestination = fields.destination;
    CheckDestinationRadio(window, fields.destination);
    if (fields.destination != kWorkArea) EnableConfirmation(window, FALSE);
    fields.initialised = 1;
}

int ChooseImportDestination(HWND window, ImportDestinationFields& fields, int radioId) {
    int destination;
    switch (radioId) {
        case IDC_IMPORT_WORKAREA:
            destination = kWorkArea;
            break;
        case IDC_IMPORT_SELECTED_BINDER:
            destination = kSelectedBinder;
            break;
        case IDC_IMPORT_BINDER_DIALOG:
            destination = kBinderDialog;
            break;
        default:
            return 0;
    }
    const int moved = fields.destination != destination ? 1 : 0;
    fields.destination = destination;
    EnableConfirmation(window, destination == kWorkArea ? TRUE : FALSE);
    CheckDestinationRadio(window, destination);
    return moved;
}

void ComputeImportDestinationChanged(ImportDestinationFields& fields) {
    if (fields.destination != fields.startDestination ||
        (fields.destination == kWorkArea && fields.confirmation != fields.startConfirmation)) {
        fields.changed = 1;
    }
}

void ShowImportDestinationHelp(HWND window) { OpenHelpTopic(window, kImportDestinationHelpTopic); }
