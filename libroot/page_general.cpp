#include "libroot/page_general.h"

#include <cstdio>

#include "base/ini_writer.h"
#include "base/messages.h"
#include "base/module_state.h"
#include "base/paths.h"
#include "base/text.h"
#include "libroot/folder_browser.h"
#include "libroot/link_folders.h"
#include "libroot/root_checks.h"
#include "resources/resource.h"
#include "siblings/vorda_common.h"

namespace {

// Controls of dialog IDD_LIBROOT, by slot.
const int kRadioIds[3] = {IDC_ROOT1_CURRENT, IDC_ROOT2_CURRENT, IDC_ROOT3_CURRENT};
const int kPathEditIds[3] = {IDC_ROOT1_PATH, IDC_ROOT2_PATH, IDC_ROOT3_PATH};
const int kBrowseIds[3] = {IDC_ROOT1_BROWSE, IDC_ROOT2_BROWSE, IDC_ROOT3_BROWSE};
const int kAliasEditIds[3] = {IDC_ROOT1_ALIAS, IDC_ROOT2_ALIAS, IDC_ROOT3_ALIAS};

const int kMaxPathLength = 160;
const int kMaxAliasLength = 30;

// Event codes of the diagnostic log.
const int kLogLibRootCheck = 19;
const int kLogAliasNotSaved = 20;
const int kLogPathNotSaved = 4099;

// Log sources: the page's own checks, and the sheet's commit of the roots.
const char kLogSource[] = "Page_General";
const char kSheetLogSource[] = "PropSheet";
const char kVordaKey[] = "Software\\Tavo\\Vorda";
const char kCommonSection[] = "Common";

bool IsBrowseId(int id, int* slot) {
    for (int i = 0; i < 3; ++i) {
        if (kBrowseIds[i] == id) {
            *slot = i;
            return true;
        }
    }
    return false;
}

bool IsRadioId(int id, int* slot) {
    for (int i = 0; i < 3; ++i) {
        if (kRadioIds[i] == id) {
            *slot = i;
            return true;
        }
    }
    return false;
}

bool IsEditId(int id) {
    for (int i = 0; i < 3; ++i) {
        if (kPathEditIds[i] == id || kAliasEditIds[i] == id) return true;
    }
    return false;
}

int ReadCommonFlag(const char* key) {
    char ini[MAX_PATH] = {};
    if (GetCommonIniPath(ini) < 0) return 0;
    return GetPrivateProfileIntA(kCommonSection, key, 0, ini) != 0 ? 1 : 0;
}

int WriteCommonFlag(const char* key, int on) {
    char ini[MAX_PATH] = {};
    if (GetCommonIniPath(ini) < 0) return 0;
    return WriteIniFile(ini, {{kCommonSection, key, on ? "1" : "0"}});
}

}  // namespace

CPage_General::CPage_General() : CPropertyPage(Module().resources, IDD) {
    m_psp.dwFlags |= PSP_HASHELP;
}

CPage_General::~CPage_General() = default;

void CPage_General::DoDataExchange(CDataExchange* dx) {
    CPropertyPage::DoDataExchange(dx);
    for (int i = 0; i < 3; ++i) {
        DDX_Control(dx, kAliasEditIds[i], m_aliasEdit[i]);
        DDX_Control(dx, kPathEditIds[i], m_pathEdit[i]);
        DDX_Control(dx, kRadioIds[i], m_rootRadio[i]);
    }
    DDX_Control(dx, IDC_ROOT_ZORDER_VIEW, m_zOrderView);
    DDX_Control(dx, IDC_ROOT_ZORDER_WORKAREA, m_zOrderWordDesk);
    DDX_Check(dx, IDC_ROOT_MESSAGE_SHOW, fields.messageShow);
}

