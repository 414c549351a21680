// The robot against windows of the test's own: message boxes, a dialog and a
// property sheet built from in-memory templates, run modally on the main
// thread while the robot drives them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/robot/robot.h"
#include "tests/support/test_support.h"

namespace {

// ---- in-memory dialog templates -------------------------------------------

enum ControlClass : WORD { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kCombo = 0x85 };

class DialogTemplate {
public:
    DialogTemplate(const char* title, short cx, short cy, DWORD style) {
        Dword(style | DS_SETFONT | DS_MODALFRAME | WS_CAPTION | WS_SYSMENU);
        Dword(0);
        words_.push_back(0);  // number of controls, counted by Add
        for (short v : {short(0), short(0), cx, cy}) words_.push_back(static_cast<WORD>(v));
        words_.push_back(0);  // no menu
        words_.push_back(0);  // default class
        Text(title);
        words_.push_back(8);
        Text("MS Shell Dlg");
    }
    DialogTemplate& Add(ControlClass cls, int id, const char* text, DWORD style, short x, short y,
                        short cx, short cy) {
        if (words_.size() % 2) words_.push_back(0);  // items are DWORD-aligned
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (short v : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(v));
        words_.push_back(static_cast<WORD>(id));
        words_.push_back(0xFFFF);
        words_.push_back(cls);
        Text(text);
        words_.push_back(0);  // no creation data
        ++words_[4];
        return *this;
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Dword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void Text(const char* text) {
        while (*text) words_.push_back(static_cast<unsigned char>(*text++));
        words_.push_back(0);
    }
    std::vector<WORD> words_;
};

// ---- the test dialog ---------------------------------------------------------

enum DialogId {
    kName = 101,      // edit
    kAgree = 102,     // check box
    kColour = 103,    // drop-down list: Alpha, Beta, Gamma
    kAsk = 104,       // opens a Yes/No message box owned by the dialog
    kItems = 105,     // list box: One, Two
    kLocked = 106,    // disabled button
    kCity = 107,      // drop-down combo box with an edit
    kAskEdit = 108,   // opens a message box whose owner is the edit (a child)
    kReadOnly = 109,  // read-only edit
};

// What the dialog saw, written on the UI thread and read after the call
// returned (or through RunOnUiThread).
struct DialogLog {
    int nameChanges = 0;
    std::string nameAtChange;
    int colourRow = -1;
    int cityEdits = 0;
    std::string cityAtEdit;
    int itemsRow = -1;
    int answer = 0;
    HWND window = nullptr;
};

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = reinterpret_cast<DialogLog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<DialogLog*>(lParam)->window = dialog;
        for (const char* row : {"Alpha", "Beta", "Gamma"}) {
            SendDlgItemMessageA(dialog, kColour, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
            SendDlgItemMessageA(dialog, kCity, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
        }
        for (const char* row : {"One", "Two"})
            SendDlgItemMessageA(dialog, kItems, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
        EnableWindow(GetDlgItem(dialog, kLocked), FALSE);
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        char text[260] = {};
        if (id == kName && code == EN_CHANGE) {
            ++log->nameChanges;
            GetDlgItemTextA(dialog, kName, text, sizeof text);
            log->nameAtChange = text;
        } else if (id == kColour && code == CBN_SELCHANGE) {
            log->colourRow = static_cast<int>(SendDlgItemMessageA(dialog, kColour, CB_GETCURSEL, 0, 0));
        } else if (id == kCity && code == CBN_EDITCHANGE) {
            ++log->cityEdits;
            GetDlgItemTextA(dialog, kCity, text, sizeof text);
            log->cityAtEdit = text;
        } else if (id == kItems && code == LBN_SELCHANGE) {
            log->itemsRow = static_cast<int>(SendDlgItemMessageA(dialog, kItems, LB_GETCURSEL, 0, 0));
        } else if (id == kAsk && code == BN_CLICKED) {
            log->answer = MessageBoxA(dialog, "Proceed?\nThere is no way back.", "Question",
                                      MB_YESNO | MB_ICONQUESTION);
        } else if (id == kAskEdit && code == BN_CLICKED) {
            log->answer = MessageBoxA(GetDlgItem(dialog, kName), "Noted.", "Note", MB_OK);
        } else if (id == IDOK || id == IDCANCEL) {
            EndDialog(dialog, id);
        }
        return TRUE;
    }
    }
    return FALSE;
}

DialogTemplate TestDialog() {
    DialogTemplate t("Robot Test", 240, 150, WS_POPUP);
    t.Add(kEdit, kName, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 5, 5, 100, 12)
        .Add(kButton, kAgree, "Agree", BS_AUTOCHECKBOX | WS_TABSTOP, 5, 20, 100, 10)
        .Add(kCombo, kColour, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 5, 35, 100, 60)
        .Add(kButton, kAsk, "Ask", BS_PUSHBUTTON | WS_TABSTOP, 5, 55, 50, 14)
        .Add(kListBox, kItems, "", LBS_NOTIFY | WS_BORDER | WS_TABSTOP, 120, 5, 100, 30)
        .Add(kButton, kLocked, "Locked", BS_PUSHBUTTON, 120, 40, 50, 14)
        .Add(kCombo, kCity, "", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 120, 60, 100, 60)
        .Add(kButton, kAskEdit, "Note", BS_PUSHBUTTON, 60, 55, 50, 14)
        .Add(kEdit, kReadOnly, "fixed", ES_READONLY | WS_BORDER, 5, 75, 100, 12)
        .Add(kStatic, -1, "Label", SS_LEFT, 5, 95, 100, 10)
        .Add(kButton, IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 130, 125, 50, 14)
        .Add(kButton, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 185, 125, 50, 14);
    return t;
}

INT_PTR ShowTestDialog(DialogLog& log) {
    static const DialogTemplate t = TestDialog();
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t.get(), nullptr, TestDialogProc,
                                   reinterpret_cast<LPARAM>(&log));
}

robot::RunOptions Quick() {
    robot::RunOptions options;
    options.timeoutMs = 1000;
    return options;
}

// ---- message boxes -----------------------------------------------------------

struct BoxCase {
    UINT style;
    int answer;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << "style 0x" << std::hex << c.style << " answer " << std::dec << c.answer;
}

class RobotMessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(RobotMessageBoxTest, ReadsStyleAndTextAndAnswers) {
    const BoxCase c = GetParam();
    robot::MessageBoxInfo seen;
    const int result = robot::Run(
        [&] { return MessageBoxA(nullptr, "First line\nSecond line", "Robot Caption", c.style); },
        [&](robot::Robot& r) {
            seen = r.WaitForMessageBox(nullptr);
            r.Answer(seen, c.answer);
        });
    EXPECT_EQ(c.answer, result);
    EXPECT_EQ("Robot Caption", seen.caption);
    EXPECT_EQ("First line\nSecond line", seen.text);
    EXPECT_EQ(c.style, seen.style());
}

INSTANTIATE_TEST_SUITE_P(
    Styles, RobotMessageBoxTest,
    ::testing::Values(BoxCase{MB_OK, IDOK}, BoxCase{MB_OK | MB_ICONEXCLAMATION, IDOK},
                      BoxCase{MB_OKCANCEL | MB_ICONQUESTION, IDCANCEL},
                      BoxCase{MB_OK | MB_ICONHAND, IDOK},
                      BoxCase{MB_YESNO | MB_ICONEXCLAMATION, IDYES},
                      BoxCase{MB_YESNO | MB_ICONEXCLAMATION, IDNO},
                      BoxCase{MB_YESNOCANCEL | MB_ICONASTERISK, IDCANCEL},
                      BoxCase{MB_RETRYCANCEL | MB_ICONHAND, IDRETRY}));

TEST(RobotTest, FindsAMessageBoxByItsOwnerAndAChildStandsForItsWindow) {
    DialogLog log;
    const INT_PTR result = robot::Run([&] { return ShowTestDialog(log); },
                                      [&](robot::Robot& r) {
                                          HWND dialog = r.WaitForDialog(nullptr, "Robot Test");
                                          r.Click(dialog, kAsk);
                                          robot::MessageBoxInfo box = r.WaitForMessageBox(dialog);
                                          EXPECT_EQ("Question", box.caption);
                                          EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION),
                                                    box.style());
                                          r.Answer(box, IDYES);
                                          EXPECT_EQ(IDYES, log.answer);
                                          // A box opened with the edit as owner is owned by
                                          // the dialog; asking with the edit finds it too.
                                          r.Click(dialog, kAskEdit);
                                          box = r.WaitForMessageBox(r.Item(dialog, kName));
                                          EXPECT_EQ("Noted.", box.text);
                                          r.Answer(box, IDOK);
                                          r.Click(dialog, IDOK);
                                      });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(IDOK, log.answer);
}

