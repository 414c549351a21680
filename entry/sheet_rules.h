// The small decisions of the options sheet and its entry point, kept apart
// from the windows so that they can be checked on their own.
#pragma once

// SheetMode: which pages the options sheet shows.
enum SheetMode {
    kGeneralOnly = 0,       // the single-root general page
    kSortConditions = 1,    // MFP scanner, FAX receive, FAX send, LibRoot folders
    kLibRootAndImport = 2,  // LibRoot folders, import destination
};

// 1 when the arguments of VordaConfigSet are acceptable: mode 0..2, a current
// root index 0..2 and a confirmation flag 0 or 1 (both pointers are read in
// every mode; a null pointer is refused).
int CheckConfigArguments(int mode, const int* currentRootIndex, const int* messageShow);

// The help topic of the visible tab, or 0 when the tab has none.
int HelpTopicFor(int mode, int tab);

// The tab the sheet shows after its start-up activations in mode 1: the
// first of MFP scanner (0), FAX receive (1), FAX send (2) whose leave check
// failed, else 0.
int ChooseStartTab(int scannerFailed, int faxReceiveFailed, int faxSendFailed);
