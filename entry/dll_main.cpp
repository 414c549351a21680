// The library's entry point runs the application object's start-up and
// unload steps. Start-up loads the language resource module through Glossa
// (the one library load it makes), reads the common INI path and registers a
// window class; anything heavier waits for the exported calls.
#include <windows.h>

#include "entry/vorda_env_app.h"

namespace {
VordaEnvApp theApp;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            return theApp.InitInstance(instance);
        case DLL_PROCESS_DETACH:
            // At process exit (reserved non-null) the language module goes
            // with the process; freeing libraries then is not safe.
            if (reserved == nullptr) theApp.ExitInstance();
            return TRUE;
        default:
            return TRUE;
    }
}
