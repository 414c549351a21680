// The module's resources as the code relies on them: every dialog template
// can be created and holds the controls the code addresses, with the kinds
// and groupings the handlers assume; the string-table texts that are
// compared or written to files load exactly; the weekday lists, preview
// bitmaps and the common-controls manifest are present and usable.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "base/module_state.h"
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
    const char* caption;  // nullptr: not checked
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
    bool page;          // child template, created inside a host window
    const char* title;  // the tab title or the dialog caption
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
    {"Scanner",
     IDD_SCANNER,
     "MFP Scanner Settings",
     IDC_SCAN_CONDITION,
     IDC_SCAN_DELETE,
     IDC_SCAN_PREVIEW,
     {IDC_SCAN_CHECK_LIBRARY, IDC_SCAN_CHECK_CABINET, IDC_SCAN_CHECK_BINDER, IDC_SCAN_CHECK_INDEX,
      IDC_SCAN_CHECK_NOTE},
     {IDC_SCAN_LIBRARY, IDC_SCAN_CABINET, IDC_SCAN_BINDER, IDC_SCAN_INDEX, IDC_SCAN_NOTE},
     IDC_SCAN_POSITION_PREVIOUS,
     IDC_SCAN_POSITION_NEXT,
     IDC_SCAN_DATE_YMD,
     IDC_SCAN_DATE_YM,
     IDC_SCAN_DATE_YMW,
     IDC_SCAN_WEEKDAY,
     0,
     0,
     0},
    {"FaxReceive",
     IDD_FAX_RECEIVE,
     "FAX Receive Settings",
     IDC_FAXRX_CONDITION,
     IDC_FAXRX_DELETE,
     IDC_FAXRX_PREVIEW,
     {IDC_FAXRX_CHECK_LIBRARY, IDC_FAXRX_CHECK_CABINET, IDC_FAXRX_CHECK_BINDER,
      IDC_FAXRX_CHECK_INDEX, IDC_FAXRX_CHECK_NOTE},
     {IDC_FAXRX_LIBRARY, IDC_FAXRX_CABINET, IDC_FAXRX_BINDER, IDC_FAXRX_INDEX, IDC_FAXRX_NOTE},
     IDC_FAXRX_POSITION_PREVIOUS,
     IDC_FAXRX_POSITION_NEXT,
     IDC_FAXRX_DATE_YMD,
     IDC_FAXRX_DATE_YM,
     IDC_FAXRX_DATE_YMW,
     IDC_FAXRX_WEEKDAY,
     IDC_FAXRX_INFO_LIST,
     IDC_FAXRX_UP,
     IDC_FAXRX_DOWN},
    {"FaxSend",
     IDD_FAX_SEND,
     "FAX Send Settings",
     IDC_FAXTX_CONDITION,
     IDC_FAXTX_DELETE,
     IDC_FAXTX_PREVIEW,
     {IDC_FAXTX_CHECK_LIBRARY, IDC_FAXTX_CHECK_CABINET, IDC_FAXTX_CHECK_BINDER,
      IDC_FAXTX_CHECK_INDEX, IDC_FAXTX_CHECK_NOTE},
     {IDC_FAXTX_LIBRARY, IDC_FAXTX_CABINET, IDC_FAXTX_BINDER, IDC_FAXTX_INDEX, IDC_FAXTX_NOTE},
     IDC_FAXTX_POSITION_PREVIOUS,
     IDC_FAXTX_POSITION_NEXT,
     IDC_FAXTX_DATE_YMD,
     IDC_FAXTX_DATE_YM,
     IDC_FAXTX_DATE_YMW,
     IDC_FAXTX_WEEKDAY,
     IDC_FAXTX_INFO_LIST,
     IDC_FAXTX_UP,
     IDC_FAXTX_DOWN},
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
    ExpectedTemplate libRoot{"LibRoot",
                             IDD_LIBROOT,
                             true,
                             "LibRoot Folders",
                             {{IDC_ROOT_ZORDER_VIEW, Kind::CheckBox,
                               "Keep Vorda-Viewer window in front of Vorda window"},
                              {IDC_ROOT_ZORDER_WORKAREA, Kind::CheckBox,
                               "Keep Vorda-WorkArea window in front of Vorda window"},
                              {IDC_ROOT_MESSAGE_SHOW, Kind::CheckBox, nullptr, true}}};
    const int slots[3][4] = {
        {IDC_ROOT1_CURRENT, IDC_ROOT1_PATH, IDC_ROOT1_BROWSE, IDC_ROOT1_ALIAS},
        {IDC_ROOT2_CURRENT, IDC_ROOT2_PATH, IDC_ROOT2_BROWSE, IDC_ROOT2_ALIAS},
        {IDC_ROOT3_CURRENT, IDC_ROOT3_PATH, IDC_ROOT3_BROWSE, IDC_ROOT3_ALIAS}};
    for (const auto& slot : slots) {
        libRoot.controls.push_back({slot[0], Kind::Radio, nullptr});
        libRoot.controls.push_back({slot[1], Kind::Edit, nullptr});
        libRoot.controls.push_back({slot[2], Kind::Push, "Browse..."});
        libRoot.controls.push_back({slot[3], Kind::Edit, nullptr});
    }
    all.push_back(libRoot);
    all.push_back({"General",
                   IDD_GENERAL,
                   true,
                   "General",
                   {{IDC_GENERAL_PATH, Kind::Edit, nullptr},
                    {IDC_GENERAL_BROWSE, Kind::Push, "&Browse..."},
                    {IDC_GENERAL_MESSAGE_SHOW, Kind::CheckBox, nullptr, true}}});
    all.push_back({"Preview",
                   IDD_PREVIEW,
                   false,
                   "Preview-",
                   {{IDOK, Kind::Push, "OK"}, {IDC_PREVIEW_PICTURE, Kind::Static, nullptr}}});
    all.push_back({"ConditionName",
                   IDD_CONDITION_NAME,
                   false,
                   "Specification of configuration name",
                   {{IDC_CONDITION_NAME_EDIT, Kind::Edit, nullptr},
                    {IDOK, Kind::Push, "OK"},
                    {IDCANCEL, Kind::Push, "Cancel"}}});
    all.push_back({"ImportDestination",
                   IDD_IMPORT_DEST,
                   false,
                   "Lumora -> Vorda",
                   {{IDC_IMPORT_WORKAREA, Kind::Radio, "WorkArea"},
                    {IDC_IMPORT_SELECTED_BINDER, Kind::Radio,
                     "Binder currently selected in the Vorda window"},
                    {IDC_IMPORT_BINDER_DIALOG, Kind::Radio,
                     "Binder selection dialog for individual assignment every time"},
                    {IDC_IMPORT_CONFIRM, Kind::CheckBox, "Request confirmation each time"},
                    {IDOK, Kind::Push, "OK", true},
                    {IDCANCEL, Kind::Push, "Cancel", true},
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
            EXPECT_EQ(!c.hidden, (StyleOf(control) & WS_VISIBLE) != 0);
            if (c.caption) {
                EXPECT_EQ(c.caption, WindowText(control));
            }
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

TEST(ResourceDialogs, WeekdayListsInDateWeekOrder) {
    // Row n of the weekday box is dateWeek n, so the order is behaviour.
    const char* days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                          "Thursday", "Friday", "Saturday"};
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
    {IDS_FAXRX_DEF_CABINET,
     {"Received FAX Document", "Received FAX Document", "Received FAX Document"}},
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
    {IDS_FAXTX_DEF_FAX_SEQ,
     {"@TX-USER,@TX-SECTION,", "@TX-USER,@TX-SECTION,", "@TX-USER,@TX-SECTION,"}},
    {IDS_FAXTX_DEF_FAX_CHECK,
     {"@TX-USER,@TX-SECTION,", "@TX-USER,@TX-SECTION,", "@TX-USER,@TX-SECTION,"}},
};

TEST(ResourceStrings, TemplateDefaultsExact) {
    for (const auto& run : kDefaults) {
        for (UINT t = 0; t < 3; ++t) {
            SCOPED_TRACE(run.first + t);
            EXPECT_EQ(run.values[t], Load(run.first + t, 260));
        }
    }
}

TEST(ResourceStrings, OnlyTheReservedIdentifiersAreEmpty) {
    for (UINT id = 4401; id <= 4594; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(id >= 4558 && id <= 4564, Load(id).empty());
    }
}

// Texts shown or compared that no other test reads (the choice labels, for
// example, are checked where the condition fields are converted).
TEST(ResourceStrings, TextsTheCodeComparesOrComposes) {
    struct Expected {
        UINT id;
        const char* text;
    };
    const Expected table[] = {
        {IDS_CHOICE_BUTTON, "B: Button Name"},
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
        {IDS_TEMPLATE_FAX_RECEIVE_FIRST + 2, "FAX Receive Template Binder 3"},
        {IDS_TEMPLATE_FAX_SEND_FIRST + 1, "FAX Send Template Binder 2"},
        {IDS_TEMPLATE_FAX_SEND_FIRST + 2, "FAX Send Template Binder 3"},
        {IDS_COPY_SUFFIX, "_Copy"},
        {IDS_TEMPORARY_BINDER, "Temporary Binder"},
        {IDS_DEFAULT_ALIAS_PREFIX, "LibRoot-"},
        {IDS_OPTIONS_CAPTION, "Vorda Options"},
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
        "FAX Receive Template Binder 1, FAX Receive Template Binder 2, FAX Receive Template Binder "
        "3\n"
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
