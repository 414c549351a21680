// Property page over CreatePropertySheetPageA. The page's window is created
// by the sheet when the page is first activated; until then m_hWnd is null.
// The page's WM_INITDIALOG receives the PROPSHEETPAGEA whose lParam is the
// object; from then on the object lives in GWLP_USERDATA as for a dialog.
//
// OK and Cancel belong to the sheet: OnOK and OnCancel are the apply and
// reset steps run from the sheet's notifications, and a click of the page's
// own IDOK or IDCANCEL (should its template have such buttons) is not
// handled by default.
#pragma once
#include <windows.h>

#include <prsht.h>

#include "framework/dialog.h"

class CPropertySheet;

#ifdef VORDA_PHASE_TIMERS
// Timed builds only (the pages benchmark): told with true when the platform
// starts making a page's window from its template, with false when the
// window and its controls exist, right before the page's own start.
using PageCreationObserver = void (*)(bool creating);
void SetPageCreationObserver(PageCreationObserver observer);
#endif

class CPropertyPage : public CDialog {
public:
    CPropertyPage(HINSTANCE resources, UINT templateId);

    // The page description handed to the sheet. Set PSP_HASHELP in m_psp.dwFlags to show Help.
    // Null when the platform refuses the page.
    HPROPSHEETPAGE CreatePage();
    // Enables (TRUE) or clears (FALSE) the sheet's Apply button for this page
    // (PSM_CHANGED / PSM_UNCHANGED). Nothing before the page exists.
    void SetModified(BOOL changed = TRUE);
    CPropertySheet* GetSheet() const { return m_sheet; }
    BOOL IsCreated() const { return m_hWnd != nullptr; }

    PROPSHEETPAGEA m_psp;

protected:
    // A page built from a template in memory (tests). The template must
    // outlive the sheet's run.
    explicit CPropertyPage(const DLGTEMPLATE* dialogTemplate);

    // PSN_SETACTIVE. Default: from the second activation on, UpdateData(FALSE)
    // (the first one follows OnInitDialog, which has loaded the controls).
    // Return TRUE to accept the activation; FALSE makes the sheet skip the
    // page.
    virtual BOOL OnSetActive();
    // PSN_KILLACTIVE. Default: UpdateData(TRUE). Return FALSE to keep the
    // page active (the sheet then neither switches nor applies).
    virtual BOOL OnKillActive();
    // PSN_APPLY. Default: OnOK(); return TRUE. FALSE keeps the sheet open
    // on this page.
    virtual BOOL OnApply();
    // Apply step for OK and Apply. Default: nothing.
    void OnOK() override;
    // PSN_RESET (Cancel). Default: nothing.
    void OnCancel() override;
    // PSN_HELP. Default: nothing.
    virtual void OnHelp();
    // Default: nothing is handled (see above).
    BOOL OnButtonClicked(int id) override;

    // Handles the PSN_* notifications that come from the sheet (those of
    // the page's own controls are left alone) and hands WM_HELP (F1 in the
    // page) to the sheet. A derived page that overrides OnMessage must pass
    // the messages it does not handle to CPropertyPage::OnMessage.
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageDialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept;
    static UINT CALLBACK PageCallback(HWND hwnd, UINT message, PROPSHEETPAGEA* page) noexcept;
    void InitDescription();
    CPropertySheet* m_sheet = nullptr;
    int m_activations = 0;
};
