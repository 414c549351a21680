// The link-folder store on real files: the settings INI, changeinfo.ini,
// lock markers and CERT folders in a scratch folder.
#include "libroot/link_folders.h"

#include <cctype>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "base/app_path.h"
#include "base/paths.h"
#include "tests/support/test_support.h"

using testsupport::FileExists;
using testsupport::MakeFolder;
using testsupport::ReadFileBytes;
using testsupport::SetEnv;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

namespace {

std::string ReadIni(const std::string& file, const char* section, const char* key,
                    const char* fallback = "<missing>") {
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA(section, key, fallback, value, sizeof value, file.c_str());
    return value;
}

class LinkFolders : public testing::Test {
protected:
    void SetUp() override {
        ini_ = dir_ / "Vorda.ini";
        changeInfo_ = dir_ / "changeinfo.ini";
        SetEnv("VORDA_SETTINGS_INI", ini_.c_str());
    }
    void TearDown() override { SetEnv("VORDA_SETTINGS_INI", nullptr); }

    // No settings INI can be found: neither the variable nor App Paths.
    void LoseSettingsIni() {
        SetEnv("VORDA_SETTINGS_INI", nullptr);
        testsupport::SetAppFolder(nullptr);
    }

    // A network-style path (two leading backslashes) to a local folder.
    std::string NetworkPath(const std::string& local) const { return "\\\\?\\" + local; }

    TempDir dir_;
    testsupport::SavedSetup saved_;
    std::string ini_;
    std::string changeInfo_;
};

TEST_F(LinkFolders, GetLinkNameDefaultsAndStoredValues) {
    WriteFileBytes(ini_, "[Folder]\r\nLinkName1=Main\r\nLinkName3=\r\n");
    struct Case {
        int slot;
        int useDefault;
        const char* expected;
    };
    const Case cases[] = {
        {1, 1, "Main"},                       // stored value wins over the default
        {1, 0, "Main"}, {2, 1, "LibRoot-2"},  // no key, path given: default alias
        {2, 0, ""},                           // no key, no path: empty
        {3, 1, ""},                           // key present but empty: stays empty
    };
    for (const Case& c : cases) {
        char alias[MAX_PATH];
        std::memset(alias, 'x', sizeof alias);
        GetLinkName(alias, c.slot, c.useDefault);
        EXPECT_STREQ(c.expected, alias) << "slot " << c.slot << " default " << c.useDefault;
    }
}

TEST_F(LinkFolders, SetLinkPathAndNameWriteCurrentKeysOnlyForCurrentSlot) {
    struct Case {
        int slot;
        int current;
        bool writesCurrent;
    };
    const Case cases[] = {{1, 1, true}, {2, 1, false}, {3, 3, true}, {3, 2, false}};
    for (const Case& c : cases) {
        DeleteFileA(ini_.c_str());
        const std::string key = std::to_string(c.slot);
        EXPECT_NE(0, SetLinkPath("D:\\Roots\\One", c.slot, c.current, 0, ""));
        EXPECT_NE(0, SetLinkName("First", c.slot, c.current, 0, ""));
        EXPECT_EQ("D:\\Roots\\One", ReadIni(ini_, "Folder", ("LinkFolder" + key).c_str()));
        EXPECT_EQ("First", ReadIni(ini_, "Folder", ("LinkName" + key).c_str()));
        EXPECT_EQ(c.writesCurrent ? "D:\\Roots\\One" : "<missing>",
                  ReadIni(ini_, "Folder", "CurrentFolder"))
            << "slot " << c.slot << " current " << c.current;
        EXPECT_EQ(c.writesCurrent ? "First" : "<missing>", ReadIni(ini_, "Folder", "CurrentName"))
            << "slot " << c.slot << " current " << c.current;
    }
}

TEST_F(LinkFolders, ChangeFolderFlagNeedsANetworkRootWithRsltThatReallyChanged) {
    const std::string withRslt = dir_ / "Net";
    const std::string withoutRslt = dir_ / "Bare";
    MakeFolder(withRslt + "\\Rslt");
    MakeFolder(withoutRslt);
    const std::string network = NetworkPath(withRslt);
    std::string networkUpper = network;
    for (char& ch : networkUpper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));

    struct Case {
        std::string oldPath;
        std::string newPath;
        int expected;
        const char* what;
    };
    const std::vector<Case> cases = {
        {network, "C:\\Local", 1, "network root with Rslt moved"},
        {network, network, 0, "unchanged"},
        {network, networkUpper, 0, "letter case only"},
        {NetworkPath(withoutRslt), "C:\\Local", 0, "network root without Rslt"},
        {withRslt, "C:\\Local", 0, "local root with Rslt"},
        {"", "C:\\Local", 0, "no old root"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, GetChangeFolderFlag(c.oldPath.c_str(), c.newPath.c_str())) << c.what;
    }
}

TEST_F(LinkFolders, MovingAwayFromNetworkRootRemovesOwnLockMarkerAndRecordsTheChange) {
    const std::string oldRoot = dir_ / "Net";
    MakeFolder(oldRoot + "\\Rslt");
    WriteFileBytes(oldRoot + "\\Rslt\\ListData7.Locked", "");
    WriteFileBytes(oldRoot + "\\Rslt\\ListData8.Locked", "");
    WriteFileBytes(changeInfo_, "[Folder]\r\nUsrNumber1=7\r\n");
    const std::string oldPath = NetworkPath(oldRoot);
    const std::string newRoot = dir_ / "Local";

    const int flag = GetChangeFolderFlag(oldPath.c_str(), newRoot.c_str());
    ASSERT_EQ(1, flag);
    EXPECT_NE(0, SetLinkPath(newRoot.c_str(), 1, 1, flag, oldPath.c_str()));

    EXPECT_FALSE(FileExists(oldRoot + "\\Rslt\\ListData7.Locked"));
    EXPECT_TRUE(FileExists(oldRoot + "\\Rslt\\ListData8.Locked")) << "another user's marker";
    EXPECT_EQ("1", ReadIni(changeInfo_, "Folder", "ChangeFolderFlag1"));
    EXPECT_EQ(newRoot, ReadIni(ini_, "Folder", "LinkFolder1"));
    EXPECT_EQ(newRoot, ReadIni(ini_, "Folder", "CurrentFolder"));
}

// Runs again under code page 932, where 0x83 0x5C is one character.
TEST(AppPathDbcs, StripLastPathComponentSkipsTrailByteBackslash) {
    const bool dbcs = GetACP() == 932;
    struct Case {
        const char* path;
        int expected;
        const char* single;  // result under a single-byte code page
        const char* dbcs;    // result under code page 932
    };
    const Case cases[] = {
        {"C:\\Folder\\Vorda.ini", 1, "C:\\Folder", "C:\\Folder"},
        {"C:\\\x83\x5C", 1, "C:\\\x83", "C:"},
        {"C:\\\x83\x5C\\Vorda.ini", 1, "C:\\\x83\x5C", "C:\\\x83\x5C"},
        {"NoSeparator", 0, "NoSeparator", "NoSeparator"},
        {"\x83\x5C", dbcs ? 0 : 1, "\x83", "\x83\x5C"},
        {"", 0, "", ""},
    };
    for (const Case& c : cases) {
        char path[MAX_PATH];
        std::strcpy(path, c.path);
        EXPECT_EQ(c.expected, StripLastPathComponent(path)) << c.path;
        EXPECT_STREQ(dbcs ? c.dbcs : c.single, path) << c.path;
    }
}

}  // namespace
