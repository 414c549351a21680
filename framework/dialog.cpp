#include "framework/dialog.h"

#include "framework/controls.h"

namespace {

// Messages whose answer is the dialog procedure's return value itself rather
// than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    switch (message) {
        case WM_CHARTOITEM:
        case WM_COMPAREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_INITDIALOG:
        case WM_QUERYDRAGICON:
        case WM_VKEYTOITEM:
            return true;
        default:
            return false;
    }
}

}  // namespace

CDialog::CDialog(HINSTANCE resources, UINT templateId)
    : m_resources(resources), m_templateId(templateId) {}

CDialog::CDialog(const DLGTEMPLATE* dialogTemplate)
    : m_template(dialogTemplate), m_resources(::GetModuleHandleA(nullptr)), m_templateId(0) {}

CDialog::~CDialog() {
    // A window that outlives its object must not reach it any more.
    if (m_hWnd && ::IsWindow(m_hWnd) &&
        ::GetWindowLongPtrA(m_hWnd, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    }
}

INT_PTR CDialog::DoModal(HWND owner) {
    INT_PTR result;
    if (m_template) {
        result = ::DialogBoxIndirectParamA(m_resources, m_template, owner, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    } else {
        result = ::DialogBoxParamA(m_resources, MAKEINTRESOURCEA(m_templateId), owner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
    }
    m_hWnd = nullptr;
    return result;
}

const DLGTEMPLATE* CDialog::GetTemplate() const {
    if (m_template) return m_template;
    HRSRC found = ::FindResourceA(m_resources, MAKEINTRESOURCEA(m_templateId),
                                  MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (!found) return nullptr;
    HGLOBAL loaded = ::LoadResource(m_resources, found);
    return loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    if (m_hWnd) ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL save) {
    if (!m_hWnd) return FALSE;
    CDataExchange dx{m_hWnd, save ? TRUE : FALSE};
    DoDataExchange(&dx);
    return dx.failed ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(UINT code, int id, HWND) {
    return code == BN_CLICKED ? OnButtonClicked(id) : FALSE;
}

BOOL CDialog::OnButtonClicked(int id) {
    switch (id) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            return FALSE;
    }
}

BOOL CDialog::OnPaint() { return FALSE; }

void CDialog::OnDestroy() {}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

void CDialog::BindWindow(HWND hwnd) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_hWnd = hwnd;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
    try {
        auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (!self && message == WM_INITDIALOG && lParam) {
            self = reinterpret_cast<CDialog*>(lParam);
            self->BindWindow(hwnd);
        }
        if (!self) return FALSE;
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = m_hWnd;
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();

        case WM_COMMAND:
            return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));

        case WM_PAINT:
            return OnPaint();

        case WM_DESTROY:
            OnDestroy();
            return FALSE;

        case WM_NCDESTROY:
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            m_hWnd = nullptr;
            return FALSE;

        case WM_DRAWITEM:
        case WM_DELETEITEM: {
            // Handed back to the control that sent it: a control that draws
            // itself answers nonzero.
            if (!lParam) break;
            HWND control = message == WM_DRAWITEM
                               ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem
                               : reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
            if (control &&
                ::SendMessageA(control, kReflectedMessageBase + message, wParam, lParam)) {
                ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            break;
        }

        default:
            break;
    }

    LRESULT result = 0;
    if (!OnMessage(message, wParam, lParam, &result)) return FALSE;
    if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
