#include "libroot/path_text.h"

#include <windows.h>

int IsBlankText(const char* text) {
    if (text == nullptr) return 1;
    while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n' || *text == '\v' ||
           *text == '\f') {
        ++text;
    }
    return *text == '\0';
}

int PathExists(const char* path) {
    return path != nullptr && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}
