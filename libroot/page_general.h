// "LibRoot Folders" page of the options sheet (dialog IDD_LIBROOT): up to three
// LibRoot folders, each with an alias, one of them current, and the two
// window-order preferences of the main application.
//
// The sheet fills `fields` before the page is first shown and reads them back
// when it closes. On OK/Apply, once the page has been started, the sheet runs
// ValidateRoots, WriteRoots and FinishRoots in its commit order. Arrays are
// indexed by slot - 1.
#pragma once
#include <windows.h>

#include "framework/controls.h"
#include "framework/property_page.h"
#include "libroot/root_checks.h"
#include "resources/resource.h"

// What the page edits, handed in and read back by the sheet.
struct LibRootFields {
    char path[3][MAX_PATH] = {};   // folders 1..3; updated by validation and Browse...
    char alias[3][MAX_PATH] = {};  // their aliases; updated by validation
    int currentRoot = 0;           // 0, 1 or 2: the current slot
    int messageShow = 0;           // confirmation flag (hidden check box)
    int modified = 0;              // set by OnOK when anything differs, and by FinishRoots
    int initialised = 0;           // 1 once the page has been started
    int newRoot = 0;               // raised by ValidateRoots for a newly entered folder
};

// The current root index as a slot index: values outside 0..2 count as 0.
int CurrentRootSlot(int currentRoot);

class CPage_General : public CPropertyPage {
public:
    enum { IDD = IDD_LIBROOT };

    CPage_General();
    ~CPage_General() override;

    LibRootFields fields;

    // Validates the three slots (messages, log lines and focus on failure),
    // then the duplicate aliases; on success copies the edits into the
    // fields' paths and aliases and raises fields.newRoot for a newly
    // entered folder. 1 or 0.
    int ValidateRoots();
    // Writes roots, aliases and the confirmation flag through the
    // link-folder store, owner being the sheet. On a failure: message (owner
    // as its owner), the failing field focused (its text selected unless
    // logged), and with logged a log line first; returns 0. Else 1.
    int WriteRoots(HWND owner, bool logged);
    // After the roots were written: they become the page's start values, the
    // page counts as modified, and with e-document support every root gets
    // its "CERT" folder (a failure shows its message, focuses the path and
    // returns 0). Else 1.
    int FinishRoots(HWND owner);
    // One slot (1..3): radio button, path edit, alias edit; aliasOut receives
    // the alias text (260 bytes), *inUse is set to 1 when the slot holds a
    // root and 0 when it is empty. 1 when acceptable, 0 after a message.
    int ValidateRootSlot(CButton& radio, CEdit& pathEdit, CEdit& aliasEdit, char* aliasOut,
                         int* inUse, int slot);
    // Checks radio IDC_ROOT1_CURRENT + fields.currentRoot and clears the other two.
    void UpdateRootRadios();
    // Browse... handler: lets the user choose a folder for edit/pathField.
    void BrowseRoot(CEdit& edit, char* pathField);

    // 1 when HKLM "Software\Tavo\Vorda" value "eDocSupport" is the 32-bit 1,
    // 0 for other data, 10 without the key, 11 without the value.
    static int IsEDocSupported();
    // 1 when path exists but has no "CERT" sub-folder, else 0.
    static int IsCertFolderMissing(const char* path);

    // Window-order preferences: "Common"/"ZOrderWordDesk" and "ZOrderView"
    // of the common INI file. Readers give 0 or 1; writers return 1 when
    // written, 0 when the file cannot be found or could not be written (it
    // is then as it was).
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
    BOOL OnCommand(UINT code, int id, HWND control) override;

private:
    void SelectRoot(int index);
    // Moves the focus to edit, selecting its text when select is set.
    static void FocusField(CEdit& edit, bool select);
    // Shows message textId, writes the log line (result of the failed check,
    // source line, event code, text) and, when given, selects and focuses
    // edit; always returns 0.
    int Reject(UINT textId, int line, int result, int code, const char* logText, CEdit* edit);
    // Logs the notes of check; when it rejects the slot, shows its message,
    // logs it and selects the field (path or alias edit); returns 0 then.
    int ReportRootCheck(const RootCheck& check, CEdit& pathEdit, CEdit& aliasEdit);
    void SaveWindowOrder();

    // The values when the page started; FinishRoots moves them on.
    char m_prevPath[3][MAX_PATH] = {};
    char m_prevAlias[3][MAX_PATH] = {};
    int m_prevMessageShow = 0;
    int m_prevCurrentRoot = 0;
    int m_inUse[3] = {};                         // 1 when the slot holds a root (set by validation)
    char m_lastValidatedPath[3][MAX_PATH] = {};  // paths at the last successful validation
    CEdit m_pathEdit[3];                         // edits IDC_ROOT1_PATH..IDC_ROOT3_PATH
    CEdit m_aliasEdit[3];                        // edits IDC_ROOT1_ALIAS..IDC_ROOT3_ALIAS
    CButton m_rootRadio[3];                      // radios IDC_ROOT1_CURRENT..IDC_ROOT3_CURRENT
    CButton m_zOrderView;                        // check box IDC_ROOT_ZORDER_VIEW
    CButton m_zOrderWordDesk;                    // check box IDC_ROOT_ZORDER_WORKAREA
};
