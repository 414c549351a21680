// Child processes of the trial: started with this process's environment,
// timed, and ended from outside.
#pragma once
#include <windows.h>

#include <string>

namespace trial {

// Milliseconds on a steady clock.
double NowMs();

// Starts program with arguments; quiet sends its output to NUL. The caller
// closes both handles of process.
bool StartProcess(const std::string& program, const std::string& arguments, bool quiet,
                  PROCESS_INFORMATION* process);

// Waits up to timeoutMs for the process to end; its exit code, or
// kStillRunning when it had not ended (it is then ended with code 99).
constexpr DWORD kStillRunning = 0xFFFFFFFE;
DWORD WaitAndClose(PROCESS_INFORMATION* process, DWORD timeoutMs);

// Waits until NowMs() reaches until: sleeps the whole milliseconds and spins
// the rest, so that kill moments are spread finer than the sleep's step.
void WaitUntil(double until);

}  // namespace trial
