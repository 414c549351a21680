#include "entry/help.h"

#include <cstdio>
#include <cstring>

#include "libroot/app_path.h"
#include "siblings/glossa.h"

namespace {

const char kHelpFileName[] = "viewer.chm";
const int kEnglish = 1033;

typedef HWND(WINAPI* HtmlHelpAProc)(HWND, LPCSTR, UINT, DWORD_PTR);

bool EndsWithBackslash(const char* text) {
    if (text[0] == '\0') return false;
    const char* end = text + std::strlen(text);
    const char* last = CharPrevA(text, end);
    return end - last == 1 && *last == '\\';
}

bool IsFile(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

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
    char folder[MAX_PATH] = {};
    const int found = GetAppPath(folder);
    if (!EndsWithBackslash(folder)) {
        const size_t length = std::strlen(folder);
        if (length + 1 < sizeof folder) {
            folder[length] = '\\';
            folder[length + 1] = '\0';
        }
    }
    const int language = GetDefaultLangId() & 0xFFFF;
    if (language != kEnglish) {
        char candidate[MAX_PATH];
        const int written = std::snprintf(candidate, sizeof candidate, "%s%04x\\%s", folder,
                                          language, kHelpFileName);
        if (written > 0 && written < static_cast<int>(sizeof candidate) && IsFile(candidate)) {
            std::memcpy(out, candidate, static_cast<size_t>(written) + 1);
            return found;
        }
    }
    std::snprintf(out, MAX_PATH, "%s%s", folder, kHelpFileName);
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
