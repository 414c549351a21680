// Modal property sheet over PropertySheetA. The sheet window is subclassed
// when it is initialised (PSCB_INITIALIZED) so that OnInitDialog, OnCommand
// and OnHelpInfo of the derived sheet see its messages before comctl32 does.
//
// Order of events: the platform creates the sheet window and, after
// PSCB_INITIALIZED, the start page (its OnInitDialog, then OnSetActive);
// then the sheet's OnInitDialog runs, before the sheet handles any input.
// OK or Apply: the sheet's OnCommand first (TRUE = stay); then the visible
// page's OnKillActive; then OnApply of every created page in tab order.
#pragma once
#include <windows.h>

#include <prsht.h>

#include <vector>

class CPropertyPage;

class CPropertySheet {
public:
    CPropertySheet(const char* caption, HWND owner, UINT startPage);
    virtual ~CPropertySheet();
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    // Adds a page at the end of the tab order (before DoModal).
    void AddPage(CPropertyPage* page);
    // Runs the sheet; returns PropertySheetA's result (positive after OK,
    // 0 after Cancel, -1 when the sheet could not be shown).
    INT_PTR DoModal();

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    // The page's tab index, -1 when it is not in the sheet.
    int GetPageIndex(const CPropertyPage* page) const;
    // The visible page's index (PSM_GETCURRENTPAGEHWND), -1 before start.
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;
    // PSM_SETCURSEL: TRUE when the page was activated; FALSE when the
    // visible page refused to be left (OnKillActive FALSE) or the index is
    // out of range. Before the sheet exists it sets the start page.
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page);
    HWND GetSafeHwnd() const { return m_hWnd; }

    HWND m_hWnd = nullptr;
    PROPSHEETHEADERA m_psh;  // PSH_HASHELP may be added to dwFlags before DoModal

protected:
    // Runs once the sheet and its first page exist. Return value as
    // CDialog::OnInitDialog (the platform has set the focus already, so it
    // changes nothing). Default: TRUE.
    virtual BOOL OnInitDialog();
    // WM_COMMAND of the sheet (OK 1, Apply 0x3021, Help 9, ...), with the
    // arguments of CDialog::OnCommand. Return TRUE when handled: comctl32
    // then never sees the command (the sheet stays as it is). FALSE hands it
    // on to comctl32. Default: FALSE.
    virtual BOOL OnCommand(UINT code, int id, HWND control);
    // WM_HELP (F1, in the sheet or in a page). Return TRUE when handled;
    // FALSE hands it on to the platform. Default: FALSE.
    virtual BOOL OnHelpInfo(HELPINFO* info);

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam) noexcept;
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd);
    void TakeFirstPageFont(DLGTEMPLATE* sheetTemplate) const;
    void RunInitDialog();

    char m_caption[MAX_PATH];
    std::vector<CPropertyPage*> m_pages;
    WNDPROC m_previous = nullptr;
    bool m_initPending = false;
};
