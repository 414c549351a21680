#include "siblings/vorda_common.h"
int __stdcall GetSettingsIniPath(HWND, char*) { return -1; }
int __stdcall GetCommonIniPath(char*) { return -1; }
void __stdcall WriteLog(const char*, const char*, const char*, int, int, int, int, int, const char*) {}
int __stdcall ShowMessageBox(HWND o, const char* t, const char* c, UINT s) { return MessageBoxA(o, t, c, s); }
void __stdcall ShowMessageText(const char* t, UINT s, int) { MessageBoxA(nullptr, t, "Vorda", s); }
int __stdcall CheckNetworkFolder(const char*) { return 0; }
int __stdcall CheckLibRootNesting(const char*) { return 0; }
int __stdcall CheckWorkAreaFolder(const char*, int*) { return 1; }
int __stdcall ChangeFolderIcon_EnvSet(const char*) { return 0; }
