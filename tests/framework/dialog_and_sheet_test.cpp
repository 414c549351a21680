// The dialog, property page and property sheet classes, run for real under
// the platform's dialog manager and property sheet and driven by a robot
// thread.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "framework/check_list_box.h"
#include "framework/dialog.h"
#include "framework/property_page.h"
#include "framework/property_sheet.h"
#include "host/robot/robot.h"
#include "tests/framework/harness.h"

using fwtest::DialogTemplate;
using robot::Robot;

namespace {

constexpr int kCheckId = 100;
constexpr int kEditId = 101;
constexpr int kListId = 102;
constexpr int kApplyId = 0x3021;

using Log = std::vector<std::string>;

bool Contains(const Log& log, const std::string& entry) {
    for (const std::string& e : log) {
        if (e == entry) return true;
    }
    return false;
}

int IndexOf(const Log& log, const std::string& entry) {
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i] == entry) return static_cast<int>(i);
    }
    return -1;
}

std::string ItemText(HWND window, int id) {
    char text[64] = {};
    ::GetDlgItemTextA(window, id, text, sizeof(text));
    return text;
}

DialogTemplate DialogLayout() {
    DialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE, 200, 120,
                     "Framework dialog");
    t.Add(fwtest::kButton, BS_AUTOCHECKBOX | WS_TABSTOP, kCheckId, 7, 7, 80, 10, "Check")
        .Add(fwtest::kEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, kEditId, 7, 20, 80, 12)
        .Add(fwtest::kListBox,
             LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_BORDER | WS_VSCROLL, kListId, 7,
             36, 80, 40)
        .Add(fwtest::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 100, 100, 40, 14, "OK")
        .Add(fwtest::kButton, BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 150, 100, 40, 14, "Cancel");
    return t;
}

DialogTemplate PageLayout(const char* title) {
    DialogTemplate t(WS_CHILD | WS_CAPTION, 180, 90, title);
    t.Add(fwtest::kButton, BS_AUTOCHECKBOX | WS_TABSTOP, kCheckId, 7, 7, 80, 10, "Check")
        .Add(fwtest::kEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, kEditId, 7, 20, 80, 12);
    return t;
}

class TestDialog : public CDialog {
public:
    explicit TestDialog(const DLGTEMPLATE* t) : CDialog(t) {}
    int check = 1;
    char text[8] = "start";
    int inits = 0;
    int otherDrawItems = 0;
    CCheckListBox list;

protected:
    BOOL OnInitDialog() override {
        ++inits;
        const BOOL result = CDialog::OnInitDialog();
        if (list.GetCount() == 0) {
            list.AddString("one");
            list.AddString("two");
        }
        return result;
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Check(dx, kCheckId, check);
        DDX_Text(dx, kEditId, text, sizeof(text));
        DDX_Control(dx, kListId, list);
    }
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (message == WM_DRAWITEM) ++otherDrawItems;
        return CDialog::OnMessage(message, wParam, lParam, result);
    }
};

TEST(FrameworkDialog, LoadsFieldsOnStartAndSavesThemOnOk) {
    DialogTemplate layout = DialogLayout();
    TestDialog dialog(layout.Get());
    std::string shownText;
    int shownCheck = -1;
    const INT_PTR result = robot::Run(
        [&] { return dialog.DoModal(nullptr); },
        [&](Robot& r) {
            HWND window = r.WaitForDialog(nullptr);
            shownText = ItemText(window, kEditId);
            shownCheck = static_cast<int>(::IsDlgButtonChecked(window, kCheckId));
            ::SendMessageA(::GetDlgItem(window, kCheckId), BM_SETCHECK, BST_UNCHECKED, 0);
            ::SendMessageA(::GetDlgItem(window, kEditId), WM_SETTEXT, 0,
                           reinterpret_cast<LPARAM>("a longer text"));
            r.Click(window, IDOK);
        });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("start", shownText);
    EXPECT_EQ(1, shownCheck);
    EXPECT_EQ(0, dialog.check);
    EXPECT_STREQ("a longe", dialog.text);  // cut to the field's 8 bytes
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
}