// ---- controls ------------------------------------------------------------------

TEST(RobotTest, TypesIntoAnEditAndTheDialogSeesTheChange) {
    DialogLog log;
    std::string read;
    robot::Run([&] { return ShowTestDialog(log); },
               [&](robot::Robot& r) {
                   HWND dialog = r.WaitForDialog(nullptr);
                   r.SetText(dialog, kName, "Invoices 2026");
                   read = r.Text(dialog, kName);
                   r.Click(dialog, IDCANCEL);
               });
    EXPECT_EQ("Invoices 2026", read);
    EXPECT_GE(log.nameChanges, 1);
    EXPECT_EQ("Invoices 2026", log.nameAtChange);
}

TEST(RobotTest, ClicksACheckBoxAndReadsItsState) {
    DialogLog log;
    std::vector<int> states;
    robot::Run([&] { return ShowTestDialog(log); },
               [&](robot::Robot& r) {
                   HWND dialog = r.WaitForDialog(nullptr);
                   states.push_back(r.CheckState(dialog, kAgree));
                   r.Click(dialog, kAgree);
                   states.push_back(r.CheckState(dialog, kAgree));
                   r.Click(dialog, kAgree);
                   states.push_back(r.CheckState(dialog, kAgree));
                   r.Click(dialog, IDOK);
               });
    EXPECT_EQ((std::vector<int>{BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED}), states);
}

