// The options sheet's small decisions, the import destination's storage and
// change rule, and the help-file lookup, checked without windows.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "base/help.h"
#include "entry/sheet_rules.h"
#include "importdest/import_destination.h"
#include "tests/support/test_support.h"

namespace {

using testsupport::MakeFolder;
using testsupport::SetAppFolder;
using testsupport::SetEnv;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

// ---- arguments of VordaConfigSet ---------------------------------------------------

struct ArgumentCase {
    int mode;
    int index;  // -100: null pointer
    int show;   // -100: null pointer
    int valid;
};

TEST(EntryArgumentsTest, AcceptsOnlyKnownModesIndexesAndFlags) {
    const ArgumentCase cases[] = {
        {0, 0, 0, 1},  {1, 1, 1, 1}, {2, 2, 0, 1},  {3, 0, 0, 0},    {-1, 0, 0, 0},   {0, 3, 0, 0},
        {1, -1, 0, 0}, {2, 0, 2, 0}, {0, 0, -1, 0}, {1, -100, 0, 0}, {1, 0, -100, 0}, {0, 2, 1, 1},
    };
    for (const ArgumentCase& c : cases) {
        int index = c.index;
        int show = c.show;
        EXPECT_EQ(c.valid, CheckConfigArguments(c.mode, c.index == -100 ? nullptr : &index,
                                                c.show == -100 ? nullptr : &show))
            << "mode " << c.mode << " index " << c.index << " show " << c.show;
    }
}

// ---- the tab shown after the start in mode 1 ----------------------------------

TEST(EntryStartTabTest, FirstFailedPageInTabOrderElseTheScanner) {
    for (int bits = 0; bits < 8; ++bits) {
        const int scanner = bits & 1, faxReceive = (bits >> 1) & 1, faxSend = (bits >> 2) & 1;
        const int expected = scanner ? 0 : faxReceive ? 1 : faxSend ? 2 : 0;
        EXPECT_EQ(expected, ChooseStartTab(scanner, faxReceive, faxSend)) << bits;
    }
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

// ---- import destination: storage -------------------------------------------------------

class EntryImportStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ini = temp / "Vorda.ini";
        SetEnv("VORDA_SETTINGS_INI", ini.c_str());
    }
    void TearDown() override { SetEnv("VORDA_SETTINGS_INI", nullptr); }
    std::string Value(const char* key) const {
        char value[64] = {};
        GetPrivateProfileStringA("Lumora", key, "<none>", value, sizeof value, ini.c_str());
        return value;
    }
    TempDir temp;
    std::string ini;
};

TEST_F(EntryImportStorageTest, WritesTheConfirmationOnlyForTheWorkArea) {
    const int cases[][4] = {{0, 1, 0, 1}, {1, 1, 1, 0}, {2, 0, 2, 0}, {7, 1, 7, 0}, {0, 0, 0, 0}};
    for (const auto& c : cases) {
        char path[MAX_PATH] = {};
        ASSERT_NE(0, WriteImportDestinationValues(nullptr, c[0], c[1], path));
        EXPECT_EQ(ini, path);
        EXPECT_EQ(std::to_string(c[2]), Value("OutputStyle"));
        EXPECT_EQ(std::to_string(c[3]), Value("ShowMsg"));
        int destination = -1, confirmation = -1;
        ReadImportDestination(&destination, &confirmation);
        EXPECT_EQ(c[2], destination);
        EXPECT_EQ(c[3], confirmation);
    }
}

TEST_F(EntryImportStorageTest, MissingKeysOrSettingsFileReadAsZeroAndWritesFail) {
    int destination = -1, confirmation = -1;
    ReadImportDestination(&destination, &confirmation);
    EXPECT_EQ(0, destination);
    EXPECT_EQ(0, confirmation);
    // A settings path in a missing folder: the write fails.
    SetEnv("VORDA_SETTINGS_INI", (temp / "Missing\\Vorda.ini").c_str());
    EXPECT_EQ(0, WriteImportDestinationValues(nullptr, 1, 0));
    // No settings path at all: a stored value is not found, the write fails.
    WritePrivateProfileStringA("Lumora", "OutputStyle", "2", ini.c_str());
    SetEnv("VORDA_SETTINGS_INI", nullptr);
    SetAppFolder(nullptr);
    destination = confirmation = -1;
    ReadImportDestination(&destination, &confirmation);
    EXPECT_EQ(0, destination);
    EXPECT_EQ(0, confirmation);
    EXPECT_EQ(0, WriteImportDestinationValues(nullptr, 1, 0));
}

// ---- help file ----------------------------------------------------------------------

class EntryHelpFileTest : public ::testing::Test {
protected:
    void SetUp() override { SetAppFolder((temp.path() + "\\").c_str()); }
    void TearDown() override {
        SetAppFolder(nullptr);
        SetEnv("VORDA_LANGID", nullptr);
    }
    std::string HelpFile(const char* language) {
        SetEnv("VORDA_LANGID", language);
        char out[MAX_PATH] = {};
        BuildHelpFilePath(out);
        return out;
    }
    TempDir temp;
};

TEST_F(EntryHelpFileTest, LanguageFolderOnlyWhenItHoldsTheFile) {
    const std::string base = temp.path() + "\\viewer.chm";
    const std::string french = temp.path() + "\\040c\\viewer.chm";
    EXPECT_EQ(base, HelpFile("1033"));
    EXPECT_EQ(base, HelpFile("1036")) << "no 040c folder yet";
    ASSERT_TRUE(MakeFolder(temp.path() + "\\040c\\viewer.chm")) << "a folder is no file";
    EXPECT_EQ(base, HelpFile("1036"));
    testsupport::RemoveTree(temp.path() + "\\040c");
    ASSERT_TRUE(MakeFolder(temp.path() + "\\040c"));
    ASSERT_TRUE(WriteFileBytes(french, "chm"));
    EXPECT_EQ(french, HelpFile("1036"));
    EXPECT_EQ(base, HelpFile("1031"));
    EXPECT_EQ(base, HelpFile("1033")) << "English never looks into a language folder";
}

}  // namespace
