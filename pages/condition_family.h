// Everything that differs between the three sort-condition pages (MFP
// scanner, FAX receive, FAX send), in one table: the pages are one class,
// ConditionPage, driven by a row of it. What a kind means to the store (file
// prefix "s"/"f"/"n", INI sections, DIVSET.ini key "SCAN"/"FAX"/"SNDFAX",
// template names) comes from conditions/ through the row's kind.
#pragma once
#include <windows.h>

#include "conditions/condition_rules.h"
#include "conditions/sort_condition.h"

// A naming token typed into a layer box that stands for a naming choice:
// the choice's row (= NamingMode of the kind).
struct TokenRow {
    const char* token;  // compared without regard to letter case
    NamingMode row;
};

// When "&Down" may move the selected information row.
enum InfoMoveDown {
    kDownUnlessLast,    // any row but the last
    kDownFromFirstOnly  // only the first row (the list has two rows)
};

struct ConditionFamily {
    int kind;         // ConditionKind
    UINT templateId;  // dialog template, also the page's title

    // Controls.
    int conditionCombo, deleteButton, previewButton;
    int layerChecks[kLayerCount];  // Library, Cabinet, Binder, Index, Note
    int layerCombos[kLayerCount];
    int positionPrevious, positionNext;
    int dateYmd, dateYm, dateYmw;
    int weekdayCombo;
    int infoList, upButton, downButton;  // 0 on a page without information list

    // Naming choices: the first rows of the Binder and Index boxes (row =
    // NamingMode); the Note box has them and then "T: Time" (row
    // choiceCount). A Binder mode above choiceCount - 1 is a listed binder,
    // that is a fixed name.
    const UINT* choices;
    int choiceCount;
    // How typed tokens are recognised: a text holding ListSeparator is the
    // information list (listRow, -1 when the kind has none), a token of
    // tokenRows its choice, and a text that begins with "@DATE-" the date.
    NamingMode listRow;
    NamingMode dateRow;
    const TokenRow* tokenRows;
    int tokenRowCount;

    // Information items: their captions in item order, how many there are
    // (0 without a list), how Down moves, how many rows are collected (-1:
    // every row) and whether language style 1 hides items 1 to 3.
    const UINT* infoCaptions;
    int infoCount;
    InfoMoveDown downRule;
    int infoRowsCollected;
    bool style1HidesItems;

    // Preview numbers of templates 1, 2 and 3.
    int previewNumbers[3];

    // The read-only line that shows where a document would be filed.
    int exampleLine;

    // The Note box's time choice row.
    NamingMode TimeRow() const { return choiceCount; }
};

extern const ConditionFamily kScannerFamily;
extern const ConditionFamily kFaxReceiveFamily;
extern const ConditionFamily kFaxSendFamily;

// The family of a kind (every value other than 0 and 1 gives FaxSend).
const ConditionFamily& FamilyOfKind(int kind);
