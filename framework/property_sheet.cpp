#include "framework/property_sheet.h"

#include <commctrl.h>

#include <cstring>

#include "framework/dialog_template.h"
#include "framework/property_page.h"

namespace {

// Window property that leads from the subclassed sheet window to its object.
const char kObjectProperty[] = "VordaEnv.PropertySheet";

// Posted by the sheet to itself when it is initialised: a fallback that runs
// OnInitDialog from the message loop should the window never be shown.
UINT InitMessage() {
    static const UINT message = ::RegisterWindowMessageA("VordaEnv.PropertySheet.Init");
    return message;
}

// The sheet whose PropertySheetA call is starting on this thread. The
// platform's sheet callback carries no user value, so DoModal leaves the
// object here for PSCB_INITIALIZED, which takes it at once.
thread_local CPropertySheet* t_starting = nullptr;

}  // namespace

CPropertySheet::CPropertySheet(const char* caption, HWND owner, UINT startPage) {
    m_caption[0] = '\0';
    if (caption) ::lstrcpynA(m_caption, caption, sizeof(m_caption));
    std::memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_DEFAULT;
    m_psh.hwndParent = owner;
    m_psh.pszCaption = m_caption;
    m_psh.nStartPage = startPage;
}

CPropertySheet::~CPropertySheet() {
    if (m_hWnd && ::IsWindow(m_hWnd) &&
        ::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SubclassProc)) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        ::RemovePropA(m_hWnd, kObjectProperty);
    }
    if (t_starting == this) t_starting = nullptr;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page) return;
    m_pages.push_back(page);
    page->m_sheet = this;
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount()) return nullptr;
    return m_pages[static_cast<size_t>(index)];
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)] == page) return i;
    }
    return -1;
}

int CPropertySheet::GetActiveIndex() const {
    if (!m_hWnd) return -1;
    HWND current = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (!current) return -1;
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)]->m_hWnd == current) return i;
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

BOOL CPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= GetPageCount()) return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = static_cast<UINT>(index);
        return TRUE;
    }
    return ::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) ? TRUE : FALSE;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) {
    return SetActivePage(GetPageIndex(page));
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

BOOL CPropertySheet::OnCommand(UINT, int, HWND) { return FALSE; }

BOOL CPropertySheet::OnHelpInfo(HELPINFO*) { return FALSE; }

INT_PTR CPropertySheet::DoModal() {
    if (m_pages.empty() || m_hWnd) return -1;
    std::vector<HPROPSHEETPAGE> handles;
    handles.reserve(m_pages.size());
    for (CPropertyPage* page : m_pages) {
        page->m_sheet = this;
        HPROPSHEETPAGE handle = page->CreatePage();
        if (!handle) {
            for (HPROPSHEETPAGE made : handles) ::DestroyPropertySheetPage(made);
            return -1;
        }
        handles.push_back(handle);
    }

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);

    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags &= ~static_cast<DWORD>(PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USEPSTARTPAGE);
    m_psh.hInstance = m_pages.front()->Resources();
    m_psh.dwFlags |= PSH_USECALLBACK;
    m_psh.pfnCallback = SheetCallback;
    m_psh.nPages = static_cast<UINT>(handles.size());
    m_psh.phpage = handles.data();
    if (m_psh.nStartPage >= m_psh.nPages) m_psh.nStartPage = 0;

    CPropertySheet* outer = t_starting;
    t_starting = this;
    m_initPending = true;
    const INT_PTR result = ::PropertySheetA(&m_psh);
    t_starting = outer;
    m_initPending = false;
    m_psh.phpage = nullptr;
    m_hWnd = nullptr;
    return result;
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM lParam) noexcept {
    if (message == PSCB_PRECREATE && t_starting && lParam) {
        t_starting->TakeFirstPageFont(reinterpret_cast<DLGTEMPLATE*>(lParam));
    }
    if (message == PSCB_INITIALIZED && t_starting) {
        CPropertySheet* sheet = t_starting;
        t_starting = nullptr;
        sheet->Attach(hwnd);
    }
    return 0;
}

// The platform lays the pages out in the sheet's dialog units, so a sheet
// whose font differs from its pages' would cut them off. The sheet takes the
// font of its first page instead. The platform hands over a copy of its
// template in a buffer with room to spare (twice the template's size).
void CPropertySheet::TakeFirstPageFont(DLGTEMPLATE* sheetTemplate) const {
    const DLGTEMPLATE* pageTemplate = m_pages.empty() ? nullptr : m_pages.front()->GetTemplate();
    DialogFont font;
    if (!pageTemplate || !GetDialogTemplateFont(pageTemplate, &font)) return;
    const size_t size = GetDialogTemplateSize(sheetTemplate);
    SetDialogTemplateFont(sheetTemplate, 2 * size, font);
}

void CPropertySheet::Attach(HWND hwnd) {
    if (!::SetPropA(hwnd, kObjectProperty, this)) return;
    m_hWnd = hwnd;
    m_previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    // The start page does not exist yet at this point (the platform creates
    // it after the callback). OnInitDialog runs when the sheet is shown, which
    // follows the page's creation; the posted message covers a sheet that is
    // never shown.
    ::PostMessageA(hwnd, InitMessage(), 0, 0);
}

void CPropertySheet::RunInitDialog() {
    if (!m_initPending || !m_hWnd) return;
    if (!::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)) return;
    m_initPending = false;
    OnInitDialog();
}

LRESULT CPropertySheet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = m_hWnd;
    WNDPROC previous = m_previous;
    if (message == InitMessage()) {
        RunInitDialog();
        return 0;
    }
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
            break;
        case WM_HELP:
            if (OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam))) return TRUE;
            break;
        case WM_SHOWWINDOW: {
            const LRESULT result = ::CallWindowProcA(previous, hwnd, message, wParam, lParam);
            if (wParam) RunInitDialog();
            return result;
        }
        case WM_NCDESTROY:
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            ::RemovePropA(hwnd, kObjectProperty);
            m_hWnd = nullptr;
            m_previous = nullptr;
            return ::CallWindowProcA(previous, hwnd, message, wParam, lParam);
        default:
            break;
    }
    return ::CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CPropertySheet::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) noexcept {
    auto* self = static_cast<CPropertySheet*>(::GetPropA(hwnd, kObjectProperty));
    if (!self || !self->m_previous) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
