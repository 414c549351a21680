#include <windows.h>

#include "entry/module_state.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        Module().instance = instance;
        Module().resources = instance;
    }
    return TRUE;
}
