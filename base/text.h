// Helpers for the module's fixed-size byte texts (condition records, LibRoot
// paths and aliases, list entries). All of them step over double-byte
// characters of the ANSI code page as a whole, so that a trail byte is never
// taken for a character of its own and a cut never leaves half a character
// behind.
#pragma once
#include <cstddef>
#include <string>

// Copies src into dst (capacity bytes including the NUL), cut to at most
// capacity-1 bytes and never in the middle of a double-byte character.
// A null src copies as empty text. Returns the length copied.
size_t CopyText(char* dst, size_t capacity, const char* src);

// 1 when the texts are equal without regard to letter case, folded as the
// ANSI code page folds single-byte letters (as file names compare);
// double-byte characters must match byte for byte, so a trail byte is never
// case-folded.
int SameTextNoCase(const char* a, const char* b);

// text folded to lower case as SameTextNoCase folds it: two texts are the
// same without regard to case exactly when their folded forms are equal, so
// the folded form can key a set or map.
std::string FoldedText(const char* text);

// 1 when text begins with prefix, compared exactly.
int StartsWith(const char* text, const char* prefix);

// Length in bytes of the first character at text: 2 for a lead byte that has
// a trail byte, else 1 (0 at the terminator).
size_t CharLength(const char* text);

// 1 when text holds nothing but white space (or nothing at all).
int IsBlankText(const char* text);
