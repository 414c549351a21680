// "General" page of the options sheet in the single-root mode (dialog IDD_GENERAL):
// one Library Root folder and the hidden confirmation flag. Nothing is
// stored here; the sheet fills `fields` and hands them back to the caller.
#pragma once
#include <windows.h>

#include "framework/controls.h"
#include "framework/property_page.h"
#include "resources/resource.h"

// What the page edits, handed in and read back by the sheet.
struct SingleRootFields {
    char path[MAX_PATH] = {};  // the root path; updated by Browse... and validation
    int messageShow = 0;       // confirmation flag (hidden check box)
    int modified = 0;          // set by OnOK when path or flag changed
    int initialised = 0;       // 1 once the page has been started
};

class CPage_GeneralNR : public CPropertyPage {
public:
    enum { IDD = IDD_GENERAL };

    CPage_GeneralNR();
    ~CPage_GeneralNR() override;

    SingleRootFields fields;

    // Reads edit IDC_GENERAL_PATH into fields.path and checks it: an existing,
    // writable directory of at most 160 bytes. 1, or 0 after a message.
    int ValidateSingleRoot();
    // Browse... handler: lets the user choose a folder for edit/pathField.
    void BrowseRoot(CEdit& edit, char* pathField);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnKillActive() override;
    BOOL OnCommand(UINT code, int id, HWND control) override;

private:
    char m_prevPath[MAX_PATH] = {};  // path when the page started
    int m_prevMessageShow = 0;       // confirmation flag when the page started
    CEdit m_pathEdit;                // edit IDC_GENERAL_PATH
};
