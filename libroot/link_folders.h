// The LibRoot folders ("link folders") in the settings INI file: root paths,
// aliases, the current root and the confirmation flag, the "changeinfo.ini"
// bookkeeping when a root leaves a network folder, and the "CERT" folder of
// a root. Slot numbers are 1..3; "current" is the 1-based current slot.
//
// Every operation finds the settings INI through GetSettingsIniPath; owner is
// the window handed to it (the options sheet, or none before it exists).
#pragma once
#include <windows.h>

// Reads "Folder"/"LinkName"+slot into alias (260 bytes). The default is
// "LibRoot-"+slot when useDefault is set, else empty; it is also the result
// when the settings INI cannot be found. Slots outside 1..3 leave alias as is.
void GetLinkName(char* alias, int slot, int useDefault, HWND owner = nullptr);

// Writes "Folder"/"LinkFolder"+slot (and "CurrentFolder" when slot is the
// current one) in one replace of the settings INI. Then, with changeFlag
// set, deletes the lock marker of the slot's user number under oldPath\Rslt
// and records "ChangeFolderFlag"+slot in changeinfo.ini (neither can make
// the call fail). Returns 1 when the settings INI holds the path; 0 for a
// slot outside 1..3, without a settings INI, or when it could not be
// written (it is then as it was, and changeinfo.ini is not touched).
int SetLinkPath(const char* path, int slot, int current, int changeFlag, const char* oldPath,
                HWND owner = nullptr);

// Writes "Folder"/"LinkName"+slot (and "CurrentName" for the current slot)
// in one replace of the settings INI. changeFlag and oldPath are not used.
// Returns 1 when written; 0 for a slot outside 1..3, without a settings
// INI, or when it could not be written (it is then as it was).
int SetLinkName(const char* alias, int slot, int current, int changeFlag, const char* oldPath,
                HWND owner = nullptr);

// Writes "MessageShow"/"MessageShow" as "1" or "0". Returns 1 when
// written; 0 without a settings INI or when it could not be written (it is
// then as it was).
int SetMessageShowFlag(int flag, HWND owner = nullptr);

// 1 when a root moves away from a network folder that has a "Rslt" folder:
// the paths differ (ignoring case), oldPath starts with two backslashes and
// oldPath\Rslt exists. Otherwise 0.
int GetChangeFolderFlag(const char* oldPath, const char* newPath);

// Makes sure root\CERT exists: 0 when it does (or root is empty), 1 when the
// root itself is missing, 2 when the folder could not be created.
int EnsureCertFolder(const char* root);
