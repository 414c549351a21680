// The example line of a condition page: where a document that arrives now
// would be filed under the condition as it is being edited. The controls
// are read as CollectCondition reads them, without normalising any box.
#include <cstring>
#include <string>

#include "base/module_state.h"
#include "base/text.h"
#include "conditions/layer_names.h"
#include "pages/condition_helpers.h"
#include "pages/condition_page.h"
#include "resources/resource.h"
#include "siblings/glossa.h"

namespace {

// Capacities of the record's layer texts, Library to Note.
const size_t kTextSizes[kLayerCount] = {kLibraryTextSize, kCabinetTextSize, kBinderTextSize,
                                        kIndexTextSize, kTagTextSize};

}  // namespace

void ConditionPage::ReadControls(SortCondition* record) const {
    SortCondition& r = *record;
    r.kind = family.kind;
    int32_t* const uses[kLayerCount] = {&r.libraryUse, &r.cabinetUse, &r.binderUse, &r.indexUse,
                                        &r.tagUse};
    NamingMode* const modes[kLayerCount] = {&r.libraryMode, &r.cabinetMode, &r.binderMode,
                                            &r.indexMode, &r.tagMode};
    char* const texts[kLayerCount] = {r.libraryText, r.cabinetText, r.binderText, r.indexText,
                                      r.tagText};
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const int id = family.layerCombos[layer];
        *uses[layer] = IsChecked(family.layerChecks[layer]) ? 1 : 0;
        // The text as the box will hold it once it is normalised.
        LRESULT row = CB_ERR;
        const std::string trimmed = NormalizedLayerText(m_hWnd, id, &row);
        NamingMode named = kFixedName;
        *modes[layer] =
            layer >= kLayerBinder ? LayerModeOf(layer, trimmed.c_str(), row, &named) : 0;
        std::string text = trimmed;
        const LRESULT length =
            ::SendDlgItemMessageA(m_hWnd, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
        if (row != CB_ERR && length != CB_ERR) {
            // The row's own spelling, as the box shows it once it is selected.
            text.assign(static_cast<size_t>(length) + 1, '\0');
            ::SendDlgItemMessageA(m_hWnd, id, CB_GETLBTEXT, static_cast<WPARAM>(row),
                                  reinterpret_cast<LPARAM>(&text[0]));
        }
        CopyText(texts[layer], kTextSizes[layer], text.c_str());
    }
    r.dateWeek = static_cast<int32_t>(
        ::SendDlgItemMessageA(m_hWnd, family.weekdayCombo, CB_GETCURSEL, 0, 0));
    if (IsChecked(family.dateYmd)) r.dateType = 0;
    if (IsChecked(family.dateYm)) r.dateType = 1;
    if (IsChecked(family.dateYmw)) r.dateType = 2;
    CollectInfoItems(record);
}

void ConditionPage::UpdateExample() {
    if (m_hWnd == nullptr) return;
    SortCondition record;
    std::memset(&record, 0, sizeof record);
    ReadControls(&record);
    SampleDocument document;
    LoadSampleDocument(&document);
    std::string names[kLayerCount];
    ExpandLayerNames(record, document, family.style1HidesItems ? VordaGetStyle() : 0, names);

    char label[64];
    LoadResString(IDS_EXAMPLE_LABEL, label, sizeof label);
    const std::string line = std::string(label) + " " + JoinLayerNames(record, names);
    char shown[1024];
    ::GetDlgItemTextA(m_hWnd, family.exampleLine, shown, sizeof shown);
    // Unchanged text is not set again: the line would flicker while typing.
    if (line != shown) ::SetDlgItemTextA(m_hWnd, family.exampleLine, line.c_str());
}
