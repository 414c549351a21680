// Opening help topics. The HTML Help viewer is looked up at run time: when it
// is not available, help requests do nothing.
#pragma once
#include <windows.h>

enum HelpCommand {
    kHelpContext = 15,   // open the topic whose number is the data argument
    kHelpCloseAll = 18,  // close every help window (no owner, no file, data 0)
};

// The help file: the installation folder followed by "viewer.chm", or by the
// user-interface language as four lower-case hex digits, "\" and "viewer.chm"
// when the language is not 1033 and that file exists. out holds 260 bytes.
// Returns 0 when the installation folder is unknown (out then holds just
// "\viewer.chm", as the lookup leaves the folder empty).
int BuildHelpFilePath(char* out);

// Calls the viewer's HtmlHelpA (owner, file, command, data). Returns 0 when
// the viewer is not available, else 1 (whatever the viewer did). Closing all
// help windows does not load the viewer: when it is not loaded, no help
// window is open.
int CallHtmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data);

// Opens topic of the help file with owner as the help window's owner.
void OpenHelpTopic(HWND owner, int topic);

// Closes every open help window.
void CloseAllHelp();
