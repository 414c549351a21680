#include "base/help.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/app_path.h"
#include "base/paths.h"
#include "siblings/glossa.h"

namespace {

const char kHelpFileName[] = "viewer.chm";
const int kEnglish = 1033;

typedef HWND(WINAPI* HtmlHelpAProc)(HWND, LPCSTR, UINT, DWORD_PTR);

// The viewer's entry point. The viewer stays loaded once it was needed: a
// help window it opened lives on after the call that opened it. With load
// false only a viewer that is loaded already serves: without it this process
// has no help window.
HtmlHelpAProc FindHtmlHelp(bool load) {
    HMODULE viewer = GetModuleHandleA("hhctrl.ocx");
    if (viewer == nullptr && load) viewer = LoadLibraryA("hhctrl.ocx");
    if (viewer == nullptr) return nullptr;
    return reinterpret_cast<HtmlHelpAProc>(
        reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")));
}

}  // namespace

int BuildHelpFilePath(char* out) {
    char appFolder[MAX_PATH] = {};
    const int found = GetAppPath(appFolder);
    const std::string folder = JoinPath(appFolder, "");
    const int language = GetDefaultLangId() & 0xFFFF;
    if (language != kEnglish) {
        char candidate[MAX_PATH];
        const int written = std::snprintf(candidate, sizeof candidate, "%s%04x\\%s", folder.c_str(),
                                          language, kHelpFileName);
        if (written > 0 && written < static_cast<int>(sizeof candidate) && IsFile(candidate)) {
            std::memcpy(out, candidate, static_cast<size_t>(written) + 1);
            return found;
        }
    }
    std::snprintf(out, MAX_PATH, "%s%s", folder.c_str(), kHelpFileName);
    return found;
}

int CallHtmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data) {
    HtmlHelpAProc htmlHelp = FindHtmlHelp(command != kHelpCloseAll);
    if (htmlHelp == nullptr) return 0;
    htmlHelp(owner, file, command, data);
    return 1;
}

void OpenHelpTopic(HWND owner, int topic) {
    char file[MAX_PATH] = {};
    BuildHelpFilePath(file);
    CallHtmlHelp(owner, file, kHelpContext, static_cast<DWORD_PTR>(topic));
}

void CloseAllHelp() { CallHtmlHelp(nullptr, nullptr, kHelpCloseAll, 0); }
