#include "importdest/lumora_page.h"

#include "base/module_state.h"

CPage_Lumora::CPage_Lumora() : CPropertyPage(Module().resources, IDD_IMPORT_DEST) {
    m_psp.dwFlags |= PSP_HASHELP;
}

void CPage_Lumora::DoDataExchange(CDataExchange* dx) { ExchangeImportDestination(dx, fields); }

BOOL CPage_Lumora::OnInitDialog() {
    const BOOL result = CPropertyPage::OnInitDialog();
    StartImportDestination(m_hWnd, fields);
    return result;
}

BOOL CPage_Lumora::OnButtonClicked(int id) {
    switch (id) {
        case IDC_IMPORT_CONFIRM:
            SetModified(TRUE);
            UpdateData(TRUE);
            return TRUE;
        case IDC_IMPORT_WORKAREA:
        case IDC_IMPORT_SELECTED_BINDER:
        case IDC_IMPORT_BINDER_DIALOG:
            if (ChooseImportDestination(m_hWnd, fields, id)) SetModified(TRUE);
            return TRUE;
        case IDC_IMPORT_HELP:
            // The template's own Help button opens this tab's topic, as the
            // sheet's Help button does.
            ShowImportDestinationHelp(m_hWnd);
            return TRUE;
        default:
            return CPropertyPage::OnButtonClicked(id);
    }
}

void CPage_Lumora::OnOK() {
    ComputeImportDestinationChanged(fields);
    CPropertyPage::OnOK();
}
