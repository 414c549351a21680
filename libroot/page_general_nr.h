// "General" page of the options sheet in the single-root mode (dialog IDD_GENERAL):
// one Library Root folder and the hidden confirmation flag. Nothing is
// stored here; the sheet hands m_path, m_messageShow and m_currentRoot back
// to the caller, and m_modified as the result.
#pragma once
#include <windows.h>

#include "framework/controls.h"
#include "framework/property_page.h"
#include "resources/resource.h"

class CPage_GeneralNR : public CPropertyPage {
public:
    enum { IDD = IDD_GENERAL };

    CPage_GeneralNR();
    ~CPage_GeneralNR() override;

    char m_prevPath[MAX_PATH] = {};  // path when the page started
    int m_prevMessageShow = 0;       // confirmation flag when the page started
    int m_currentRoot = 0;           // set to 0 by the sheet, returned to the caller
    int m_prevCurrentRoot = 0;       // current root when the page started
    char m_path[MAX_PATH] = {};      // the root path (filled by the sheet, updated by Browse... and
                                     // validation)
    int m_modified = 0;              // set by OnOK when path or flag changed
    int m_initialised = 0;           // 1 once OnInitDialog has run
    CEdit m_pathEdit;                // edit IDC_GENERAL_PATH
    int m_messageShow = 0;           // confirmation flag, IDC_GENERAL_MESSAGE_SHOW (hidden)

    // Reads edit IDC_GENERAL_PATH into m_path and checks it: an existing, writable
    // directory of at most 160 bytes. 1, or 0 after a message.
    int ValidateSingleRoot();
    // Browse... handler: lets the user choose a folder for edit/pathField.
    void BrowseRoot(CEdit& edit, char* pathField);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnKillActive() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
