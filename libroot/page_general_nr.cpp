#include "libroot/page_general_nr.h"

#include <cstring>

#include "base/messages.h"
#include "base/module_state.h"
#include "base/text.h"
#include "libroot/folder_browser.h"
#include "resources/resource.h"

namespace {

const size_t kMaxPathLength = 160;

}  // namespace

CPage_GeneralNR::CPage_GeneralNR() : CPropertyPage(Module().resources, IDD) {
    m_psp.dwFlags |= PSP_HASHELP;
}

CPage_GeneralNR::~CPage_GeneralNR() = default;

void CPage_GeneralNR::DoDataExchange(CDataExchange* dx) {
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_GENERAL_PATH, m_pathEdit);
    DDX_Check(dx, IDC_GENERAL_MESSAGE_SHOW, fields.messageShow);
}

BOOL CPage_GeneralNR::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_pathEdit.SetWindowText(fields.path);
    CopyText(m_prevPath, sizeof m_prevPath, fields.path);
    m_prevMessageShow = fields.messageShow;
    fields.initialised = 1;
    return TRUE;
}

BOOL CPage_GeneralNR::OnCommand(UINT code, int id, HWND control) {
    if (code == BN_CLICKED && id == IDC_GENERAL_BROWSE) {
        BrowseRoot(m_pathEdit, fields.path);
        return TRUE;
    }
    if ((code == BN_CLICKED && id == IDC_GENERAL_MESSAGE_SHOW) ||
        (code == EN_CHANGE && id == IDC_GENERAL_PATH)) {
        SetModified(TRUE);
        return TRUE;
    }
    return CPropertyPage::OnCommand(code, id, control);
}

void CPage_GeneralNR::BrowseRoot(CEdit& edit, char* pathField) {
    BrowseRootFolder(m_hWnd, edit, pathField);
}

int CPage_GeneralNR::ValidateSingleRoot() {
    if (m_hWnd == nullptr) return 1;  // never shown: nothing was edited

    m_pathEdit.GetWindowText(fields.path, sizeof fields.path);
    if (fields.path[0] == '\0') {
        ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_ROOT_INACCESSIBLE, kMessageWarning);
        m_pathEdit.SetFocus();
        return 0;
    }
    // A missing path reads as all bits set: read-only too, so it is rejected
    // as inaccessible whatever its length.
    const DWORD attributes = GetFileAttributesA(fields.path);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
        (attributes & FILE_ATTRIBUTE_READONLY) == 0) {
        if (std::strlen(fields.path) <= kMaxPathLength) return 1;
        ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_ROOT_TOO_LONG, kMessageWarning);
        m_pathEdit.SetFocus();
        return 0;
    }
    ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_ROOT_INACCESSIBLE, kMessageWarning);
    m_pathEdit.SetFocus();
    return 0;
}

BOOL CPage_GeneralNR::OnKillActive() {
    if (!ValidateSingleRoot()) return FALSE;
    return CPropertyPage::OnKillActive();
}

void CPage_GeneralNR::OnOK() {
    if (!(SameTextNoCase(m_prevPath, fields.path) && m_prevMessageShow == fields.messageShow)) {
        fields.modified = 1;
    }
    CPropertyPage::OnOK();
}
