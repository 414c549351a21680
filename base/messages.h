// The module's message box: caption and text come from the string table.
#pragma once
#include <windows.h>

enum MessageKind {
    kMessageWarning = 1,      // OK, exclamation icon, topmost
    kMessageQuestion = 2,     // OK and Cancel, question icon, topmost
    kMessageStop = 3,         // OK, stop icon, topmost
    kMessageYesNo = 4,        // Yes and No, exclamation icon, topmost
    kMessageInformation = 5,  // OK, information icon
};

// Shows text textId under caption captionId through ShowMessageBox; returns 1
// when the user pressed OK or Yes, else 0. Any other kind is used as the
// message-box style itself, made topmost.
int ShowMessage(HWND owner, UINT captionId, UINT textId, int kind);

// The message-box style of a kind.
UINT MessageStyle(int kind);

// Writes one diagnostic line for this module to the start-up log path.
void LogFailure(const char* source, int result, int line, int code, const char* text);
