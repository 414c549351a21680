// Small text helpers for LibRoot paths and aliases (ANSI code page,
// double-byte aware).
#pragma once

// 1 when a and b are equal ignoring letter case. Double-byte characters are
// compared byte for byte, so a trail byte is never case-folded.
int TextEqualNoCase(const char* a, const char* b);

// 1 when text holds nothing but white space (or nothing at all).
int IsBlankText(const char* text);

// Copies src into dst (size bytes including the NUL), cut when too long.
void CopyText(char* dst, int size, const char* src);

// 1 when something exists at path (file or folder).
int PathExists(const char* path);
