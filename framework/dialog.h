// Modal dialog over DialogBoxParamA. The object travels to the dialog
// procedure through lParam of WM_INITDIALOG and lives in GWLP_USERDATA; one
// message switch dispatches to the virtual operations below.
//
// No exception leaves the dialog procedure: one thrown by a handler is
// caught there and the message counts as not handled.
#pragma once
#include <windows.h>

#include "framework/data_exchange.h"

class CDialog {
public:
    // A dialog whose template is resource templateId of module resources
    // (the module every template, string and bitmap of the dialog comes from).
    CDialog(HINSTANCE resources, UINT templateId);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog; returns the value passed to EndDialog, or -1 when the
    // dialog could not be created.
    INT_PTR DoModal(HWND owner);
    void EndDialog(INT_PTR result);

    // Exchanges every control with its field through DoDataExchange. With
    // save TRUE the controls are read into the fields; returns FALSE when a
    // field failed its check (the dialog then stays as it is) or when the
    // window does not exist.
    BOOL UpdateData(BOOL save = TRUE);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    UINT TemplateId() const { return m_templateId; }
    HINSTANCE Resources() const { return m_resources; }
    // The dialog's template: the one in memory, or the resource of its
    // module; null when there is none.
    const DLGTEMPLATE* GetTemplate() const;

    HWND m_hWnd = nullptr;

protected:
    // A dialog built from a template in memory (tests, generated dialogs).
    // The template must outlive every DoModal.
    explicit CDialog(const DLGTEMPLATE* dialogTemplate);

    // WM_INITDIALOG. Default: UpdateData(FALSE); return TRUE to let the
    // system focus the first control, FALSE when the handler set the focus.
    // A dialog may be restarted by sending it WM_INITDIALOG again; this runs
    // once more for the same object.
    virtual BOOL OnInitDialog();
    // The OK step. Default: UpdateData(TRUE), then EndDialog(IDOK) when it
    // succeeded.
    virtual void OnOK();
    // The Cancel step. Default: EndDialog(IDCANCEL).
    virtual void OnCancel();
    // WM_COMMAND: code is the notification (BN_CLICKED, EN_CHANGE,
    // CBN_SELCHANGE, ...; 0 for menus and accelerators), id the control's id,
    // control its window (null for menus and accelerators). Default: a click
    // (code 0) goes to OnButtonClicked, anything else is not handled.
    // Return TRUE when handled.
    virtual BOOL OnCommand(UINT code, int id, HWND control);
    // A click of button id; Enter, Esc and the close box arrive as IDOK and
    // IDCANCEL. Default: IDOK runs OnOK and IDCANCEL runs OnCancel (TRUE);
    // any other id is not handled (FALSE).
    virtual BOOL OnButtonClicked(int id);
    // WM_PAINT. Return TRUE when the handler painted (BeginPaint/EndPaint).
    virtual BOOL OnPaint();
    // WM_DESTROY.
    virtual void OnDestroy();
    // Binds controls to fields; called by UpdateData.
    virtual void DoDataExchange(CDataExchange* dx);
    // Any other message. Return TRUE when handled, with *result the value
    // the dialog procedure reports (DWLP_MSGRESULT for notifications, the
    // return value itself for WM_CTLCOLOR* and the other messages that
    // dialog procedures answer directly). FALSE leaves the message to the
    // system. Owner-draw messages get here only when the control that sent
    // them did not answer them itself (see kReflectedMessageBase).
    virtual BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The message switch shared by dialogs and property pages. Returns what
    // the dialog procedure returns; writes DWLP_MSGRESULT where needed.
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Binds the object to its window on WM_INITDIALOG (first time only).
    void BindWindow(HWND hwnd);

    const DLGTEMPLATE* m_template = nullptr;  // in-memory template, or null

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;

    HINSTANCE m_resources;
    UINT m_templateId;
};
