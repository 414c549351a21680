#include "pages/condition_name_dialog.h"

#include "base/messages.h"
#include "base/module_state.h"
#include "base/text.h"
#include "conditions/catalogue.h"
#include "conditions/condition_rules.h"
#include "resources/resource.h"

namespace {
const int kNameLimit = 32;
}

ConditionNameDialog::ConditionNameDialog(HWND) : CDialog(Module().resources, IDD_CONDITION_NAME) {}

void ConditionNameDialog::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CONDITION_NAME_EDIT, m_nameEdit);
}

BOOL ConditionNameDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nameEdit.SetLimitText(kNameLimit);
    m_nameEdit.SetWindowText(name);
    // The user starts on the proposed name, ready to replace it.
    m_nameEdit.SelectAndFocus();
    return FALSE;
}

int ConditionNameDialog::ValidateConditionName(const char* text) {
    const int32_t result = CheckConditionName(text);
    if (result == kNameValid) return 0;
    ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, NameRuleMessageId(result), kMessageWarning);
    m_nameEdit.SelectAndFocus();
    return result;
}

void ConditionNameDialog::OnOK() {
    char text[256] = {};
    m_nameEdit.GetWindowText(text, sizeof text);
    if (ValidateConditionName(text) > 0) return;
    if (ConditionExists(kind, text) &&
        !ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION, IDS_NAME_EXISTS, MB_YESNO | MB_ICONQUESTION)) {
        return;
    }
    CopyText(name, sizeof name, text);
    EndDialog(IDOK);
}
