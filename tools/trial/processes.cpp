#include "tools/trial/processes.h"

namespace trial {

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool StartProcess(const std::string& program, const std::string& arguments, bool quiet,
                  PROCESS_INFORMATION* process) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    HANDLE nul = INVALID_HANDLE_VALUE;
    if (quiet) {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                          OPEN_EXISTING, 0, nullptr);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = nul;
        startup.hStdError = nul;
    }
    const BOOL started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, process);
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    return started != FALSE;
}

DWORD WaitAndClose(PROCESS_INFORMATION* process, DWORD timeoutMs) {
    DWORD code = kStillRunning;
    if (WaitForSingleObject(process->hProcess, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process->hProcess, &code);
    } else {
        TerminateProcess(process->hProcess, 99);
        WaitForSingleObject(process->hProcess, INFINITE);
    }
    CloseHandle(process->hProcess);
    CloseHandle(process->hThread);
    return code;
}

void WaitUntil(double until) {
    for (double left = until - NowMs(); left > 1.5; left = until - NowMs())
        Sleep(static_cast<DWORD>(left - 1.0));
    while (NowMs() < until) {
    }
}

}  // namespace trial
