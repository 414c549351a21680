#include "framework/check_list_box.h"

namespace {

// Window property that leads from a subclassed list box to its object.
const char kObjectProperty[] = "VordaEnv.CheckListBox";

int CheckSize() { return ::GetSystemMetrics(SM_CXMENUCHECK); }

}  // namespace

CCheckListBox::~CCheckListBox() { Detach(); }

CCheckListBox* CCheckListBox::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return static_cast<CCheckListBox*>(::GetPropA(hwnd, kObjectProperty));
}

void CCheckListBox::SubclassDlgItem(HWND dialog, int id) {
    Detach();
    HWND list = ::GetDlgItem(dialog, id);
    if (!list) return;
    // Another object on the same window gives it up first, so that the
    // chain of window procedures never leads back here.
    if (CCheckListBox* other = FromHandle(list)) other->Detach();
    const LRESULT count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
    try {
        m_checks.assign(count > 0 ? static_cast<size_t>(count) : 0u, 0);
    } catch (...) {
        return;
    }
    if (!::SetPropA(list, kObjectProperty, this)) return;
    m_hWnd = list;
    m_previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    // Rows must be tall enough for the check box.
    const int needed = ::GetSystemMetrics(SM_CYMENUCHECK) + 2;
    const LRESULT height = ::CallWindowProcA(m_previous, list, LB_GETITEMHEIGHT, 0, 0);
    if (height != LB_ERR && height < needed) {
        ::CallWindowProcA(m_previous, list, LB_SETITEMHEIGHT, 0, MAKELPARAM(needed, 0));
    }
}

void CCheckListBox::Detach() {
    if (!m_hWnd) return;
    if (::IsWindow(m_hWnd)) {
        if (::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SubclassProc)) {
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        }
        ::RemovePropA(m_hWnd, kObjectProperty);
    }
    m_hWnd = nullptr;
    m_previous = nullptr;
    m_checks.clear();
}

void CCheckListBox::SetCheck(int index, int check) {
    if (index < 0 || index >= static_cast<int>(m_checks.size())) return;
    if (m_checks[static_cast<size_t>(index)] == check) return;
    m_checks[static_cast<size_t>(index)] = check;
    InvalidateRow(index);
}

int CCheckListBox::GetCheck(int index) const {
    if (index < 0 || index >= static_cast<int>(m_checks.size())) return 0;
    return m_checks[static_cast<size_t>(index)];
}

void CCheckListBox::Toggle(int index) {
    if (index < 0 || index >= static_cast<int>(m_checks.size())) return;
    int& check = m_checks[static_cast<size_t>(index)];
    check = (check == BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED;
    InvalidateRow(index);
    HWND list = m_hWnd;
    ::SendMessageA(::GetParent(list), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), CLBN_CHKCHANGE),
                   reinterpret_cast<LPARAM>(list));
}

void CCheckListBox::InvalidateRow(int index) {
    RECT row;
    if (m_hWnd && ::SendMessageA(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(&row)) != LB_ERR) {
        ::InvalidateRect(m_hWnd, &row, FALSE);
    }
}

int CCheckListBox::CheckAreaWidth() const { return CheckSize() + 4; }

void CCheckListBox::DrawItem(const DRAWITEMSTRUCT* item) {
    if (!item || !item->hDC) return;
    HDC dc = item->hDC;
    RECT row = item->rcItem;
    if (item->itemID == static_cast<UINT>(-1)) {
        if (item->itemState & ODS_FOCUS) ::DrawFocusRect(dc, &row);
        return;
    }
    const int index = static_cast<int>(item->itemID);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;

    RECT text = row;
    text.left += CheckAreaWidth();
    ::FillRect(dc, &row, ::GetSysColorBrush(COLOR_WINDOW));
    if (selected) ::FillRect(dc, &text, ::GetSysColorBrush(COLOR_HIGHLIGHT));

    const int size = CheckSize();
    const int height = row.bottom - row.top;
    const int side = size < height - 2 ? size : (height - 2 > 0 ? height - 2 : 1);
    RECT box;
    box.left = row.left + 2;
    box.top = row.top + (height - side) / 2;
    box.right = box.left + side;
    box.bottom = box.top + side;
    const int check = GetCheck(index);
    UINT state = DFCS_BUTTONCHECK;
    if (check == BST_CHECKED) state |= DFCS_CHECKED;
    if (check == BST_INDETERMINATE) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (disabled) state |= DFCS_INACTIVE;
    ::DrawFrameControl(dc, &box, DFC_BUTTON, state);

    const LRESULT length = ::SendMessageA(m_hWnd, LB_GETTEXTLEN, item->itemID, 0);
    if (length != LB_ERR) {
        std::vector<char> label(static_cast<size_t>(length) + 1, '\0');
        ::SendMessageA(m_hWnd, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(label.data()));
        const COLORREF oldColor = ::SetTextColor(
            dc, ::GetSysColor(disabled ? COLOR_GRAYTEXT
                                       : (selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT)));
        const int oldMode = ::SetBkMode(dc, TRANSPARENT);
        RECT inner = text;
        inner.left += 2;
        ::DrawTextA(dc, label.data(), -1, &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        ::SetBkMode(dc, oldMode);
        ::SetTextColor(dc, oldColor);
    }
    if (item->itemState & ODS_FOCUS) ::DrawFocusRect(dc, &text);
}

LRESULT CCheckListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND list = m_hWnd;
    WNDPROC previous = m_previous;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = ::CallWindowProcA(previous, list, message, wParam, lParam);
            const LRESULT hit = ::CallWindowProcA(previous, list, LB_ITEMFROMPOINT, 0, lParam);
            const int x = static_cast<short>(LOWORD(lParam));
            if (HIWORD(hit) == 0 && x >= 0 && x < CheckAreaWidth()) {
                Toggle(static_cast<int>(LOWORD(hit)));
            }
            return result;
        }
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                LRESULT index = ::CallWindowProcA(previous, list, LB_GETCURSEL, 0, 0);
                if (index == LB_ERR)
                    index = ::CallWindowProcA(previous, list, LB_GETCARETINDEX, 0, 0);
                if (index != LB_ERR) Toggle(static_cast<int>(index));
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == ' ') return 0;  // the space bar toggles; no incremental search
            break;
        case LB_ADDSTRING:
        case LB_INSERTSTRING: {
            const LRESULT index = ::CallWindowProcA(previous, list, message, wParam, lParam);
            if (index >= 0 && index <= static_cast<LRESULT>(m_checks.size())) {
                m_checks.insert(m_checks.begin() + index, 0);
            }
            return index;
        }
        case LB_DELETESTRING: {
            const LRESULT result = ::CallWindowProcA(previous, list, message, wParam, lParam);
            if (result != LB_ERR && wParam < m_checks.size()) {
                m_checks.erase(m_checks.begin() + static_cast<std::ptrdiff_t>(wParam));
            }
            return result;
        }
        case kReflectedMessageBase + WM_DRAWITEM:
            DrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case LB_RESETCONTENT:
            m_checks.clear();
            break;
        case WM_NCDESTROY:
            Detach();
            return ::CallWindowProcA(previous, list, message, wParam, lParam);
        default:
            break;
    }
    return ::CallWindowProcA(previous, list, message, wParam, lParam);
}

LRESULT CALLBACK CCheckListBox::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
    CCheckListBox* self = FromHandle(hwnd);
    if (!self || !self->m_previous) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