TEST(FrameworkDialog, HandsCheckListDrawingToTheControl) {
    DialogTemplate layout = DialogLayout();
    TestDialog dialog(layout.Get());
    LRESULT handled = 0;
    robot::Run([&] { return dialog.DoModal(nullptr); },
               [&](Robot& r) {
                   HWND window = r.WaitForDialog(nullptr);
                   r.RunOnUiThread([&] {
                       dialog.otherDrawItems = 0;
                       HDC screen = ::GetDC(nullptr);
                       HDC memory = ::CreateCompatibleDC(screen);
                       HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 100, 20);
                       HGDIOBJ old = ::SelectObject(memory, bitmap);
                       DRAWITEMSTRUCT item = {};
                       item.CtlType = ODT_LISTBOX;
                       item.CtlID = kListId;
                       item.itemID = 0;
                       item.itemAction = ODA_DRAWENTIRE;
                       item.itemState = ODS_SELECTED | ODS_FOCUS;
                       item.hwndItem = ::GetDlgItem(window, kListId);
                       item.hDC = memory;
                       item.rcItem = RECT{0, 0, 100, 20};
                       handled = ::SendMessageA(window, WM_DRAWITEM, kListId,
                                                reinterpret_cast<LPARAM>(&item));
                       ::SelectObject(memory, old);
                       ::DeleteObject(bitmap);
                       ::DeleteDC(memory);
                       ::ReleaseDC(nullptr, screen);
                   });
                   r.Click(window, IDCANCEL);
               });
    EXPECT_EQ(TRUE, handled);
    EXPECT_EQ(0, dialog.otherDrawItems);
}

// ---------------------------------------------------------------------------
// Property sheet and pages

class TestPage : public CPropertyPage {
public:
    TestPage(const char* name, Log& log, const DLGTEMPLATE* t)
        : CPropertyPage(t), name(name), log(log) {
        m_psp.dwFlags |= PSP_HASHELP;
    }
    std::string name;
    Log& log;
    int check = 0;
    char text[16] = "hello";
    BOOL leaveResult = TRUE;
    BOOL applyResult = TRUE;
    int inits = 0;

protected:
    BOOL OnInitDialog() override {
        ++inits;
        log.push_back("init:" + name);
        return CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Check(dx, kCheckId, check);
        DDX_Text(dx, kEditId, text, sizeof(text));
    }
    BOOL OnSetActive() override {
        log.push_back("active:" + name);
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        log.push_back("leave:" + name);
        return leaveResult && CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override {
        log.push_back("apply:" + name);
        return applyResult && CPropertyPage::OnApply();
    }
    void OnOK() override { log.push_back("ok:" + name); }
    void OnCancel() override { log.push_back("cancel:" + name); }
};

class TestSheet : public CPropertySheet {
public:
    explicit TestSheet(Log& log, UINT start = 0)
        : CPropertySheet("Framework sheet", nullptr, start), log(log) {
        m_psh.dwFlags |= PSH_HASHELP;
    }
    Log& log;
    BOOL stayOnCommand = FALSE;
    int activateInInit = -1;
    BOOL activateResult = -1;
    int activeAtInit = -2;

protected:
    BOOL OnInitDialog() override {
        log.push_back("sheet-init");
        activeAtInit = GetActiveIndex();
        if (activateInInit >= 0) activateResult = SetActivePage(activateInInit);
        return CPropertySheet::OnInitDialog();
    }
    BOOL OnCommand(UINT code, int id, HWND control) override {
        log.push_back("command:" + std::to_string(id));
        return stayOnCommand;
    }
};

// Three pages A, B, C in a sheet.
struct FrameworkSheet : ::testing::Test {
    Log log;
    DialogTemplate layoutA = PageLayout("A");
    DialogTemplate layoutB = PageLayout("B");
    DialogTemplate layoutC = PageLayout("C");
    TestPage a{"A", log, layoutA.Get()};
    TestPage b{"B", log, layoutB.Get()};
    TestPage c{"C", log, layoutC.Get()};

