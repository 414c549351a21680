// Data exchange, the check-list box, the list wrappers and the activation
// context, on modeless dialogs built in memory.
#include "framework/controls.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "framework/activation_context.h"
#include "framework/check_list_box.h"
#include "framework/data_exchange.h"
#include "tests/framework/harness.h"

using fwtest::DialogTemplate;

namespace {

enum : int {
    kCheck = 100,
    kThreeState = 101,
    kRadio0 = 200,
    kBetween = 201,
    kRadio1 = 202,
    kRadio2 = 203,
    kNextGroup = 204,
    kEdit = 300,
    kList = 400,
    kCombo = 500,
};

// What the test dialog's parent hears from its controls.
struct Heard {
    int checkChanges = 0;
    int lastId = 0;
    HWND lastFrom = nullptr;
    int editChanges = 0;
};

INT_PTR CALLBACK ListeningProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        return TRUE;
    }
    auto* heard = reinterpret_cast<Heard*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_COMMAND && heard) {
        if (HIWORD(wParam) == CLBN_CHKCHANGE) {
            ++heard->checkChanges;
            heard->lastId = LOWORD(wParam);
            heard->lastFrom = reinterpret_cast<HWND>(lParam);
        }
        if (HIWORD(wParam) == EN_CHANGE && LOWORD(wParam) == kEdit) ++heard->editChanges;
    }
    return FALSE;
}

class FrameworkControls : public ::testing::Test {
protected:
    void SetUp() override {
        DialogTemplate t(WS_POPUP | WS_CAPTION, 220, 200, "Controls");
        t.Add(fwtest::kButton, BS_AUTOCHECKBOX | WS_TABSTOP, kCheck, 5, 5, 60, 10, "Check")
            .Add(fwtest::kButton, BS_AUTO3STATE | WS_TABSTOP, kThreeState, 5, 18, 60, 10, "Three")
            .Add(fwtest::kButton, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, kRadio0, 5, 30, 60,
                 10, "R0")
            .Add(fwtest::kButton, BS_AUTOCHECKBOX, kBetween, 15, 42, 60, 10, "Between")
            .Add(fwtest::kButton, BS_AUTORADIOBUTTON, kRadio1, 5, 54, 60, 10, "R1")
            .Add(fwtest::kButton, BS_AUTORADIOBUTTON, kRadio2, 5, 66, 60, 10, "R2")
            .Add(fwtest::kButton, BS_AUTORADIOBUTTON | WS_GROUP, kNextGroup, 5, 78, 60, 10, "Next")
            .Add(fwtest::kEdit, ES_AUTOHSCROLL | WS_BORDER | WS_GROUP, kEdit, 5, 92, 100, 12)
            .Add(fwtest::kListBox,
                 LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_BORDER | WS_VSCROLL, kList,
                 5, 108, 100, 60);
        dialog = fwtest::CreateModeless(t, ListeningProc, reinterpret_cast<LPARAM>(&heard));
        ASSERT_NE(nullptr, dialog);
    }
    void TearDown() override {
        if (dialog) ::DestroyWindow(dialog);
    }
    CDataExchange Load() { return CDataExchange{dialog, FALSE}; }
    CDataExchange Save() { return CDataExchange{dialog, TRUE}; }
    int Checked(int id) { return static_cast<int>(::IsDlgButtonChecked(dialog, id)); }
    void SetChecked(int id, int state) { ::CheckDlgButton(dialog, id, static_cast<UINT>(state)); }
    std::string Text(int id) {
        char text[128] = {};
        ::GetDlgItemTextA(dialog, id, text, sizeof(text));
        return text;
    }

    Heard heard;
    HWND dialog = nullptr;
};

TEST_F(FrameworkControls, CheckRoundTrips) {
    struct Case {
        int id;
        int value;
        int shown;
        int savedBack;
    };
    const Case cases[] = {
        {kCheck, 1, BST_CHECKED, 1},
        {kCheck, 0, BST_UNCHECKED, 0},
        {kThreeState, 2, BST_INDETERMINATE, 2},
        {kCheck, 5, BST_UNCHECKED, 0},
        {kCheck, -1, BST_UNCHECKED, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.value);
        SetChecked(test.id, test.value == 0 ? BST_CHECKED : BST_UNCHECKED);
        int value = test.value;
        CDataExchange load = Load();
        DDX_Check(&load, test.id, value);
        EXPECT_EQ(test.shown, Checked(test.id));
        int saved = 99;
        CDataExchange save = Save();
        DDX_Check(&save, test.id, saved);
        EXPECT_EQ(test.savedBack, saved);
    }
}

