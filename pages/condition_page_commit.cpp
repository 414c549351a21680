// Leaving the page, saving under a name, the apply step, Delete and Preview.
#include <cstring>
#include <string>

#include "base/messages.h"
#include "base/module_state.h"
#include "base/text.h"
#include "conditions/catalogue.h"
#include "conditions/condition_io.h"
#include "pages/condition_helpers.h"
#include "pages/condition_name_dialog.h"
#include "pages/condition_page.h"
#include "pages/layer_rule_messages.h"
#include "pages/preview_dialog.h"
#include "resources/resource.h"
#include "siblings/vorda_common.h"

int ConditionPage::SaveCondition() {
    if (m_hWnd == nullptr) return 1;  // never shown: nothing was edited
    char name[MAX_PATH];
    ComboText(family.conditionCombo, name, sizeof name);

    SortCondition collected;
    std::memset(&collected, 0, sizeof collected);
    CollectCondition(&collected);
    if (!CheckLayerNames(m_hWnd, family.kind, collected)) return 0;
    if (!CheckRelatedInfo(m_hWnd, family.kind, collected)) return 0;

    if (ConditionDiffers(collected, m_pageRecord)) {
        // A template is never proposed for overwriting.
        std::string proposed = name;
        if (IsTemplateName(name)) {
            char suffix[MAX_PATH];
            LoadResString(IDS_COPY_SUFFIX, suffix, sizeof suffix);
            proposed += suffix;
        }
        ConditionNameDialog dialog(m_hWnd);
        dialog.kind = family.kind;
        CopyText(dialog.name, sizeof dialog.name, proposed.c_str());
        if (dialog.DoModal(m_hWnd) != IDOK) return 0;

        MakeUserConditionPath(family.kind, m_appFolder, dialog.name, m_pageRecord.path);
        CopyConditionEdits(collected, &m_pageRecord);
        WriteCondition(&m_pageRecord);
        SelectConditionName(dialog.name);
        OnConditionChosen();
    }
    UpdateDeleteAndPreview(m_hWnd, family.kind);
    checkFailed = 0;
    return 1;
}

BOOL ConditionPage::OnKillActive() {
    if (SaveCondition() == 1) {
        SetModified(FALSE);
        return TRUE;
    }
    // While the sheet is still starting, a failing page may be left; the
    // sheet then shows the page whose check failed.
    SetModified(TRUE);
    checkFailed = 1;
    return checkArmed ? FALSE : TRUE;
}

void ConditionPage::OnOK() {
    savedOrDeleted = 1;
    RecordCurrentCondition(m_appFolder, &m_pageRecord);
    CPropertyPage::OnOK();
}

void ConditionPage::OnDelete() {
    savedOrDeleted = 1;  // also when the deletion is refused or declined
    char name[MAX_PATH];
    ComboText(family.conditionCombo, name, sizeof name);
    if (IsTemplateName(name)) return;

    const bool current = IsCurrentCondition(family.kind, m_appFolder, name) != 0;
    if (!ShowMessage(m_hWnd, IDS_OPTIONS_CAPTION,
                     current ? IDS_CONFIRM_DELETE_CURRENT : IDS_CONFIRM_DELETE,
                     MB_YESNO | MB_ICONQUESTION)) {
        return;
    }
    DeleteConditionFile(family.kind, m_appFolder, name);

    // The row that followed the deleted one is selected, or the first row
    // when the deleted one was the last.
    HWND combo = GetDlgItem(family.conditionCombo);
    const LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    const LRESULT count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    const LRESULT next = selected + 1 < count ? selected + 1 : 0;
    char following[MAX_PATH] = {};
    const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(next), 0);
    if (length != CB_ERR && length < MAX_PATH) {
        ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(next),
                       reinterpret_cast<LPARAM>(following));
    }
    ::SendMessageA(combo, CB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    const LRESULT row = ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(following));
    if (row != CB_ERR) ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);

    LoadConditionIntoPage(kLoadAll);
    if (current) RecordCurrentCondition(m_appFolder, &m_pageRecord);
    ShowDateAndPosition();
    UpdateDeleteAndPreview(m_hWnd, family.kind);
}

void ConditionPage::OnPreview() {
    char name[MAX_PATH];
    ComboText(family.conditionCombo, name, sizeof name);
    for (int t = 0; t < 3; ++t) {
        if (!SameTextNoCase(name, TemplateName(family.kind, t + 1).c_str())) continue;
        PreviewDialog dialog(nullptr);
        dialog.templateNumber = family.previewNumbers[t];
        dialog.DoModal(nullptr);
        return;
    }
}
