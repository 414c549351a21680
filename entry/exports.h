// The two operations the application calls.
#pragma once
#include <windows.h>

extern "C" {
// Shows the options sheet in mode 0, 1 or 2 and returns 1 when anything was
// committed. The paths are 260-byte buffers, overwritten on return.
__declspec(dllexport) int __stdcall VordaConfigSet(int mode, char* rootPath1, char* rootPath2,
                                                   char* rootPath3, int* currentRootIndex,
                                                   int* messageShow);
// Shows the scan-import destination dialog; returns 1.
__declspec(dllexport) int __stdcall LumoraLConfigSet(void);
}
