// The LibRoot folders page and the single-root page as the user meets them:
// every rejected entry's message, log line, focus and selection, what the
// accepted entries store, the window-order preferences, the current-root
// radio buttons, leaving and cancelling the page, and the Browse... buttons.
#include <windows.h>

#include <cctype>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/ui/ui_fixture.h"
#include "tests/ui/ui_texts.h"

namespace uitest {
namespace {

using testsupport::MakeFolder;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

using namespace text;

// Controls of the LibRoot folders page, by slot.
const int kRadio[3] = {IDC_ROOT1_CURRENT, IDC_ROOT2_CURRENT, IDC_ROOT3_CURRENT};
const int kPathEdit[3] = {IDC_ROOT1_PATH, IDC_ROOT2_PATH, IDC_ROOT3_PATH};
const int kBrowse[3] = {IDC_ROOT1_BROWSE, IDC_ROOT2_BROWSE, IDC_ROOT3_BROWSE};
const int kAliasEdit[3] = {IDC_ROOT1_ALIAS, IDC_ROOT2_ALIAS, IDC_ROOT3_ALIAS};

// Empties the selection of an edit and moves the focus away from it, so
// that a later selection and focus are the module's doing.
void ResetFocus(robot::Robot& r, HWND page, int id, int elsewhere) {
    HWND edit = r.Item(page, id);
    r.RunOnUiThread([edit] { SendMessageA(edit, EM_SETSEL, 0, 0); });
    r.SetFocus(page, elsewhere);
}

class LibRootPageTest : public UiTest {
protected:
    // Log lines written since `from` lines were there: their text field.
    std::vector<std::string> LogTextsSince(size_t from, const char* source) {
        std::vector<std::string> texts;
        const std::vector<std::string> lines = LogLines();
        for (size_t i = from; i < lines.size(); ++i) {
            const std::vector<std::string> fields = testsupport::Split(lines[i], "\t");
            EXPECT_EQ(9u, fields.size()) << lines[i];
            if (fields.size() != 9) continue;
            EXPECT_EQ("VordaEnv.dll", fields[1]);
            EXPECT_EQ(source, fields[2]);
            EXPECT_EQ("1", fields[5]);
            EXPECT_EQ("70", fields[6]);
            texts.push_back(fields[8]);
        }
        return texts;
    }

