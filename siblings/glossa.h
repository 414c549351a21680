// The application's language-resource library Glossa, imported by name.
#pragma once
#include <windows.h>

#ifdef GLOSSA_BUILD
#define GLOSSA_API extern "C" __declspec(dllexport)
#else
#define GLOSSA_API extern "C" __declspec(dllimport)
#endif

// The loaded module that holds the caller's resources in the user's language,
// or NULL when the caller's own resources serve. The caller frees it.
GLOSSA_API HINSTANCE __stdcall GetResourceHandle(HINSTANCE caller, int reserved);
// The user-interface language in the low 16 bits (1033 English, 1036 French).
GLOSSA_API int __stdcall GetDefaultLangId(void);
// The product's regional style; callers tell only 1 apart.
GLOSSA_API int __stdcall VordaGetStyle(void);
