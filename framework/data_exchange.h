// Data exchange between a dialog's controls and its fields. Each function
// works in the direction dx->saveAndValidate says.
#pragma once
#include <windows.h>

#include <string>

class CControl;

struct CDataExchange {
    HWND dialog;           // the dialog whose controls are exchanged
    BOOL saveAndValidate;  // TRUE: controls -> fields; FALSE: fields -> controls
    BOOL failed = FALSE;   // set by a check that rejected a control's value
};

// A check box (or auto radio button) and an int: 1 checked, 0 not, 2
// indeterminate. Loading a value outside 0..2 clears the box.
void DDX_Check(CDataExchange* dx, int id, int& value);
// A group of auto radio buttons that starts at id (WS_GROUP) and an int: the
// index of the checked button in the group, -1 when none is checked. The
// group runs up to the next control with WS_GROUP; controls in it that are
// not radio buttons (a check box between two radios) are skipped and not
// counted. Loading checks the button at index value and clears the others
// (none checked for a value outside the group).
void DDX_Radio(CDataExchange* dx, int id, int& value);
// An edit control and a fixed-size byte buffer (size includes the NUL).
// Saving cuts a longer text to size - 1 bytes without splitting a
// double-byte character. Loading sets the text only when it differs, so an
// unchanged field sends no EN_CHANGE.
void DDX_Text(CDataExchange* dx, int id, char* buffer, int size);
// The same with a text of any length.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// Attaches the control wrapper to the dialog item id (once per window).
void DDX_Control(CDataExchange* dx, int id, CControl& control);
