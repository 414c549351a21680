// The robot's actions on controls: edits, buttons, combo boxes, list boxes.
#include <windows.h>

#include <shlobj.h>

#include <vector>

#include "host/robot/robot.h"

namespace robot {

namespace {

bool IsClass(HWND window, const char* name) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    return lstrcmpiA(cls, name) == 0;
}

}  // namespace

HWND Robot::Item(HWND dialog, int id) {
    HWND control = dialog ? GetDlgItem(dialog, id) : nullptr;
    if (!control)
        Fail("no control " + std::to_string(id) + " in " + (dialog ? Describe(dialog) : "(null)"));
    return control;
}

bool Robot::HasItem(HWND dialog, int id) { return dialog && GetDlgItem(dialog, id) != nullptr; }

void Robot::ClickControl(HWND control, const std::string& what) {
    // A user can click neither a hidden or disabled control nor one of a
    // window that a modal window disables.
    if (!IsWindowVisible(control)) Fail(what + " is hidden");
    if (!IsWindowEnabled(control)) Fail(what + " is disabled");
    if (!IsWindowEnabled(GetAncestor(control, GA_ROOT)))
        Fail(what + " lies in a disabled window (a modal window is open)");
    if (!PostMessageA(control, BM_CLICK, 0, 0)) Fail("could not post a click on " + what);
    WaitIdle();
}

void Robot::Click(HWND dialog, int id) {
    ClickControl(Item(dialog, id), "control " + std::to_string(id));
}

void Robot::SetText(HWND dialog, int id, const std::string& text) {
    HWND control = Item(dialog, id);
    const std::string what = "control " + std::to_string(id);
    if (!IsWindowVisible(control)) Fail(what + " is hidden");
    if (!IsWindowEnabled(control)) Fail(what + " is disabled");
    if (IsClass(control, "Edit") && (GetWindowLongA(control, GWL_STYLE) & ES_READONLY))
        Fail(what + " is read-only");
    Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    WaitIdle();
}

std::string Robot::Text(HWND window) {
    const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> text(static_cast<size_t>(length) + 2, '\0');
    Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string Robot::Text(HWND dialog, int id) { return Text(Item(dialog, id)); }

int Robot::CheckState(HWND dialog, int id) {
    return static_cast<int>(Send(Item(dialog, id), BM_GETCHECK, 0, 0));
}

bool Robot::IsEnabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)) != 0; }

bool Robot::IsVisible(HWND dialog, int id) { return IsWindowVisible(Item(dialog, id)) != 0; }

HWND Robot::Focus() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(state_.uiThread, &info)) return nullptr;
    return info.hwndFocus;
}

bool Robot::HasFocus(HWND dialog, int id) {
    HWND control = Item(dialog, id);
    HWND focus = Focus();
    return focus && (focus == control || IsChild(control, focus));
}

void Robot::SetFocus(HWND dialog, int id) {
    HWND control = Item(dialog, id);
    if (!PostMessageA(GetParent(control), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE))
        Fail("could not post the focus change");
    WaitIdle();
}

Selection Robot::GetSelection(HWND dialog, int id) {
    HWND control = Item(dialog, id);
    DWORD start = 0;
    DWORD end = 0;
    const UINT message = IsClass(control, "ComboBox") ? CB_GETEDITSEL : EM_GETSEL;
    Send(control, message, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return Selection{static_cast<int>(start), static_cast<int>(end)};
}

void Robot::SelectRow(HWND dialog, int id, int row) {
    HWND combo = Item(dialog, id);
    const std::string what = "combo box " + std::to_string(id);
    if (!IsWindowVisible(combo)) Fail(what + " is hidden");
    if (!IsWindowEnabled(combo)) Fail(what + " is disabled");
    if (Send(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0) != row)
        Fail(what + " has no row " + std::to_string(row));
    // CB_SETCURSEL is silent; a user's choice notifies the parent.
    PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    WaitIdle();
}

void Robot::SelectRow(HWND dialog, int id, const std::string& text) {
    const std::vector<std::string> rows = Rows(dialog, id);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] == text) {
            SelectRow(dialog, id, static_cast<int>(i));
            return;
        }
    }
    std::string all;
    for (const std::string& row : rows) all += (all.empty() ? "\"" : ", \"") + row + "\"";
    Fail("combo box " + std::to_string(id) + " has no row \"" + text + "\" (rows: " + all + ")");
}

void Robot::SetComboText(HWND dialog, int id, const std::string& text) {
    HWND combo = Item(dialog, id);
    const std::string what = "combo box " + std::to_string(id);
    if (!IsWindowVisible(combo)) Fail(what + " is hidden");
    if (!IsWindowEnabled(combo)) Fail(what + " is disabled");
    // Typed over the whole text of the box's edit, as a user types: the box
    // then moves its selection to the row the text begins (none when no row
    // does) and tells its parent with CBN_EDITCHANGE itself. (WM_SETTEXT on
    // an edit inside a combo box sends no notification.)
    HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    if (edit != nullptr) {
        Send(edit, EM_SETSEL, 0, -1);
        Send(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    } else {
        Send(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }
    WaitIdle();
}

std::vector<std::string> Robot::Rows(HWND dialog, int id) {
    HWND combo = Item(dialog, id);
    std::vector<std::string> rows;
    const LRESULT count = Send(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::vector<char> text(static_cast<size_t>(length < 0 ? 0 : length) + 2, '\0');
        Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        rows.push_back(text.data());
    }
    return rows;
}

int Robot::SelectedRow(HWND dialog, int id) {
    return static_cast<int>(Send(Item(dialog, id), CB_GETCURSEL, 0, 0));
}

HWND Robot::ShowDropDown(HWND dialog, int id, bool show) {
    HWND combo = Item(dialog, id);
    const std::string what = "combo box " + std::to_string(id);
    if (!IsWindowVisible(combo)) Fail(what + " is hidden");
    if (!IsWindowEnabled(combo)) Fail(what + " is disabled");
    Send(combo, CB_SHOWDROPDOWN, show ? TRUE : FALSE, 0);
    WaitIdle();
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info) || !info.hwndList) Fail(what + " has no list");
    if (show && !IsWindowVisible(info.hwndList)) Fail("the list of " + what + " did not drop down");
    return info.hwndList;
}

std::vector<std::string> Robot::ListRows(HWND dialog, int id) {
    HWND list = Item(dialog, id);
    std::vector<std::string> rows;
    const LRESULT count = Send(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Send(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::vector<char> text(static_cast<size_t>(length < 0 ? 0 : length) + 2, '\0');
        Send(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        rows.push_back(text.data());
    }
    return rows;
}

int Robot::ListSelectedRow(HWND dialog, int id) {
    return static_cast<int>(Send(Item(dialog, id), LB_GETCURSEL, 0, 0));
}

void Robot::ListSelectRow(HWND dialog, int id, int row) {
    HWND list = Item(dialog, id);
    const std::string what = "list box " + std::to_string(id);
    if (!IsWindowVisible(list)) Fail(what + " is hidden");
    if (!IsWindowEnabled(list)) Fail(what + " is disabled");
    if (Send(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0) == LB_ERR)
        Fail(what + " has no row " + std::to_string(row));
    PostMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    WaitIdle();
}

void Robot::SelectBrowserFolder(HWND browser, const std::string& path) {
    Send(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
    WaitIdle();
}

}  // namespace robot
