// The sort-condition page: one class for the MFP scanner, FAX receive and
// FAX send pages, driven by its row of the family table. The page shows the
// condition selected in its condition-name box, lets the user choose the
// layers a document is filed into and how each is named, the sort position,
// the date format and, on the FAX pages, the information items; it saves an
// edited condition under a name the user confirms, deletes user conditions,
// previews templates and records its condition as the one in force.
//
// The page reads and writes conditions only through conditions/ and lists
// the library tree only through libroot/library_tree.h.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/folder_probe.h"
#include "conditions/catalogue.h"
#include "conditions/sort_condition.h"
#include "framework/check_list_box.h"
#include "framework/property_page.h"
#include "libroot/library_tree.h"
#include "pages/condition_family.h"

// Which parts LoadConditionIntoPage re-sets, a sum of these bits.
enum LayerMask {
    kReloadRecord = 1,  // pageRecord from the selected condition's file
    kSetLibrary = 2,    // each layer box's text, refilling the box below it
    kSetCabinet = 4,
    kSetBinder = 8,
    kSetIndex = 16,
    kSetNote = 32,
    kLoadAll = 63,
};

class ConditionPage : public CPropertyPage {
public:
    explicit ConditionPage(const ConditionFamily& family);

    // Saves the page's edited condition when it differs from the stored
    // one, after the layer rules and the name dialog. 1 when the page may be
    // left (nothing changed, or the condition was written); 0 when the user
    // has to stay (a rule failed, or the name dialog was cancelled).
    int SaveCondition();
    // Starts the page afresh (the dialog-start message again), so that it
    // reloads everything from libRootPath. Nothing before the page exists.
    void Restart();

    const ConditionFamily& family;
    // The current LibRoot folder, set by the sheet; empty when none answers.
    char libRootPath[MAX_PATH] = {};
    // Set by the sheet while it starts its three condition pages at once:
    // one pass over the application folder, shared by them, lists their
    // conditions. Null otherwise (the page lists its own).
    ConditionListing* sharedListing = nullptr;
    // Set by the sheet with libRootPath: whether that folder answers, asked
    // before the page starts. The page empties libRootPath when it does not.
    FolderProbe* rootProbe = nullptr;
    // Set by the sheet with sharedListing, and while it commits the three
    // pages: the library tree's lists, read once for them.
    TreeListCache* treeCache = nullptr;
    int savedOrDeleted = 0;  // set by the apply step and by Delete; read by the caller
    int checkArmed = 0;      // set by the sheet once its start-up activations are over
    int checkFailed = 0;     // the last leave check failed

protected:
    BOOL OnInitDialog() override;
    // Leaving the page saves it; a failure keeps the user on the page once
    // the sheet has armed the check.
    BOOL OnKillActive() override;
    // Apply step: records pageRecord as the condition in force in DIVSET.ini.
    void OnOK() override;
    BOOL OnCommand(UINT code, int id, HWND control) override;
    BOOL OnButtonClicked(int id) override;
    // Draws the layer diagram.
    BOOL OnPaint() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    // Start and loading.
    void FillConditionNames();
    int FillLibraryCombo();
    int FillCabinetCombo();
    int FillBinderCombo();
    void FillIndexChoices();
    void FillNoteChoices();
    void LoadConditionIntoPage(int mask);
    int SetLayerText(int comboId, const char* text);
    void ShowDateAndPosition();
    void OnConditionChosen();
    void FillInfoList();

    // Editing.
    void OnLayerEdited(int comboId, int mask);
    void OnLayerChecked(int layer);
    void OnDateClicked(int radioId, int dateType);
    void OnPositionClicked(int position);
    void MoveInfoUp();
    void MoveInfoDown();
    void OnInfoSelChange();
    // Fills a cleared record from the controls, normalising the layer boxes.
    void CollectCondition(SortCondition* record);
    NamingMode ClassifyLayerText(int layer, char* text, size_t capacity);
    // The mode text stands for in layer's box when row (CB_ERR for none) is
    // its selected row; *named := the choice a typed token names, below -1
    // when none. Changes nothing.
    NamingMode LayerModeOf(int layer, const char* text, LRESULT row, NamingMode* named) const;
    // The information items' order and checks, read from the list.
    void CollectInfoItems(SortCondition* record) const;

    // The example line: the names the edited condition gives the sample
    // document, as the controls stand. Changes no other control, does not
    // mark the page modified and writes nothing.
    void UpdateExample();
    void ReadControls(SortCondition* record) const;

    // Commit, delete, preview.
    void OnDelete();
    void OnPreview();
    // The row of the condition-name box holding name, appended when missing.
    int SelectConditionName(const char* name);

    int LayerOf(int comboId) const;
    int ComboText(int comboId, char* buffer, size_t capacity) const;
    void Enable(int id, bool enable) const;
    bool IsChecked(int id) const;

    char m_appFolder[MAX_PATH] = {};
    std::vector<int32_t> m_libraryNumbers;  // folder number of each Library row, -1 for none
    std::vector<int32_t> m_cabinetNumbers;  // the same for the Cabinet rows
    SortCondition m_pageRecord = {};        // the condition as last read or written
    int m_layerChecks[kLayerCount] = {1, 1, 1, 1, 1};
    CCheckListBox m_infoList;
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
