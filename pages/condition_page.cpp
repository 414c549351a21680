#include "pages/condition_page.h"

#include <cstring>
#include <string>

#include "base/app_path.h"
#include "base/module_state.h"
#include "base/phase_timer.h"
#include "base/text.h"
#include "conditions/catalogue.h"
#include "conditions/condition_io.h"
#include "libroot/library_tree.h"
#include "pages/condition_helpers.h"
#include "pages/layer_diagram.h"
#include "resources/dialog_lists.h"
#include "resources/resource.h"
#include "siblings/glossa.h"

namespace {

// Typed text limits of the layer boxes, Library to Note.
const int kLayerTextLimits[kLayerCount] = {40, 32, 48, 50, 100};
// What each layer box keeps of its text while the boxes are refilled:
// the capacities of the record's fields (the Binder keeps 104 bytes).
const size_t kKeptTextSizes[kLayerCount] = {kLibraryTextSize, kCabinetTextSize, 104, kIndexTextSize,
                                            kTagTextSize};
// The LayerMask bit of each layer.
const int kLayerBits[kLayerCount] = {kSetLibrary, kSetCabinet, kSetBinder, kSetIndex, kSetNote};

}  // namespace

ConditionPage::ConditionPage(const ConditionFamily& family)
    : CPropertyPage(Module().resources, family.templateId), family(family) {
    m_psp.dwFlags |= PSP_HASHELP;
}

void ConditionPage::Restart() {
    if (m_hWnd == nullptr) return;
    // The same message the page received when the sheet created it, with the
    // page description the framework finds the page object through.
    ::SendMessageA(m_hWnd, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&m_psp));
}

void ConditionPage::DoDataExchange(CDataExchange* dx) {
    CPropertyPage::DoDataExchange(dx);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        DDX_Check(dx, family.layerChecks[layer], m_layerChecks[layer]);
    }
    if (family.infoList != 0) DDX_Control(dx, family.infoList, m_infoList);
}

// ---- helpers ------------------------------------------------------------

int ConditionPage::LayerOf(int comboId) const {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        if (family.layerCombos[layer] == comboId) return layer;
    }
    return -1;
}

int ConditionPage::ComboText(int comboId, char* buffer, size_t capacity) const {
    return GetComboText(m_hWnd, comboId, buffer, capacity);
}

void ConditionPage::Enable(int id, bool enable) const {
    ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE);
}

bool ConditionPage::IsChecked(int id) const {
    return ::SendDlgItemMessageA(m_hWnd, id, BM_GETCHECK, 0, 0) != BST_UNCHECKED;
}

// ---- start --------------------------------------------------------------

BOOL ConditionPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    savedOrDeleted = 0;
    checkArmed = 0;
    checkFailed = 0;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        LimitComboText(m_hWnd, family.layerCombos[layer], kLayerTextLimits[layer]);
    }
    // The weekday rows come with the template; a restarted page lists them
    // once again from scratch.
    {
        VORDA_PHASE(kPhaseComboFills);
        ::SendDlgItemMessageA(m_hWnd, family.weekdayCombo, CB_RESETCONTENT, 0, 0);
        FillDialogLists(m_hWnd, Resources(), family.templateId);
    }

    m_appFolder[0] = '\0';
    GetAppPath(m_appFolder);
    FillConditionNames();
    if (rootProbe != nullptr && !rootProbe->Answers(kFolderProbeMilliseconds))
        libRootPath[0] = '\0';
    FillLibraryCombo();

    char current[MAX_PATH];
    CurrentConditionName(family.kind, m_appFolder, current);
    SelectConditionName(current);

    LoadConditionIntoPage(kLoadAll);
    ShowDateAndPosition();
    UpdateDeleteAndPreview(m_hWnd, family.kind);
    UpdateExample();
    return TRUE;
}

