// The scan-import destination in both forms: the dialog of LumoraLConfigSet
// (reads and writes section "Lumora", refreshes the ".dat" backup, logs a
// failed save) and the second tab of the options sheet in mode 2.
#include <windows.h>

#include <ostream>
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

const char* const kTitle = text::kImportDestination;
const int kConfirm = IDC_IMPORT_CONFIRM;
const int kRadios[3] = {IDC_IMPORT_WORKAREA, IDC_IMPORT_SELECTED_BINDER, IDC_IMPORT_BINDER_DIALOG};

class ImportDestinationTest : public UiTest {
protected:
    void TearDown() override {
        UiTest::TearDown();
        SetEnv("VORDA_SETTINGS_INI", nullptr);
    }
    void SetStored(const char* destination, const char* confirmation) {
        WriteIni(settingsIni, "Lumora", "OutputStyle", destination);
        WriteIni(settingsIni, "Lumora", "ShowMsg", confirmation);
    }
    std::string Backup() const { return appFolder + "\\Vorda.dat"; }
    // Which of the three radio buttons are checked, as "100", "010", ...
    static std::string Radios(robot::Robot& r, HWND window) {
        std::string checked;
        for (int id : kRadios) checked += r.IsChecked(window, id) ? '1' : '0';
        return checked;
    }
};

// ---- the dialog: start state from the stored values -----------------------------

