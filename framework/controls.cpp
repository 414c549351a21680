#include "framework/controls.h"

int CComboBox::GetLBText(int index, char* buffer, int size) const {
    const int length = GetLBTextLen(index);
    if (length == CB_ERR || !buffer || length >= size) return CB_ERR;
    return static_cast<int>(
        Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}

int CListBox::GetText(int index, char* buffer, int size) const {
    const int length = GetTextLen(index);
    if (length == LB_ERR || !buffer || length >= size) return LB_ERR;
    return static_cast<int>(
        Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}
