// The shell's folder browser, restricted to folders that can hold a LibRoot
// folder: OK is disabled for folders where no file can be created and for
// folders on CD-ROM drives.
#pragma once
#include <windows.h>

class CEdit;

// Shows the browser under owner with title, opened at initial. On a choice,
// writes the folder (260-byte buffer, no trailing backslash: a drive root
// comes back as "C:") into path and returns 1. Cancel empties path and
// returns 0; any other failure returns 0 and leaves path as it was.
int BrowseForFolder(HWND owner, const char* title, char* path, const char* initial);

// The browser's callback. data is the initial-selection text. Selects it on
// BFFM_INITIALIZED; on BFFM_SELCHANGED disables OK (BFFM_ENABLEOK, 0) for a
// folder that fails the write test or lies on a CD-ROM drive. Always 0.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM param, LPARAM data);

// What a Browse... button of a LibRoot page does: opens the browser at the
// edit's folder with the LibRoot title; on a choice the folder goes into
// pathField (260 bytes) and the edit, and the edit takes the focus.
void BrowseRootFolder(HWND owner, CEdit& edit, char* pathField);
