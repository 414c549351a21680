#include "framework/property_page.h"

#include <cstring>

#ifdef VORDA_PHASE_TIMERS
namespace {
PageCreationObserver g_creationObserver = nullptr;
}
void SetPageCreationObserver(PageCreationObserver observer) { g_creationObserver = observer; }
#endif

CPropertyPage::CPropertyPage(HINSTANCE resources, UINT templateId)
    : CDialog(resources, templateId) {
    InitDescription();
}

CPropertyPage::CPropertyPage(const DLGTEMPLATE* dialogTemplate) : CDialog(dialogTemplate) {
    InitDescription();
}

void CPropertyPage::InitDescription() {
    std::memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
}

HPROPSHEETPAGE CPropertyPage::CreatePage() {
    m_psp.dwSize = sizeof(m_psp);
    m_psp.hInstance = Resources();
    if (m_template) {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = m_template;
    } else {
        m_psp.dwFlags &= ~static_cast<DWORD>(PSP_DLGINDIRECT);
        m_psp.pszTemplate = MAKEINTRESOURCEA(TemplateId());
    }
    m_psp.dwFlags |= PSP_USECALLBACK;
    m_psp.pfnCallback = PageCallback;
    m_psp.pfnDlgProc = PageDialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    return ::CreatePropertySheetPageA(&m_psp);
}

void CPropertyPage::SetModified(BOOL changed) {
    if (!m_hWnd) return;
    HWND sheet = ::GetParent(m_hWnd);
    if (!sheet) return;
    ::SendMessageA(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd),
                   0);
}

BOOL CPropertyPage::OnSetActive() {
    if (m_activations > 1) UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

void CPropertyPage::OnHelp() {}

BOOL CPropertyPage::OnButtonClicked(int) { return FALSE; }

BOOL CPropertyPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_HELP) {
        // F1 in the page: the sheet opens the help.
        HWND sheet = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
        *result = sheet ? ::SendMessageA(sheet, WM_HELP, wParam, lParam) : FALSE;
        return TRUE;
    }
    if (message != WM_NOTIFY || !lParam) return FALSE;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!m_hWnd || header->hwndFrom != ::GetParent(m_hWnd)) return FALSE;
    switch (header->code) {
        case PSN_SETACTIVE:
            ++m_activations;
            *result = OnSetActive() ? 0 : -1;
            return TRUE;
        case PSN_KILLACTIVE:
            *result = OnKillActive() ? FALSE : TRUE;
            return TRUE;
        case PSN_APPLY:
            *result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
            return TRUE;
        case PSN_RESET:
            OnCancel();
            *result = 0;
            return TRUE;
        case PSN_QUERYCANCEL:
            *result = FALSE;
            return TRUE;
        case PSN_HELP:
            OnHelp();
            *result = 0;
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) noexcept {
    try {
        auto* self = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
#ifdef VORDA_PHASE_TIMERS
        // The template's font comes before its controls, the start after.
        if (!self && g_creationObserver && (message == WM_SETFONT || message == WM_INITDIALOG))
            g_creationObserver(message == WM_SETFONT);
#endif
        if (!self && message == WM_INITDIALOG && lParam) {
            // First start: lParam is the sheet's copy of m_psp.
            self = reinterpret_cast<CPropertyPage*>(
                reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
            if (!self) return FALSE;
            self->BindWindow(hwnd);
            self->m_activations = 0;
        }
        if (!self) return FALSE;
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, PROPSHEETPAGEA*) noexcept {
    // PSPCB_CREATE: nonzero lets the sheet create the window.
    return message == PSPCB_CREATE ? 1u : 0u;
}
