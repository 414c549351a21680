// The options sheet's small decisions and the import destination's change
// rule and backup path, checked without windows. (What the import
// destination stores and the help file it opens are checked through the
// windows, in tests/ui.)
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "entry/sheet_rules.h"
#include "importdest/import_destination.h"

namespace {

// ---- the tab shown after the start in mode 1 ----------------------------------

TEST(EntryStartTabTest, FirstFailedPageInTabOrderElseTheScanner) {
    // scanner, FAX receive, FAX send failed -> tab
    const int cases[][4] = {{0, 0, 0, 0}, {1, 0, 0, 0}, {0, 1, 0, 1}, {1, 1, 0, 0},
                            {0, 0, 1, 2}, {1, 0, 1, 0}, {0, 1, 1, 1}, {1, 1, 1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c[3], ChooseStartTab(c[0], c[1], c[2])) << c[0] << c[1] << c[2];
}

// ---- import destination: change rule and backup path ------------------------------

TEST(EntryImportDestinationTest, ChangedWhenTheDestinationOrAWorkAreaConfirmationMoved) {
    struct Case {
        int startDestination, startConfirmation, destination, confirmation, changed;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0}, {0, 0, 0, 1, 1}, {0, 1, 1, 1, 1}, {1, 0, 1, 1, 0},
        {2, 1, 2, 0, 0}, {2, 0, 0, 0, 1}, {7, 0, 7, 0, 0}, {1, 1, 0, 1, 1},
    };
    for (const Case& c : cases) {
        ImportDestinationFields fields;
        fields.startDestination = c.startDestination;
        fields.startConfirmation = c.startConfirmation;
        fields.destination = c.destination;
        fields.confirmation = c.confirmation;
        ComputeImportDestinationChanged(fields);
        EXPECT_EQ(c.changed, fields.changed) << c.startDestination << "," << c.startConfirmation
                                             << " -> " << c.destination << "," << c.confirmation;
    }
}

TEST(EntryImportDestinationTest, BackupReplacesTheLastComponentsExtension) {
    const char* const cases[][2] = {
        {"C:\\App\\Vorda.ini", "C:\\App\\Vorda.dat"},
        {"C:\\App\\Settings", "C:\\App\\Settings.dat"},
        {"C:\\App.d\\Settings", "C:\\App.d\\Settings.dat"},
        {"C:\\App\\x.tar.ini", "C:\\App\\x.tar.dat"},
    };
    for (const auto& c : cases) {
        char out[MAX_PATH] = {};
        EXPECT_EQ(1, MakeSettingsBackupPath(c[0], out)) << c[0];
        EXPECT_STREQ(c[1], out);
    }
    // A name that leaves no room for the extension is refused, not cut.
    const std::string longName = "C:\\" + std::string(MAX_PATH - 6, 'a');
    char out[MAX_PATH] = {};
    EXPECT_EQ(0, MakeSettingsBackupPath(longName.c_str(), out));
}

}  // namespace