TEST(RobotTest, SelectsComboAndListRowsWithTheirNotifications) {
    DialogLog log;
    std::vector<std::string> rows;
    int selected = -2;
    robot::Run([&] { return ShowTestDialog(log); },
               [&](robot::Robot& r) {
                   HWND dialog = r.WaitForDialog(nullptr);
                   rows = r.Rows(dialog, kColour);
                   EXPECT_EQ(CB_ERR, r.SelectedRow(dialog, kColour));
                   r.SelectRow(dialog, kColour, "Gamma");
                   EXPECT_EQ(2, log.colourRow);  // the notification ran before SelectRow returned
                   r.SelectRow(dialog, kColour, 1);
                   selected = r.SelectedRow(dialog, kColour);
                   EXPECT_EQ((std::vector<std::string>{"One", "Two"}), r.ListRows(dialog, kItems));
                   r.ListSelectRow(dialog, kItems, 1);
                   EXPECT_EQ(1, r.ListSelectedRow(dialog, kItems));
                   r.SetComboText(dialog, kCity, "Lisbon");
                   r.Click(dialog, IDOK);
               });
    EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta", "Gamma"}), rows);
    EXPECT_EQ(1, selected);
    EXPECT_EQ(1, log.colourRow);
    EXPECT_EQ(1, log.itemsRow);
    EXPECT_EQ(1, log.cityEdits);
    EXPECT_EQ("Lisbon", log.cityAtEdit);
}

