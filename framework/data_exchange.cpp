#include "framework/data_exchange.h"

#include <cstring>

#include "framework/controls.h"

namespace {

// Reads the whole text of window into a heap block; null when it has none
// or memory is short. Free with HeapFree.
char* ReadWholeText(HWND window, int* length) {
    *length = 0;
    const int capacity = ::GetWindowTextLengthA(window) + 1;
    if (capacity <= 1) return nullptr;
    auto* text = static_cast<char*>(::HeapAlloc(::GetProcessHeap(), 0, capacity));
    if (!text) return nullptr;
    *length = ::GetWindowTextA(window, text, capacity);
    if (*length < 0) *length = 0;
    text[*length] = '\0';
    return text;
}

// Number of leading bytes of text (length bytes) that fit in limit bytes
// without cutting a double-byte character in two.
int FittingBytes(const char* text, int length, int limit) {
    int used = 0;
    while (used < length) {
        const int step =
            (::IsDBCSLeadByte(static_cast<BYTE>(text[used])) && used + 1 < length) ? 2 : 1;
        if (used + step > limit) break;
        used += step;
    }
    return used;
}

}  // namespace

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND button = ::GetDlgItem(dx->dialog, id);
    if (!button) return;
    if (dx->saveAndValidate) {
        value = static_cast<int>(::SendMessageA(button, BM_GETCHECK, 0, 0));
    } else {
        const int state = (value >= 0 && value <= 2) ? value : 0;
        ::SendMessageA(button, BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    HWND control = ::GetDlgItem(dx->dialog, id);
    if (!control) return;
    if (dx->saveAndValidate) value = -1;
    int index = 0;
    do {
        if (::SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (dx->saveAndValidate) {
                if (::SendMessageA(control, BM_GETCHECK, 0, 0) != BST_UNCHECKED) value = index;
            } else {
                ::SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED,
                               0);
            }
            ++index;
        }
        control = ::GetWindow(control, GW_HWNDNEXT);
    } while (control && !(::GetWindowLongPtrA(control, GWL_STYLE) & WS_GROUP));
}

void DDX_Text(CDataExchange* dx, int id, char* buffer, int size) {
    if (!buffer || size <= 0) return;
    HWND edit = ::GetDlgItem(dx->dialog, id);
    if (!edit) return;
    int length = 0;
    char* current = ReadWholeText(edit, &length);
    if (dx->saveAndValidate) {
        const int used = current ? FittingBytes(current, length, size - 1) : 0;
        if (used > 0) std::memcpy(buffer, current, static_cast<size_t>(used));
        buffer[used] = '\0';
    } else {
        if (!std::memchr(buffer, '\0', static_cast<size_t>(size))) buffer[size - 1] = '\0';
        const char* shown = current ? current : "";
        if (std::strcmp(shown, buffer) != 0) ::SetWindowTextA(edit, buffer);
    }
    if (current) ::HeapFree(::GetProcessHeap(), 0, current);
}

void DDX_Control(CDataExchange* dx, int id, CControl& control) {
    HWND item = ::GetDlgItem(dx->dialog, id);
    if (!item || control.GetSafeHwnd() == item) return;
    control.AttachDlgItem(dx->dialog, id);
}
