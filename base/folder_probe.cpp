#include "base/folder_probe.h"

#include <windows.h>

#include <new>

#include "base/phase_timer.h"
#include "base/text.h"

namespace {

// Shared by the asking thread and the probing thread; whichever lets go of
// it last frees it, so a probe that outlives the wait never touches freed
// memory.
struct Probe {
    char folder[MAX_PATH];
    DWORD attributes;
    LONG holders;
};

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

}  // namespace

int FolderAnswers(const char* folder, unsigned long timeoutMs) {
    VORDA_PHASE(kPhaseFolderProbe);
    if (folder == nullptr || folder[0] == '\0') return 0;
    Probe* probe = new (std::nothrow) Probe();
    if (probe == nullptr) return 0;
    CopyText(probe->folder, sizeof probe->folder, folder);
    probe->attributes = INVALID_FILE_ATTRIBUTES;
    probe->holders = 2;

    HMODULE held = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(&ProbeFolder), &held)) {
        delete probe;
        return 0;
    }
    HANDLE thread = CreateThread(nullptr, 0, ProbeFolder, probe, 0, nullptr);
    if (thread == nullptr) {
        FreeLibrary(held);
        delete probe;
        return 0;
    }
    const bool answered = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    const DWORD attributes = answered ? probe->attributes : INVALID_FILE_ATTRIBUTES;
    Release(probe);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
               ? 1
               : 0;
}