    void AddPages(TestSheet& sheet) {
        sheet.AddPage(&a);
        sheet.AddPage(&b);
        sheet.AddPage(&c);
    }
    HWND PageWindow(HWND sheet) {
        return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    BOOL Select(HWND sheet, int index) {
        return static_cast<BOOL>(::SendMessageA(sheet, PSM_SETCURSEL, index, 0));
    }
};

TEST_F(FrameworkSheet, CreatesPagesOnFirstActivationAndStartsTheSheetAfterTheFirstPage) {
    TestSheet sheet(log);
    AddPages(sheet);
    std::string createdAtStart, createdLater;  // "1" per created page, "0" otherwise
    auto created = [&] {
        return std::string() + "01"[a.IsCreated()] + "01"[b.IsCreated()] + "01"[c.IsCreated()];
    };
    robot::Run([&] { return sheet.DoModal(); },
               [&](Robot& r) {
                   HWND window = r.WaitForSheet();
                   r.RunOnUiThread([&] { createdAtStart = created(); });
                   Select(window, 2);
                   r.RunOnUiThread([&] { createdLater = created(); });
                   r.Click(window, IDCANCEL);
               });
    EXPECT_EQ("100", createdAtStart);
    EXPECT_EQ("101", createdLater);
    EXPECT_EQ(0, sheet.activeAtInit);
    ASSERT_GE(IndexOf(log, "sheet-init"), 0);
    EXPECT_LT(IndexOf(log, "active:A"), IndexOf(log, "sheet-init"));
    EXPECT_EQ(1, a.inits);
    EXPECT_EQ(0, b.inits);
    EXPECT_EQ(1, c.inits);
    // Cancel resets every created page, and only those.
    EXPECT_TRUE(Contains(log, "cancel:A"));
    EXPECT_TRUE(Contains(log, "cancel:C"));
    EXPECT_FALSE(Contains(log, "cancel:B"));
    EXPECT_EQ(nullptr, a.GetSafeHwnd());
}

TEST_F(FrameworkSheet, LeavingSavesThePageAndReturningReloadsIt) {
    TestSheet sheet(log);
    AddPages(sheet);
    std::string firstShown, reloaded;
    robot::Run([&] { return sheet.DoModal(); },
               [&](Robot& r) {
                   HWND window = r.WaitForSheet();
                   HWND page = PageWindow(window);
                   firstShown = ItemText(page, kEditId);
                   ::SendMessageA(::GetDlgItem(page, kCheckId), BM_SETCHECK, BST_CHECKED, 0);
                   ::SendMessageA(::GetDlgItem(page, kEditId), WM_SETTEXT, 0,
                                  reinterpret_cast<LPARAM>("typed"));
                   Select(window, 1);
                   r.RunOnUiThread([&] {
                       EXPECT_EQ(1, a.check);
                       EXPECT_STREQ("typed", a.text);
                       lstrcpyA(a.text, "from field");
                   });
                   Select(window, 0);
                   reloaded = ItemText(PageWindow(window), kEditId);
                   r.Click(window, IDCANCEL);
               });
    EXPECT_EQ("hello", firstShown);
    EXPECT_EQ("from field", reloaded);
    EXPECT_EQ(1, a.inits);
}

TEST_F(FrameworkSheet, RefusedLeaveKeepsThePageAndBlocksOk) {
    TestSheet sheet(log);
    AddPages(sheet);
    a.leaveResult = FALSE;
    BOOL switched = TRUE;
    int activeAfter = -1;
    bool openAfterOk = false;
    bool appliedWhileRefused = true;
    const INT_PTR result = robot::Run([&] { return sheet.DoModal(); },
                                      [&](Robot& r) {
                                          HWND window = r.WaitForSheet();
                                          r.RunOnUiThread([&] {
                                              switched = sheet.SetActivePage(1);
                                              activeAfter = sheet.GetActiveIndex();
                                          });
                                          r.Click(window, IDOK);
                                          openAfterOk = ::IsWindow(window) != FALSE;
                                          r.RunOnUiThread([&] {
                                              appliedWhileRefused = Contains(log, "apply:A");
                                              a.leaveResult = TRUE;
                                          });
                                          r.Click(window, IDOK);
                                      });
    EXPECT_FALSE(switched);
    EXPECT_EQ(0, activeAfter);
    EXPECT_FALSE(b.IsCreated());
    EXPECT_EQ(0, b.inits);
    EXPECT_TRUE(openAfterOk);
    EXPECT_FALSE(appliedWhileRefused);
    EXPECT_GT(result, 0);
    EXPECT_TRUE(Contains(log, "ok:A"));
}

TEST_F(FrameworkSheet, CommandHandledBySheetKeepsItOpenWithoutLeaveOrApply) {
    TestSheet sheet(log);
    sheet.stayOnCommand = TRUE;
    AddPages(sheet);
    bool openAfterOk = false;
    Log afterOk;
    const INT_PTR result = robot::Run([&] { return sheet.DoModal(); },
                                      [&](Robot& r) {
                                          HWND window = r.WaitForSheet();
                                          r.RunOnUiThread([&] { log.clear(); });
                                          r.Click(window, IDOK);
                                          openAfterOk = ::IsWindow(window) != FALSE;
                                          r.RunOnUiThread([&] {
                                              afterOk = log;
                                              sheet.stayOnCommand = FALSE;
                                          });
                                          r.Click(window, IDOK);
                                      });
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(Log{"command:1"}, afterOk);
    EXPECT_GT(result, 0);
    EXPECT_TRUE(Contains(log, "apply:A"));
}

TEST_F(FrameworkSheet, FailedApplyKeepsTheSheetOpen) {
    TestSheet sheet(log);
    AddPages(sheet);
    a.applyResult = FALSE;
    bool openAfterOk = false;
    robot::Run([&] { return sheet.DoModal(); },
               [&](Robot& r) {
                   HWND window = r.WaitForSheet();
                   r.Click(window, IDOK);
                   openAfterOk = ::IsWindow(window) != FALSE;
                   r.Click(window, IDCANCEL);
               });
    EXPECT_TRUE(openAfterOk);
    EXPECT_FALSE(Contains(log, "ok:A"));
}

TEST_F(FrameworkSheet, SetModifiedDrivesApplyAndApplyKeepsTheSheetOpen) {
    TestSheet sheet(log);
    AddPages(sheet);
    bool enabledAtStart = true, enabledAfterSet = false, enabledAfterClear = true;
    bool openAfterApply = false;
    Log afterApply;
    robot::Run([&] { return sheet.DoModal(); },
               [&](Robot& r) {
                   HWND window = r.WaitForSheet();
                   HWND apply = ::GetDlgItem(window, kApplyId);
                   enabledAtStart = ::IsWindowEnabled(apply);
                   r.RunOnUiThread([&] { a.SetModified(TRUE); });
                   enabledAfterSet = ::IsWindowEnabled(apply);
                   r.RunOnUiThread([&] { a.SetModified(FALSE); });
                   enabledAfterClear = ::IsWindowEnabled(apply);
                   r.RunOnUiThread([&] {
                       a.SetModified(TRUE);
                       log.clear();
                   });
                   r.Click(window, kApplyId);
                   openAfterApply = ::IsWindow(window) != FALSE;
                   r.RunOnUiThread([&] { afterApply = log; });
                   r.Click(window, IDCANCEL);
               });
    EXPECT_FALSE(enabledAtStart);
    EXPECT_TRUE(enabledAfterSet);
    EXPECT_FALSE(enabledAfterClear);
    EXPECT_TRUE(openAfterApply);
    // After Apply the visible page is activated again.
    const Log expected = {"command:" + std::to_string(kApplyId), "leave:A", "apply:A", "ok:A",
                          "active:A"};
    EXPECT_EQ(expected, afterApply);
}

TEST_F(FrameworkSheet, SetActivePageFromOnInitDialogReportsSuccess) {
    struct Case {
        int start;
        int activate;
        BOOL expectedResult;
        int expectedActive;
    };
    const Case cases[] = {{0, 2, TRUE, 2}, {1, 0, TRUE, 0}, {0, 3, FALSE, 0}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.activate);
        Log caseLog;
        TestPage p0("A", caseLog, layoutA.Get()), p1("B", caseLog, layoutB.Get()),
            p2("C", caseLog, layoutC.Get());
        TestSheet sheet(caseLog, static_cast<UINT>(test.start));
        sheet.AddPage(&p0);
        sheet.AddPage(&p1);
        sheet.AddPage(&p2);
        sheet.activateInInit = test.activate;
        int active = -1;
        robot::Run([&] { return sheet.DoModal(); },
                   [&](Robot& r) {
                       HWND window = r.WaitForSheet();
                       r.RunOnUiThread([&] { active = sheet.GetActiveIndex(); });
                       r.Click(window, IDCANCEL);
                   });
        EXPECT_EQ(test.start, sheet.activeAtInit);
        EXPECT_EQ(test.expectedResult, sheet.activateResult);
        EXPECT_EQ(test.expectedActive, active);
    }
}

TEST_F(FrameworkSheet, PageRestartedWithInitDialogReloadsItsControls) {
    TestSheet sheet(log);
    AddPages(sheet);
    std::string shown;
    robot::Run([&] { return sheet.DoModal(); },
               [&](Robot& r) {
                   HWND window = r.WaitForSheet();
                   r.RunOnUiThread([&] {
                       lstrcpyA(a.text, "restarted");
                       ::SendMessageA(a.GetSafeHwnd(), WM_INITDIALOG, 0, 0);
                       shown = ItemText(a.GetSafeHwnd(), kEditId);
                   });
                   r.Click(window, IDCANCEL);
               });
    EXPECT_EQ(2, a.inits);
    EXPECT_EQ("restarted", shown);
}

// OK runs the command, the visible page's leave step, then apply of every
// created page in tab order; the same sheet runs again with fresh pages.
TEST_F(FrameworkSheet, OkLeavesThenAppliesCreatedPagesInTabOrderAndRunsAgain) {
    TestSheet sheet(log);
    AddPages(sheet);
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        log.clear();
        const INT_PTR result = robot::Run([&] { return sheet.DoModal(); },
                                          [&](Robot& r) {
                                              HWND window = r.WaitForSheet();
                                              Select(window, 2);
                                              r.Click(window, IDOK);
                                          });
        EXPECT_GT(result, 0);
        const Log expected = {"init:A",  "active:A", "sheet-init", "leave:A",
                              "init:C",  "active:C", "command:1",  "leave:C",
                              "apply:A", "ok:A",     "apply:C",    "ok:C"};
        EXPECT_EQ(expected, log);
    }
}

}  // namespace
