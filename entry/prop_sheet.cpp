#include "entry/prop_sheet.h"

#include <cstring>

#include "base/help.h"
#include "base/messages.h"
#include "base/module_state.h"
#include "importdest/import_destination.h"
#include "libroot/link_folders.h"
#include "resources/resource.h"
#include "siblings/glossa.h"

namespace {

const int kApplyButton = 0x3021;
const int kHelpButton = 9;
const int kFrench = 1036;

const int kPathNotSavedCode = 4099;
const int kAliasNotSavedCode = 20;

const char kLogSource[] = "PropSheet";

// Copies a caller's path (a 260-byte buffer) into a page field of 260 bytes.
void CopyPath(char* field, const char* path) {
    if (path == nullptr) {
        field[0] = '\0';
        return;
    }
    lstrcpynA(field, path, MAX_PATH);
}

}  // namespace

CPropSheet::CPropSheet(const char* caption, HWND owner, UINT firstTab, int mode,
                       const char* rootPath1, const char* rootPath2, const char* rootPath3,
                       int currentRootIndex, int messageShow)
    : CPropertySheet(caption, owner, firstTab) {
    m_mode = mode;
    m_psh.dwFlags |= PSH_HASHELP;

    int destination = 0;
    int confirmation = 0;
    ReadImportDestination(&destination, &confirmation);

    if (m_mode == kGeneralOnly) {
        m_generalNRPage.m_messageShow = messageShow;
        CopyPath(m_generalNRPage.m_path, rootPath1);
        m_generalNRPage.m_currentRoot = 0;
        AddPage(&m_generalNRPage);
        return;
    }

    const char* paths[3] = {rootPath1, rootPath2, rootPath3};
    m_generalPage.m_messageShow = messageShow;
    for (int slot = 0; slot < 3; ++slot) CopyPath(m_generalPage.m_path[slot], paths[slot]);
    for (int slot = 0; slot < 3; ++slot) {
        GetLinkName(m_generalPage.m_alias[slot], slot + 1, m_generalPage.m_path[slot][0] != '\0');
    }
    m_generalPage.m_currentRoot = currentRootIndex;
    m_generalPage.m_newRootFlag = &m_newRootFlag;
    m_lumoraPage.fields.confirmation = confirmation;
    m_lumoraPage.fields.destination = destination;

    if (m_mode == kSortConditions) {
        const char* current = paths[CurrentRootSlot(currentRootIndex)];
        ConditionPage* conditionPages[] = {&m_scanPage, &m_faxPage, &m_sndFaxPage};
        for (ConditionPage* page : conditionPages) CopyPath(page->libRootPath, current);
        AddPage(&m_scanPage);
        AddPage(&m_faxPage);
        AddPage(&m_sndFaxPage);
        AddPage(&m_generalPage);
    } else {
        AddPage(&m_generalPage);
        AddPage(&m_lumoraPage);
    }
}

BOOL CPropSheet::OnInitDialog() {
    const BOOL result = CPropertySheet::OnInitDialog();
    m_newRootFlag = 0;

    char applyText[MAX_PATH];
    LoadResString(IDS_APPLY, applyText, sizeof applyText);
    ::SetDlgItemTextA(m_hWnd, kApplyButton, applyText);
    if ((GetDefaultLangId() & 0xFFFF) == kFrench) ::SetDlgItemTextA(m_hWnd, kHelpButton, "?");

    if (m_mode == kSortConditions) StartConditionPages();
    return result;
}

void CPropSheet::StartConditionPages() {
    // Activating each page loads its condition; the leave check of the page
    // being left only records a failure until its check is armed here.
    if (SetActivePage(2)) m_scanPage.checkArmed = 1;
    if (SetActivePage(1)) m_sndFaxPage.checkArmed = 1;
    if (SetActivePage(0)) m_faxPage.checkArmed = 1;

    const int tab =
        ChooseStartTab(m_scanPage.checkFailed, m_faxPage.checkFailed, m_sndFaxPage.checkFailed);
    if (tab != 0) SetActivePage(tab);
}

BOOL CPropSheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        if (id == IDOK || id == kApplyButton) {
            if (!Commit(id == kApplyButton)) return TRUE;
        } else if (id == kHelpButton) {
            ShowHelp();
        }
    }
    return CPropertySheet::OnCommand(wParam, lParam);
}

BOOL CPropSheet::OnHelpInfo(HELPINFO* info) {
    ShowHelp();
    return CPropertySheet::OnHelpInfo(info);
}

void CPropSheet::ShowHelp() {
    const int topic = HelpTopicFor(m_mode, GetActiveIndex());
    if (topic != 0) OpenHelpTopic(m_hWnd, topic);
}

int CPropSheet::WriteImportDestination() {
    return WriteImportDestinationValues(m_hWnd, m_lumoraPage.fields.destination,
                                        m_lumoraPage.fields.confirmation);
}

