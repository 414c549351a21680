#include "tools/pages_bench/bare_sheet.h"

#include <commctrl.h>

#include "framework/activation_context.h"
#include "framework/dialog_template.h"
#include "resources/resource.h"

namespace bench {

namespace {

using PropertySheetFn = INT_PTR(WINAPI*)(LPCPROPSHEETHEADERA);
using CreatePageFn = HPROPSHEETPAGE(WINAPI*)(LPCPROPSHEETPAGEA);
using DestroyPageFn = BOOL(WINAPI*)(HPROPSHEETPAGE);
using InitControlsFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

PropertySheetFn g_propertySheet = nullptr;
CreatePageFn g_createPage = nullptr;
DestroyPageFn g_destroyPage = nullptr;
InitControlsFn g_initControls = nullptr;

// The sheet being started (the platform's callback carries no user value)
// and the procedure it had before the bench took it over.
const DLGTEMPLATE* g_pageTemplate = nullptr;
WNDPROC g_sheetProc = nullptr;
bool g_tabsStarted = false;

const UINT kTemplates[4] = {IDD_SCANNER, IDD_FAX_RECEIVE, IDD_FAX_SEND, IDD_LIBROOT};

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

LRESULT CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcA(g_sheetProc, window, message, wParam, lParam);
    if (message == WM_SHOWWINDOW && wParam && !g_tabsStarted) {
        g_tabsStarted = true;
        const int tabs[3] = {2, 1, 0};
        for (int tab : tabs) SendMessageA(window, PSM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    }
    return result;
}

int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE && lParam && g_pageTemplate) {
        // The options sheet lays itself out in its first page's font.
        DialogFont font;
        auto* sheetTemplate = reinterpret_cast<DLGTEMPLATE*>(lParam);
        if (GetDialogTemplateFont(g_pageTemplate, &font))
            SetDialogTemplateFont(sheetTemplate, 2 * GetDialogTemplateSize(sheetTemplate), font);
    }
    if (message == PSCB_INITIALIZED) {
        g_sheetProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetProc)));
    }
    return 0;
}

}  // namespace

BareSheet::BareSheet(HMODULE resources) : resources_(resources) {
    LoadStringA(resources_, IDS_OPTIONS_CAPTION, caption_, sizeof caption_);
    // The common controls the module's manifest binds, as the module gets
    // them.
    ActivationContext context(resources_);
    comctl_ = LoadLibraryA("comctl32.dll");
    if (comctl_ == nullptr) return;
    g_propertySheet = reinterpret_cast<PropertySheetFn>(GetProcAddress(comctl_, "PropertySheetA"));
    g_createPage =
        reinterpret_cast<CreatePageFn>(GetProcAddress(comctl_, "CreatePropertySheetPageA"));
    g_destroyPage =
        reinterpret_cast<DestroyPageFn>(GetProcAddress(comctl_, "DestroyPropertySheetPage"));
    g_initControls =
        reinterpret_cast<InitControlsFn>(GetProcAddress(comctl_, "InitCommonControlsEx"));
    HRSRC found = FindResourceA(resources_, MAKEINTRESOURCEA(IDD_SCANNER), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(resources_, found) : nullptr;
    g_pageTemplate = loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
    ready_ = g_propertySheet && g_createPage && g_destroyPage && g_initControls && g_pageTemplate;
}

BareSheet::~BareSheet() {
    if (comctl_) FreeLibrary(comctl_);
}

INT_PTR BareSheet::Run() {
    if (!ready_) return -1;
    ActivationContext context(resources_);
    HPROPSHEETPAGE pages[4] = {};
    for (int i = 0; i < 4; ++i) {
        PROPSHEETPAGEA page = {};
        page.dwSize = sizeof page;
        page.dwFlags = PSP_DEFAULT | PSP_HASHELP;
        page.hInstance = resources_;
        page.pszTemplate = MAKEINTRESOURCEA(kTemplates[i]);
        page.pfnDlgProc = PageProc;
        pages[i] = g_createPage(&page);
        if (pages[i] == nullptr) {
            for (int made = 0; made < i; ++made) g_destroyPage(pages[made]);
            return -1;
        }
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    g_initControls(&controls);

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_DEFAULT | PSH_HASHELP | PSH_USECALLBACK;
    header.hInstance = resources_;
    header.pszCaption = caption_;
    header.nPages = 4;
    header.phpage = pages;
    header.pfnCallback = SheetCallback;
    g_tabsStarted = false;
    return g_propertySheet(&header);
}

}  // namespace bench
