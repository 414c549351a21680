// The module's resources as the code relies on them: every dialog template
// can be created and holds the controls the code addresses, with the kinds
// and groupings the handlers assume; the weekday lists, preview bitmaps and
// the common-controls manifest are present and usable.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "base/module_state.h"
#include "pages/condition_family.h"
#include "resources/dialog_lists.h"
#include "resources/resource.h"

namespace {

HINSTANCE Resources() { return Module().resources; }

INT_PTR CALLBACK TrivialDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

bool ImportDestinationClassKnown() {
    WNDCLASSA wc{};
    return GetClassInfoA(Resources(), IMPORT_DEST_WINDOW_CLASS, &wc) != 0;
}

// Makes the window class that the import-destination template names known,
// the way start-up does: a copy of "#32770" for this module's instance. A
// class that this object registered is unregistered when it goes away; one
// that was known already (another test's start-up) is left alone.
class ImportDestinationClass {
public:
    ImportDestinationClass() {
        if (ImportDestinationClassKnown()) return;
        WNDCLASSA wc{};
        if (GetClassInfoA(nullptr, "#32770", &wc)) {
            wc.hInstance = Resources();
            wc.lpszClassName = IMPORT_DEST_WINDOW_CLASS;
            registered_ = RegisterClassA(&wc) != 0;
        }
    }
    ~ImportDestinationClass() {
        if (registered_) UnregisterClassA(IMPORT_DEST_WINDOW_CLASS, Resources());
    }
    bool available() const { return ImportDestinationClassKnown(); }

private:
    bool registered_ = false;
};

// A hidden top-level window to hold the property-page templates, which are
// child windows.
class HostWindow {
public:
    HostWindow()
        : hwnd_(CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 700, nullptr,
                                nullptr, nullptr, nullptr)) {}
    ~HostWindow() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

class Dialog {
public:
    Dialog(UINT id, HWND parent)
        : hwnd_(CreateDialogParamA(Resources(), MAKEINTRESOURCEA(id), parent, TrivialDialogProc,
                                   0)) {}
    ~Dialog() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

LONG StyleOf(HWND hwnd) { return static_cast<LONG>(GetWindowLongPtrA(hwnd, GWL_STYLE)); }

// What a control must be for the code that drives it.
enum class Kind {
    CheckBox,   // auto check box: BM_GETCHECK, DDX_Check
    Radio,      // auto radio button
    Push,       // push button (default or not)
    Edit,       // single-line auto-scrolling edit
    DropList,   // combo box, selection only
    DropDown,   // combo box with an editable field
    CheckList,  // owner-drawn list box with strings (check-list box)
    Static,     // static text (becomes the preview picture)
};

struct ExpectedControl {
    int id;
    Kind kind;
    bool hidden = false;  // made without WS_VISIBLE (shown or used by the code)
};

::testing::AssertionResult IsKind(HWND control, Kind kind) {
    const std::string cls = ClassOf(control);
    const LONG style = StyleOf(control);
    const LONG button = style & BS_TYPEMASK;
    const LONG combo = style & 3;
    bool ok = false;
    switch (kind) {
        case Kind::CheckBox:
            ok = !_stricmp(cls.c_str(), "Button") && button == BS_AUTOCHECKBOX;
            break;
        case Kind::Radio:
            ok = !_stricmp(cls.c_str(), "Button") && button == BS_AUTORADIOBUTTON;
            break;
        case Kind::Push:
            ok = !_stricmp(cls.c_str(), "Button") &&
                 (button == BS_PUSHBUTTON || button == BS_DEFPUSHBUTTON);
            break;
        case Kind::Edit:
            ok = !_stricmp(cls.c_str(), "Edit") && !(style & ES_MULTILINE) &&
                 (style & ES_AUTOHSCROLL);
            break;
        case Kind::DropList:
        case Kind::DropDown:
            ok = !_stricmp(cls.c_str(), "ComboBox") && !(style & CBS_SORT) &&
                 combo == (kind == Kind::DropList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
            break;
        case Kind::CheckList:
            ok = !_stricmp(cls.c_str(), "ListBox") && (style & LBS_OWNERDRAWFIXED) &&
                 (style & LBS_HASSTRINGS) && (style & LBS_NOTIFY) && !(style & LBS_SORT);
            break;
        case Kind::Static:
            ok = !_stricmp(cls.c_str(), "Static");
            break;
    }
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "class " << cls << ", style 0x" << std::hex << style
                                         << ", kind " << static_cast<int>(kind);
}

struct ExpectedTemplate {
    const char* name;
    UINT id;
    bool page;  // child template, created inside a host window
    std::vector<ExpectedControl> controls;
};

const ConditionFamily* const kFamilies[] = {&kScannerFamily, &kFaxReceiveFamily, &kFaxSendFamily};

// The controls each condition page addresses through its family record.
ExpectedTemplate ConditionPageExpectation(const ConditionFamily& f) {
    ExpectedTemplate expected{"condition page", f.templateId, true, {}};
    auto& c = expected.controls;
    c.push_back({f.conditionCombo, Kind::DropList});
    c.push_back({f.deleteButton, Kind::Push});
    c.push_back({f.previewButton, Kind::Push});
    for (int i = 0; i < kLayerCount; ++i) {
        c.push_back({f.layerChecks[i], Kind::CheckBox});
        c.push_back({f.layerCombos[i], Kind::DropDown});
    }
    for (int id : {f.positionPrevious, f.positionNext, f.dateYmd, f.dateYm, f.dateYmw})
        c.push_back({id, Kind::Radio});
    c.push_back({f.weekdayCombo, Kind::DropList});
    if (f.infoList) {
        c.push_back({f.infoList, Kind::CheckList});
        c.push_back({f.upButton, Kind::Push});
        c.push_back({f.downButton, Kind::Push});
    }
    return expected;
}

std::vector<ExpectedTemplate> AllTemplates() {
    std::vector<ExpectedTemplate> all;
    for (const ConditionFamily* f : kFamilies) all.push_back(ConditionPageExpectation(*f));
    ExpectedTemplate libRoot{"LibRoot",
                             IDD_LIBROOT,
                             true,
                             {{IDC_ROOT_ZORDER_VIEW, Kind::CheckBox},
                              {IDC_ROOT_ZORDER_WORKAREA, Kind::CheckBox},
                              {IDC_ROOT_MESSAGE_SHOW, Kind::CheckBox, true}}};
    for (int id : {IDC_ROOT1_CURRENT, IDC_ROOT2_CURRENT, IDC_ROOT3_CURRENT})
        libRoot.controls.push_back({id, Kind::Radio});
    for (int id : {IDC_ROOT1_PATH, IDC_ROOT2_PATH, IDC_ROOT3_PATH, IDC_ROOT1_ALIAS, IDC_ROOT2_ALIAS,
                   IDC_ROOT3_ALIAS})
        libRoot.controls.push_back({id, Kind::Edit});
    for (int id : {IDC_ROOT1_BROWSE, IDC_ROOT2_BROWSE, IDC_ROOT3_BROWSE})
        libRoot.controls.push_back({id, Kind::Push});
    all.push_back(libRoot);
    all.push_back({"General",
                   IDD_GENERAL,
                   true,
                   {{IDC_GENERAL_PATH, Kind::Edit},
                    {IDC_GENERAL_BROWSE, Kind::Push},
                    {IDC_GENERAL_MESSAGE_SHOW, Kind::CheckBox, true}}});
    all.push_back(
        {"Preview", IDD_PREVIEW, false, {{IDOK, Kind::Push}, {IDC_PREVIEW_PICTURE, Kind::Static}}});
    all.push_back(
        {"ConditionName",
         IDD_CONDITION_NAME,
         false,
         {{IDC_CONDITION_NAME_EDIT, Kind::Edit}, {IDOK, Kind::Push}, {IDCANCEL, Kind::Push}}});
    all.push_back({"ImportDestination",
                   IDD_IMPORT_DEST,
                   false,
                   {{IDC_IMPORT_WORKAREA, Kind::Radio},
                    {IDC_IMPORT_SELECTED_BINDER, Kind::Radio},
                    {IDC_IMPORT_BINDER_DIALOG, Kind::Radio},
                    {IDC_IMPORT_CONFIRM, Kind::CheckBox},
                    {IDOK, Kind::Push, true},
                    {IDCANCEL, Kind::Push, true},
                    {IDC_IMPORT_HELP, Kind::Push}}});
    return all;
}

TEST(ResourceDialogs, EveryTemplateCreatesWithItsControls) {
    ImportDestinationClass importClass;
    ASSERT_TRUE(importClass.available());
    HostWindow host;
    ASSERT_NE(nullptr, host.get());
    for (const auto& t : AllTemplates()) {
        SCOPED_TRACE(t.name);
        Dialog dialog(t.id, t.page ? host.get() : nullptr);
        ASSERT_NE(nullptr, dialog.get()) << "error " << GetLastError();
        EXPECT_EQ(t.page, (StyleOf(dialog.get()) & WS_CHILD) != 0);
        for (const auto& c : t.controls) {
            SCOPED_TRACE(c.id);
            HWND control = GetDlgItem(dialog.get(), c.id);
            ASSERT_NE(nullptr, control);
            EXPECT_TRUE(IsKind(control, c.kind));
            EXPECT_EQ(!c.hidden, (StyleOf(control) & WS_VISIBLE) != 0);
        }
    }
}

// Ids of the radio buttons in the group that starts at first: the controls
// from first up to the next one that starts a group.
std::vector<int> RadioGroup(HWND dialog, int first) {
    std::vector<int> ids;
    HWND control = GetDlgItem(dialog, first);
    if (!control || !(StyleOf(control) & WS_GROUP)) return ids;
    do {
        if ((StyleOf(control) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
            _stricmp(ClassOf(control).c_str(), "Button") == 0)
            ids.push_back(GetDlgCtrlID(control));
        control = GetWindow(control, GW_HWNDNEXT);
    } while (control && !(StyleOf(control) & WS_GROUP));
    return ids;
}

TEST(ResourceDialogs, RadioGroupsHoldExactlyTheirButtons) {
    ImportDestinationClass importClass;
    HostWindow host;
    struct Group {
        UINT dialog;
        bool page;
        std::vector<int> ids;
    };
    std::vector<Group> groups = {
        {IDD_IMPORT_DEST,
         false,
         {IDC_IMPORT_WORKAREA, IDC_IMPORT_SELECTED_BINDER, IDC_IMPORT_BINDER_DIALOG}},
        {IDD_LIBROOT, true, {IDC_ROOT1_CURRENT, IDC_ROOT2_CURRENT, IDC_ROOT3_CURRENT}},
    };
    for (const ConditionFamily* f : kFamilies) {
        groups.push_back({f->templateId, true, {f->positionPrevious, f->positionNext}});
        groups.push_back({f->templateId, true, {f->dateYmd, f->dateYm, f->dateYmw}});
    }
    for (const auto& g : groups) {
        SCOPED_TRACE(::testing::Message() << g.dialog << " group at " << g.ids[0]);
        Dialog dialog(g.dialog, g.page ? host.get() : nullptr);
        ASSERT_NE(nullptr, dialog.get());
        EXPECT_EQ(g.ids, RadioGroup(dialog.get(), g.ids[0]));
    }
}

TEST(ResourceDialogs, WeekdayListsInDateWeekOrder) {
    // Row n of the weekday box is dateWeek n, so the order is behaviour.
    const char* days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                          "Thursday", "Friday", "Saturday"};
    HostWindow host;
    for (const ConditionFamily* f : kFamilies) {
        SCOPED_TRACE(f->templateId);
        Dialog dialog(f->templateId, host.get());
        ASSERT_NE(nullptr, dialog.get());
        EXPECT_EQ(7, FillDialogLists(dialog.get(), Resources(), f->templateId));
        HWND weekday = GetDlgItem(dialog.get(), f->weekdayCombo);
        ASSERT_EQ(7, SendMessageA(weekday, CB_GETCOUNT, 0, 0));
        for (int row = 0; row < 7; ++row) {
            char text[32] = {};
            SendMessageA(weekday, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(days[row], text);
        }
    }
}

// ---------------------------------------------------------------------------
// Bitmaps and manifest

TEST(ResourceBitmaps, PreviewPicturesLoadAtTheirSize) {
    for (UINT id = IDB_PREVIEW_FAX_RECEIVE_1; id <= IDB_PREVIEW_FAX_SEND_3; ++id) {
        SCOPED_TRACE(id);
        HBITMAP bitmap = LoadBitmapA(Resources(), MAKEINTRESOURCEA(id));
        ASSERT_NE(nullptr, bitmap);
        BITMAP info{};
        ASSERT_NE(0, GetObjectA(bitmap, sizeof info, &info));
        EXPECT_EQ(517, info.bmWidth);
        EXPECT_EQ(345, info.bmHeight);
        DeleteObject(bitmap);
    }
}

TEST(ResourceManifest, ActivationContextFromResourceTwo) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(Resources(), path, MAX_PATH);
    ACTCTXA ctx{};
    ctx.cbSize = sizeof ctx;
    ctx.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    ctx.hModule = Resources();
    ctx.lpSource = path;
    ctx.lpResourceName = MAKEINTRESOURCEA(2);
    HANDLE handle = CreateActCtxA(&ctx);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle) << "error " << GetLastError();
    ReleaseActCtx(handle);
}

}  // namespace
