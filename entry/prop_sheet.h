// The options sheet: owns every page of the module, shows those of one mode,
// fills them from the caller's values and commits them on OK and Apply in a
// fixed order (condition pages, LibRoot folders, import destination), each
// failure leaving the sheet open with its message and focus.
#pragma once
#include <windows.h>

#include "base/folder_probe.h"
#include "entry/sheet_rules.h"
#include "framework/property_sheet.h"
#include "importdest/lumora_page.h"
#include "libroot/page_general.h"
#include "libroot/page_general_nr.h"
#include "pages/condition_page.h"

class CPropSheet : public CPropertySheet {
public:
    // rootPath2 and rootPath3 are not read in mode 0 (they may be null there).
    CPropSheet(const char* caption, HWND owner, UINT firstTab, int mode, const char* rootPath1,
               const char* rootPath2, const char* rootPath3, int currentRootIndex, int messageShow);

    // Opens the help topic of the visible tab.
    void ShowHelp();
    // Writes the import-destination page's values to section "Lumora".
    // Nonzero on success.
    int WriteImportDestination();

    // The pages, constructed in this order whatever the mode.
    CPage_GeneralNR m_generalNRPage;
    int m_mode = 0;
    CPage_General m_generalPage;
    CPage_SndFax m_sndFaxPage;
    CPage_Fax m_faxPage;
    CPage_Scan m_scanPage;
    CPage_Lumora m_lumoraPage;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT code, int id, HWND control) override;
    BOOL OnHelpInfo(HELPINFO* info) override;

private:
    // The sheet's own commit for OK (apply false) and Apply (apply true):
    // 1 lets the framework go on, 0 keeps the user on the sheet.
    int Commit(bool apply);
    int CommitGeneralOnly();
    int CommitSortConditions();
    int CommitLibRootAndImport(bool apply);
    // SaveCondition of a condition page; on failure brings its tab to front.
    int SaveConditionOf(ConditionPage& page, int tab);
    // Activates the three condition pages once, arming their leave checks,
    // and picks the tab to show.
    void StartConditionPages();
    void SetConditionRoot(const char* root);
    // Hands the three condition pages one listing of the application folder
    // to start from and one cache of the library tree's lists (share), or
    // takes them back (both are dropped).
    void ShareConditionListing(bool share);

    ConditionListing m_startListing;
    TreeListCache m_treeCache;
    FolderProbe m_rootProbe;  // whether the condition pages' LibRoot answers
};
