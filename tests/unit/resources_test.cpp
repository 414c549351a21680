// The module's resources as the code relies on them: every dialog template
// can be created and holds the controls the code addresses, with the kinds
// and groupings the handlers assume; the string-table texts that are
// compared or written to files load exactly; the weekday lists, preview
// bitmaps and the common-controls manifest are present and usable.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>
#include <vector>

#include "entry/module_state.h"
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
        : hwnd_(CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 700,
                                nullptr, nullptr, nullptr, nullptr)) {}
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
        : hwnd_(CreateDialogParamA(Resources(), MAKEINTRESOURCEA(id), parent, TrivialDialogProc, 0)) {}
    ~Dialog() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

std::string WindowText(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

LONG StyleOf(HWND hwnd) { return static_cast<LONG>(GetWindowLongPtrA(hwnd, GWL_STYLE)); }

// What a control must be for the code that drives it.
enum class Kind {
    CheckBox,        // auto check box: BM_GETCHECK, DDX_Check
    Radio,           // auto radio button
    Push,            // push button (default or not)
    Edit,            // single-line auto-scrolling edit
    DropList,        // combo box, selection only
    DropDown,        // combo box with an editable field
    CheckList,       // owner-drawn list box with strings (check-list box)
    Static,          // static text (becomes the preview picture)
};

struct ExpectedControl {
    int id;
    Kind kind;
    const char* caption;  // nullptr: not checked
};

::testing::AssertionResult IsKind(HWND control, Kind kind) {
    const std::string cls = ClassOf(control);
    const LONG style = StyleOf(control);
    auto fail = [&](const char* want) {
        char hex[16];
        snprintf(hex, sizeof hex, "%08lX", static_cast<unsigned long>(style));
        return ::testing::AssertionFailure()
               << "class " << cls << ", style 0x" << hex << ", expected " << want;
    };
    switch (kind) {
    case Kind::CheckBox:
        if (_stricmp(cls.c_str(), "Button") != 0 || (style & BS_TYPEMASK) != BS_AUTOCHECKBOX)
            return fail("auto check box");
        break;
    case Kind::Radio:
        if (_stricmp(cls.c_str(), "Button") != 0 || (style & BS_TYPEMASK) != BS_AUTORADIOBUTTON)
            return fail("auto radio button");
        break;
    case Kind::Push:
        if (_stricmp(cls.c_str(), "Button") != 0 ||
            ((style & BS_TYPEMASK) != BS_PUSHBUTTON && (style & BS_TYPEMASK) != BS_DEFPUSHBUTTON))
            return fail("push button");
        break;
    case Kind::Edit:
        if (_stricmp(cls.c_str(), "Edit") != 0 || (style & ES_MULTILINE) || !(style & ES_AUTOHSCROLL))
            return fail("single-line auto-scrolling edit");
        break;
    case Kind::DropList:
        if (_stricmp(cls.c_str(), "ComboBox") != 0 || (style & 3) != CBS_DROPDOWNLIST || (style & CBS_SORT))
            return fail("unsorted drop-down-list combo box");
        break;
    case Kind::DropDown:
        if (_stricmp(cls.c_str(), "ComboBox") != 0 || (style & 3) != CBS_DROPDOWN || (style & CBS_SORT))
            return fail("unsorted editable drop-down combo box");
        break;
    case Kind::CheckList:
        if (_stricmp(cls.c_str(), "ListBox") != 0 || !(style & LBS_OWNERDRAWFIXED) ||
            !(style & LBS_HASSTRINGS) || !(style & LBS_NOTIFY) || (style & LBS_SORT))
            return fail("owner-drawn unsorted list box with strings and notifications");
        break;
    case Kind::Static:
        if (_stricmp(cls.c_str(), "Static") != 0) return fail("static");
        break;
    }
    return ::testing::AssertionSuccess();
}

struct ExpectedTemplate {
    const char* name;
    UINT id;
    bool page;              // child template, created inside a host window
    const char* title;      // the tab title or the dialog caption
    std::vector<ExpectedControl> controls;
};

// The three condition pages: the same roles with the ids of each page.
struct ConditionPageIds {
    const char* name;
    UINT dialog;
    const char* title;
    int condition, del, preview;
    int checks[5];
    int names[5];
    int previous, next, ymd, ym, ymw, weekday;
    int info, up, down;  // 0 on the scanner page
};

const ConditionPageIds kConditionPages[] = {
    {"Scanner", IDD_SCANNER, "MFP Scanner Settings", IDC_SCAN_CONDITION, IDC_SCAN_DELETE,
     IDC_SCAN_PREVIEW,
     {IDC_SCAN_CHECK_LIBRARY, IDC_SCAN_CHECK_CABINET, IDC_SCAN_CHECK_BINDER,
      IDC_SCAN_CHECK_INDEX, IDC_SCAN_CHECK_NOTE},
     {IDC_SCAN_LIBRARY, IDC_SCAN_CABINET, IDC_SCAN_BINDER, IDC_SCAN_INDEX, IDC_SCAN_NOTE},
     IDC_SCAN_POSITION_PREVIOUS, IDC_SCAN_POSITION_NEXT, IDC_SCAN_DATE_YMD, IDC_SCAN_DATE_YM,
     IDC_SCAN_DATE_YMW, IDC_SCAN_WEEKDAY, 0, 0, 0},
    {"FaxReceive", IDD_FAX_RECEIVE, "FAX Receive Settings", IDC_FAXRX_CONDITION, IDC_FAXRX_DELETE,
     IDC_FAXRX_PREVIEW,
     {IDC_FAXRX_CHECK_LIBRARY, IDC_FAXRX_CHECK_CABINET, IDC_FAXRX_CHECK_BINDER,
      IDC_FAXRX_CHECK_INDEX, IDC_FAXRX_CHECK_NOTE},
     {IDC_FAXRX_LIBRARY, IDC_FAXRX_CABINET, IDC_FAXRX_BINDER, IDC_FAXRX_INDEX, IDC_FAXRX_NOTE},
     IDC_FAXRX_POSITION_PREVIOUS, IDC_FAXRX_POSITION_NEXT, IDC_FAXRX_DATE_YMD, IDC_FAXRX_DATE_YM,
     IDC_FAXRX_DATE_YMW, IDC_FAXRX_WEEKDAY, IDC_FAXRX_INFO_LIST, IDC_FAXRX_UP, IDC_FAXRX_DOWN},
    {"FaxSend", IDD_FAX_SEND, "FAX Send Settings", IDC_FAXTX_CONDITION, IDC_FAXTX_DELETE,
     IDC_FAXTX_PREVIEW,
     {IDC_FAXTX_CHECK_LIBRARY, IDC_FAXTX_CHECK_CABINET, IDC_FAXTX_CHECK_BINDER,
      IDC_FAXTX_CHECK_INDEX, IDC_FAXTX_CHECK_NOTE},
     {IDC_FAXTX_LIBRARY, IDC_FAXTX_CABINET, IDC_FAXTX_BINDER, IDC_FAXTX_INDEX, IDC_FAXTX_NOTE},
     IDC_FAXTX_POSITION_PREVIOUS, IDC_FAXTX_POSITION_NEXT, IDC_FAXTX_DATE_YMD, IDC_FAXTX_DATE_YM,
     IDC_FAXTX_DATE_YMW, IDC_FAXTX_WEEKDAY, IDC_FAXTX_INFO_LIST, IDC_FAXTX_UP, IDC_FAXTX_DOWN},
};

ExpectedTemplate ConditionPageExpectation(const ConditionPageIds& p) {
    ExpectedTemplate expected{p.name, p.dialog, true, p.title, {}};
    auto& c = expected.controls;
    c.push_back({p.condition, Kind::DropList, nullptr});
    c.push_back({p.del, Kind::Push, "&Delete"});
    c.push_back({p.preview, Kind::Push, "&Preview"});
    const char* layers[5] = {"Library", "Cabinet", "Binder", "Index", "Note"};
    for (int i = 0; i < 5; ++i) {
        c.push_back({p.checks[i], Kind::CheckBox, layers[i]});
        c.push_back({p.names[i], Kind::DropDown, nullptr});
    }
    c.push_back({p.previous, Kind::Radio, "Previous"});
    c.push_back({p.next, Kind::Radio, "Next"});
    c.push_back({p.ymd, Kind::Radio, "Year Month Day"});
    c.push_back({p.ym, Kind::Radio, "Year Month"});
    c.push_back({p.ymw, Kind::Radio, "Year Month Week,"});
    c.push_back({p.weekday, Kind::DropList, nullptr});
    if (p.info) {
        c.push_back({p.info, Kind::CheckList, nullptr});
        c.push_back({p.up, Kind::Push, "&Up"});
        c.push_back({p.down, Kind::Push, "&Down"});
    }
    return expected;
}

std::vector<ExpectedTemplate> AllTemplates() {
    std::vector<ExpectedTemplate> all;
    for (const auto& p : kConditionPages) all.push_back(ConditionPageExpectation(p));
    all.push_back({"LibRoot", IDD_LIBROOT, true, "LibRoot Folders",
                   {{IDC_ROOT1_CURRENT, Kind::Radio, nullptr},
                    {IDC_ROOT2_CURRENT, Kind::Radio, nullptr},
                    {IDC_ROOT3_CURRENT, Kind::Radio, nullptr},
                    {IDC_ROOT1_PATH, Kind::Edit, nullptr},
                    {IDC_ROOT2_PATH, Kind::Edit, nullptr},
                    {IDC_ROOT3_PATH, Kind::Edit, nullptr},
                    {IDC_ROOT1_BROWSE, Kind::Push, "Browse..."},
                    {IDC_ROOT2_BROWSE, Kind::Push, "Browse..."},
                    {IDC_ROOT3_BROWSE, Kind::Push, "Browse..."},
                    {IDC_ROOT1_ALIAS, Kind::Edit, nullptr},
                    {IDC_ROOT2_ALIAS, Kind::Edit, nullptr},
                    {IDC_ROOT3_ALIAS, Kind::Edit, nullptr},
                    {IDC_ROOT_ZORDER_VIEW, Kind::CheckBox,
                     "Keep Vorda-Viewer window in front of Vorda window"},
                    {IDC_ROOT_ZORDER_WORKAREA, Kind::CheckBox,
                     "Keep Vorda-WorkArea window in front of Vorda window"},
                    {IDC_ROOT_MESSAGE_SHOW, Kind::CheckBox, nullptr}}});
    all.push_back({"General", IDD_GENERAL, true, "General",
                   {{IDC_GENERAL_PATH, Kind::Edit, nullptr},
                    {IDC_GENERAL_BROWSE, Kind::Push, "&Browse..."},
                    {IDC_GENERAL_MESSAGE_SHOW, Kind::CheckBox, nullptr}}});
    all.push_back({"Preview", IDD_PREVIEW, false, "Preview-",
                   {{IDOK, Kind::Push, "OK"}, {IDC_PREVIEW_PICTURE, Kind::Static, nullptr}}});
    all.push_back({"ConditionName", IDD_CONDITION_NAME, false, "Specification of configuration name",
                   {{IDC_CONDITION_NAME_EDIT, Kind::Edit, nullptr},
                    {IDOK, Kind::Push, "OK"},
                    {IDCANCEL, Kind::Push, "Cancel"}}});
    all.push_back({"ImportDestination", IDD_IMPORT_DEST, false, "Lumora -> Vorda",
                   {{IDC_IMPORT_WORKAREA, Kind::Radio, "WorkArea"},
                    {IDC_IMPORT_SELECTED_BINDER, Kind::Radio,
                     "Binder currently selected in the Vorda window"},
                    {IDC_IMPORT_BINDER_DIALOG, Kind::Radio,
                     "Binder selection dialog for individual assignment every time"},
                    {IDC_IMPORT_CONFIRM, Kind::CheckBox, "Request confirmation each time"},
                    {IDOK, Kind::Push, "OK"},
                    {IDCANCEL, Kind::Push, "Cancel"},
                    {IDC_IMPORT_HELP, Kind::Push, "Help"}}});
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
        EXPECT_EQ(t.title, WindowText(dialog.get()));
        EXPECT_EQ(t.page, (StyleOf(dialog.get()) & WS_CHILD) != 0);
        for (const auto& c : t.controls) {
            SCOPED_TRACE(c.id);
            HWND control = GetDlgItem(dialog.get(), c.id);
            ASSERT_NE(nullptr, control);
            EXPECT_TRUE(IsKind(control, c.kind));
            if (c.caption) {
                EXPECT_EQ(c.caption, WindowText(control));
            }
        }
    }
}