TEST(RobotTest, ReportsFocusSelectionAndEnabledState) {
    DialogLog log;
    robot::Run([&] { return ShowTestDialog(log); },
               [&](robot::Robot& r) {
                   HWND dialog = r.WaitForDialog(nullptr);
                   r.SetText(dialog, kName, "hello");
                   r.SetFocus(dialog, kName);
                   EXPECT_TRUE(r.HasFocus(dialog, kName));
                   EXPECT_FALSE(r.HasFocus(dialog, kAgree));
                   // The dialog selects an edit's whole text when it moves the focus there.
                   const robot::Selection all = r.GetSelection(dialog, kName);
                   EXPECT_EQ(0, all.start);
                   EXPECT_EQ(5, all.end);
                   r.SetFocus(dialog, kCity);
                   EXPECT_TRUE(r.HasFocus(dialog, kCity));  // focus is on the combo's edit
                   EXPECT_FALSE(r.IsEnabled(dialog, kLocked));
                   EXPECT_TRUE(r.IsEnabled(dialog, kAsk));
                   EXPECT_TRUE(r.IsVisible(dialog, kAsk));
                   EXPECT_TRUE(r.HasItem(dialog, kName));
                   EXPECT_FALSE(r.HasItem(dialog, 999));
                   r.Click(dialog, IDCANCEL);
               });
}

TEST(RobotTest, CountsTheTopLevelWindowsTheCallCreates) {
    int withoutWindow = -1;
    int withBox = -1;
    const int value = robot::Run([] { return 42; },
                                 [&](robot::Robot& r) {
                                     r.WaitCallReturned();
                                     withoutWindow = r.TopLevelWindowsCreated();
                                 });
    EXPECT_EQ(42, value);
    EXPECT_EQ(0, withoutWindow);
    robot::Run([] { return MessageBoxA(nullptr, "x", "y", MB_OK); },
               [&](robot::Robot& r) {
                   r.Answer(r.WaitForMessageBox(nullptr), IDOK);
                   r.WaitCallReturned();
                   withBox = r.TopLevelWindowsCreated();
               });
    EXPECT_EQ(1, withBox);
}

TEST(RobotTest, RunsAnActionOnTheUiThread) {
    DialogLog log;
    DWORD actionThread = 0;
    robot::Run([&] { return ShowTestDialog(log); },
               [&](robot::Robot& r) {
                   HWND dialog = r.WaitForDialog(nullptr);
                   r.RunOnUiThread([&] { actionThread = GetCurrentThreadId(); });
                   EXPECT_EQ(r.uiThread(), actionThread);
                   r.Click(dialog, IDCANCEL);
               });
    EXPECT_EQ(GetCurrentThreadId(), actionThread);
}

