// The application's conversion library VordaCnv; only the binder query is used.
#pragma once
#include <windows.h>

#ifdef VORDA_CNV_BUILD
#define VORDA_CNV_API extern "C" __declspec(dllexport)
#else
#define VORDA_CNV_API extern "C" __declspec(dllimport)
#endif

// Size of the record that GetBinderInfo fills.
enum { kBinderInfoSize = 56, kBinderTitleOffset = 4, kBinderSubTitleOffset = 29 };

// @1: 1 when folder is a binder; the record (56 bytes, zeroed by the caller)
// then holds the title from byte 4 and the subtitle from byte 29.
VORDA_CNV_API int __stdcall GetBinderInfo(char* folder, unsigned char* record);
