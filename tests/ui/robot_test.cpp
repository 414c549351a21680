// The robot's own guarantees the UI tests rely on: a failing or stuck script
// is reported and every window it left open is cancelled, so a UI test can
// neither pass silently nor hang. Driven against a dialog of the test's own,
// built from an in-memory template.
#include "host/robot/robot.h"

#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

enum DialogId { kName = 101, kAgree = 102, kAsk = 104, kLocked = 106 };

// A dialog template in memory: an edit, a check box, "Ask" (opens a Yes/No
// box owned by the dialog), a disabled button, OK and Cancel.
std::vector<WORD> TestTemplate() {
    std::vector<WORD> w;
    auto dword = [&](DWORD v) {
        w.push_back(LOWORD(v));
        w.push_back(HIWORD(v));
    };
    auto text = [&](const char* t) {
        while (*t) w.push_back(static_cast<unsigned char>(*t++));
        w.push_back(0);
    };
    dword(WS_POPUP | DS_SETFONT | DS_MODALFRAME | WS_CAPTION | WS_SYSMENU);
    dword(0);
    for (WORD v : {0, 0, 0, 240, 150, 0, 0}) w.push_back(v);  // count, x, y, cx, cy, menu, class
    text("Robot Test");
    w.push_back(8);
    text("MS Shell Dlg");
    struct Item {
        WORD cls;
        int id;
        const char* text;
        DWORD style;
        short y;
    };
    const Item items[] = {{0x81, kName, "", ES_AUTOHSCROLL | WS_BORDER, 5},
                          {0x80, kAgree, "Agree", BS_AUTOCHECKBOX, 20},
                          {0x80, kAsk, "Ask", BS_PUSHBUTTON, 35},
                          {0x80, kLocked, "Locked", BS_PUSHBUTTON | WS_DISABLED, 55},
                          {0x80, IDOK, "OK", BS_DEFPUSHBUTTON, 75},
                          {0x80, IDCANCEL, "Cancel", BS_PUSHBUTTON, 95}};
    for (const Item& item : items) {
        if (w.size() % 2) w.push_back(0);  // items are DWORD-aligned
        dword(item.style | WS_CHILD | WS_VISIBLE | WS_TABSTOP);
        dword(0);
        for (short v : {short(5), item.y, short(100), short(14)}) w.push_back(static_cast<WORD>(v));
        w.push_back(static_cast<WORD>(item.id));
        w.push_back(0xFFFF);
        w.push_back(item.cls);
        text(item.text);
        w.push_back(0);
        ++w[4];
    }
    return w;
}

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    auto* answer = reinterpret_cast<int*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (LOWORD(wParam) == kAsk)
        *answer = MessageBoxA(dialog, "Proceed?", "Question", MB_YESNO | MB_ICONQUESTION);
    else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        EndDialog(dialog, LOWORD(wParam));
    return TRUE;
}

INT_PTR ShowTestDialog(int& answer) {
    static const std::vector<WORD> t = TestTemplate();
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                   reinterpret_cast<const DLGTEMPLATE*>(t.data()), nullptr,
                                   TestDialogProc, reinterpret_cast<LPARAM>(&answer));
}

robot::RunOptions Quick() {
    robot::RunOptions options;
    options.timeoutMs = 1000;
    return options;
}

TEST(RobotTest, AnswersAMessageBoxAndReadsItsCaptionTextAndStyle) {
    robot::MessageBoxInfo seen;
    const int result = robot::Run(
        [] { return MessageBoxA(nullptr, "First\nSecond", "Caption", MB_YESNO | MB_ICONHAND); },
        [&](robot::Robot& r) {
            seen = r.WaitForMessageBox(nullptr);
            r.Answer(seen, IDNO);
        });
    EXPECT_EQ(IDNO, result);
    EXPECT_EQ("Caption", seen.caption);
    EXPECT_EQ("First\nSecond", seen.text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONHAND), seen.style());
}

TEST(RobotTest, DrivesADialogAndItsOwnedMessageBox) {
    int answer = 0;
    std::vector<int> states;
    const INT_PTR result = robot::Run([&] { return ShowTestDialog(answer); },
                                      [&](robot::Robot& r) {
                                          HWND dialog = r.WaitForDialog(nullptr, "Robot Test");
                                          r.SetText(dialog, kName, "Invoices");
                                          EXPECT_EQ("Invoices", r.Text(dialog, kName));
                                          states.push_back(r.CheckState(dialog, kAgree));
                                          r.Click(dialog, kAgree);
                                          states.push_back(r.CheckState(dialog, kAgree));
                                          r.Click(dialog, kAsk);
                                          r.Answer(r.WaitForMessageBox(dialog), IDYES);
                                          r.Click(dialog, IDOK);
                                      });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(IDYES, answer);
    EXPECT_EQ((std::vector<int>{BST_UNCHECKED, BST_CHECKED}), states);
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
    int answer = 0;
    INT_PTR result = 0;
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        result = robot::Run([&] { return ShowTestDialog(answer); }, c.script, Quick()), c.message);
    EXPECT_EQ(IDCANCEL, result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RobotFailureTest,
    ::testing::Values(
        FailureCase{"DisabledButton",
                    [](robot::Robot& r) { r.Click(r.WaitForDialog(nullptr), kLocked); },
                    "is disabled"},
        FailureCase{"MissingControl",
                    [](robot::Robot& r) { r.Text(r.WaitForDialog(nullptr), 999); },
                    "no control 999"},
        FailureCase{"NoSuchWindow", [](robot::Robot& r) { r.WaitForWindowTitled("Nowhere"); },
                    "waiting for a window titled \"Nowhere\""},
        FailureCase{"ScriptLeavesTheDialogOpen", [](robot::Robot& r) { r.WaitForDialog(nullptr); },
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
    int answer = 0;
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(robot::Run([&] { return ShowTestDialog(answer); },
                                                      [](robot::Robot& r) {
                                                          HWND dialog = r.WaitForDialog(nullptr);
                                                          r.Click(dialog, kAsk);
                                                          r.WaitForMessageBox(dialog);
                                                          r.Fail("stop");
                                                      },
                                                      Quick()),
                                           "stop");
    EXPECT_EQ(IDNO, answer);
}

TEST(RobotTest, WaitingForAWindowEndsWhenTheCallReturns) {
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        robot::Run([] { return 0; }, [](robot::Robot& r) { r.WaitForSheet(); }),
        "the call returned while the robot was waiting for the property sheet");
}

}  // namespace
