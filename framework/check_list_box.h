// An owner-drawn list box whose rows carry a check box. A click on the
// check box or the space bar toggles the selected row's check; the parent is
// told through LBN_SELCHANGE-style notification CLBN_CHKCHANGE. The list box
// must be LBS_OWNERDRAWFIXED | LBS_HASSTRINGS; it draws its rows itself when
// its dialog hands WM_DRAWITEM back to it (CDialog does), and makes its rows
// tall enough for the check box when it is attached.
//
// The checks live in the control object, one per row; rows added, inserted
// or deleted through the list box's messages keep their checks in step.
// Item data stays free for the caller.
#pragma once
#include <cstddef>
#include <vector>

#include "framework/controls.h"

// Sent to the parent in WM_COMMAND (HIWORD of wParam) when a check changes
// by mouse or keyboard (not by SetCheck).
enum { CLBN_CHKCHANGE = 0x40 };

class CCheckListBox : public CListBox {
public:
    CCheckListBox() = default;
    ~CCheckListBox() override;
    CCheckListBox(const CCheckListBox&) = delete;
    CCheckListBox& operator=(const CCheckListBox&) = delete;

    // Subclasses the list box; called by DDX_Control. Rows already in the
    // list start unchecked.
    void SubclassDlgItem(HWND dialog, int id);
    void AttachDlgItem(HWND dialog, int id) override { SubclassDlgItem(dialog, id); }
    // check: 0 clear, 1 checked, 2 indeterminate. A missing row is ignored.
    void SetCheck(int index, int check);
    // The row's check, 0 for a missing row.
    int GetCheck(int index) const;

private:
    // The control for a window handle, or null when hwnd is no check-list box.
    static CCheckListBox* FromHandle(HWND hwnd);
    void DrawItem(const DRAWITEMSTRUCT* item);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();
    void Toggle(int index);
    void InvalidateRow(int index);
    // Width of the check box area at the left of each row, in pixels.
    int CheckAreaWidth() const;
    WNDPROC m_previous = nullptr;
    std::vector<int> m_checks;
};
