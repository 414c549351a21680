#include "pages/condition_helpers.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/text.h"
#include "conditions/condition_format.h"
#include "pages/condition_family.h"
#include "siblings/glossa.h"

namespace {

const char kBlanks[] = " \t\r\n\v\f";

LRESULT SendItem(HWND page, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendDlgItemMessageA(page, id, message, wParam, lParam);
}

// The whole text of combo row.
std::string RowText(HWND combo, LRESULT row) {
    const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == CB_ERR) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::strlen(text.c_str()));
    return text;
}

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    const int length = ::GetWindowTextA(window, &text[0], static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0u);
    return text;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The information items of a record's kind in the order a page lists them:
// by position 0..count-1, then item index; items outside that range are not
// listed. Each entry is item * 2 + check.
std::vector<int> ShownItems(const SortCondition& r, const int* items, int itemCount, int count) {
    std::vector<int> shown;
    for (int position = 0; position < count; ++position) {
        for (int i = 0; i < itemCount; ++i) {
            const int item = items[i];
            if (r.faxSeq[item] == position) shown.push_back(item * 2 + (r.faxCheck[item] == 1));
        }
    }
    return shown;
}

int InformationDiffers(const SortCondition& a, const SortCondition& b) {
    const int count = b.kind == kFaxSend ? kSendItemCount : kFaxItemCount;
    if (b.kind == kFaxReceive && FamilyOfKind(kFaxReceive).style1HidesItems &&
        VordaGetStyle() == 1) {
        static const int kShownInStyle1[] = {0, 4, 5};
        return ShownItems(a, kShownInStyle1, 3, kFaxItemCount) !=
                       ShownItems(b, kShownInStyle1, 3, kFaxItemCount)
                   ? 1
                   : 0;
    }
    for (int i = 0; i < count; ++i) {
        if (a.faxSeq[i] != b.faxSeq[i] || a.faxCheck[i] != b.faxCheck[i]) return 1;
    }
    return 0;
}

}  // namespace

void LimitComboText(HWND page, int comboId, int n) {
    SendItem(page, comboId, CB_LIMITTEXT, static_cast<WPARAM>(n));
}

int GetComboText(HWND page, int comboId, char* buffer, size_t capacity) {
    if (buffer == nullptr || capacity == 0) return 1;
    HWND combo = ::GetDlgItem(page, comboId);
    const LRESULT row = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    const std::string text = row != CB_ERR ? RowText(combo, row) : WindowText(combo);
    CopyText(buffer, capacity, text.c_str());
    return 1;
}

std::string NormalizedLayerText(HWND page, int comboId, LRESULT* row) {
    char text[1024];
    GetComboText(page, comboId, text, sizeof text);
    const std::string trimmed = Trimmed(text);
    *row = SendItem(page, comboId, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                    reinterpret_cast<LPARAM>(trimmed.c_str()));
    return trimmed;
}

void TrimLayerTexts(HWND page, int kind) {
    for (int id : FamilyOfKind(kind).layerCombos) {
        LRESULT row = CB_ERR;
        const std::string trimmed = NormalizedLayerText(page, id, &row);
        SendItem(page, id, CB_SETCURSEL, static_cast<WPARAM>(row == CB_ERR ? -1 : row));
        ::SetDlgItemTextA(page, id, trimmed.c_str());
    }
}

void UpdateDeleteAndPreview(HWND page, int kind) {
    const ConditionFamily& family = FamilyOfKind(kind);
    HWND combo = ::GetDlgItem(page, family.conditionCombo);
    const LRESULT row = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    const std::string name = row != CB_ERR ? RowText(combo, row) : std::string();
    const bool isTemplate = IsTemplateName(name.c_str()) != 0;
    ::EnableWindow(::GetDlgItem(page, family.deleteButton), isTemplate ? FALSE : TRUE);
    ::ShowWindow(::GetDlgItem(page, family.previewButton), isTemplate ? SW_SHOW : SW_HIDE);
}

void AppendFolderNumber(int32_t number, char* text, size_t capacity) {
    if (number == -1 || text == nullptr) return;
    const size_t length = std::strlen(text);
    char suffix[16];
    const int written = std::snprintf(suffix, sizeof suffix, "#%d", static_cast<int>(number));
    if (written <= 0 || length + static_cast<size_t>(written) >= capacity) return;
    std::memcpy(text + length, suffix, static_cast<size_t>(written) + 1);
}

int CopyConditionEdits(const SortCondition& source, SortCondition* target) {
    SortCondition& t = *target;
    t.libraryUse = source.libraryUse;
    t.cabinetUse = source.cabinetUse;
    t.binderUse = source.binderUse;
    t.indexUse = source.indexUse;
    t.tagUse = source.tagUse;
    t.libraryMode = source.libraryMode;
    t.cabinetMode = source.cabinetMode;
    t.binderMode = source.binderMode;
    t.indexMode = source.indexMode;
    t.tagMode = source.tagMode;
    CopyText(t.libraryText, sizeof t.libraryText, source.libraryText);
    CopyText(t.cabinetText, sizeof t.cabinetText, source.cabinetText);
    CopyText(t.binderText, sizeof t.binderText, source.binderText);
    CopyText(t.indexText, sizeof t.indexText, source.indexText);
    CopyText(t.tagText, sizeof t.tagText, source.tagText);
    t.position = source.position;
    t.dateType = source.dateType;
    t.dateWeek = source.dateWeek;
    const int items = t.kind == kFaxSend ? kSendItemCount : kFaxItemCount;
    for (int i = 0; i < items; ++i) {
        t.faxSeq[i] = source.faxSeq[i];
        t.faxCheck[i] = source.faxCheck[i];
    }
    return 1;
}

int LayerDiffers(int layer, const SortCondition& a, const SortCondition& b) {
    struct Layer {
        int32_t use;
        NamingMode mode;
        const char* text;
    };
    auto of = [layer](const SortCondition& r) -> Layer {
        switch (layer) {
            case kLayerLibrary:
                return {r.libraryUse, r.libraryMode, r.libraryText};
            case kLayerCabinet:
                return {r.cabinetUse, r.cabinetMode, r.cabinetText};
            case kLayerBinder:
                return {r.binderUse, r.binderMode, r.binderText};
            case kLayerIndex:
                return {r.indexUse, r.indexMode, r.indexText};
            default:
                return {r.tagUse, r.tagMode, r.tagText};
        }
    };
    const Layer x = of(a);
    const Layer y = of(b);
    if (x.use != y.use) return 1;
    if (x.use != 1) return 0;
    if (x.mode != y.mode) return 1;
    const bool namesCount =
        x.mode == kFixedName || layer == kLayerLibrary || layer == kLayerCabinet;
    return namesCount && !SameTextNoCase(x.text, y.text) ? 1 : 0;
}

int ConditionDiffers(const SortCondition& a, const SortCondition& b) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        if (LayerDiffers(layer, a, b)) return 1;
    }
    if (a.position != b.position) return 1;
    if (a.dateType != b.dateType) return 1;
    if (a.dateType == 2 && a.dateWeek != b.dateWeek) return 1;
    if (b.kind == kFaxReceive || b.kind == kFaxSend) return InformationDiffers(a, b);
    return 0;
}