struct StartCase {
    const char* name;
    const char* destination;   // stored "OutputStyle" (null: key missing)
    const char* confirmation;  // stored "ShowMsg"
    const char* radios;
    bool confirmEnabled;
    bool confirmChecked;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class DialogStartTest : public ImportDestinationTest,
                        public ::testing::WithParamInterface<StartCase> {};

TEST_P(DialogStartTest, ShowsTheStoredChoice) {
    const StartCase c = GetParam();
    SetStored(c.destination, c.confirmation);
    EXPECT_EQ(1, Lumora([&](robot::Robot& r) {
                  HWND dialog = r.WaitForDialog(nullptr, kTitle);
                  EXPECT_EQ(c.radios, Radios(r, dialog));
                  EXPECT_EQ(c.confirmEnabled, r.IsEnabled(dialog, kConfirm));
                  EXPECT_EQ(c.confirmChecked, r.IsChecked(dialog, kConfirm));
                  for (int id : {IDOK, IDCANCEL, 57670}) EXPECT_TRUE(r.IsVisible(dialog, id)) << id;
                  r.Click(dialog, IDCANCEL);
                  r.WaitCallReturned();
              }));
}

INSTANTIATE_TEST_SUITE_P(
    Stored, DialogStartTest,
    ::testing::Values(StartCase{"Missing", nullptr, nullptr, "100", true, false},
                      StartCase{"WorkAreaConfirmed", "0", "1", "100", true, true},
                      StartCase{"SelectedBinder", "1", "1", "010", false, true},
                      StartCase{"BinderDialog", "2", "0", "001", false, false},
                      StartCase{"Unknown", "7", "0", "000", false, false}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

// ---- the dialog: OK and Cancel ----------------------------------------------------------

// OK writes both keys and refreshes the backup; a binder destination stores
// no confirmation, although the check box keeps its check.
TEST_F(ImportDestinationTest, DialogOkWritesBothKeysAndRefreshesTheBackup) {
    const struct {
        const char *stored, *storedConfirmation;
        int radio;
        bool confirmEnabled;
        const char *destination, *confirmation;
    } cases[] = {
        {"2", "0", IDC_IMPORT_WORKAREA, true, "0", "1"},
        {"0", "1", IDC_IMPORT_SELECTED_BINDER, false, "1", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.destination);
        SetStored(c.stored, c.storedConfirmation);
        Lumora([&](robot::Robot& r) {
            HWND dialog = r.WaitForDialog(nullptr, kTitle);
            r.Click(dialog, c.radio);
            EXPECT_EQ(c.confirmEnabled, r.IsEnabled(dialog, kConfirm));
            if (c.confirmEnabled) r.Click(dialog, kConfirm);
            EXPECT_TRUE(r.IsChecked(dialog, kConfirm));
            r.Click(dialog, IDOK);
            r.WaitCallReturned();
        });
        EXPECT_EQ(c.destination, IniValue(settingsIni, "Lumora", "OutputStyle"));
        EXPECT_EQ(c.confirmation, IniValue(settingsIni, "Lumora", "ShowMsg"));
        EXPECT_EQ(ReadFileBytes(settingsIni), ReadFileBytes(Backup()));
    }
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(ImportDestinationTest, DialogCancelWritesNothing) {
    SetStored("1", "0");
    const std::string before = ReadFileBytes(settingsIni);
    EXPECT_EQ(1, Lumora([&](robot::Robot& r) {
                  HWND dialog = r.WaitForDialog(nullptr, kTitle);
                  r.Click(dialog, IDC_IMPORT_BINDER_DIALOG);
                  r.Click(dialog, IDCANCEL);
                  r.WaitCallReturned();
              }));
    EXPECT_EQ(before, ReadFileBytes(settingsIni));
    EXPECT_FALSE(FileExists(Backup()));
}

TEST_F(ImportDestinationTest, DialogFailedSaveIsLoggedShownAndKeepsTheDialogOpen) {
    SetEnv("VORDA_SETTINGS_INI", (temp / "Missing\\Vorda.ini").c_str());
    EXPECT_EQ(1, Lumora([&](robot::Robot& r) {
                  HWND dialog = r.WaitForDialog(nullptr, kTitle);
                  r.Click(dialog, IDOK);
                  const robot::MessageBoxInfo box = r.WaitForMessageBox(dialog);
                  ExpectMessage(box, text::kSettingsNotUpdated);
                  r.Answer(box, IDOK);
                  EXPECT_FALSE(r.CallReturned());
                  r.Click(dialog, IDCANCEL);
                  r.WaitCallReturned();
              }));
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(1u, lines.size());
    EXPECT_NE(std::string::npos, lines[0].find("\tVordaEnv.dll\tLumoraPage\t0\t")) << lines[0];
    const std::string tail = "\t1\t70\t13\tFailed to save info to ini file.";
    ASSERT_GE(lines[0].size(), tail.size());
    EXPECT_EQ(tail, lines[0].substr(lines[0].size() - tail.size()));
}

// ---- the page of the options sheet ---------------------------------------------------------

TEST_F(ImportDestinationTest, PageStartsFromTheStoredValuesAndOkWritesWithoutBackup) {
    SetStored("0", "1");
    ConfigArgs args(2, libRoot, "", "", 0, 0);
    const int result = ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        ASSERT_TRUE(r.SelectTab(sheet, 1));
        HWND page = r.CurrentPage(sheet);
        EXPECT_EQ("100", Radios(r, page));
        EXPECT_TRUE(r.IsChecked(page, kConfirm));
        r.Click(page, IDC_IMPORT_BINDER_DIALOG);
        EXPECT_FALSE(r.IsEnabled(page, kConfirm));
        EXPECT_TRUE(r.IsEnabled(sheet, robot::kSheetApply)) << "the page is marked modified";
        r.PressOk(sheet);
        r.WaitCallReturned();
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ("2", IniValue(settingsIni, "Lumora", "OutputStyle"));
    EXPECT_EQ("0", IniValue(settingsIni, "Lumora", "ShowMsg"));
    EXPECT_FALSE(FileExists(Backup()));
}

TEST_F(ImportDestinationTest, PageConfirmationClickEnablesApplyAndApplyWritesIt) {
    SetStored("0", "0");
    ConfigArgs args(2, libRoot, "", "", 0, 0);
    ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        ASSERT_TRUE(r.SelectTab(sheet, 1));
        HWND page = r.CurrentPage(sheet);
        r.Click(page, kConfirm);
        r.PressApply(sheet);
        EXPECT_EQ("1", IniValue(settingsIni, "Lumora", "ShowMsg"));
        r.PressCancel(sheet);
    });
    EXPECT_EQ("0", IniValue(settingsIni, "Lumora", "OutputStyle"));
    EXPECT_EQ("1", IniValue(settingsIni, "Lumora", "ShowMsg"));
}

}  // namespace
}  // namespace uitest