TEST(ResourceDialogs, ImportDestinationNeedsItsWindowClass) {
    // Without the class the template cannot be created at all; with it the
    // window is of that class, so both forms depend on start-up.
    if (!ImportDestinationClassKnown()) {
        Dialog dialog(IDD_IMPORT_DEST, nullptr);
        EXPECT_EQ(nullptr, dialog.get());
    }
    ImportDestinationClass importClass;
    ASSERT_TRUE(importClass.available());
    Dialog dialog(IDD_IMPORT_DEST, nullptr);
    ASSERT_NE(nullptr, dialog.get());
    EXPECT_EQ(IMPORT_DEST_WINDOW_CLASS, ClassOf(dialog.get()));
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
        {IDD_IMPORT_DEST, false,
         {IDC_IMPORT_WORKAREA, IDC_IMPORT_SELECTED_BINDER, IDC_IMPORT_BINDER_DIALOG}},
        {IDD_LIBROOT, true, {IDC_ROOT1_CURRENT, IDC_ROOT2_CURRENT, IDC_ROOT3_CURRENT}},
    };
    for (const auto& p : kConditionPages) {
        groups.push_back({p.dialog, true, {p.previous, p.next}});
        groups.push_back({p.dialog, true, {p.ymd, p.ym, p.ymw}});
    }
    for (const auto& g : groups) {
        SCOPED_TRACE(::testing::Message() << g.dialog << " group at " << g.ids[0]);
        Dialog dialog(g.dialog, g.page ? host.get() : nullptr);
        ASSERT_NE(nullptr, dialog.get());
        EXPECT_EQ(g.ids, RadioGroup(dialog.get(), g.ids[0]));
    }
}

