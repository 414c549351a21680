// "LibRoot Folders" page of the options sheet (dialog IDD_LIBROOT): up to three
// LibRoot folders, each with an alias, one of them current, and the two
// window-order preferences of the main application.
//
// The sheet fills the public fields before the page is first shown, calls
// ValidateRoots on OK/Apply once m_initialised is 1, writes the roots through
// the link-folder store, focuses m_pathEdit/m_aliasEdit on a store failure,
// and reads the fields back when it closes. Arrays are indexed by slot - 1.
#pragma once
#include <windows.h>

#include "framework/controls.h"
#include "framework/property_page.h"
#include "resources/resource.h"

class CPage_General : public CPropertyPage {
public:
    enum { IDD = IDD_LIBROOT };

    CPage_General();
    ~CPage_General() override;

    // "prev" fields: the values when the page started; the sheet updates
    // paths, aliases and the flag after a commit.
    char m_prevPath[3][MAX_PATH] = {};
    char m_prevAlias[3][MAX_PATH] = {};
    int m_prevMessageShow = 0;
    int m_currentRoot = 0;  // 0, 1 or 2: the current slot
    int m_prevCurrentRoot = 0;
    char m_path[3][MAX_PATH] = {};   // filled by the sheet, updated by validation, Browse...
    char m_alias[3][MAX_PATH] = {};  // aliases (filled by the sheet, updated by validation)
    int m_inUse[3] = {};             // 1 when the slot holds a root (set by validation)
    char m_lastValidatedPath[3][MAX_PATH] = {};  // paths at the last successful validation
    int m_modified = 0;                          // a change was found by OnOK (or set by the sheet)
    int m_initialised = 0;                       // 1 once OnInitDialog has run
    CEdit m_aliasEdit[3];                        // edits IDC_ROOT1_ALIAS..IDC_ROOT3_ALIAS
    int m_messageShow = 0;                       // hidden check box IDC_ROOT_MESSAGE_SHOW
    CEdit m_pathEdit[3];                         // edits IDC_ROOT1_PATH..IDC_ROOT3_PATH
    int* m_newRootFlag = nullptr;                // the sheet's new-root flag; may be null

    // Validates the three slots (messages, log lines and focus on failure),
    // then the duplicate aliases; on success copies the edits into m_path and
    // m_alias and raises *m_newRootFlag for a newly entered folder. 1 or 0.
    int ValidateRoots();
    // One slot (1..3): radio button, path edit, alias edit; aliasOut receives
    // the alias text (260 bytes), *inUse is set to 1 when the slot holds a
    // root and 0 when it is empty. 1 when acceptable, 0 after a message.
    int ValidateRootSlot(CButton& radio, CEdit& pathEdit, CEdit& aliasEdit, char* aliasOut,
                         int* inUse, int slot);
    // Checks radio IDC_ROOT1_CURRENT + m_currentRoot and clears the other two.
    void UpdateRootRadios();
    // Browse... handler: lets the user choose a folder for edit/pathField.
    void BrowseRoot(CEdit& edit, char* pathField);

    // 1 when HKLM "Software\Tavo\Vorda" value "eDocSupport" is the 32-bit 1,
    // 0 for other data, 10 without the key, 11 without the value.
    static int IsEDocSupported();
    // 1 when path exists but has no "CERT" sub-folder, else 0.
    static int IsCertFolderMissing(const char* path);

    // Window-order preferences: "Common"/"ZOrderWordDesk" and "ZOrderView"
    // of the common INI file. Readers give 0 or 1; writers return the INI
    // write's result (0 when the file cannot be found).
    static int GetZOrderWordDesk();
    static int GetZOrderView();
    static int SetZOrderWordDesk(int on);
    static int SetZOrderView(int on);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnKillActive() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void SelectRoot(int index);
    // Shows message textId, writes the log line (result of the failed check,
    // source line, event code, text) and, when given, selects and focuses
    // edit; always returns 0.
    int Reject(UINT textId, int line, int result, int code, const char* logText, CEdit* edit);
    int CheckLengths(int pathLength, const char* alias, CEdit& pathEdit, CEdit& aliasEdit);
    void SaveWindowOrder();

    CButton m_rootRadio[3];    // radios IDC_ROOT1_CURRENT..IDC_ROOT3_CURRENT
    CButton m_zOrderView;      // check box IDC_ROOT_ZORDER_VIEW
    CButton m_zOrderWordDesk;  // check box IDC_ROOT_ZORDER_WORKAREA
};
