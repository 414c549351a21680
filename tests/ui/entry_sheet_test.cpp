// The options sheet as the application sees it: what each mode hands back
// through the arguments and the result, how the LibRoot folders are
// committed, and every commit failure's message, log line and focus.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/ui/ui_fixture.h"
#include "tests/ui/ui_texts.h"

namespace uitest {
namespace {

using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::SetEnv;

using namespace text;

// Controls of the LibRoot folders page, by slot.
const int kPathEdit[3] = {IDC_ROOT1_PATH, IDC_ROOT2_PATH, IDC_ROOT3_PATH};
const int kAliasEdit[3] = {IDC_ROOT1_ALIAS, IDC_ROOT2_ALIAS, IDC_ROOT3_ALIAS};

// Empties the selection of an edit, so that a later selection is the
// module's doing.
void ClearSelection(robot::Robot& r, HWND page, int id) {
    HWND edit = r.Item(page, id);
    r.RunOnUiThread([edit] { SendMessageA(edit, EM_SETSEL, 0, 0); });
}

class SheetTest : public UiTest {
protected:
    void TearDown() override {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Tavo\\Vorda");
        UiTest::TearDown();
    }

    // Turns e-document support (and with it the "CERT" folders) on.
    static void EnableEDocSupport() {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Tavo\\Vorda", 0,
                                                 nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        const DWORD on = 1;
        RegSetValueExA(key, "eDocSupport", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on),
                       sizeof on);
        RegCloseKey(key);
    }

    // Points the settings INI into a folder that does not exist: every write
    // to it fails.
    void MakeSettingsUnwritable() {
        SetEnv("VORDA_SETTINGS_INI", (temp / "Missing\\Vorda.ini").c_str());
    }
};

// ---- what each mode hands back ----------------------------------------------

// OK in mode 0 hands back the path (a new one counts as a change) and resets
// the index; it writes nothing.
TEST_F(SheetTest, Mode0OkHandsBackThePathAndResetsTheIndex) {
    const std::string settingsBefore = ReadFileBytes(settingsIni);
    for (const std::string& typed : {std::string(), libRoot2}) {
        SCOPED_TRACE(typed);
        ConfigArgs args(0, libRoot, "", "", 2, 1);
        const int result = ConfigSet(args, [&](robot::Robot& r) {
            HWND sheet = r.WaitForSheet();
            EXPECT_EQ(1, r.TabCount(sheet));
            EXPECT_EQ(libRoot, r.Text(r.CurrentPage(sheet), IDC_GENERAL_PATH));
            if (!typed.empty()) r.SetText(r.CurrentPage(sheet), IDC_GENERAL_PATH, typed);
            r.PressOk(sheet);
            r.WaitCallReturned();
        });
        EXPECT_EQ(typed.empty() ? 0 : 1, result);
        EXPECT_EQ(typed.empty() ? libRoot : typed, args.rootPath1);
        EXPECT_EQ(0, args.currentRootIndex);
        EXPECT_EQ(1, args.messageShow);
        EXPECT_EQ(settingsBefore, ReadFileBytes(settingsIni)) << "mode 0 writes nothing";
    }
}

TEST_F(SheetTest, Mode1StartsTheConditionPagesAndOkWithoutTheLibRootTabLeavesTheStoreAlone) {
    ConfigArgs args(1, libRoot, libRoot2, "", 1, 0);
    const std::string settingsBefore = ReadFileBytes(settingsIni);
    const int result = ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        r.WaitIdle();
        EXPECT_EQ(4, r.TabCount(sheet));
        EXPECT_EQ(0, r.CurrentTab(sheet));
        for (int tab = 0; tab < 3; ++tab) EXPECT_NE(nullptr, r.Page(sheet, tab)) << tab;
        EXPECT_EQ(nullptr, r.Page(sheet, 3)) << "the LibRoot page starts when it is shown";
        EXPECT_EQ("Apply", r.Text(r.Item(sheet, robot::kSheetApply)));
        r.PressOk(sheet);
        r.WaitCallReturned();
    });
    EXPECT_EQ(1, result) << "the condition pages' apply step counts as a commit";
    EXPECT_EQ(libRoot, args.rootPath1);
    EXPECT_EQ(libRoot2, args.rootPath2);
    EXPECT_STREQ("", args.rootPath3);
    EXPECT_EQ(1, args.currentRootIndex);
    EXPECT_EQ(settingsBefore, ReadFileBytes(settingsIni));
}