TEST(ResourceDialogs, HiddenAndShownControls) {
    ImportDestinationClass importClass;
    HostWindow host;
    struct Visibility {
        UINT dialog;
        bool page;
        int id;
        bool visible;
    };
    const Visibility table[] = {
        {IDD_LIBROOT, true, IDC_ROOT_MESSAGE_SHOW, false},
        {IDD_LIBROOT, true, IDC_ROOT_ZORDER_VIEW, true},
        {IDD_GENERAL, true, IDC_GENERAL_MESSAGE_SHOW, false},
        {IDD_GENERAL, true, IDC_GENERAL_PATH, true},
        {IDD_IMPORT_DEST, false, IDOK, false},
        {IDD_IMPORT_DEST, false, IDCANCEL, false},
        {IDD_IMPORT_DEST, false, IDC_IMPORT_HELP, true},
        {IDD_IMPORT_DEST, false, IDC_IMPORT_CONFIRM, true},
    };
    for (const auto& v : table) {
        SCOPED_TRACE(::testing::Message() << v.dialog << "/" << v.id);
        Dialog dialog(v.dialog, v.page ? host.get() : nullptr);
        ASSERT_NE(nullptr, dialog.get());
        HWND control = GetDlgItem(dialog.get(), v.id);
        ASSERT_NE(nullptr, control);
        EXPECT_EQ(v.visible, (StyleOf(control) & WS_VISIBLE) != 0);
    }
}

