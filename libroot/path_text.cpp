#include "libroot/path_text.h"

#include <windows.h>

#include <cstring>

namespace {

// The single-byte character c in lower case (as the code page folds it).
unsigned char LowerByte(unsigned char c) {
    char text[2] = {static_cast<char>(c), '\0'};
    CharLowerBuffA(text, 1);
    return static_cast<unsigned char>(text[0]);
}

}  // namespace

int TextEqualNoCase(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return a == b;
    while (*a != '\0' && *b != '\0') {
        const unsigned char ca = static_cast<unsigned char>(*a);
        const unsigned char cb = static_cast<unsigned char>(*b);
        const bool leadA = IsDBCSLeadByte(ca) && a[1] != '\0';
        const bool leadB = IsDBCSLeadByte(cb) && b[1] != '\0';
        if (leadA != leadB) return 0;
        if (leadA) {
            if (ca != cb || a[1] != b[1]) return 0;
            a += 2;
            b += 2;
            continue;
        }
        if (ca != cb && LowerByte(ca) != LowerByte(cb)) return 0;
        ++a;
        ++b;
    }
    return *a == '\0' && *b == '\0';
}

int IsBlankText(const char* text) {
    if (text == nullptr) return 1;
    while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n' || *text == '\v' ||
           *text == '\f') {
        ++text;
    }
    return *text == '\0';
}

void CopyText(char* dst, int size, const char* src) {
    if (dst == nullptr || size <= 0) return;
    if (src == nullptr) src = "";
    size_t length = std::strlen(src);
    if (length >= static_cast<size_t>(size)) {
        length = static_cast<size_t>(size) - 1;
        // Do not leave half of a double-byte character at the end.
        const char* last = src;
        for (const char* p = src; p < src + length; p = CharNextA(p)) last = p;
        if (length > 0 && CharNextA(last) > src + length) length = static_cast<size_t>(last - src);
    }
    std::memmove(dst, src, length);
    dst[length] = '\0';
}

int PathExists(const char* path) {
    return path != nullptr && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}
