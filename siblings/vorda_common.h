// The application's shared library VordaCommon, imported by ordinal.
// Paths are ANSI byte strings; an out path is a caller-owned 260-byte buffer
// that the caller zero-fills before the call.
#pragma once
#include <windows.h>

#ifdef VORDA_COMMON_BUILD
#define VORDA_COMMON_API extern "C" __declspec(dllexport)
#else
#define VORDA_COMMON_API extern "C" __declspec(dllimport)
#endif

// @13: full path of the settings INI file; negative on failure.
VORDA_COMMON_API int __stdcall GetSettingsIniPath(HWND owner, char* path);
// @45: full path of the common INI file; negative on failure.
VORDA_COMMON_API int __stdcall GetCommonIniPath(char* path);
// @43: appends one diagnostic line to the log that belongs to logPath.
VORDA_COMMON_API void __stdcall WriteLog(const char* logPath, const char* module,
                                         const char* source, int result, int line, int fixed1,
                                         int fixed2, int code, const char* text);
// @35: modal message box; returns the id of the pressed button.
VORDA_COMMON_API int __stdcall ShowMessageBox(HWND owner, const char* text, const char* caption,
                                              UINT style);
// @34: message box without owner.
VORDA_COMMON_API void __stdcall ShowMessageText(const char* text, UINT style, int reserved);
// @5: 0 when the folder can be reached.
VORDA_COMMON_API int __stdcall CheckNetworkFolder(const char* path);
// @51: 0 = no other LibRoot folder above or below; -1/-2 = unreachable;
// other values = another LibRoot folder lies above or below.
VORDA_COMMON_API int __stdcall CheckLibRootNesting(const char* path);
// @50: 0 when the WorkArea folder is known; *inside is then 1 when path is
// that folder or lies below it. Nonzero when there is no WorkArea folder.
VORDA_COMMON_API int __stdcall CheckWorkAreaFolder(const char* path, int* inside);
// @48: gives the folder its icon; 0 on success.
VORDA_COMMON_API int __stdcall ChangeFolderIcon_EnvSet(const char* path);
