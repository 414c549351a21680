#include "base/text.h"

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

// The single-byte character c in lower case, as the code page folds it.
unsigned char LowerByte(unsigned char c) {
    char text[2] = {static_cast<char>(c), '\0'};
    CharLowerBuffA(text, 1);
    return static_cast<unsigned char>(text[0]);
}

}  // namespace

int SameTextNoCase(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return a == b;
    for (;;) {
        const size_t stepA = CharLength(a);
        const size_t stepB = CharLength(b);
        if (stepA == 0 || stepB == 0) return stepA == stepB;
        if (stepA != stepB) return 0;
        if (stepA == 2) {
            if (a[0] != b[0] || a[1] != b[1]) return 0;
        } else {
            const unsigned char ca = static_cast<unsigned char>(a[0]);
            const unsigned char cb = static_cast<unsigned char>(b[0]);
            if (ca != cb && LowerByte(ca) != LowerByte(cb)) return 0;
        }
        a += stepA;
        b += stepB;
    }
}

std::string FoldedText(const char* text) {
    std::string folded;
    if (text == nullptr) return folded;
    for (size_t step = CharLength(text); step != 0; text += step, step = CharLength(text)) {
        if (step == 2)
            folded.append(text, 2);
        else
            folded += static_cast<char>(LowerByte(static_cast<unsigned char>(text[0])));
    }
    return folded;
}

int StartsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

int IsBlankText(const char* text) {
    if (text == nullptr) return 1;
    while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n' || *text == '\v' ||
           *text == '\f') {
        ++text;
    }
    return *text == '\0';
}
