// One-line wrappers over the standard controls' messages.
#pragma once
#include <windows.h>

// A dialog hands WM_DRAWITEM and WM_DELETEITEM back to the control they are
// about as kReflectedMessageBase + message, with the same arguments (the
// convention of OLE controls). A control that draws itself answers nonzero;
// otherwise the dialog's own OnMessage gets the message.
constexpr UINT kReflectedMessageBase = WM_USER + 0x1C00;

class CControl {
public:
    virtual ~CControl() = default;
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    // Binds the wrapper to dialog item id; DDX_Control calls it once per
    // window. Controls that need their own window procedure subclass here.
    virtual void AttachDlgItem(HWND dialog, int id) { Attach(::GetDlgItem(dialog, id)); }
    HWND GetSafeHwnd() const { return m_hWnd; }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    int GetWindowText(char* buffer, int size) const {
        return ::GetWindowTextA(m_hWnd, buffer, size);
    }
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }

protected:
    HWND m_hWnd = nullptr;
};

class CButton : public CControl {
public:
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int state) { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

class CEdit : public CControl {
public:
    void SetLimitText(int limit) { Send(EM_SETLIMITTEXT, static_cast<WPARAM>(limit)); }
    void SetSel(int start, int end) { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ScrollCaret() { Send(EM_SCROLLCARET); }
    // Selects the whole text, scrolls the caret into view, takes the focus:
    // how a rejected input is shown to the user.
    void SelectAndFocus() {
        SetSel(0, -1);
        ScrollCaret();
        SetFocus();
    }
};

class CComboBox : public CControl {
public:
    int AddString(const char* text) {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, const char* text) {
        return static_cast<int>(
            Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) {
        return static_cast<int>(Send(CB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() { Send(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    int SetCurSel(int index) {
        return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int GetLBTextLen(int index) const {
        return static_cast<int>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
    }
    // Copies row index into buffer when it fits (size includes the NUL);
    // returns the length, or CB_ERR when the row is missing or too long.
    int GetLBText(int index, char* buffer, int size) const;
    int FindStringExact(int start, const char* text) const {
        return static_cast<int>(
            Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
    int SelectString(int start, const char* text) {
        return static_cast<int>(
            Send(CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(
            Send(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(Send(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    void LimitText(int limit) { Send(CB_LIMITTEXT, static_cast<WPARAM>(limit)); }
};

class CListBox : public CControl {
public:
    int AddString(const char* text) {
        return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, const char* text) {
        return static_cast<int>(
            Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) {
        return static_cast<int>(Send(LB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() { Send(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    int SetCurSel(int index) {
        return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int GetTextLen(int index) const {
        return static_cast<int>(Send(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
    }
    // As CComboBox::GetLBText.
    int GetText(int index, char* buffer, int size) const;
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(
            Send(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
};