int CPropSheet::Commit(bool apply) {
    switch (m_mode) {
        case kGeneralOnly:
            return CommitGeneralOnly();
        case kSortConditions:
            return CommitSortConditions();
        case kLibRootAndImport:
            return CommitLibRootAndImport(apply);
        default:
            return 1;
    }
}

int CPropSheet::CommitGeneralOnly() {
    // Nothing is written in this mode: the caller stores path and flag.
    if (!m_generalNRPage.m_initialised) return 1;
    return m_generalNRPage.ValidateSingleRoot() ? 1 : 0;
}

int CPropSheet::SaveConditionOf(ConditionPage& page, int tab) {
    if (page.SaveCondition()) return 1;
    if (GetActiveIndex() != tab) SetActivePage(tab);
    return 0;
}

int CPropSheet::CommitSortConditions() {
    if (!SaveConditionOf(m_scanPage, 0)) return 0;
    if (!SaveConditionOf(m_faxPage, 1)) return 0;
    if (!SaveConditionOf(m_sndFaxPage, 2)) return 0;

    if (!m_generalPage.m_initialised) return 1;
    if (!m_generalPage.ValidateRoots()) return 0;
    if (!WriteRoots(false)) return 0;
    if (!FinishRoots()) return 0;

    // The condition pages start afresh on the current root.
    const int slot = CurrentRootSlot(m_generalPage.m_currentRoot);
    ConditionPage* conditionPages[] = {&m_scanPage, &m_faxPage, &m_sndFaxPage};
    for (ConditionPage* page : conditionPages) {
        CopyPath(page->libRootPath, m_generalPage.m_path[slot]);
        page->Restart();
    }
    return 1;
}

int CPropSheet::CommitLibRootAndImport(bool apply) {
    if (m_generalPage.m_initialised) {
        if (!m_generalPage.ValidateRoots()) return 0;
        if (!WriteRoots(true)) return 0;
        if (m_newRootFlag) {
            SetActivePage(0);
            ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_ROOT_EDIT_WARNING, kMessageInformation);
            // After OK the sheet closes anyway.
            if (apply) m_newRootFlag = 0;
        }
        if (!FinishRoots()) return 0;
    }
    if (m_lumoraPage.fields.initialised && !WriteImportDestination()) {
        ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_SETTINGS_UPDATE_FAILED, kMessageWarning);
        return 0;
    }
    return 1;
}

void CPropSheet::FocusField(CEdit& edit, bool select) {
    if (select) {
        edit.SelectAndFocus();
    } else {
        edit.SetFocus();
    }
}

int CPropSheet::WriteRoots(bool logged) {
    CPage_General& page = m_generalPage;
    const int current = CurrentRootSlot(page.m_currentRoot) + 1;
    const bool select = !logged;

    for (int slot = 0; slot < 3; ++slot) {
        const int number = slot + 1;
        const int changeFlag = GetChangeFolderFlag(page.m_prevPath[slot], page.m_path[slot]);
        if (!SetLinkPath(page.m_path[slot], number, current, changeFlag, page.m_prevPath[slot],
                         m_hWnd)) {
            if (logged) {
                LogFailure(kLogSource, 0, __LINE__, kPathNotSavedCode,
                           "The function of SetLinkPath is failed.");
            }
            ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_SETTINGS_UPDATE_FAILED, kMessageWarning);
            FocusField(page.m_pathEdit[slot], select);
            return 0;
        }
        if (!SetLinkName(page.m_alias[slot], number, current, changeFlag, page.m_prevPath[slot],
                         m_hWnd)) {
            if (logged) {
                LogFailure(kLogSource, 0, __LINE__, kAliasNotSavedCode,
                           "The function of SetLinkName is failed.");
            }
            ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_ALIAS_SAVE_FAILED, kMessageWarning);
            FocusField(page.m_aliasEdit[slot], select);
            return 0;
        }
    }
    if (!SetMessageShowFlag(page.m_messageShow, m_hWnd)) {
        if (logged) {
            LogFailure(kLogSource, 0, __LINE__, kPathNotSavedCode,
                       "The function of SetMessageShowFlag is failed.");
        }
        ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_SETTINGS_UPDATE_FAILED, kMessageWarning);
        return 0;
    }
    return 1;
}

int CPropSheet::FinishRoots() {
    CPage_General& page = m_generalPage;
    for (int slot = 0; slot < 3; ++slot) {
        std::memcpy(page.m_prevPath[slot], page.m_path[slot], MAX_PATH);
        std::memcpy(page.m_prevAlias[slot], page.m_alias[slot], MAX_PATH);
    }
    page.m_modified = 1;
    page.m_prevMessageShow = page.m_messageShow;

    if (CPage_General::IsEDocSupported() != 1) return 1;
    for (int slot = 0; slot < 3; ++slot) {
        const int result = EnsureCertFolder(page.m_path[slot]);
        if (result == 1 || result == 2) {
            ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION,
                        result == 1 ? IDS_ROOT_INACCESSIBLE : IDS_ROOT_NOT_WRITABLE,
                        kMessageWarning);
            FocusField(page.m_pathEdit[slot], false);
            return 0;
        }
    }
    return 1;
}
