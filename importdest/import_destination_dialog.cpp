#include "importdest/import_destination_dialog.h"

#include "base/help.h"
#include "base/ini_writer.h"
#include "base/messages.h"
#include "base/module_state.h"

namespace {
const int kSaveFailedCode = 13;
}  // namespace

ImportDestinationDialog::ImportDestinationDialog(HWND owner)
    : CDialog(Module().resources, IDD_IMPORT_DEST), m_owner(owner) {
    ReadImportDestination(&fields.destination, &fields.confirmation);
}

void ImportDestinationDialog::DoDataExchange(CDataExchange* dx) {
    ExchangeImportDestination(dx, fields);
}

BOOL ImportDestinationDialog::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    char caption[MAX_PATH];
    LoadResString(IDS_IMPORT_DEST_CAPTION, caption, sizeof caption);
    ::SetWindowTextA(m_hWnd, caption);
    StartImportDestination(m_hWnd, fields);
    const int shown[] = {IDC_IMPORT_HELP, IDOK, IDCANCEL};
    for (int id : shown) {
        if (HWND button = GetDlgItem(id)) ::ShowWindow(button, SW_SHOW);
    }
    return result;
}

BOOL ImportDestinationDialog::OnButtonClicked(int id) {
    switch (id) {
        case IDC_IMPORT_CONFIRM:
            UpdateData(TRUE);
            return TRUE;
        case IDC_IMPORT_WORKAREA:
        case IDC_IMPORT_SELECTED_BINDER:
        case IDC_IMPORT_BINDER_DIALOG:
            ChooseImportDestination(m_hWnd, fields, id);
            return TRUE;
        case IDC_IMPORT_HELP:
            ShowHelp();
            return TRUE;
        default:
            return CDialog::OnButtonClicked(id);
    }
}

void ImportDestinationDialog::OnOK() {
    ComputeImportDestinationChanged(fields);
    if (fields.initialised == 0 || SaveImportDestination()) {
        EndDialog(IDOK);
        return;
    }
    LogFailure("LumoraPage", 0, __LINE__, kSaveFailedCode, "Failed to save info to ini file.");
    ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_SETTINGS_UPDATE_FAILED, kMessageWarning);
}

int ImportDestinationDialog::SaveImportDestination() {
    char iniPath[MAX_PATH] = {};
    if (!WriteImportDestinationValues(m_hWnd, fields.destination, fields.confirmation, iniPath)) {
        return 0;
    }
    char backup[MAX_PATH];
    // A backup that cannot be refreshed does not fail the save.
    if (MakeSettingsBackupPath(iniPath, backup)) ReplaceWithCopy(iniPath, backup);
    return 1;
}

void ImportDestinationDialog::ShowHelp() { ShowImportDestinationHelp(m_hWnd); }

void ImportDestinationDialog::OnDestroy() {
    CloseAllHelp();
    CDialog::OnDestroy();
}