TEST(RobotTest, CapturesAWindowAsA24BitBitmap) {
    testsupport::TempDir dir;
    const std::string file = dir / "dialog.bmp";
    RECT rect = {};
    robot::Run([&] {
                   DialogLog log;
                   return ShowTestDialog(log);
               },
               [&](robot::Robot& r) {
                   HWND dialog = r.WaitForDialog(nullptr);
                   GetWindowRect(dialog, &rect);
                   r.Capture(dialog, file);
                   r.Click(dialog, IDCANCEL);
               });
    const std::string bytes = testsupport::ReadFileBytes(file);
    ASSERT_GT(bytes.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    BITMAPFILEHEADER header;
    BITMAPINFOHEADER info;
    std::memcpy(&header, bytes.data(), sizeof header);
    std::memcpy(&info, bytes.data() + sizeof header, sizeof info);
    EXPECT_EQ(0x4D42, header.bfType);
    EXPECT_EQ(bytes.size(), header.bfSize);
    EXPECT_EQ(rect.right - rect.left, info.biWidth);
    EXPECT_EQ(rect.bottom - rect.top, info.biHeight);
    EXPECT_EQ(24, info.biBitCount);
    const DWORD stride = (static_cast<DWORD>(info.biWidth) * 3 + 3) & ~3u;
    EXPECT_EQ(header.bfOffBits + stride * static_cast<DWORD>(info.biHeight), bytes.size());
    // A painted dialog is not one flat colour.
    const std::string pixels = bytes.substr(header.bfOffBits);
    EXPECT_NE(std::string::npos, pixels.find_first_not_of(pixels[0]));
}

// ---- failures end the script and close the windows ------------------------------

struct FailureCase {
    const char* name;
    void (*script)(robot::Robot&);
    const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class RobotFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RobotFailureTest, ReportsAndCancelsEveryWindow) {
    const FailureCase c = GetParam();
    DialogLog log;
    INT_PTR result = 0;
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        result = robot::Run([&] { return ShowTestDialog(log); }, c.script, Quick()), c.message);
    EXPECT_EQ(IDCANCEL, result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RobotFailureTest,
    ::testing::Values(
        FailureCase{"MissingRow",
                    [](robot::Robot& r) { r.SelectRow(r.WaitForDialog(nullptr), kColour, "Pink"); },
                    "has no row \"Pink\""},
        FailureCase{"DisabledButton",
                    [](robot::Robot& r) { r.Click(r.WaitForDialog(nullptr), kLocked); },
                    "is disabled"},
        FailureCase{"ReadOnlyEdit",
                    [](robot::Robot& r) { r.SetText(r.WaitForDialog(nullptr), kReadOnly, "x"); },
                    "is read-only"},
        FailureCase{"MissingControl",
                    [](robot::Robot& r) { r.Text(r.WaitForDialog(nullptr), 999); },
                    "no control 999"},
        FailureCase{"NoSuchWindow",
                    [](robot::Robot& r) { r.WaitForWindowTitled("Nowhere"); },
                    "waiting for a window titled \"Nowhere\""},
        FailureCase{"ScriptLeavesTheDialogOpen",
                    [](robot::Robot& r) { r.WaitForDialog(nullptr); },
                    "did not return"},
        FailureCase{"ClickUnderAModalWindow",
                    [](robot::Robot& r) {
                        HWND dialog = r.WaitForDialog(nullptr);
                        r.Click(dialog, kAsk);
                        r.WaitForMessageBox(dialog);
                        r.Click(dialog, kAgree);
                    },
                    "a modal window is open"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(RobotTest, ANestedMessageBoxIsAnsweredNoWhenTheScriptFails) {
    DialogLog log;
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        robot::Run([&] { return ShowTestDialog(log); },
                   [](robot::Robot& r) {
                       HWND dialog = r.WaitForDialog(nullptr);
                       r.Click(dialog, kAsk);
                       r.WaitForMessageBox(dialog);
                       r.Fail("stop");
                   },
                   Quick()),
        "stop");
    EXPECT_EQ(IDNO, log.answer);
}

TEST(RobotTest, WaitingForAWindowEndsWhenTheCallReturns) {
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        robot::Run([] { return 0; }, [](robot::Robot& r) { r.WaitForSheet(); }),
        "the call returned while the robot was waiting for the property sheet");
}

// ---- property sheet ----------------------------------------------------------------

enum PageId { kPageEdit = 201, kPageStay = 202 };

struct SheetLog {
    int applies = 0;
    int resets = 0;
    int helps = 0;
};

struct PageData {
    SheetLog* log;
    bool refuseLeaveWhenChecked;
};

INT_PTR CALLBACK TestPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* data = reinterpret_cast<PageData*>(GetWindowLongPtrA(page, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kPageEdit && HIWORD(wParam) == EN_CHANGE)
            PropSheet_Changed(GetParent(page), page);
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        LONG_PTR result = 0;
        switch (header->code) {
        case PSN_KILLACTIVE:
            result = data->refuseLeaveWhenChecked &&
                     IsDlgButtonChecked(page, kPageStay) == BST_CHECKED;
            break;
        case PSN_APPLY:
            ++data->log->applies;
            result = PSNRET_NOERROR;
            break;
        case PSN_RESET:
            ++data->log->resets;
            break;
        case PSN_HELP:
            ++data->log->helps;
            break;
        default:
            return FALSE;
        }
        SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
        return TRUE;
    }
    }
    return FALSE;
}

