// A language resource module for the UI tests: the module's resources with
// a caption of their own, so that a test can tell where a text came from.
// It holds no code.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
