// The application's message boxes.
#include "siblings/vorda_common.h"

int __stdcall ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
    return MessageBoxA(owner, text != nullptr ? text : "", caption, style);
}

// The last argument is reserved; callers pass -1.
void __stdcall ShowMessageText(const char* text, UINT style, int) {
    MessageBoxA(nullptr, text != nullptr ? text : "", "Vorda", style);
}
