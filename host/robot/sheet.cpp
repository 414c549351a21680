// The robot's actions on a property sheet: tabs, pages and the sheet's own
// buttons.
#include <windows.h>

#include <commctrl.h>

#include "host/robot/robot.h"

namespace robot {

HWND Robot::TabControl(HWND sheet) {
    HWND tabs = reinterpret_cast<HWND>(Send(sheet, PSM_GETTABCONTROL, 0, 0));
    if (!tabs) Fail("the sheet " + Describe(sheet) + " has no tab control");
    return tabs;
}

int Robot::TabCount(HWND sheet) {
    HWND tabs = TabControl(sheet);
    return static_cast<int>(Send(tabs, TCM_GETITEMCOUNT, 0, 0));
}

int Robot::CurrentTab(HWND sheet) {
    HWND tabs = TabControl(sheet);
    return static_cast<int>(Send(tabs, TCM_GETCURSEL, 0, 0));
}

std::string Robot::TabTitle(HWND sheet, int tab) {
    HWND tabs = TabControl(sheet);
    char text[260] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (!Send(tabs, TCM_GETITEMA, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item)))
        Fail("the sheet has no tab " + std::to_string(tab));
    return text;
}

HWND Robot::CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(Send(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND Robot::Page(HWND sheet, int tab) {
    return reinterpret_cast<HWND>(Send(sheet, PSM_INDEXTOHWND, static_cast<WPARAM>(tab), 0));
}

bool Robot::SelectTab(HWND sheet, int tab) {
    const bool switched = Send(sheet, PSM_SETCURSEL, static_cast<WPARAM>(tab), 0) != 0;
    WaitIdle();
    return switched;
}

void Robot::PostSelectTab(HWND sheet, int tab) {
    if (!PostMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(tab), 0))
        Fail("could not post the tab switch to " + Describe(sheet));
    WaitIdle();
}

void Robot::Press(HWND sheet, int buttonId) {
    HWND button = GetDlgItem(sheet, buttonId);
    if (!button)
        Fail("the sheet " + Describe(sheet) + " has no button " + std::to_string(buttonId));
    ClickControl(button, "sheet button " + std::to_string(buttonId));
}

}  // namespace robot