TEST_F(FrameworkControls, RadioGroupSkipsOtherControlsAndStopsAtTheNextGroup) {
    struct Case {
        int value;
        int r0, r1, r2;
    };
    const Case cases[] = {{0, 1, 0, 0}, {1, 0, 1, 0}, {2, 0, 0, 1}, {7, 0, 0, 0}, {-1, 0, 0, 0}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.value);
        SetChecked(kRadio0, BST_CHECKED);
        SetChecked(kRadio2, BST_CHECKED);
        SetChecked(kBetween, BST_UNCHECKED);
        SetChecked(kNextGroup, BST_CHECKED);
        int value = test.value;
        CDataExchange load = Load();
        DDX_Radio(&load, kRadio0, value);
        EXPECT_EQ(test.r0, Checked(kRadio0));
        EXPECT_EQ(test.r1, Checked(kRadio1));
        EXPECT_EQ(test.r2, Checked(kRadio2));
        EXPECT_EQ(BST_UNCHECKED, Checked(kBetween));  // not a radio button: untouched
        EXPECT_EQ(BST_CHECKED, Checked(kNextGroup));  // next group: untouched
        int saved = 42;
        CDataExchange save = Save();
        DDX_Radio(&save, kRadio0, saved);
        EXPECT_EQ(test.value >= 0 && test.value <= 2 ? test.value : -1, saved);
    }
    // Saving ignores a checked check box inside the group.
    SetChecked(kRadio0, BST_UNCHECKED);
    SetChecked(kRadio1, BST_UNCHECKED);
    SetChecked(kRadio2, BST_UNCHECKED);
    SetChecked(kBetween, BST_CHECKED);
    int saved = 5;
    CDataExchange save = Save();
    DDX_Radio(&save, kRadio0, saved);
    EXPECT_EQ(-1, saved);
}

TEST_F(FrameworkControls, TextIsCutToTheBuffer) {
    struct Case {
        const char* shown;
        int size;
        const char* expected;
    };
    const Case cases[] = {
        {"abcdefgh", 6, "abcde"},
        {"abcde", 6, "abcde"},
        {"", 6, ""},
        {"xyz", 1, ""},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.shown);
        ::SetDlgItemTextA(dialog, kEdit, test.shown);
        char buffer[16];
        std::memset(buffer, '#', sizeof(buffer));
        CDataExchange save = Save();
        DDX_Text(&save, kEdit, buffer, test.size);
        EXPECT_STREQ(test.expected, buffer);
        EXPECT_EQ('#', buffer[test.size]);  // nothing written past the buffer
    }
}

TEST_F(FrameworkControls, TextCutDoesNotSplitADoubleByteCharacterDbcs) {
    // "ab" followed by a two-byte character: with room for 3 bytes the
    // character does not fit and must not be split.
    const char shown[] = "ab\x83\x5C";
    ::SetDlgItemTextA(dialog, kEdit, shown);
    char buffer[8];
    std::memset(buffer, '#', sizeof(buffer));
    CDataExchange save = Save();
    DDX_Text(&save, kEdit, buffer, 4);
    if (::GetACP() == 932) {
        EXPECT_STREQ("ab", buffer);
    } else {
        EXPECT_EQ(3u, std::strlen(buffer));
    }
    EXPECT_EQ('#', buffer[4]);
}

TEST_F(FrameworkControls, TextLoadChangesTheEditOnlyWhenTheTextDiffers) {
    ::SetDlgItemTextA(dialog, kEdit, "same");
    heard.editChanges = 0;
    char field[16] = "same";
    CDataExchange load = Load();
    DDX_Text(&load, kEdit, field, sizeof(field));
    EXPECT_EQ(0, heard.editChanges);
    lstrcpyA(field, "other");
    DDX_Text(&load, kEdit, field, sizeof(field));
    EXPECT_EQ(1, heard.editChanges);
    EXPECT_EQ("other", Text(kEdit));
}

TEST_F(FrameworkControls, ControlIsAttachedOnce) {
    CEdit edit;
    CDataExchange load = Load();
    DDX_Control(&load, kEdit, edit);
    EXPECT_EQ(::GetDlgItem(dialog, kEdit), edit.GetSafeHwnd());

    CCheckListBox list;
    DDX_Control(&load, kList, list);
    list.AddString("one");
    list.SetCheck(0, 1);
    CDataExchange save = Save();
    DDX_Control(&save, kList, list);  // a second exchange keeps the checks
    EXPECT_EQ(1, list.GetCheck(0));
}

// ---------------------------------------------------------------------------
// Check-list box

