#include "base/folder_probe.h"

#include <windows.h>

#include <new>

#include "base/phase_timer.h"
#include "base/text.h"

// Shared by the asking thread and the probing thread; whichever lets go of
// it last frees it, so a probe that outlives the wait never touches freed
// memory.
struct Probe {
    char folder[MAX_PATH];
    DWORD attributes;
    LONG holders;
};

namespace {

void Release(Probe* probe) {
    if (InterlockedDecrement(&probe->holders) == 0) delete probe;
}

DWORD WINAPI ProbeFolder(void* parameter) {
    Probe* probe = static_cast<Probe*>(parameter);
    probe->attributes = GetFileAttributesA(probe->folder);
    Release(probe);
    // The thread was given its own reference to the module: the module stays
    // loaded while a slow probe runs, even after the sheet has closed.
    HMODULE self = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&ProbeFolder), &self);
    FreeLibraryAndExitThread(self, 0);
}

// Starts the probing thread for probe (holders 2); false, with nothing
// left behind, when it could not be started.
bool StartProbe(const char* folder, Probe** started, HANDLE* thread) {
    *started = nullptr;
    *thread = nullptr;
    if (folder == nullptr || folder[0] == '\0') return false;
    Probe* probe = new (std::nothrow) Probe();
    if (probe == nullptr) return false;
    CopyText(probe->folder, sizeof probe->folder, folder);
    probe->attributes = INVALID_FILE_ATTRIBUTES;
    probe->holders = 2;

    HMODULE held = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(&ProbeFolder), &held)) {
        delete probe;
        return false;
    }
    HANDLE made = CreateThread(nullptr, 0, ProbeFolder, probe, 0, nullptr);
    if (made == nullptr) {
        FreeLibrary(held);
        delete probe;
        return false;
    }
    *started = probe;
    *thread = made;
    return true;
}

// Waits for the thread at most timeoutMs and lets go of probe: 1 when the
// folder answered in time as a folder.
int FinishProbe(Probe* probe, HANDLE thread, DWORD timeoutMs) {
    const bool answered = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    const DWORD attributes = answered ? probe->attributes : INVALID_FILE_ATTRIBUTES;
    Release(probe);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
               ? 1
               : 0;
}

}  // namespace

FolderProbe::~FolderProbe() { Forget(); }

void FolderProbe::Forget() {
    // A question nobody waited for: its thread finishes on its own.
    if (probe_ != nullptr) FinishProbe(probe_, thread_, 0);
    probe_ = nullptr;
    thread_ = nullptr;
    answer_ = 0;
}

void FolderProbe::Start(const char* folder) {
    VORDA_PHASE(kPhaseFolderProbe);
    Forget();
    startTick_ = GetTickCount();
    HANDLE thread = nullptr;
    StartProbe(folder, &probe_, &thread);
    thread_ = thread;
}

int FolderProbe::Answers(unsigned long timeoutMs) {
    if (probe_ == nullptr) return answer_;
    VORDA_PHASE(kPhaseFolderProbe);
    const DWORD spent = GetTickCount() - startTick_;
    answer_ = FinishProbe(probe_, thread_, spent < timeoutMs ? timeoutMs - spent : 0);
    probe_ = nullptr;
    thread_ = nullptr;
    return answer_;
}
