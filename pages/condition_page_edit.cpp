// Editing a condition on the page: the handlers of the controls, which only
// change controls and mark the page modified, and the collection of the
// controls into a record.
#include <cstring>
#include <string>

#include "base/module_state.h"
#include "base/text.h"
#include "pages/condition_helpers.h"
#include "pages/condition_page.h"
#include "resources/resource.h"

namespace {

// The layers each layer box re-sets when it changes: itself and those below.
const int kLayerEditMasks[kLayerCount] = {
    kSetLibrary | kSetCabinet | kSetBinder | kSetIndex | kSetNote,
    kSetCabinet | kSetBinder | kSetIndex | kSetNote, kSetBinder | kSetIndex | kSetNote,
    kSetIndex | kSetNote, kSetNote};

// Capacities of the record's layer texts, Library to Note.
const size_t kRecordTextSizes[kLayerCount] = {kLibraryTextSize, kCabinetTextSize, kBinderTextSize,
                                              kIndexTextSize, kTagTextSize};

const char kTimeToken[] = "@TIME-HM";
const char kDatePrefix[] = "@DATE-";

char* RecordText(SortCondition& r, int layer) {
    switch (layer) {
        case kLayerLibrary:
            return r.libraryText;
        case kLayerCabinet:
            return r.cabinetText;
        case kLayerBinder:
            return r.binderText;
        case kLayerIndex:
            return r.indexText;
        default:
            return r.tagText;
    }
}

}  // namespace

BOOL ConditionPage::OnCommand(UINT code, int id, HWND control) {
    const int layer = LayerOf(id);
    if (layer >= 0) {
        if (code == CBN_EDITCHANGE) {
            SetModified(TRUE);
            UpdateExample();
            return TRUE;
        }
        if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) {
            SetModified(TRUE);
            OnLayerEdited(id, kLayerEditMasks[layer]);
            UpdateExample();
            return TRUE;
        }
        return FALSE;
    }
    if (id == family.conditionCombo && code == CBN_SELCHANGE) {
        OnConditionChosen();
        return TRUE;
    }
    if (id == family.weekdayCombo && code == CBN_SELCHANGE) {
        SetModified(TRUE);
        UpdateExample();
        return TRUE;
    }
    if (family.infoList != 0 && id == family.infoList &&
        (code == LBN_SELCHANGE || code == CLBN_CHKCHANGE)) {
        OnInfoSelChange();
        UpdateExample();
        return TRUE;
    }
    return CPropertyPage::OnCommand(code, id, control);
}

BOOL ConditionPage::OnButtonClicked(int id) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        if (id == family.layerChecks[layer]) {
            OnLayerChecked(layer);
            UpdateExample();
            return TRUE;
        }
    }
    if (id == family.dateYmd || id == family.dateYm || id == family.dateYmw) {
        OnDateClicked(id, id == family.dateYmd ? 0 : (id == family.dateYm ? 1 : 2));
    } else if (id == family.positionPrevious || id == family.positionNext) {
        OnPositionClicked(id == family.positionPrevious ? 0 : 1);
    } else if (family.infoList != 0 && id == family.upButton) {
        MoveInfoUp();
    } else if (family.infoList != 0 && id == family.downButton) {
        MoveInfoDown();
    } else if (id == family.deleteButton) {
        OnDelete();
    } else if (id == family.previewButton) {
        OnPreview();
    } else {
        return CPropertyPage::OnButtonClicked(id);
    }
    UpdateExample();
    return TRUE;
}

void ConditionPage::OnLayerEdited(int comboId, int mask) {
    (void)comboId;
    LoadConditionIntoPage(mask);
}

void ConditionPage::OnLayerChecked(int layer) {
    SetModified(TRUE);
    UpdateData(TRUE);
    Enable(family.layerCombos[layer], m_layerChecks[layer] != 0);
}

void ConditionPage::OnDateClicked(int radioId, int dateType) {
    if (m_pageRecord.dateType != dateType) SetModified(TRUE);
    if (IsChecked(radioId)) Enable(family.weekdayCombo, dateType == 2);
}

void ConditionPage::OnPositionClicked(int position) {
    if (m_pageRecord.position != position) SetModified(TRUE);
}

// ---- the information list ---------------------------------------------------

void ConditionPage::MoveInfoUp() {
    const int selected = m_infoList.GetCurSel();
    if (selected == LB_ERR || selected == 0) return;
    char caption[64];
    if (m_infoList.GetText(selected - 1, caption, sizeof caption) == LB_ERR) return;
    const int check = m_infoList.GetCheck(selected - 1);
    m_infoList.DeleteString(selected - 1);
    m_infoList.InsertString(selected, caption);
    m_infoList.SetCheck(selected, check);
    m_infoList.SetCurSel(selected - 1);
    SetModified(TRUE);
}

