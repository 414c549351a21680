// The three sort-condition pages (MFP scanner, FAX receive, FAX send) are one
// page class driven by a family record that holds everything that differs
// between them. For now the pages show their dialogs and carry the state the
// options sheet reads and sets; condition editing is added on top of this.
#pragma once
#include <windows.h>

#include "conditions/sort_condition.h"
#include "framework/property_page.h"

// Everything that differs between the three condition pages. File names,
// sections and keys of a kind come from the condition store.
struct ConditionFamily {
    int kind;         // ConditionKind
    UINT templateId;  // dialog template of the page
};

extern const ConditionFamily kScannerFamily;
extern const ConditionFamily kFaxReceiveFamily;
extern const ConditionFamily kFaxSendFamily;

// The family of a kind (every value other than 0 and 1 gives FaxSend).
const ConditionFamily& FamilyOfKind(int kind);

class ConditionPage : public CPropertyPage {
public:
    explicit ConditionPage(const ConditionFamily& family);

    // Saves the page's edited condition when it differs from the stored
    // one. 1 when the page may be left, 0 when the user has to stay.
    int SaveCondition();
    // Starts the page afresh (the dialog-start message again), so that it
    // reloads everything from libRootPath. Does nothing before the page's
    // window exists.
    void Restart();

    const ConditionFamily& family;
    char libRootPath[MAX_PATH] = {};  // the current LibRoot folder, set by the sheet
    int savedOrDeleted = 0;           // set by the apply step and by Delete; read by the caller
    int checkArmed = 0;               // set by the sheet once its start-up activations are over
    int checkFailed = 0;              // the last leave check failed

protected:
    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void OnOK() override;
};

class CPage_Scan : public ConditionPage {
public:
    CPage_Scan() : ConditionPage(kScannerFamily) {}
};

class CPage_Fax : public ConditionPage {
public:
    CPage_Fax() : ConditionPage(kFaxReceiveFamily) {}
};

class CPage_SndFax : public ConditionPage {
public:
    CPage_SndFax() : ConditionPage(kFaxSendFamily) {}
};
