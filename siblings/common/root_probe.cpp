#include "siblings/common/root_probe.h"

#include <new>

namespace vordacommon {

namespace {

// Shared by the caller and the probing thread; whichever lets go last frees
// it, so a caller that stopped waiting leaves nothing behind.
struct RootProbe {
    LONG references = 2;
    HMODULE library = nullptr;  // keeps this library loaded while the thread runs
    std::wstring root;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
};

void Release(RootProbe* probe) {
    if (InterlockedDecrement(&probe->references) == 0) delete probe;
}

DWORD WINAPI ProbeRoot(LPVOID argument) {
    RootProbe* probe = static_cast<RootProbe*>(argument);
    probe->attributes = GetFileAttributesW(probe->root.c_str());
    HMODULE library = probe->library;
    Release(probe);
    FreeLibraryAndExitThread(library, 0);
    return 0;  // not reached
}

}  // namespace

bool CanReachRoot(const FolderPath& folder) {
    if (!folder.valid) return false;
    RootProbe* probe = new (std::nothrow) RootProbe;
    if (probe == nullptr) return false;
    try {
        probe->root = folder.root;
    } catch (...) {
        delete probe;
        return false;
    }
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCWSTR>(&ProbeRoot), &probe->library)) {
        delete probe;
        return false;
    }
    HANDLE thread = CreateThread(nullptr, 0, ProbeRoot, probe, 0, nullptr);
    if (thread == nullptr) {
        FreeLibrary(probe->library);
        delete probe;
        return false;
    }
    const bool answered = WaitForSingleObject(thread, kRootProbeWaitMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    // The thread has ended when it answered, so its write is complete.
    const bool reached = answered && probe->attributes != INVALID_FILE_ATTRIBUTES &&
                         (probe->attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    Release(probe);
    return reached;
}

}  // namespace vordacommon