BOOL CPage_General::OnInitDialog() {
    CPropertyPage::OnInitDialog();

    for (int i = 0; i < 3; ++i) {
        m_pathEdit[i].SetLimitText(kMaxPathLength);
        m_aliasEdit[i].SetLimitText(kMaxAliasLength);
    }
    for (int i = 0; i < 3; ++i) {
        m_pathEdit[i].SetWindowText(fields.path[i]);
        CopyText(m_prevPath[i], MAX_PATH, fields.path[i]);
        CopyText(m_lastValidatedPath[i], MAX_PATH, fields.path[i]);
    }
    for (int i = 0; i < 3; ++i) {
        m_aliasEdit[i].SetWindowText(fields.alias[i]);
        CopyText(m_prevAlias[i], MAX_PATH, fields.alias[i]);
    }
    m_prevMessageShow = fields.messageShow;
    m_prevCurrentRoot = fields.currentRoot;

    m_zOrderWordDesk.SetCheck(GetZOrderWordDesk() ? BST_CHECKED : BST_UNCHECKED);
    m_zOrderView.SetCheck(GetZOrderView() ? BST_CHECKED : BST_UNCHECKED);

    UpdateRootRadios();
    fields.initialised = 1;
    return TRUE;
}

BOOL CPage_General::OnCommand(UINT code, int id, HWND control) {
    int slot = 0;
    if (code == BN_CLICKED && IsBrowseId(id, &slot)) {
        BrowseRoot(m_pathEdit[slot], fields.path[slot]);
        return TRUE;
    }
    if (code == BN_CLICKED && IsRadioId(id, &slot)) {
        SelectRoot(slot);
        return TRUE;
    }
    if (code == EN_CHANGE && IsEditId(id)) {
        SetModified(TRUE);
        return TRUE;
    }
    if (code == BN_CLICKED && (id == IDC_ROOT_MESSAGE_SHOW || id == IDC_ROOT_ZORDER_VIEW ||
                               id == IDC_ROOT_ZORDER_WORKAREA)) {
        SetModified(TRUE);
        return TRUE;
    }
    return CPropertyPage::OnCommand(code, id, control);
}

void CPage_General::SelectRoot(int index) {
    if (fields.currentRoot != index) {
        fields.currentRoot = index;
        SetModified(TRUE);
    }
    UpdateRootRadios();
}