INT_PTR ShowTestSheet(SheetLog& log) {
    static const DialogTemplate page = [] {
        DialogTemplate t("", 200, 100, WS_CHILD);
        t.Add(kEdit, kPageEdit, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 5, 5, 100, 12)
            .Add(kButton, kPageStay, "Stay", BS_AUTOCHECKBOX | WS_TABSTOP, 5, 25, 100, 10);
        return t;
    }();
    PageData first{&log, false};
    PageData second{&log, true};
    PROPSHEETPAGEA pages[2] = {};
    const char* titles[2] = {"First", "Second"};
    PageData* data[2] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE | PSP_HASHELP;
        pages[i].pResource = page.get();
        pages[i].pfnDlgProc = TestPageProc;
        pages[i].pszTitle = titles[i];
        pages[i].lParam = reinterpret_cast<LPARAM>(data[i]);
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP;
    header.pszCaption = "Robot Sheet";
    header.nPages = 2;
    header.ppsp = pages;
    return PropertySheetA(&header);
}

TEST(RobotSheetTest, SwitchesTabsAndReadsPages) {
    SheetLog log;
    robot::Run([&] { return ShowTestSheet(log); },
               [&](robot::Robot& r) {
                   HWND sheet = r.WaitForSheet();
                   EXPECT_EQ(2, r.TabCount(sheet));
                   EXPECT_EQ("Second", r.TabTitle(sheet, 1));
                   EXPECT_EQ(0, r.CurrentTab(sheet));
                   EXPECT_EQ(r.Page(sheet, 0), r.CurrentPage(sheet));
                   EXPECT_TRUE(r.SelectTab(sheet, 1));
                   EXPECT_EQ(1, r.CurrentTab(sheet));
                   HWND second = r.CurrentPage(sheet);
                   EXPECT_EQ(r.Page(sheet, 1), second);
                   // The second page refuses to be left while "Stay" is checked.
                   r.Click(second, kPageStay);
                   EXPECT_FALSE(r.SelectTab(sheet, 0));
                   EXPECT_EQ(1, r.CurrentTab(sheet));
                   r.Click(second, kPageStay);
                   r.PostSelectTab(sheet, 0);
                   EXPECT_EQ(0, r.CurrentTab(sheet));
                   r.PressCancel(sheet);
                   r.WaitCallReturned();
               });
    EXPECT_EQ(0, log.applies);
    EXPECT_GE(log.resets, 1);
}

TEST(RobotSheetTest, ApplyIsPressableOnlyAfterAChangeAndOkApplies) {
    SheetLog log;
    robot::Run([&] { return ShowTestSheet(log); },
               [&](robot::Robot& r) {
                   HWND sheet = r.WaitForSheet();
                   EXPECT_FALSE(r.IsEnabled(sheet, robot::kSheetApply));
                   r.SetText(r.CurrentPage(sheet), kPageEdit, "changed");
                   EXPECT_TRUE(r.IsEnabled(sheet, robot::kSheetApply));
                   r.PressApply(sheet);
                   EXPECT_EQ(1, log.applies);  // read on the robot thread after WaitIdle
                   EXPECT_TRUE(IsWindow(sheet));
                   r.PressHelp(sheet);
                   r.PressOk(sheet);
                   r.WaitGone(sheet);
               });
    EXPECT_EQ(2, log.applies);
    EXPECT_EQ(1, log.helps);
}

TEST(RobotSheetTest, PressingADisabledApplyFails) {
    SheetLog log;
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        robot::Run([&] { return ShowTestSheet(log); },
                   [](robot::Robot& r) { r.PressApply(r.WaitForSheet()); }, Quick()),
        "is disabled");
    EXPECT_EQ(0, log.applies);
}

}  // namespace
