// Where documents from the desktop document scanner go when neither the
// viewer nor the WorkArea window is open, and whether the user confirms each
// WorkArea import. The sheet's page and the stand-alone dialog share dialog
// template IDD_IMPORT_DEST, the fields below and every operation in this file.
#pragma once
#include <windows.h>

#include "framework/data_exchange.h"
#include "resources/resource.h"

// "OutputStyle" of section "Lumora".
enum ImportDestination {
    kWorkArea = 0,
    kSelectedBinder = 1,
    kBinderDialog = 2,
};

enum {
    kImportDestinationHelpTopic = 190,
};

// The state both forms keep, in this order.
struct ImportDestinationFields {
    int initialised = 0;        // 1 once the window has been started
    int changed = 0;            // set on OK when the choice differs from the start
    int startConfirmation = 0;  // confirmation when the window started
    int startDestination = 0;   // destination when the window started
    int confirmation = 0;       // check box IDC_IMPORT_CONFIRM
    int destination = -1;       // radio group IDC_IMPORT_WORKAREA..IDC_IMPORT_BINDER_DIALOG
};

// Reads "OutputStyle" and "ShowMsg" of section "Lumora" of the settings INI
// (integers, default 0). Both are 0 when the settings INI cannot be found.
void ReadImportDestination(int* destination, int* confirmation);

// Writes "OutputStyle" = destination and then "ShowMsg" = confirmation (or
// "0" unless the destination is WorkArea) as decimal text, both in one
// replace of the settings INI. Returns 1 when written; 0 when the settings
// INI cannot be found or could not be written (it is then as it was, with
// neither value). iniPath (260 bytes, may be null) receives the settings INI
// path.
int WriteImportDestinationValues(HWND owner, int destination, int confirmation,
                                 char* iniPath = nullptr);

// The backup of the settings INI: its path with the extension of the last
// component replaced by (or, without one, followed by) ".dat". out holds 260
// bytes. Returns 0 when the result would not fit.
int MakeSettingsBackupPath(const char* iniPath, char* out);

// Checks exactly one of 1083..1085 for destination 0..2; any other
// destination leaves the radio buttons as they are.
void CheckDestinationRadio(HWND window, int destination);

// Check box 1082 with the confirmation, the radio group with the destination.
void ExchangeImportDestination(CDataExchange* dx, ImportDestinationFields& fields);

// The start of either form after the framework's own start: takes the start
// values, checks the radio button, disables 1082 unless the destination is
// WorkArea and marks the fields initialised.
void StartImportDestination(HWND window, ImportDestinationFields& fields);

// A click on radio button 1083, 1084 or 1085: the destination becomes that
// button's, 1082 is enabled for WorkArea and disabled otherwise. Returns 1
// when the destination changed.
int ChooseImportDestination(HWND window, ImportDestinationFields& fields, int radioId);

// The changed flag, first step of OK in both forms: set when the destination
// moved, or when it is WorkArea and the confirmation moved.
void ComputeImportDestinationChanged(ImportDestinationFields& fields);

// Opens help topic 190 owned by window.
void ShowImportDestinationHelp(HWND window);
