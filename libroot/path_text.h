// Small text helpers for LibRoot paths and aliases (ANSI code page,
// double-byte aware). Copying and comparing are the module's common text
// helpers; this adds what only the LibRoot pages need.
#pragma once
#include "conditions/text_utils.h"

// 1 when a and b are equal ignoring letter case (see SameTextNoCase).
inline int TextEqualNoCase(const char* a, const char* b) { return SameTextNoCase(a, b); }

// 1 when text holds nothing but white space (or nothing at all).
int IsBlankText(const char* text);

// 1 when something exists at path (file or folder).
int PathExists(const char* path);
