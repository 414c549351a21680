#include "conditions/text_utils.h"

#include <windows.h>

#include <cstring>

size_t CharLength(const char* text) {
    if (text[0] == '\0') return 0;
    if (IsDBCSLeadByte(static_cast<BYTE>(text[0])) && text[1] != '\0') return 2;
    return 1;
}

size_t CopyText(char* dst, size_t capacity, const char* src) {
    if (dst == nullptr || capacity == 0) return 0;
    if (src == nullptr) src = "";
    size_t length = 0;
    for (;;) {
        const size_t step = CharLength(src + length);
        if (step == 0 || length + step > capacity - 1) break;
        length += step;
    }
    std::memmove(dst, src, length);
    dst[length] = '\0';
    return length;
}

namespace {
char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

int SameTextNoCase(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return a == b;
    for (;;) {
        const size_t step = CharLength(a);
        if (step == 0) return b[0] == '\0';
        if (step == 2) {
            if (a[0] != b[0] || a[1] != b[1]) return 0;
        } else if (FoldAscii(a[0]) != FoldAscii(b[0])) {
            return 0;
        }
        a += step;
        b += step;
    }
}

int StartsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}
