// The module's application object: prepares the start-up values when the
// library is loaded (resource module, log path, the import-destination
// window class) and releases the language resource module when it unloads.
#pragma once
#include <windows.h>

// The dialog class named by template 4417: a copy of "#32770".
extern const char kLaunchWindowClass[];

class VordaEnvApp {
public:
    // Load: FALSE refuses the load (no common INI path, hence no log path).
    BOOL InitInstance(HINSTANCE instance);
    // Unload: frees the language resource module. Returns 0.
    int ExitInstance();
};

// Registers kLaunchWindowClass for module unless a class of that name is
// already known for it. Returns 1 when it is known afterwards.
int RegisterLaunchWindowClass(HINSTANCE module);