class FrameworkCheckList : public FrameworkControls {
protected:
    void SetUp() override {
        FrameworkControls::SetUp();
        list.SubclassDlgItem(dialog, kList);
        ASSERT_EQ(::GetDlgItem(dialog, kList), list.GetSafeHwnd());
        list.AddString("zero");
        list.AddString("one");
        list.AddString("two");
    }
    void ClickAt(int x, int row) {
        RECT rect = {};
        list.Send(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        const LPARAM point = MAKELPARAM(x, (rect.top + rect.bottom) / 2);
        list.Send(WM_LBUTTONDOWN, MK_LBUTTON, point);
        list.Send(WM_LBUTTONUP, 0, point);
    }
    CCheckListBox list;
};

TEST_F(FrameworkCheckList, ChecksFollowTheirRows) {
    list.SetCheck(1, 1);
    list.SetCheck(7, 1);  // missing row: ignored
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(0, list.GetCheck(-1));
    EXPECT_EQ(0, list.GetCheck(3));
    list.InsertString(0, "new");
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(1, list.GetCheck(2));
    list.DeleteString(0);
    list.DeleteString(0);
    EXPECT_EQ(1, list.GetCheck(0));
    list.ResetContent();
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(0, heard.checkChanges);  // SetCheck does not notify
}

TEST_F(FrameworkCheckList, SpaceBarTogglesTheSelectedRowAndNotifies) {
    list.SetCurSel(2);
    list.Send(WM_KEYDOWN, VK_SPACE, 0);
    list.Send(WM_CHAR, ' ', 0);
    EXPECT_EQ(1, list.GetCheck(2));
    EXPECT_EQ(0, list.GetCheck(1));
    EXPECT_EQ(2, list.GetCurSel());
    EXPECT_EQ(1, heard.checkChanges);
    EXPECT_EQ(kList, heard.lastId);
    EXPECT_EQ(list.GetSafeHwnd(), heard.lastFrom);
    list.Send(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(0, list.GetCheck(2));
    EXPECT_EQ(2, heard.checkChanges);
}

TEST_F(FrameworkCheckList, ClickOnTheCheckBoxTogglesButClickOnTheTextOnlySelects) {
    ClickAt(3, 1);
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(1, heard.checkChanges);
    ClickAt(60, 2);
    EXPECT_EQ(0, list.GetCheck(2));
    EXPECT_EQ(2, list.GetCurSel());
    EXPECT_EQ(1, heard.checkChanges);
    ClickAt(3, 1);
    EXPECT_EQ(0, list.GetCheck(1));
}

// ---------------------------------------------------------------------------
// List texts into fixed buffers

TEST_F(FrameworkControls, ListTextCopiesOnlyWhenItFits) {
    CListBox plain;
    plain.Attach(::GetDlgItem(dialog, kList));
    plain.AddString("four");
    struct Case {
        int index;
        int size;
        int result;
        const char* text;
    };
    const Case cases[] = {{0, 5, 4, "four"}, {0, 4, LB_ERR, "####"}, {3, 10, LB_ERR, "####"}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.size);
        char buffer[16];
        std::memset(buffer, 0, sizeof(buffer));
        std::memset(buffer, '#', 4);
        EXPECT_EQ(test.result, plain.GetText(test.index, buffer, test.size));
        EXPECT_STREQ(test.text, buffer);
    }
}

TEST(FrameworkCombo, TextCopiesOnlyWhenItFits) {
    DialogTemplate t(WS_POPUP | WS_CAPTION, 120, 80, "Combo");
    t.Add(static_cast<fwtest::ItemClass>(0x85), CBS_DROPDOWNLIST | WS_VSCROLL, kCombo, 5, 5, 100,
          60);
    HWND dialog = fwtest::CreateModeless(t);
    ASSERT_NE(nullptr, dialog);
    CComboBox combo;
    combo.Attach(::GetDlgItem(dialog, kCombo));
    combo.AddString("seven");
    char buffer[8] = "#######";
    EXPECT_EQ(CB_ERR, combo.GetLBText(0, buffer, 5));
    EXPECT_STREQ("#######", buffer);
    EXPECT_EQ(5, combo.GetLBText(0, buffer, 6));
    EXPECT_STREQ("seven", buffer);
    EXPECT_EQ(CB_ERR, combo.GetLBText(1, buffer, 8));
    ::DestroyWindow(dialog);
}

// ---------------------------------------------------------------------------
// Activation context

TEST(FrameworkActivationContext, ActivatesTheModuleManifestForItsLifetime) {
    HANDLE before = nullptr;
    ASSERT_TRUE(::GetCurrentActCtx(&before));
    {
        ActivationContext context(::GetModuleHandleA(nullptr));
        EXPECT_TRUE(context.IsActive());
        HANDLE inside = nullptr;
        ASSERT_TRUE(::GetCurrentActCtx(&inside));
        EXPECT_NE(before, inside);
        if (inside) ::ReleaseActCtx(inside);
    }
    HANDLE after = nullptr;
    ASSERT_TRUE(::GetCurrentActCtx(&after));
    EXPECT_EQ(before, after);
    if (before) ::ReleaseActCtx(before);
    if (after) ::ReleaseActCtx(after);
}

}  // namespace
