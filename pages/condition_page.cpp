#include "pages/condition_page.h"

#include "base/module_state.h"
#include "resources/resource.h"

const ConditionFamily kScannerFamily = {kScanner, IDD_SCANNER};
const ConditionFamily kFaxReceiveFamily = {kFaxReceive, IDD_FAX_RECEIVE};
const ConditionFamily kFaxSendFamily = {kFaxSend, IDD_FAX_SEND};

const ConditionFamily& FamilyOfKind(int kind) {
    if (kind == kScanner) return kScannerFamily;
    if (kind == kFaxReceive) return kFaxReceiveFamily;
    return kFaxSendFamily;
}

ConditionPage::ConditionPage(const ConditionFamily& family)
    : CPropertyPage(Module().resources, family.templateId), family(family) {
    m_psp.dwFlags |= PSP_HASHELP;
}

int ConditionPage::SaveCondition() {
    // Nothing is edited on the page yet, so there is never anything to save.
    checkFailed = 0;
    return 1;
}

void ConditionPage::Restart() {
    if (m_hWnd == nullptr) return;
    // The same message the page received when the sheet created it, with the
    // page description the framework finds the page object through.
    ::SendMessageA(m_hWnd, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&m_psp));
}

BOOL ConditionPage::OnInitDialog() {
    const BOOL result = CPropertyPage::OnInitDialog();
    savedOrDeleted = 0;
    checkArmed = 0;
    checkFailed = 0;
    return result;
}

BOOL ConditionPage::OnKillActive() {
    if (SaveCondition() == 1) {
        SetModified(FALSE);
        return TRUE;
    }
    // A failing check lets the page be left while the sheet is still
    // starting; once the sheet has armed the check the user stays.
    SetModified(TRUE);
    checkFailed = 1;
    return checkArmed ? FALSE : TRUE;
}

void ConditionPage::OnOK() {
    savedOrDeleted = 1;
    CPropertyPage::OnOK();
}