    // An existing folder whose full path is exactly `length` bytes long.
    std::string FolderOfLength(size_t length) {
        const std::string base = temp.path() + "\\";
        std::string path = base + std::string(length - base.size(), 'L');
        EXPECT_TRUE(MakeFolder(path)) << path;
        EXPECT_EQ(length, path.size());
        return path;
    }
};

// ---- rejections on the LibRoot folders page --------------------------------

struct Rejection {
    const char* what;
    std::string path[3];
    std::string alias[3];
    int current;
    const char* message;
    std::vector<std::string> logTexts;  // in the order written
    int focusId;                        // the edit selected and focused
};

TEST_F(LibRootPageTest, EveryRejectedSlotShowsItsMessageLogsAndSelectsTheField) {
    const std::string file = temp / "plain.txt";
    WriteFileBytes(file, "not a folder");
    const std::string tooLong = FolderOfLength(161);
    const std::string nested = libRoot + "\\Papers#1";  // below LinkFolder1 of the settings INI
    const std::string third = temp / "Third";
    MakeFolder(third);
    const std::string alias31(31, 'a');

    // clang-format off
    const std::vector<Rejection> cases = {
        // The current slot (slot 1).
        {"current: empty path", {"", libRoot2, ""}, {"Main", "Two", ""}, 0, kRootInaccessible,
         {kLogEmpty}, kPathEdit[0]},
        {"current: unreachable drive", {"Q:\\Nowhere", libRoot2, ""}, {"Main", "Two", ""}, 0,
         kRootInaccessible, {kLogUnreachable}, kPathEdit[0]},
        {"current: nested in another root", {nested, libRoot2, ""}, {"Main", "Two", ""}, 0,
         kRootNested, {kLogNested}, kPathEdit[0]},
        {"current: the WorkArea folder", {workArea, libRoot2, ""}, {"Main", "Two", ""}, 0,
         kRootInWorkArea, {kLogWorkArea}, kPathEdit[0]},
        {"current: a file", {file, libRoot2, ""}, {"Main", "Two", ""}, 0, kRootInaccessible,
         {kLogIcon, kLogNotWritable}, kPathEdit[0]},
        {"current: 161 bytes", {tooLong, libRoot2, ""}, {"Main", "Two", ""}, 0, kRootTooLong,
         {kLogTooLong}, kPathEdit[0]},
        {"current: alias of spaces", {libRoot, libRoot2, ""}, {"   ", "Two", ""}, 0,
         kAliasRequired, {kLogAliasEmpty}, kAliasEdit[0]},
        {"current: alias of 31 bytes", {libRoot, libRoot2, ""}, {alias31, "Two", ""}, 0,
         kAliasTooLong, {kLogAliasTooLong}, kAliasEdit[0]},
        {"current slot 3 checked first: empty path", {libRoot, libRoot2, ""}, {"Main", "Two", ""},
         2, kRootInaccessible, {kLogEmpty}, kPathEdit[2]},
        // Another slot (slot 2).
        {"other: alias without path", {libRoot, "", ""}, {"Main", "Two", ""}, 0, kRootInaccessible,
         {kLogAliasOnly}, kPathEdit[1]},
        {"other: 161 bytes", {libRoot, tooLong, ""}, {"Main", "Two", ""}, 0, kRootTooLong,
         {kLogTooLong}, kPathEdit[1]},
        {"other: empty alias", {libRoot, libRoot2, ""}, {"Main", "", ""}, 0, kAliasRequired,
         {kLogAliasEmpty}, kAliasEdit[1]},
        {"other: alias of 31 bytes", {libRoot, libRoot2, ""}, {"Main", alias31, ""}, 0,
         kAliasTooLong, {kLogAliasTooLong}, kAliasEdit[1]},
        {"other: changed to a nested folder", {libRoot, nested, ""}, {"Main", "Two", ""}, 0,
         kRootNested, {kLogNested}, kPathEdit[1]},
        {"other: below the WorkArea folder", {libRoot, workArea + "\\Sub", ""},
         {"Main", "Two", ""}, 0, kRootInWorkArea, {kLogWorkArea}, kPathEdit[1]},
        // Duplicate aliases: the first slot of the pair is selected.
        {"aliases 1 and 2 equal", {libRoot, libRoot2, ""}, {"Box", "Box", ""}, 0,
         kAliasDuplicated, {kLogDuplicated}, kAliasEdit[0]},
        {"aliases 1 and 3 equal", {libRoot, libRoot2, third}, {"Box", "Two", "Box"}, 0,
         kAliasDuplicated, {kLogDuplicated}, kAliasEdit[0]},
        {"aliases 2 and 3 equal", {libRoot, libRoot2, third}, {"Main", "Box", "Box"}, 0,
         kAliasDuplicated, {kLogDuplicated}, kAliasEdit[1]},
    };
    // clang-format on

    for (const Rejection& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t logBefore = LogLines().size();
        const std::string settingsBefore = ReadFileBytes(settingsIni);
        // The sheet starts on the caller's paths; the test types its own.
        ConfigArgs args(2, libRoot, libRoot2, third, c.current, 0);
        ConfigSet(args, [&](robot::Robot& r) {
            HWND sheet = r.WaitForSheet();
            HWND page = r.CurrentPage(sheet);
            for (int i = 0; i < 3; ++i) {
                r.SetText(page, kPathEdit[i], c.path[i]);
                r.SetText(page, kAliasEdit[i], c.alias[i]);
            }
            ResetFocus(r, page, c.focusId, IDC_ROOT_ZORDER_VIEW);
            r.PressApply(sheet);
            const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
            ExpectMessage(box, c.message);
            r.Answer(box, IDOK);
            EXPECT_FALSE(r.CallReturned());
            EXPECT_TRUE(r.HasFocus(page, c.focusId));
            const robot::Selection selection = r.GetSelection(page, c.focusId);
            const std::string text = r.Text(page, c.focusId);
            EXPECT_EQ(0, selection.start);
            EXPECT_EQ(static_cast<int>(text.size()), selection.end) << "whole text selected";
            r.PressCancel(sheet);
            r.WaitCallReturned();
        });
        EXPECT_EQ(c.logTexts, LogTextsSince(logBefore, "Page_General"));
        // Only the window-order preferences may have been written: no root.
        EXPECT_EQ(settingsBefore, ReadFileBytes(settingsIni));
    }
}

// ---- accepted entries --------------------------------------------------------

// The entries as typed, and the current root as the radio buttons choose it.
TEST_F(LibRootPageTest, AcceptedEntriesAreStoredAsTyped) {
    const std::string exact = FolderOfLength(160);
    ConfigArgs args(2, exact, libRoot2, "Q:\\Far", 0, 0);
    const int result = ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        HWND page = r.CurrentPage(sheet);
        EXPECT_TRUE(r.IsChecked(page, kRadio[0]));
        r.SetText(page, kAliasEdit[0], "Box");
        r.SetText(page, kAliasEdit[1], "box");  // duplicates are compared with case
        r.SetText(page, kAliasEdit[2], " A");   // leading space kept
        r.Click(page, kRadio[1]);
        r.PressOk(sheet);
        r.WaitCallReturned();
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(1, args.currentRootIndex);
    EXPECT_EQ(libRoot2, IniValue(settingsIni, "Folder", "CurrentFolder"));
    EXPECT_EQ("box", IniValue(settingsIni, "Folder", "CurrentName"));
    EXPECT_EQ(exact, IniValue(settingsIni, "Folder", "LinkFolder1")) << "160 bytes are fine";
    EXPECT_EQ("Box", IniValue(settingsIni, "Folder", "LinkName1"));
    EXPECT_EQ("box", IniValue(settingsIni, "Folder", "LinkName2"));
    EXPECT_EQ("Q:\\Far", IniValue(settingsIni, "Folder", "LinkFolder3"))
        << "an unreachable folder is accepted for a slot that is not current";
    // The alias is written with its space; the INI layer drops leading
    // spaces when it reads a value back.
    EXPECT_EQ("A", IniValue(settingsIni, "Folder", "LinkName3"));
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(LibRootPageTest, OnlyAChangedOtherSlotIsCheckedForNesting) {
    // The settings INI still names a folder below LibRoot2 as root 3; the
    // page's slot 3 is empty, so the commit clears that entry again.
    ASSERT_EQ("C:\\users\\", libRoot2.substr(0, 9));
    struct Case {
        const char* what;
        std::string typed;  // slot 2, which started as LibRoot2
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"unchanged: not checked", libRoot2, true},
        {"letter case only: not checked", libRoot2.substr(0, 3) + "USERS" + libRoot2.substr(8),
         true},
        {"changed text: checked", libRoot2 + "\\", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteIni(settingsIni, "Folder", "LinkFolder3", (libRoot2 + "\\Sub").c_str());
        ConfigArgs args(2, libRoot, libRoot2, "", 0, 0);
        const int result = ConfigSet(args, [&](robot::Robot& r) {
            HWND sheet = r.WaitForSheet();
            HWND page = r.CurrentPage(sheet);
            r.SetText(page, kPathEdit[1], c.typed);
            r.PressOk(sheet);
            if (!c.accepted) {
                const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
                ExpectMessage(box, kRootNested);
                r.Answer(box, IDOK);
                EXPECT_TRUE(r.HasFocus(page, kPathEdit[1]));
                r.PressCancel(sheet);
            }
            r.WaitCallReturned();
        });
        EXPECT_EQ(c.accepted ? 1 : 0, result);
        EXPECT_EQ(c.accepted ? "" : libRoot2 + "\\Sub",
                  IniValue(settingsIni, "Folder", "LinkFolder3"));
    }
}

// ---- window-order preferences ---------------------------------------------

TEST_F(LibRootPageTest, WindowOrderPreferencesAreShownAndSavedOnOk) {
    WriteIni(commonIni, "Common", "ZOrderWordDesk", "1");
    WriteIni(commonIni, "Common", "ZOrderView", "0");
    ConfigArgs args(2, libRoot, "", "", 0, 0);
    ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        HWND page = r.CurrentPage(sheet);
        EXPECT_TRUE(r.IsChecked(page, IDC_ROOT_ZORDER_WORKAREA));
        EXPECT_FALSE(r.IsChecked(page, IDC_ROOT_ZORDER_VIEW));
        r.Click(page, IDC_ROOT_ZORDER_WORKAREA);
        r.Click(page, IDC_ROOT_ZORDER_VIEW);
        r.PressOk(sheet);
        r.WaitCallReturned();
    });
    EXPECT_EQ("0", IniValue(commonIni, "Common", "ZOrderWordDesk"));
    EXPECT_EQ("1", IniValue(commonIni, "Common", "ZOrderView"));
}

TEST_F(LibRootPageTest, WindowOrderIsWrittenByEverySlotThatPasses) {
    struct Case {
        const char* what;
        std::string path1;
        std::string alias2;
        const char* expectedView;
    };
    const std::vector<Case> cases = {
        {"slot 1 passes, slot 2 fails", libRoot, "", "1"},
        {"slot 1 fails", "", "Two", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteIni(commonIni, "Common", "ZOrderView", "0");
        ConfigArgs args(2, libRoot, libRoot2, "", 0, 0);
        ConfigSet(args, [&](robot::Robot& r) {
            HWND sheet = r.WaitForSheet();
            HWND page = r.CurrentPage(sheet);
            r.Click(page, IDC_ROOT_ZORDER_VIEW);
            r.SetText(page, kPathEdit[0], c.path1);
            r.SetText(page, kAliasEdit[1], c.alias2);
            r.PressApply(sheet);
            r.Answer(r.WaitForMessageBox(sheet), IDOK);
            r.PressCancel(sheet);
            r.WaitCallReturned();
        });
        EXPECT_EQ(c.expectedView, IniValue(commonIni, "Common", "ZOrderView"));
    }
}

// ---- leaving and cancelling ------------------------------------------------

TEST_F(LibRootPageTest, LeavingTheTabWithARejectedSlotKeepsItOpen) {
    ConfigArgs args(1, libRoot, "", "", 0, 0);
    ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        ASSERT_TRUE(r.SelectTab(sheet, 3));
        HWND page = r.CurrentPage(sheet);
        r.SetText(page, kAliasEdit[0], "");
        r.PostSelectTab(sheet, 0);
        const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
        ExpectMessage(box, kAliasRequired);
        r.Answer(box, IDOK);
        EXPECT_EQ(3, r.CurrentTab(sheet));
        EXPECT_TRUE(r.HasFocus(page, kAliasEdit[0]));
        r.PressCancel(sheet);
    });
}