void ConditionPage::FillConditionNames() {
    VORDA_PHASE(kPhaseComboFills);
    std::vector<std::string> names;
    if (sharedListing != nullptr)
        ListConditionsFrom(family.kind, m_appFolder, sharedListing, &names);
    else
        ListConditions(family.kind, m_appFolder, &names);
    HWND combo = GetDlgItem(family.conditionCombo);
    // One repaint for the whole list, however long.
    ::SendMessageA(combo, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    ::SendMessageA(combo, CB_INITSTORAGE, names.size(), names.size() * 32);
    for (const std::string& name : names) {
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    ::SendMessageA(combo, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(combo, nullptr, TRUE);
}

int ConditionPage::SelectConditionName(const char* name) {
    VORDA_PHASE(kPhaseComboFills);
    HWND combo = GetDlgItem(family.conditionCombo);
    LRESULT row = ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(name));
    if (row == CB_ERR) {
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        row = ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(name));
    }
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    return static_cast<int>(row);
}

int ConditionPage::FillLibraryCombo() {
    if (libRootPath[0] == '\0') {
        // No LibRoot that answers: the layer names can only be typed.
        ::SendDlgItemMessageA(m_hWnd, family.layerCombos[kLayerLibrary], CB_RESETCONTENT, 0, 0);
        m_libraryNumbers.clear();
        return 1;
    }
    char iniPath[MAX_PATH];
    MakeFolderIniPath(libRootPath, iniPath);
    return FillComboFromNameList(m_hWnd, family.layerCombos[kLayerLibrary], iniPath,
                                 &m_libraryNumbers, treeCache) != 0
               ? 1
               : 0;
}

int ConditionPage::FillCabinetCombo() {
    const int cabinetCombo = family.layerCombos[kLayerCabinet];
    HWND libraries = GetDlgItem(family.layerCombos[kLayerLibrary]);
    const LRESULT row = ::SendMessageA(libraries, CB_GETCURSEL, 0, 0);
    if (row == CB_ERR) {
        // A typed library has no folder to list cabinets from yet.
        ::SendDlgItemMessageA(m_hWnd, cabinetCombo, CB_RESETCONTENT, 0, 0);
        m_cabinetNumbers.clear();
        return 1;
    }
    char name[MAX_PATH];
    ComboText(family.layerCombos[kLayerLibrary], name, sizeof name);
    if (static_cast<size_t>(row) < m_libraryNumbers.size()) {
        AppendFolderNumber(m_libraryNumbers[static_cast<size_t>(row)], name, sizeof name);
    }
    const std::string folder = std::string(libRootPath) + "\\" + name;
    char iniPath[MAX_PATH];
    MakeFolderIniPath(folder.c_str(), iniPath);
    return FillComboFromNameList(m_hWnd, cabinetCombo, iniPath, &m_cabinetNumbers, treeCache) == 0
               ? 0
               : 1;
}

int ConditionPage::FillBinderCombo() {
    const int binderCombo = family.layerCombos[kLayerBinder];
    FillComboFromStringIds(m_hWnd, binderCombo, family.choices, family.choiceCount);
    const LRESULT cabinetRow =
        ::SendDlgItemMessageA(m_hWnd, family.layerCombos[kLayerCabinet], CB_GETCURSEL, 0, 0);
    if (cabinetRow == CB_ERR) return 1;

    char library[kLibraryTextSize + 16];
    ComboText(family.layerCombos[kLayerLibrary], library, kLibraryTextSize);
    const LRESULT libraryRow =
        ::SendDlgItemMessageA(m_hWnd, family.layerCombos[kLayerLibrary], CB_GETCURSEL, 0, 0);
    if (libraryRow != CB_ERR && static_cast<size_t>(libraryRow) < m_libraryNumbers.size()) {
        AppendFolderNumber(m_libraryNumbers[static_cast<size_t>(libraryRow)], library,
                           sizeof library);
    }
    char cabinet[MAX_PATH];
    ComboText(family.layerCombos[kLayerCabinet], cabinet, sizeof cabinet);
    if (static_cast<size_t>(cabinetRow) < m_cabinetNumbers.size()) {
        AppendFolderNumber(m_cabinetNumbers[static_cast<size_t>(cabinetRow)], cabinet,
                           sizeof cabinet);
    }
    return AppendBinderList(m_hWnd, binderCombo, libRootPath, library, cabinet, treeCache) == 0 ? 1
                                                                                                : 0;
}

void ConditionPage::FillIndexChoices() {
    FillComboFromStringIds(m_hWnd, family.layerCombos[kLayerIndex], family.choices,
                           family.choiceCount);
}

void ConditionPage::FillNoteChoices() {
    std::vector<UINT> choices(family.choices, family.choices + family.choiceCount);
    choices.push_back(IDS_CHOICE_TIME);
    FillComboFromStringIds(m_hWnd, family.layerCombos[kLayerNote], choices.data(),
                           static_cast<int32_t>(choices.size()));
}

// ---- loading a condition --------------------------------------------------

void ConditionPage::LoadConditionIntoPage(int mask) {
    UpdateData(TRUE);
    std::string kept[kLayerCount];
    for (int layer = 0; layer < kLayerCount; ++layer) {
        std::vector<char> text(kKeptTextSizes[layer]);
        ComboText(family.layerCombos[layer], text.data(), text.size());
        kept[layer] = text.data();
    }

    const LRESULT row = ::SendDlgItemMessageA(m_hWnd, family.conditionCombo, CB_GETCURSEL, 0, 0);
    if ((mask & kReloadRecord) && row != CB_ERR) {
        char name[MAX_PATH];
        ComboText(family.conditionCombo, name, sizeof name);
        std::memset(&m_pageRecord, 0, sizeof m_pageRecord);
        OpenCondition(family.kind, m_appFolder, name, &m_pageRecord);
        const SortCondition& r = m_pageRecord;
        kept[kLayerLibrary] = r.libraryText;
        kept[kLayerCabinet] = r.cabinetText;
        kept[kLayerBinder] = r.binderText;
        kept[kLayerIndex] = r.indexText;
        kept[kLayerNote] = r.tagText;
        const int32_t uses[kLayerCount] = {r.libraryUse, r.cabinetUse, r.binderUse, r.indexUse,
                                           r.tagUse};
        for (int layer = 0; layer < kLayerCount; ++layer) m_layerChecks[layer] = uses[layer];
        if (family.infoList != 0) FillInfoList();
        UpdateData(FALSE);
    }

    for (int layer = 0; layer < kLayerCount; ++layer) {
        if (mask & kLayerBits[layer]) SetLayerText(family.layerCombos[layer], kept[layer].c_str());
    }
}

void ConditionPage::FillInfoList() {
    VORDA_PHASE(kPhaseComboFills);
    m_infoList.ResetContent();
    const SortCondition& r = m_pageRecord;
    const bool hideItems = family.style1HidesItems && VordaGetStyle() == 1;
    for (int position = 0; position < family.infoCount; ++position) {
        for (int item = 0; item < family.infoCount; ++item) {
            if (r.faxSeq[item] != position) continue;
            if (hideItems && item >= 1 && item <= 3) continue;
            char caption[64];
            LoadResString(family.infoCaptions[item], caption, sizeof caption);
            const int added = m_infoList.AddString(caption);
            m_infoList.SetCheck(added, r.faxCheck[item]);
        }
    }
}

int ConditionPage::SetLayerText(int comboId, const char* text) {
    const int layer = LayerOf(comboId);
    if (layer < 0) return 0;
    VORDA_PHASE(kPhaseComboFills);
    HWND combo = GetDlgItem(comboId);
    const LRESULT row = ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text));
    if (row != CB_ERR) {
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    } else {
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        ::SetWindowTextA(combo, text);
    }
    UpdateData(TRUE);
    switch (layer) {
        case kLayerLibrary:
            FillCabinetCombo();
            break;
        case kLayerCabinet:
            FillBinderCombo();
            break;
        case kLayerBinder:
            FillIndexChoices();
            break;
        case kLayerIndex:
            FillNoteChoices();
            break;
        default:
            break;
    }
    UpdateData(FALSE);
    ::EnableWindow(combo, m_layerChecks[layer] != 0 ? TRUE : FALSE);
    return 1;
}