void ConditionPage::MoveInfoDown() {
    const int selected = m_infoList.GetCurSel();
    if (selected == LB_ERR) return;
    const bool allowed = family.downRule == kDownFromFirstOnly
                             ? selected == 0
                             : selected < m_infoList.GetCount() - 1;
    if (!allowed) return;
    char caption[64];
    if (m_infoList.GetText(selected + 1, caption, sizeof caption) == LB_ERR) return;
    const int check = m_infoList.GetCheck(selected + 1);
    m_infoList.DeleteString(selected + 1);
    m_infoList.InsertString(selected, caption);
    m_infoList.SetCheck(selected, check);
    m_infoList.SetCurSel(selected + 1);
    SetModified(TRUE);
}

void ConditionPage::OnInfoSelChange() {
    SortCondition collected;
    std::memset(&collected, 0, sizeof collected);
    CollectCondition(&collected);
    if (ConditionDiffers(collected, m_pageRecord)) SetModified(TRUE);
}

// ---- collecting the controls --------------------------------------------------

NamingMode ConditionPage::LayerModeOf(int layer, const char* text, LRESULT row,
                                      NamingMode* named) const {
    *named = kFixedName - 1;  // no choice named by a token yet
    if (family.listRow != kFixedName && std::strstr(text, ListSeparator) != nullptr) {
        *named = family.listRow;
    }
    for (int i = 0; i < family.tokenRowCount && *named < kFixedName; ++i) {
        if (SameTextNoCase(text, family.tokenRows[i].token)) *named = family.tokenRows[i].row;
    }
    if (layer == kLayerNote && *named < kFixedName && SameTextNoCase(text, kTimeToken)) {
        *named = family.TimeRow();
    }
    NamingMode mode = *named;
    if (*named < kFixedName) {
        mode = static_cast<NamingMode>(row);
        if (StartsWith(text, kDatePrefix)) *named = mode = family.dateRow;
    }
    if (layer == kLayerBinder && mode > family.choiceCount - 1) mode = kFixedName;
    return mode;
}

NamingMode ConditionPage::ClassifyLayerText(int layer, char* text, size_t capacity) {
    HWND combo = GetDlgItem(family.layerCombos[layer]);
    ::GetWindowTextA(combo, text, static_cast<int>(capacity));
    NamingMode named = kFixedName - 1;
    const NamingMode mode =
        LayerModeOf(layer, text, ::SendMessageA(combo, CB_GETCURSEL, 0, 0), &named);
    if (named >= 0) {
        // The token becomes its choice: the row selected, its caption shown.
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(named), 0);
        char caption[MAX_PATH];
        GetComboText(m_hWnd, family.layerCombos[layer], caption, sizeof caption);
        ::SetWindowTextA(combo, caption);
    }
    return mode;
}

void ConditionPage::CollectCondition(SortCondition* record) {
    SortCondition& r = *record;
    UpdateData(TRUE);
    TrimLayerTexts(m_hWnd, family.kind);
    r.libraryMode = 0;
    r.cabinetMode = 0;
    r.binderMode = ClassifyLayerText(kLayerBinder, r.binderText, sizeof r.binderText);
    r.indexMode = ClassifyLayerText(kLayerIndex, r.indexText, sizeof r.indexText);
    r.tagMode = ClassifyLayerText(kLayerNote, r.tagText, sizeof r.tagText);
    r.dateWeek = static_cast<int32_t>(
        ::SendDlgItemMessageA(m_hWnd, family.weekdayCombo, CB_GETCURSEL, 0, 0));
    for (int layer = 0; layer < kLayerCount; ++layer) {
        ComboText(family.layerCombos[layer], RecordText(r, layer), kRecordTextSizes[layer]);
    }
    r.libraryUse = m_layerChecks[kLayerLibrary];
    r.cabinetUse = m_layerChecks[kLayerCabinet];
    r.binderUse = m_layerChecks[kLayerBinder];
    r.indexUse = m_layerChecks[kLayerIndex];
    r.tagUse = m_layerChecks[kLayerNote];
    r.position = IsChecked(family.positionPrevious) ? 0 : 1;
    if (IsChecked(family.dateYmd)) r.dateType = 0;
    if (IsChecked(family.dateYm)) r.dateType = 1;
    if (IsChecked(family.dateYmw)) r.dateType = 2;
    CollectInfoItems(record);
}

void ConditionPage::CollectInfoItems(SortCondition* record) const {
    if (family.infoList == 0) return;
    SortCondition& r = *record;
    const int rows =
        family.infoRowsCollected < 0 ? m_infoList.GetCount() : family.infoRowsCollected;
    for (int row = 0; row < rows; ++row) {
        char text[64] = {};
        if (m_infoList.GetText(row, text, sizeof text) == LB_ERR) continue;
        for (int item = 0; item < family.infoCount; ++item) {
            char caption[64];
            LoadResString(family.infoCaptions[item], caption, sizeof caption);
            if (!SameTextNoCase(text, caption)) continue;
            r.faxSeq[item] = row;
            r.faxCheck[item] = m_infoList.GetCheck(row);
            break;
        }
    }
    for (int item = 0; item < family.infoCount; ++item) {
        if (r.faxCheck[item] != 0 && r.faxCheck[item] != 1) r.faxCheck[item] = 0;
    }
}
