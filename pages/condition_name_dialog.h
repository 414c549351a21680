// "Specification of configuration name" (template 4406): asks for the name
// an edited condition is saved under. The opener sets kind and the proposed
// name, runs the dialog and, on IDOK, takes the accepted name.
#pragma once
#include <windows.h>

#include "framework/controls.h"
#include "framework/dialog.h"

class ConditionNameDialog : public CDialog {
public:
    explicit ConditionNameDialog(HWND owner);

    int kind = 0;         // ConditionKind: which condition files count as existing
    char name[256] = {};  // in: the proposed name; out: the accepted name

protected:
    BOOL OnInitDialog() override;
    // Accepts the typed name when it passes the name rules and, for an
    // existing condition, the user agrees to replace it.
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    // The name rules: 0 when name passes; else the rule's result after its
    // message, with the edit's text selected and focused.
    int ValidateConditionName(const char* text);

    CEdit m_nameEdit;
};