// Every template works as the property sheet uses it: the pages of all
// modes, the import destination among them, are created by a sheet.
TEST(ResourceDialogs, PagesCreateInsideAPropertySheet) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ImportDestinationClass importClass;
    const UINT pages[] = {IDD_SCANNER, IDD_FAX_RECEIVE, IDD_FAX_SEND, IDD_LIBROOT, IDD_GENERAL,
                          IDD_IMPORT_DEST};
    const char* titles[] = {"MFP Scanner Settings", "FAX Receive Settings", "FAX Send Settings",
                            "LibRoot Folders", "General", "Lumora -> Vorda"};
    HPROPSHEETPAGE handles[6] = {};
    for (int i = 0; i < 6; ++i) {
        PROPSHEETPAGEA psp{};
        psp.dwSize = sizeof psp;
        psp.hInstance = Resources();
        psp.pszTemplate = MAKEINTRESOURCEA(pages[i]);
        psp.pfnDlgProc = TrivialDialogProc;
        handles[i] = CreatePropertySheetPageA(&psp);
        ASSERT_NE(nullptr, handles[i]);
    }
    PROPSHEETHEADERA psh{};
    psh.dwSize = sizeof psh;
    psh.dwFlags = PSH_MODELESS;
    psh.hInstance = Resources();
    psh.pszCaption = "sheet";
    psh.nPages = 6;
    psh.phpage = handles;
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&psh));
    ASSERT_NE(nullptr, sheet);
    HWND tabs = PropSheet_GetTabControl(sheet);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(titles[i]);
        PropSheet_SetCurSel(sheet, nullptr, i);
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        ASSERT_NE(nullptr, page);
        EXPECT_TRUE(StyleOf(page) & WS_CHILD);
        char tabText[128] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = tabText;
        item.cchTextMax = sizeof tabText;
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(titles[i], tabText);
    }
    DestroyWindow(sheet);
}

