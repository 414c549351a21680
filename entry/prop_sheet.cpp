#include "entry/prop_sheet.h"

#include <cstring>

#include "base/folder_probe.h"
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
        m_generalNRPage.fields.messageShow = messageShow;
        CopyPath(m_generalNRPage.fields.path, rootPath1);
        AddPage(&m_generalNRPage);
        return;
    }

    const char* paths[3] = {rootPath1, rootPath2, rootPath3};
    LibRootFields& roots = m_generalPage.fields;
    roots.messageShow = messageShow;
    for (int slot = 0; slot < 3; ++slot) CopyPath(roots.path[slot], paths[slot]);
    for (int slot = 0; slot < 3; ++slot) {
        GetLinkName(roots.alias[slot], slot + 1, roots.path[slot][0] != '\0');
    }
    roots.currentRoot = currentRootIndex;
    m_lumoraPage.fields.confirmation = confirmation;
    m_lumoraPage.fields.destination = destination;

    if (m_mode == kSortConditions) {
        SetConditionRoot(paths[CurrentRootSlot(currentRootIndex)]);
        // Tab 0 starts with the sheet window, tabs 2 and 1 in OnInitDialog.
        ShareConditionListing(true);
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
    m_generalPage.fields.newRoot = 0;

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
    ShareConditionListing(false);

    const int tab =
        ChooseStartTab(m_scanPage.checkFailed, m_faxPage.checkFailed, m_sndFaxPage.checkFailed);
    if (tab != 0) SetActivePage(tab);
}

BOOL CPropSheet::OnCommand(UINT code, int id, HWND control) {
    if (code == BN_CLICKED) {
        if (id == IDOK || id == kApplyButton) {
            if (!Commit(id == kApplyButton)) return TRUE;
        } else if (id == kHelpButton) {
            ShowHelp();
        }
    }
    return CPropertySheet::OnCommand(code, id, control);
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
    if (!m_generalNRPage.fields.initialised) return 1;
    return m_generalNRPage.ValidateSingleRoot() ? 1 : 0;
}

int CPropSheet::SaveConditionOf(ConditionPage& page, int tab) {
    if (page.SaveCondition()) return 1;
    if (GetActiveIndex() != tab) SetActivePage(tab);
    return 0;
}

int CPropSheet::CommitSortConditions() {
    // A saved page reloads its lists; the three read the tree once.
    ShareConditionListing(true);
    const bool saved = SaveConditionOf(m_scanPage, 0) && SaveConditionOf(m_faxPage, 1) &&
                       SaveConditionOf(m_sndFaxPage, 2);
    ShareConditionListing(false);
    if (!saved) return 0;

    const LibRootFields& roots = m_generalPage.fields;
    if (!roots.initialised) return 1;
    if (!m_generalPage.ValidateRoots()) return 0;
    if (!m_generalPage.WriteRoots(m_hWnd, false)) return 0;
    if (!m_generalPage.FinishRoots(m_hWnd)) return 0;

    // The condition pages start afresh on the current root.
    SetConditionRoot(roots.path[CurrentRootSlot(roots.currentRoot)]);
    ConditionPage* conditionPages[] = {&m_scanPage, &m_faxPage, &m_sndFaxPage};
    ShareConditionListing(true);
    for (ConditionPage* page : conditionPages) page->Restart();
    ShareConditionListing(false);
    return 1;
}

// Hands the current LibRoot to the condition pages. A root that does not
// answer in time (a network share that is down) is taken as none: the pages
// then list only their naming choices instead of waiting on it. The question
// is asked here and answered where the first page lists the libraries, so
// the sheet and the page go on meanwhile.
void CPropSheet::SetConditionRoot(const char* root) {
    m_rootProbe.Start(root);
    ConditionPage* conditionPages[] = {&m_scanPage, &m_faxPage, &m_sndFaxPage};
    for (ConditionPage* page : conditionPages) {
        CopyPath(page->libRootPath, root);
        page->rootProbe = &m_rootProbe;
    }
}

void CPropSheet::ShareConditionListing(bool share) {
    m_startListing = ConditionListing();
    m_treeCache = TreeListCache();
    ConditionPage* conditionPages[] = {&m_scanPage, &m_faxPage, &m_sndFaxPage};
    for (ConditionPage* page : conditionPages) {
        page->sharedListing = share ? &m_startListing : nullptr;
        page->treeCache = share ? &m_treeCache : nullptr;
    }
}

int CPropSheet::CommitLibRootAndImport(bool apply) {
    LibRootFields& roots = m_generalPage.fields;
    if (roots.initialised) {
        if (!m_generalPage.ValidateRoots()) return 0;
        if (!m_generalPage.WriteRoots(m_hWnd, true)) return 0;
        if (roots.newRoot) {
            SetActivePage(0);
            ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_ROOT_EDIT_WARNING, kMessageInformation);
            // After OK the sheet closes anyway.
            if (apply) roots.newRoot = 0;
        }
        if (!m_generalPage.FinishRoots(m_hWnd)) return 0;
    }
    if (m_lumoraPage.fields.initialised && !WriteImportDestination()) {
        ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_SETTINGS_UPDATE_FAILED, kMessageWarning);
        return 0;
    }
    return 1;
}