TEST_F(SheetTest, Mode1OkAfterOpeningTheLibRootTabCommitsRootsAndAliases) {
    ConfigArgs args(1, libRoot, "", "", 0, 1);
    const int result = ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        ASSERT_TRUE(r.SelectTab(sheet, 3));
        HWND page = r.CurrentPage(sheet);
        EXPECT_EQ("Main", r.Text(page, kAliasEdit[0]));
        r.SetText(page, kPathEdit[1], libRoot2);
        r.SetText(page, kAliasEdit[1], "Second");
        r.PressOk(sheet);
        r.WaitCallReturned();
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(libRoot2, args.rootPath2);
    EXPECT_EQ(1, args.messageShow);
    EXPECT_EQ(libRoot, IniValue(settingsIni, "Folder", "LinkFolder1"));
    EXPECT_EQ(libRoot2, IniValue(settingsIni, "Folder", "LinkFolder2"));
    EXPECT_EQ("Second", IniValue(settingsIni, "Folder", "LinkName2"));
    EXPECT_EQ("", IniValue(settingsIni, "Folder", "LinkFolder3"));
    EXPECT_EQ("1", IniValue(settingsIni, "MessageShow", "MessageShow"));
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(SheetTest, Mode2OkWithoutChangeRewritesTheRootsAndReturnsOne) {
    ConfigArgs args(2, libRoot, "", "", 0, 0);
    WriteIni(settingsIni, "Folder", "LinkName1", nullptr);
    WriteIni(settingsIni, "Lumora", "OutputStyle", nullptr);
    const int result = ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        EXPECT_EQ(2, r.TabCount(sheet));
        // No stored alias for a used slot: the default one is offered.
        EXPECT_EQ("LibRoot-1", r.Text(r.CurrentPage(sheet), kAliasEdit[0]));
        r.PressOk(sheet);
        r.WaitCallReturned();
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ("LibRoot-1", IniValue(settingsIni, "Folder", "LinkName1"));
    EXPECT_EQ(libRoot, IniValue(settingsIni, "Folder", "CurrentFolder"));
    EXPECT_EQ("0", IniValue(settingsIni, "MessageShow", "MessageShow"));
    EXPECT_FALSE(HasIniKey(settingsIni, "Lumora", "OutputStyle"))
        << "the import-destination tab was never shown";
}

// ---- the new-root message -------------------------------------------------------

TEST_F(SheetTest, Mode2NewRootBringsTheLibRootTabToFrontAndWarnsOnce) {
    ConfigArgs args(2, libRoot, "", "", 0, 0);
    const int result = ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        HWND page = r.CurrentPage(sheet);
        r.SetText(page, kPathEdit[1], libRoot2);
        r.SetText(page, kAliasEdit[1], "Second");
        ASSERT_TRUE(r.SelectTab(sheet, 1));
        r.PressApply(sheet);
        const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
        ExpectMessage(box, kNewRootWarning, MB_ICONASTERISK);
        EXPECT_EQ(0, r.CurrentTab(sheet));
        EXPECT_EQ(libRoot2, IniValue(settingsIni, "Folder", "LinkFolder2"))
            << "the message follows the writing of the roots";
        r.Answer(box, IDOK);
        // Committing again without a change: no second warning.
        const int windowsBefore = r.TopLevelWindowsCreated();
        r.PressOk(sheet);
        r.WaitCallReturned();
        EXPECT_EQ(windowsBefore, r.TopLevelWindowsCreated());
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(libRoot2, args.rootPath2);
    EXPECT_EQ("Second", IniValue(settingsIni, "Folder", "LinkName2"));
}

// ---- commit failures ------------------------------------------------------------------

// A settings INI that cannot be written: the message, the path focused
// (selected in mode 1, not in mode 2), the sheet kept open, and one log line
// in mode 2 only.
TEST_F(SheetTest, FailedRootWriteKeepsTheSheetOpenOnThePath) {
    for (const int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        MakeSettingsUnwritable();
        ConfigArgs args(mode, libRoot, "", "", 0, 0);
        const int result = ConfigSet(args, [&](robot::Robot& r) {
            HWND sheet = r.WaitForSheet();
            if (mode == 1) {
                ASSERT_TRUE(r.SelectTab(sheet, 3));
            }
            HWND page = r.CurrentPage(sheet);
            ClearSelection(r, page, kPathEdit[0]);
            r.PressOk(sheet);
            const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
            ExpectMessage(box, kSettingsNotUpdated, MB_ICONEXCLAMATION);
            r.Answer(box, IDOK);
            EXPECT_FALSE(r.CallReturned());
            EXPECT_TRUE(r.HasFocus(page, kPathEdit[0]));
            const robot::Selection selection = r.GetSelection(page, kPathEdit[0]);
            const int whole = static_cast<int>(libRoot.size());
            EXPECT_EQ(mode == 1 ? 0 : selection.end, selection.start);
            EXPECT_EQ(mode == 1 ? whole : selection.start, selection.end);
            r.PressCancel(sheet);
            r.WaitCallReturned();
        });
        EXPECT_EQ(libRoot, args.rootPath1);
        const std::vector<std::string> lines = LogLines();
        if (mode == 1) {
            EXPECT_EQ(0, result) << "nothing was committed";
            EXPECT_TRUE(lines.empty());
            continue;
        }
        ASSERT_EQ(1u, lines.size());
        // time, module, source, result, line, 1, 70, code, text
        EXPECT_NE(std::string::npos, lines[0].find("\tVordaEnv.dll\tPropSheet\t0\t")) << lines[0];
        const std::string tail = "\t1\t70\t4099\tThe function of SetLinkPath is failed.";
        ASSERT_GE(lines[0].size(), tail.size());
        EXPECT_EQ(tail, lines[0].substr(lines[0].size() - tail.size()));
        EXPECT_EQ(8, std::count(lines[0].begin(), lines[0].end(), '\t')) << lines[0];
    }
}

TEST_F(SheetTest, MissingRootFoundWhileMakingCertFoldersFocusesItsPath) {
    EnableEDocSupport();
    const std::string missing = temp / "Gone";
    ConfigArgs args(2, libRoot, missing, "", 0, 0);
    WriteIni(settingsIni, "Folder", "LinkName2", "Gone");
    const int result = ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        HWND page = r.CurrentPage(sheet);
        r.PressOk(sheet);
        const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
        ExpectMessage(box, kRootInaccessible, MB_ICONEXCLAMATION);
        r.Answer(box, IDOK);
        EXPECT_TRUE(r.HasFocus(page, kPathEdit[1]));
        EXPECT_TRUE(FileExists(libRoot + "\\CERT")) << "root 1 came first";
        r.PressCancel(sheet);
        r.WaitCallReturned();
    });
    // The roots were written before the CERT folders were made.
    EXPECT_EQ(1, result);
    EXPECT_EQ(missing, IniValue(settingsIni, "Folder", "LinkFolder2"));
}

}  // namespace
}  // namespace uitest
