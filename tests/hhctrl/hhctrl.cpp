// A recording stand-in for the HTML Help viewer, used by the UI tests in
// place of the system's hhctrl.ocx. Each HtmlHelpA call appends one line to
// the file named by VORDA_HH_LOG:
//   file <TAB> command <TAB> data <TAB> owner's window text
// ("-" for a null file or no owner). Without VORDA_HH_LOG it does nothing.
#include <windows.h>

#include <cstdio>

extern "C" __declspec(dllexport) HWND WINAPI
    HtmlHelpA(HWND owner, LPCSTR file, UINT command, DWORD_PTR data) {
    char logPath[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("VORDA_HH_LOG", logPath, sizeof logPath);
    if (length == 0 || length >= sizeof logPath) return nullptr;

    char ownerText[MAX_PATH] = "-";
    if (owner != nullptr) GetWindowTextA(owner, ownerText, sizeof ownerText);

    char line[4 * MAX_PATH];
    const int written = std::snprintf(line, sizeof line, "%s\t%u\t%llu\t%s\r\n", file ? file : "-",
                                      command, static_cast<unsigned long long>(data), ownerText);
    if (written <= 0) return nullptr;

    HANDLE log = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return nullptr;
    DWORD done = 0;
    WriteFile(
        log, line,
        static_cast<DWORD>(written < static_cast<int>(sizeof line) ? written : sizeof line - 1),
        &done, nullptr);
    CloseHandle(log);
    return nullptr;
}
