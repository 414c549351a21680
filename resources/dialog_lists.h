// Fills the list rows that a dialog template carries in its RT_DIALOG_LISTS
// resource (the weekday rows of the three condition pages). Call it from the
// dialog's WM_INITDIALOG, before the rows are selected.
#pragma once
#include <windows.h>

#include "resources/resource.h"

// Sends every record of the list resource with the template's id to its
// control: (control id WORD, message WORD, text length DWORD including the
// terminator, text). Stops at a zero control id, at the end of the data or
// at a malformed record. Returns the number of rows added, 0 when the
// template has no list resource.
inline int FillDialogLists(HWND dialog, HINSTANCE from, UINT templateId) {
    HRSRC info =
        FindResourceA(from, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(RT_DIALOG_LISTS));
    if (info == nullptr) return 0;
    HGLOBAL loaded = LoadResource(from, info);
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    const DWORD size = SizeofResource(from, info);
    if (data == nullptr) return 0;
    int rows = 0;
    DWORD at = 0;
    while (at + 8 <= size) {
        WORD control = 0, message = 0;
        DWORD length = 0;
        CopyMemory(&control, data + at, sizeof control);
        if (control == 0) break;
        CopyMemory(&message, data + at + 2, sizeof message);
        CopyMemory(&length, data + at + 4, sizeof length);
        at += 8;
        if (length == 0 || length > size - at || data[at + length - 1] != '\0') break;
        if (message != CB_ADDSTRING && message != LB_ADDSTRING) break;
        SendDlgItemMessageA(dialog, control, message, 0, reinterpret_cast<LPARAM>(data + at));
        ++rows;
        at += length;
    }
    return rows;
}