TEST(ResourceDialogs, WeekdayListsInDateWeekOrder) {
    // Row n of the weekday box is dateWeek n, so the order is behaviour.
    const char* days[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    HostWindow host;
    for (const auto& p : kConditionPages) {
        SCOPED_TRACE(p.name);
        Dialog dialog(p.dialog, host.get());
        ASSERT_NE(nullptr, dialog.get());
        EXPECT_EQ(7, FillDialogLists(dialog.get(), Resources(), p.dialog));
        HWND weekday = GetDlgItem(dialog.get(), p.weekday);
        ASSERT_EQ(7, SendMessageA(weekday, CB_GETCOUNT, 0, 0));
        for (int row = 0; row < 7; ++row) {
            char text[32] = {};
            SendMessageA(weekday, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(days[row], text);
        }
    }
}

TEST(ResourceDialogs, TemplatesWithoutListsAddNoRows) {
    HostWindow host;
    Dialog dialog(IDD_LIBROOT, host.get());
    ASSERT_NE(nullptr, dialog.get());
    EXPECT_EQ(0, FillDialogLists(dialog.get(), Resources(), IDD_LIBROOT));
}

// ---------------------------------------------------------------------------
// String table

std::string Load(UINT id, int size = 1040) {
    std::vector<char> buffer(size, 'x');
    int n = LoadStringA(Resources(), id, buffer.data(), size);
    if (n <= 0) return buffer[0] == '\0' ? std::string() : std::string("<no terminator>");
    return std::string(buffer.data(), n);
}

// Template defaults: field id of template 1 and the three values.
struct DefaultRun {
    UINT first;
    const char* values[3];
};

const DefaultRun kDefaults[] = {
    // MFP scanner
    {IDS_SCAN_DEF_LIBRARY, {"Default Library", "Default Library", "Default Library"}},
    {IDS_SCAN_DEF_CABINET, {"Scanned Document", "Scanned Document", "Scanned Document"}},
    {IDS_SCAN_DEF_BINDER, {"@BUTTON", "@DATE-YM", "@BUTTON"}},
    {IDS_SCAN_DEF_INDEX, {"@DATE-YMD", "@BUTTON", "@DATE-YMD"}},
    {IDS_SCAN_DEF_TAG, {"@TIME-HM", "@TIME-HM", "@TIME-HM"}},
    {IDS_SCAN_DEF_POSITION, {"@FRONT", "@FRONT", "@FRONT"}},
    {IDS_SCAN_DEF_LIBRARY_USE, {"@ON", "@ON", "@ON"}},
    {IDS_SCAN_DEF_CABINET_USE, {"@ON", "@ON", "@ON"}},
    {IDS_SCAN_DEF_BINDER_USE, {"@ON", "@ON", "@ON"}},
    {IDS_SCAN_DEF_INDEX_USE, {"@ON", "@ON", "@OFF"}},
    {IDS_SCAN_DEF_TAG_USE, {"@OFF", "@OFF", "@OFF"}},
    {IDS_SCAN_DEF_DATETYPE, {"@DATE-YMD", "@DATE-YM", "@DATE-YMD"}},
    {IDS_SCAN_DEF_DATEWEEK, {"@DATE-YMW-SUN", "@DATE-YMW-SUN", "@DATE-YMW-SUN"}},
    // FAX receive
    {IDS_FAXRX_DEF_LIBRARY, {"Default Library", "Default Library", "Default Library"}},
    {IDS_FAXRX_DEF_CABINET, {"Received FAX Document", "Received FAX Document", "Received FAX Document"}},
    {IDS_FAXRX_DEF_BINDER, {"@FAX-TSI,", "@DATE-YM", "@DATE-YM"}},
    {IDS_FAXRX_DEF_INDEX, {"@DATE-YMD", "@FAX-TSI,", "@FAX-TSI,"}},
    {IDS_FAXRX_DEF_TAG, {"@TIME-HM", "@TIME-HM", "@TIME-HM"}},
    {IDS_FAXRX_DEF_POSITION, {"@FRONT", "@FRONT", "@FRONT"}},
    {IDS_FAXRX_DEF_LIBRARY_USE, {"@ON", "@ON", "@ON"}},
    {IDS_FAXRX_DEF_CABINET_USE, {"@ON", "@ON", "@ON"}},
    {IDS_FAXRX_DEF_BINDER_USE, {"@ON", "@ON", "@ON"}},
    {IDS_FAXRX_DEF_INDEX_USE, {"@ON", "@ON", "@OFF"}},
    {IDS_FAXRX_DEF_TAG_USE, {"@ON", "@ON", "@ON"}},
    {IDS_FAXRX_DEF_DATETYPE, {"@DATE-YMD", "@DATE-YM", "@DATE-YM"}},
    {IDS_FAXRX_DEF_DATEWEEK, {"@DATE-YMW-SUN", "@DATE-YMW-SUN", "@DATE-YMW-SUN"}},
    {IDS_FAXRX_DEF_FAX_SEQ,
     {"@FAX-TSI,@FAX-DIALIN,@FAX-NAME,@FAX-NUMBER,@FAX-FCODE,@FAX-PORT,",
      "@FAX-TSI,@FAX-DIALIN,@FAX-NAME,@FAX-NUMBER,@FAX-FCODE,@FAX-PORT,",
      "@FAX-TSI,@FAX-DIALIN,@FAX-NAME,@FAX-NUMBER,@FAX-FCODE,@FAX-PORT,"}},
    {IDS_FAXRX_DEF_FAX_CHECK, {"@FAX-TSI,", "@FAX-TSI,", "@FAX-TSI,"}},
    // FAX send
    {IDS_FAXTX_DEF_LIBRARY, {"Default Library", "Default Library", "Default Library"}},
    {IDS_FAXTX_DEF_CABINET,
     {"Transmitted FAX Document", "Transmitted FAX Document", "Transmitted FAX Document"}},
    {IDS_FAXTX_DEF_BINDER, {"@TX-DEST", "@DATE-YM", "@DATE-YM"}},
    {IDS_FAXTX_DEF_INDEX, {"@DATE-YMD", "@TX-DEST", "@TX-DEST"}},
    {IDS_FAXTX_DEF_TAG, {"@TIME-HM", "@TIME-HM", "@TIME-HM"}},
    {IDS_FAXTX_DEF_POSITION, {"@FRONT", "@FRONT", "@FRONT"}},
    {IDS_FAXTX_DEF_LIBRARY_USE, {"@ON", "@ON", "@ON"}},
    {IDS_FAXTX_DEF_CABINET_USE, {"@ON", "@ON", "@ON"}},
    {IDS_FAXTX_DEF_BINDER_USE, {"@ON", "@ON", "@ON"}},
    {IDS_FAXTX_DEF_INDEX_USE, {"@ON", "@ON", "@OFF"}},
    {IDS_FAXTX_DEF_TAG_USE, {"@ON", "@ON", ""}},
    {IDS_FAXTX_DEF_DATETYPE, {"", "", ""}},
    {IDS_FAXTX_DEF_DATEWEEK, {"", "", ""}},
    {IDS_FAXTX_DEF_FAX_SEQ, {"@TX-USER,@TX-SECTION,", "@TX-USER,@TX-SECTION,", "@TX-USER,@TX-SECTION,"}},
    {IDS_FAXTX_DEF_FAX_CHECK, {"@TX-USER,@TX-SECTION,", "@TX-USER,@TX-SECTION,", "@TX-USER,@TX-SECTION,"}},
};

TEST(ResourceStrings, TemplateDefaultsExact) {
    for (const auto& run : kDefaults) {
        for (UINT t = 0; t < 3; ++t) {
            SCOPED_TRACE(run.first + t);
            EXPECT_EQ(run.values[t], Load(run.first + t, 260));
        }
    }
}

TEST(ResourceStrings, EmptyIdentifiersLoadAsEmptyText) {
    for (UINT id = 4558; id <= 4564; ++id) {
        SCOPED_TRACE(id);
        char buffer[260];
        memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(0, LoadStringA(Resources(), id, buffer, sizeof buffer));
        EXPECT_EQ('\0', buffer[0]);
    }
}

TEST(ResourceStrings, EveryOtherIdentifierHasText) {
    for (UINT id = 4401; id <= 4594; ++id) {
        if (id >= 4558 && id <= 4564) continue;
        SCOPED_TRACE(id);
        EXPECT_FALSE(Load(id).empty());
    }
}

TEST(ResourceStrings, TextsTheCodeComparesOrComposes) {
    struct Expected {
        UINT id;
        const char* text;
    };
    const Expected table[] = {
        {IDS_CHOICE_BUTTON, "B: Button Name"},
        {IDS_CHOICE_DATE, "D: Date"},
        {IDS_CHOICE_TIME, "T: Time"},
        {IDS_CHOICE_FAX_INFO, "F: FAX information"},
        {IDS_CHOICE_DESTINATION, "S: Destination Information"},
        {IDS_CHOICE_SENDER_INFO, "P: Sender Information"},
        {IDS_CHOICE_COMM_MODE, "M: Communication Mode"},
        {IDS_FAX_ITEM_FIRST + 0, "Sender Information"},
        {IDS_FAX_ITEM_FIRST + 1, "Dial-in number"},
        {IDS_FAX_ITEM_FIRST + 2, "Name display"},
        {IDS_FAX_ITEM_FIRST + 3, "Number display"},
        {IDS_FAX_ITEM_FIRST + 4, "F-Code"},
        {IDS_FAX_ITEM_FIRST + 5, "FAX Receive Port"},
        {IDS_SEND_ITEM_FIRST + 0, "User Name"},
        {IDS_SEND_ITEM_FIRST + 1, "Account Name"},
        {IDS_TEMPLATE_SCANNER_FIRST + 0, "Scanner Template Binder 1"},
        {IDS_TEMPLATE_SCANNER_FIRST + 1, "Scanner Template Binder 2"},
        {IDS_TEMPLATE_SCANNER_FIRST + 2, "Scanner Template Binder 3"},
        {IDS_TEMPLATE_FAX_RECEIVE_FIRST + 0, "FAX Receive Template Binder 1"},
        {IDS_TEMPLATE_FAX_RECEIVE_FIRST + 1, "FAX Receive Template Binder 2"},
        {IDS_TEMPLATE_FAX_RECEIVE_FIRST + 2, "FAX Receive Template Binder 3"},
        {IDS_TEMPLATE_FAX_SEND_FIRST + 0, "FAX Send Template Binder 1"},
        {IDS_TEMPLATE_FAX_SEND_FIRST + 1, "FAX Send Template Binder 2"},
        {IDS_TEMPLATE_FAX_SEND_FIRST + 2, "FAX Send Template Binder 3"},
        {IDS_COPY_SUFFIX, "_Copy"},
        {IDS_TEMPORARY_BINDER, "Temporary Binder"},
        {IDS_DEFAULT_ALIAS_PREFIX, "LibRoot-"},
        {IDS_OPTIONS_CAPTION, "Vorda Options"},
        {IDS_APPLY, "Apply"},
        {IDS_IMPORT_DEST_CAPTION, "Lumora -> Vorda"},
        {IDS_BROWSE_ROOT_TITLE, "Please select a folder to be the Library Root:"},
        // Trailing blanks, line breaks and quotes are part of these texts.
        {IDS_NAME_EXISTS,
         "Specified configuration name already exists. Do you want to replace new one with "
         "existing one?  "},
        {IDS_NAME_FORBIDDEN_CHARS,
         "A configuration name cannot contain any of the following characters:  \n"
         "\\ / : , ; * ? < > . | \" !\n"},
        {IDS_LIBCAB_FORBIDDEN_CHARS,
         "Library name or cabinet name can not contain any of the following characters:\n"
         "\\ / : , ; * ? < > . | \" !\n"},
        {IDS_BINDER_NAME_RESERVED, "Binder can not be named as \"Temporary Binder\"."},
        {IDS_ROOT_IN_WORKAREA,
         "You cannot specify the same folder as a WorkArea Folder \r\nor any of its sub folders as "
         "a LibRoot folder.\r\nSpecify another folder."},
    };
    for (const auto& e : table) {
        SCOPED_TRACE(e.id);
        EXPECT_EQ(e.text, Load(e.id));
    }
}

TEST(ResourceStrings, ReservedNamesMessageLoadsWholeBeyond260Bytes) {
    const std::string text = Load(IDS_NAME_RESERVED, 520);
    EXPECT_GT(text.size(), 260u);
    EXPECT_EQ(
        "Configuration name can not take the following names:\n"
        "Scanner Template Binder 1, Scanner Template Binder 2, Scanner Template Binder 3\n"
        "FAX Receive Template Binder 1, FAX Receive Template Binder 2, FAX Receive Template Binder 3\n"
        "FAX Send Template Binder 1, FAX Send Template Binder 2, FAX Send Template Binder 3",
        text);
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