TEST_F(LibRootPageTest, CancelAfterLeavingTheTabHandsBackTheStartingPaths) {
    // Leaving the tab validates and takes the typed paths; Cancel puts the
    // starting ones back.
    const std::string third = temp / "Third";
    ConfigArgs args(1, libRoot, libRoot2, "", 0, 0);
    const std::string settingsBefore = ReadFileBytes(settingsIni);
    ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        ASSERT_TRUE(r.SelectTab(sheet, 3));
        HWND page = r.CurrentPage(sheet);
        r.SetText(page, kPathEdit[2], third);
        r.SetText(page, kAliasEdit[2], "Three");
        ASSERT_TRUE(r.SelectTab(sheet, 0));
        r.PressCancel(sheet);
        r.WaitCallReturned();
    });
    EXPECT_EQ(libRoot, args.rootPath1);
    EXPECT_EQ(libRoot2, args.rootPath2);
    EXPECT_STREQ("", args.rootPath3);
    EXPECT_EQ(settingsBefore, ReadFileBytes(settingsIni));
}

// ---- Browse... ----------------------------------------------------------------

TEST_F(LibRootPageTest, BrowseOpensAtTheEditsFolderAndFillsTheEdit) {
    struct Case {
        const char* what;
        std::string start;
        int button;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"OK keeps the folder the browser opened at", "C:\\windows\\system32", IDOK,
         "C:\\windows\\system32"},
        {"a drive root comes back without its backslash", "C:\\", IDOK, "C:"},
        {"Cancel leaves the edit as it was", "C:\\windows", IDCANCEL, "C:\\windows"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigArgs args(2, libRoot, "", "", 0, 0);
        ConfigSet(args, [&](robot::Robot& r) {
            HWND sheet = r.WaitForSheet();
            HWND page = r.CurrentPage(sheet);
            r.SetText(page, kPathEdit[1], c.start);
            r.SetFocus(page, IDC_ROOT_ZORDER_VIEW);
            r.Click(page, kBrowse[1]);
            HWND browser = r.WaitForDialog(sheet);
            EXPECT_EQ("Please select a folder to be the Library Root:", r.Text(browser, 0x3742))
                << "title line of the browser";
            r.Click(browser, c.button);
            r.WaitGone(browser);
            r.WaitIdle();
            EXPECT_EQ(c.expected, r.Text(page, kPathEdit[1]));
            if (c.button == IDOK) {
                EXPECT_TRUE(r.HasFocus(page, kPathEdit[1]));
            }
            r.PressCancel(sheet);
        });
    }
}