void ConditionPage::ShowDateAndPosition() {
    const SortCondition& r = m_pageRecord;
    ::CheckRadioButton(m_hWnd, family.positionPrevious, family.positionNext,
                       r.position == 0 ? family.positionPrevious : family.positionNext);
    ::SendDlgItemMessageA(m_hWnd, family.weekdayCombo, CB_SETCURSEL,
                          static_cast<WPARAM>(r.dateWeek), 0);
    const int radios[3] = {family.dateYmd, family.dateYm, family.dateYmw};
    if (r.dateType >= 0 && r.dateType <= 2) {
        ::CheckRadioButton(m_hWnd, family.dateYmd, family.dateYmw, radios[r.dateType]);
        Enable(family.weekdayCombo, r.dateType == 2);
    }
}

void ConditionPage::OnConditionChosen() {
    SetModified(FALSE);
    HWND combo = GetDlgItem(family.conditionCombo);
    if (::SendMessageA(combo, CB_GETCURSEL, 0, 0) == CB_ERR) {
        const std::string firstTemplate = TemplateName(family.kind, 1);
        ::SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(firstTemplate.c_str()));
    }
    LoadConditionIntoPage(kLoadAll);
    ShowDateAndPosition();
    UpdateDeleteAndPreview(m_hWnd, family.kind);
    UpdateExample();
}

BOOL ConditionPage::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (dc != nullptr) DrawLayerDiagram(m_hWnd, dc, family.layerChecks, family.layerCombos);
    ::EndPaint(m_hWnd, &paint);
    return TRUE;
}
