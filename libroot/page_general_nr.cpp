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
    DDX_Check(dx, IDC_GENERAL_MESSAGE_SHOW, m_messageShow);
}

BOOL CPage_GeneralNR::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_pathEdit.SetWindowText(m_path);
    CopyText(m_prevPath, sizeof m_prevPath, m_path);
    m_prevMessageShow = m_messageShow;
    m_prevCurrentRoot = m_currentRoot;
    m_initialised = 1;
    return TRUE;
}

BOOL CPage_GeneralNR::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED && id == IDC_GENERAL_BROWSE) {
        BrowseRoot(m_pathEdit, m_path);
        return TRUE;
    }
    if ((code == BN_CLICKED && id == IDC_GENERAL_MESSAGE_SHOW) ||
        (code == EN_CHANGE && id == IDC_GENERAL_PATH)) {
        SetModified(TRUE);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CPage_GeneralNR::BrowseRoot(CEdit& edit, char* pathField) {
    BrowseRootFolder(m_hWnd, edit, pathField);
}

int CPage_GeneralNR::ValidateSingleRoot() {
    if (m_hWnd == nullptr) return 1;  // never shown: nothing was edited

    m_pathEdit.GetWindowText(m_path, sizeof m_path);
    if (m_path[0] == '\0') {
        ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_ROOT_INACCESSIBLE, kMessageWarning);
        m_pathEdit.SetFocus();
        return 0;
    }
    // A missing path reads as all bits set: read-only too, so it is rejected
    // as inaccessible whatever its length.
    const DWORD attributes = GetFileAttributesA(m_path);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
        (attributes & FILE_ATTRIBUTE_READONLY) == 0) {
        if (std::strlen(m_path) <= kMaxPathLength) return 1;
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
    if (!(SameTextNoCase(m_prevPath, m_path) && m_prevMessageShow == m_messageShow)) {
        m_modified = 1;
    }
    CPropertyPage::OnOK();
}