// ---- the single-root page (mode 0) ------------------------------------------

TEST_F(LibRootPageTest, SingleRootRejectionsFocusTheEditWithoutSelecting) {
    const std::string file = temp / "plain.txt";
    WriteFileBytes(file, "not a folder");
    const std::string tooLong = FolderOfLength(161);
    struct Case {
        const char* what;
        std::string path;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"empty", "", kRootInaccessible},
        {"missing, however long", temp / std::string(170, 'M'), kRootInaccessible},
        {"a file", file, kRootInaccessible},
        {"161 bytes", tooLong, kRootTooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigArgs args(0, libRoot, "", "", 0, 0);
        const int result = ConfigSet(args, [&](robot::Robot& r) {
            HWND sheet = r.WaitForSheet();
            HWND page = r.CurrentPage(sheet);
            r.SetText(page, IDC_GENERAL_PATH, c.path);
            HWND edit = r.Item(page, IDC_GENERAL_PATH);
            r.RunOnUiThread([edit] { SendMessageA(edit, EM_SETSEL, 0, 0); });
            r.PressOk(sheet);
            const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
            ExpectMessage(box, c.message);
            r.Answer(box, IDOK);
            EXPECT_FALSE(r.CallReturned());
            EXPECT_TRUE(r.HasFocus(page, IDC_GENERAL_PATH));
            const robot::Selection selection = r.GetSelection(page, IDC_GENERAL_PATH);
            EXPECT_EQ(selection.start, selection.end) << "nothing selected";
            r.PressCancel(sheet);
            r.WaitCallReturned();
        });
        EXPECT_EQ(0, result);
    }
    EXPECT_TRUE(LogLines().empty()) << "the single-root page writes no log";
}

}  // namespace
}  // namespace uitest