void CPage_General::UpdateRootRadios() {
    const int checked = fields.currentRoot == 0 ? 0 : (fields.currentRoot == 1 ? 1 : 2);
    for (int i = 0; i < 3; ++i) {
        m_rootRadio[i].SetCheck(i == checked ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CPage_General::BrowseRoot(CEdit& edit, char* pathField) {
    BrowseRootFolder(m_hWnd, edit, pathField);
}

int CPage_General::Reject(UINT textId, int line, int result, int code, const char* logText,
                          CEdit* edit) {
    ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, textId, kMessageWarning);
    LogFailure(kLogSource, result, line, code, logText);
    if (edit != nullptr) edit->SelectAndFocus();
    return 0;
}

void CPage_General::SaveWindowOrder() {
    SetZOrderWordDesk(m_zOrderWordDesk.GetCheck() == BST_CHECKED);
    SetZOrderView(m_zOrderView.GetCheck() == BST_CHECKED);
}

int CPage_General::ReportRootCheck(const RootCheck& check, CEdit& pathEdit, CEdit& aliasEdit) {
    for (int i = 0; i < check.noteCount; ++i) {
        const RootFinding& note = check.notes[i];
        LogFailure(kLogSource, note.result, note.line, note.logCode, note.logText);
    }
    if (!check.Rejected()) return 1;
    const RootFinding& f = check.rejection;
    CEdit* edit = f.field == kRootFieldPath    ? &pathEdit
                  : f.field == kRootFieldAlias ? &aliasEdit
                                               : nullptr;
    return Reject(f.messageId, f.line, f.result, f.logCode, f.logText, edit);
}

int CPage_General::ValidateRootSlot(CButton& radio, CEdit& pathEdit, CEdit& aliasEdit,
                                    char* aliasOut, int* inUse, int slot) {
    char path[MAX_PATH] = {};
    char alias[MAX_PATH] = {};
    pathEdit.GetWindowText(path, sizeof path);
    aliasEdit.GetWindowText(alias, sizeof alias);
    if (aliasOut != nullptr) CopyText(aliasOut, MAX_PATH, alias);

    if (radio.GetCheck() == BST_CHECKED) {
        // The current root must be usable right now. It gets its folder
        // icon once it is known to be reachable and outside the WorkArea.
        if (!ReportRootCheck(CheckCurrentRootReach(path), pathEdit, aliasEdit)) return 0;
        const int result = ChangeFolderIcon_EnvSet(path);
        if (result != 0) {
            LogFailure(kLogSource, result, __LINE__, kLogLibRootCheck,
                       "The function of ChangeFolderIcon_EnvSet is failed.");
        }
        if (!ReportRootCheck(CheckCurrentRootUse(path, alias), pathEdit, aliasEdit)) return 0;
    } else {
        // Another root: it is only stored now, so only what would make the
        // stored value wrong is checked.
        const int index = (slot >= 1 && slot <= 3) ? slot - 1 : 0;
        const RootCheck check = CheckOtherRoot(path, alias, m_prevPath[index]);
        if (!check.inUse) {
            if (inUse != nullptr) *inUse = 0;
            return 1;
        }
        if (!ReportRootCheck(check, pathEdit, aliasEdit)) return 0;
    }

    SaveWindowOrder();
    if (inUse != nullptr) *inUse = 1;
    return 1;
}

int CPage_General::ValidateRoots() {
    if (m_hWnd == nullptr) return 1;  // never shown: nothing was edited

    char aliases[3][MAX_PATH] = {};
    for (int i = 0; i < 3; ++i) {
        m_inUse[i] = 0;
        if (!ValidateRootSlot(m_rootRadio[i], m_pathEdit[i], m_aliasEdit[i], aliases[i],
                              &m_inUse[i], i + 1)) {
            return 0;
        }
    }

    // Aliases must tell the roots apart exactly as typed.
    const char* const aliasTexts[3] = {aliases[0], aliases[1], aliases[2]};
    int slot = 0;
    const RootCheck duplicate = CheckRootAliases(aliasTexts, m_inUse, &slot);
    if (duplicate.Rejected()) {
        return ReportRootCheck(duplicate, m_pathEdit[slot], m_aliasEdit[slot]);
    }

    char paths[3][MAX_PATH] = {};
    for (int i = 0; i < 3; ++i) {
        m_pathEdit[i].GetWindowText(paths[i], MAX_PATH);
        CopyText(fields.path[i], MAX_PATH, paths[i]);
        CopyText(fields.alias[i], MAX_PATH, aliases[i]);
    }

    // A folder that was not a root at the last validation is a new root.
    for (int i = 0; i < 3; ++i) {
        if (paths[i][0] == '\0') continue;
        bool known = false;
        for (int j = 0; j < 3; ++j) {
            if (SameTextNoCase(paths[i], m_lastValidatedPath[j])) known = true;
        }
        if (!known) fields.newRoot = 1;
    }
    for (int i = 0; i < 3; ++i) CopyText(m_lastValidatedPath[i], MAX_PATH, paths[i]);
    return 1;
}

BOOL CPage_General::OnKillActive() {
    if (!ValidateRoots()) return FALSE;
    return CPropertyPage::OnKillActive();
}

void CPage_General::OnOK() {
    bool changed = false;
    for (int i = 0; i < 3 && !changed; ++i)
        changed = !SameTextNoCase(m_prevPath[i], fields.path[i]);
    for (int i = 0; i < 3 && !changed; ++i)
        changed = !SameTextNoCase(m_prevAlias[i], fields.alias[i]);
    if (!changed) changed = m_prevMessageShow != fields.messageShow;
    if (!changed) changed = m_prevCurrentRoot != fields.currentRoot;
    if (changed) fields.modified = 1;

    // With e-document support, a root that still lacks its CERT folder is a
    // change too: the sheet's commit creates it.
    if (IsEDocSupported() == 1) {
        for (int i = 0; i < 3; ++i) {
            if (IsCertFolderMissing(fields.path[i])) {
                fields.modified = 1;
                break;
            }
        }
    }

    if (m_hWnd != nullptr) SaveWindowOrder();
    CPropertyPage::OnOK();
}

void CPage_General::OnCancel() {
    for (int i = 0; i < 3; ++i) CopyText(fields.path[i], MAX_PATH, m_prevPath[i]);
    CPropertyPage::OnCancel();
}

void CPage_General::FocusField(CEdit& edit, bool select) {
    if (select) {
        edit.SelectAndFocus();
    } else {
        edit.SetFocus();
    }
}

int CPage_General::WriteRoots(HWND owner, bool logged) {
    const int current = CurrentRootSlot(fields.currentRoot) + 1;
    const bool select = !logged;
    for (int slot = 0; slot < 3; ++slot) {
        const int number = slot + 1;
        const int changeFlag = GetChangeFolderFlag(m_prevPath[slot], fields.path[slot]);
        if (!SetLinkPath(fields.path[slot], number, current, changeFlag, m_prevPath[slot], owner)) {
            if (logged) {
                LogFailure(kSheetLogSource, 0, __LINE__, kLogPathNotSaved,
                           "The function of SetLinkPath is failed.");
            }
            ShowMessage(owner, IDS_OPTIONS_CAPTION, IDS_SETTINGS_UPDATE_FAILED, kMessageWarning);
            FocusField(m_pathEdit[slot], select);
            return 0;
        }
        if (!SetLinkName(fields.alias[slot], number, current, changeFlag, m_prevPath[slot],
                         owner)) {
            if (logged) {
                LogFailure(kSheetLogSource, 0, __LINE__, kLogAliasNotSaved,
                           "The function of SetLinkName is failed.");
            }
            ShowMessage(owner, IDS_OPTIONS_CAPTION, IDS_ALIAS_SAVE_FAILED, kMessageWarning);
            FocusField(m_aliasEdit[slot], select);
            return 0;
        }
    }
    if (!SetMessageShowFlag(fields.messageShow, owner)) {
        if (logged) {
            LogFailure(kSheetLogSource, 0, __LINE__, kLogPathNotSaved,
                       "The function of SetMessageShowFlag is failed.");
        }
        ShowMessage(owner, IDS_OPTIONS_CAPTION, IDS_SETTINGS_UPDATE_FAILED, kMessageWarning);
        return 0;
    }
    return 1;
}

int CPage_General::FinishRoots(HWND owner) {
    for (int slot = 0; slot < 3; ++slot) {
        CopyText(m_prevPath[slot], MAX_PATH, fields.path[slot]);
        CopyText(m_prevAlias[slot], MAX_PATH, fields.alias[slot]);
    }
    fields.modified = 1;
    m_prevMessageShow = fields.messageShow;

    if (IsEDocSupported() != 1) return 1;
    for (int slot = 0; slot < 3; ++slot) {
        const int result = EnsureCertFolder(fields.path[slot]);
        if (result == 1 || result == 2) {
            ShowMessage(owner, IDS_OPTIONS_CAPTION,
                        result == 1 ? IDS_ROOT_INACCESSIBLE : IDS_ROOT_NOT_WRITABLE,
                        kMessageWarning);
            FocusField(m_pathEdit[slot], false);
            return 0;
        }
    }
    return 1;
}

int CurrentRootSlot(int currentRoot) {
    return currentRoot < 0 || currentRoot > 2 ? 0 : currentRoot;
}

int CPage_General::IsEDocSupported() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVordaKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 10;
    DWORD size = 0;
    if (RegQueryValueExA(key, "eDocSupport", nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        RegCloseKey(key);
        return 11;
    }
    BYTE data[MAX_PATH] = {};
    size = sizeof data;
    RegQueryValueExA(key, "eDocSupport", nullptr, nullptr, data, &size);
    RegCloseKey(key);
    return (data[0] == 1 && data[1] == 0 && data[2] == 0 && data[3] == 0) ? 1 : 0;
}

int CPage_General::IsCertFolderMissing(const char* path) {
    if (!PathExists(path)) return 0;
    char cert[MAX_PATH + 8];
    std::snprintf(cert, sizeof cert, "%s\\CERT", path);
    return PathExists(cert) ? 0 : 1;
}

int CPage_General::GetZOrderWordDesk() { return ReadCommonFlag("ZOrderWordDesk"); }
int CPage_General::GetZOrderView() { return ReadCommonFlag("ZOrderView"); }
int CPage_General::SetZOrderWordDesk(int on) { return WriteCommonFlag("ZOrderWordDesk", on); }
int CPage_General::SetZOrderView(int on) { return WriteCommonFlag("ZOrderView", on); }
