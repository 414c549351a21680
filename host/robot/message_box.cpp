// Message boxes: a "#32770" window of statics and standard buttons, owned by
// the window that opened it, with its text in the static 0xFFFF.
#include "host/robot/robot.h"

namespace robot {

namespace {

constexpr int kTextId = 0xFFFF;

struct BoxChildren {
    bool onlyStaticsAndButtons = true;
    bool hasText = false;
    HWND icon = nullptr;
    bool button[12] = {};  // by id, IDOK (1) .. IDCONTINUE (11)
};

BOOL CALLBACK InspectChild(HWND child, LPARAM lParam) {
    auto* children = reinterpret_cast<BoxChildren*>(lParam);
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    const int id = GetDlgCtrlID(child);
    if (lstrcmpiA(cls, "Static") == 0) {
        if (id == kTextId) children->hasText = true;
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child))
            children->icon = child;
    } else if (lstrcmpiA(cls, "Button") == 0) {
        if (id >= 1 && id <= 11) {
            if (IsWindowVisible(child)) children->button[id] = true;
        } else {
            children->onlyStaticsAndButtons = false;
        }
    } else {
        children->onlyStaticsAndButtons = false;
    }
    return TRUE;
}

BoxChildren Inspect(HWND box) {
    BoxChildren children;
    EnumChildWindows(box, InspectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

bool LooksLikeMessageBox(HWND window) {
    char cls[16] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0) return false;
    const BoxChildren children = Inspect(window);
    return children.onlyStaticsAndButtons && children.hasText;
}

UINT ButtonsStyle(const BoxChildren& c) {
    const bool* b = c.button;
    if (b[IDCANCEL] && b[IDTRYAGAIN] && b[IDCONTINUE]) return MB_CANCELTRYCONTINUE;
    if (b[IDABORT] && b[IDRETRY] && b[IDIGNORE]) return MB_ABORTRETRYIGNORE;
    if (b[IDYES] && b[IDNO] && b[IDCANCEL]) return MB_YESNOCANCEL;
    if (b[IDYES] && b[IDNO]) return MB_YESNO;
    if (b[IDRETRY] && b[IDCANCEL]) return MB_RETRYCANCEL;
    if (b[IDOK] && b[IDCANCEL]) return MB_OKCANCEL;
    return MB_OK;
}

}  // namespace

MessageBoxInfo Robot::ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.window = box;
    info.caption = Text(box);
    info.text = Text(Item(box, kTextId));
    const BoxChildren children = Inspect(box);
    info.buttons = ButtonsStyle(children);
    if (children.icon) {
        const HICON shown = reinterpret_cast<HICON>(Send(children.icon, STM_GETICON, 0, 0));
        struct {
            LPCSTR id;
            UINT style;
        } const icons[] = {{IDI_HAND, MB_ICONHAND},
                           {IDI_QUESTION, MB_ICONQUESTION},
                           {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                           {IDI_ASTERISK, MB_ICONASTERISK}};
        for (const auto& icon : icons)
            if (shown && shown == LoadIconA(nullptr, icon.id)) info.icon = icon.style;
    }
    return info;
}

MessageBoxInfo Robot::WaitForMessageBox(HWND owner) {
    const HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    char ownerText[32];
    wsprintfA(ownerText, "%p", static_cast<void*>(root));
    HWND box = WaitForWindowWhere(
        [&](HWND window) {
            return GetWindow(window, GW_OWNER) == root && LooksLikeMessageBox(window);
        },
        std::string("a message box owned by ") + ownerText);
    return ReadMessageBox(box);
}

HWND Robot::FindMessageBox(HWND owner) {
    const HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    return FindWindowWhere([&](HWND window) {
        return GetWindow(window, GW_OWNER) == root && LooksLikeMessageBox(window);
    });
}

MessageBoxInfo Robot::WaitForAnyMessageBox() {
    HWND box = WaitForWindowWhere([](HWND window) { return LooksLikeMessageBox(window); },
                                  "a message box");
    return ReadMessageBox(box);
}

void Robot::Answer(const MessageBoxInfo& box, int buttonId) {
    HWND button = GetDlgItem(box.window, buttonId);
    if (!button || !IsWindowVisible(button))
        Fail("the message box \"" + box.text + "\" has no button " + std::to_string(buttonId));
    if (!PostMessageA(button, BM_CLICK, 0, 0)) Fail("could not post a click on the message box");
    WaitGone(box.window);
    WaitIdle();
}

}  // namespace robot
