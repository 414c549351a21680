#include "libroot/folder_browser.h"

#include <objbase.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "base/module_state.h"
#include "base/paths.h"
#include "base/text.h"
#include "framework/controls.h"
#include "resources/resource.h"

namespace {

bool IsOnCdRom(const char* folder) {
    char drive[4];  // the first three characters, e.g. "D:\"
    lstrcpynA(drive, folder, sizeof drive);
    return GetDriveTypeA(drive) == DRIVE_CDROM;
}

}  // namespace

int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM param, LPARAM data) {
    switch (message) {
        case BFFM_INITIALIZED: {
            char initial[MAX_PATH] = {};
            CopyText(initial, sizeof initial, reinterpret_cast<const char*>(data));
            SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(initial));
            break;
        }
        case BFFM_SELCHANGED: {
            char folder[MAX_PATH] = {};
            if (param == 0 ||
                !SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(param), folder)) {
                break;  // no file-system folder: leave OK as the browser set it
            }
            if (!CanCreateFileIn(folder) || IsOnCdRom(folder)) {
                SendMessageA(browser, BFFM_ENABLEOK, 0, 0);
            }
            break;
        }
        default:
            break;
    }
    return 0;
}

int BrowseForFolder(HWND owner, const char* title, char* path, const char* initial) {
    if (path == nullptr) return 0;

    PIDLIST_ABSOLUTE desktop = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &desktop)) || desktop == nullptr) {
        return 0;
    }

    // The new-style browser needs OLE on this thread; the application has
    // normally set it up already, in which case this only counts up.
    const HRESULT ole = OleInitialize(nullptr);

    char displayName[MAX_PATH];
    CopyText(displayName, sizeof displayName, path);

    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = desktop;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(initial);

    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
    int result = 0;
    if (chosen == nullptr) {
        path[0] = '\0';
    } else {
        char folder[MAX_PATH] = {};
        if (SHGetPathFromIDListA(chosen, folder)) {
            DropTrailingBackslash(folder);
            CopyText(path, MAX_PATH, folder);
            result = 1;
        }
        CoTaskMemFree(chosen);
    }

    CoTaskMemFree(desktop);
    if (SUCCEEDED(ole)) OleUninitialize();
    return result;
}

void BrowseRootFolder(HWND owner, CEdit& edit, char* pathField) {
    char title[MAX_PATH];
    LoadResString(IDS_BROWSE_ROOT_TITLE, title, sizeof title);
    char folder[MAX_PATH] = {};
    edit.GetWindowText(folder, sizeof folder);
    if (!BrowseForFolder(owner, title, folder, folder)) return;
    CopyText(pathField, MAX_PATH, folder);
    edit.SetWindowText(folder);
    edit.SetFocus();
}
