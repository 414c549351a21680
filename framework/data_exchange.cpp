#include "framework/data_exchange.h"

#include <cstring>

#include "framework/controls.h"

namespace {

// The whole text of window.
std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    const int length = ::GetWindowTextA(window, &text[0], static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0u);
    return text;
}

// Sets the text of window when it differs, so that an unchanged field sends
// no change notification.
void SetWindowTextIfChanged(HWND window, const char* text) {
    if (WindowText(window) != text) ::SetWindowTextA(window, text);
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
    if (dx->saveAndValidate) {
        const std::string current = WindowText(edit);
        const int used = FittingBytes(current.data(), static_cast<int>(current.size()), size - 1);
        std::memcpy(buffer, current.data(), static_cast<size_t>(used));
        buffer[used] = '\0';
    } else {
        if (!std::memchr(buffer, '\0', static_cast<size_t>(size))) buffer[size - 1] = '\0';
        SetWindowTextIfChanged(edit, buffer);
    }
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    HWND edit = ::GetDlgItem(dx->dialog, id);
    if (!edit) return;
    if (dx->saveAndValidate) {
        value = WindowText(edit);
    } else {
        SetWindowTextIfChanged(edit, value.c_str());
    }
}

void DDX_Control(CDataExchange* dx, int id, CControl& control) {
    HWND item = ::GetDlgItem(dx->dialog, id);
    if (!item || control.GetSafeHwnd() == item) return;
    control.AttachDlgItem(dx->dialog, id);
}
