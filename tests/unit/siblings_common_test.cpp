// The stand-in VordaCommon library as the module sees it through its imports:
// INI paths, the diagnostic log and the four folder checks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "siblings/vorda_common.h"
#include "tests/support/test_support.h"

using testsupport::MakeFolder;
using testsupport::ReadFileBytes;
using testsupport::SetAppFolder;
using testsupport::SetEnv;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

namespace {

const char kAppPathsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VordaMonoTavo.exe";

// The current App Paths folder, or false when there is none.
bool ReadAppFolderValue(std::string* value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char text[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH;
    const bool ok = RegQueryValueExA(key, "Path", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (ok) *value = text;
    return ok;
}

std::string EnvValue(const char* name, bool* set) {
    char text[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, text, sizeof text);
    *set = length > 0 && length < sizeof text;
    return *set ? std::string(text) : std::string();
}

// Every test starts without the INI variables and leaves the environment and
// the App Paths entry as it found them.
class VordaCommonTest : public testing::Test {
protected:
    void SetUp() override {
        hadAppFolder_ = ReadAppFolderValue(&appFolder_);
        settings_ = EnvValue("VORDA_SETTINGS_INI", &hadSettings_);
        common_ = EnvValue("VORDA_COMMON_INI", &hadCommon_);
        SetEnv("VORDA_SETTINGS_INI", nullptr);
        SetEnv("VORDA_COMMON_INI", nullptr);
    }
    void TearDown() override {
        SetAppFolder(hadAppFolder_ ? appFolder_.c_str() : nullptr);
        SetEnv("VORDA_SETTINGS_INI", hadSettings_ ? settings_.c_str() : nullptr);
        SetEnv("VORDA_COMMON_INI", hadCommon_ ? common_.c_str() : nullptr);
    }

private:
    bool hadAppFolder_ = false, hadSettings_ = false, hadCommon_ = false;
    std::string appFolder_, settings_, common_;
};

// A 260-byte path buffer followed by guard bytes that must stay untouched.
struct GuardedPath {
    static const unsigned char kGuard = 0xCD;
    char bytes[MAX_PATH + 16];
    GuardedPath() {
        std::memset(bytes, 0, MAX_PATH);
        std::memset(bytes + MAX_PATH, kGuard, sizeof bytes - MAX_PATH);
    }
    bool GuardIntact() const {
        for (size_t i = MAX_PATH; i < sizeof bytes; ++i)
            if (static_cast<unsigned char>(bytes[i]) != kGuard) return false;
        return true;
    }
};

// A drive letter that names no drive, as "Q:".
std::string UnusedDrive() {
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y'; ++letter)
        if ((drives & (1u << (letter - 'A'))) == 0) return std::string(1, letter) + ":";
    return "";
}

const char kUnreachableShare[] = "\\\\vorda-unreachable-host\\share";

std::vector<std::string> SplitText(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

bool LeadByteOfDbcs() { return IsDBCSLeadByte(0x83) != 0; }

// ---------------------------------------------------------------- INI paths

struct IniPathCase {
    const char* name;
    const char* settingsEnv;  // null: unset
    const char* commonEnv;
    const char* appFolder;    // null: no App Paths entry
    int settingsResult;       // 0 or -1 for "negative"
    const char* settingsPath;
    int commonResult;
    const char* commonPath;
};

TEST_F(VordaCommonTest, IniPathsComeFromEnvironmentThenAppFolder) {
    const IniPathCase cases[] = {
        {"both variables win over the app folder", "D:\\s\\Mine.ini", "D:\\c\\Common.ini",
         "C:\\App", 0, "D:\\s\\Mine.ini", 0, "D:\\c\\Common.ini"},
        {"variables without an app folder", "D:\\s.ini", "D:\\c.ini", nullptr, 0, "D:\\s.ini", 0,
         "D:\\c.ini"},
        {"app folder when unset", nullptr, nullptr, "C:\\App", 0, "C:\\App\\Vorda.ini", 0,
         "C:\\App\\VordaCommon.ini"},
        {"app folder's trailing backslash", nullptr, nullptr, "C:\\App\\", 0,
         "C:\\App\\Vorda.ini", 0, "C:\\App\\VordaCommon.ini"},
        {"empty variable counts as unset", "", "", "C:\\App", 0, "C:\\App\\Vorda.ini", 0,
         "C:\\App\\VordaCommon.ini"},
        {"one variable, the other from the folder", "D:\\s.ini", nullptr, "C:\\App", 0,
         "D:\\s.ini", 0, "C:\\App\\VordaCommon.ini"},
        {"neither", nullptr, nullptr, nullptr, -1, "", -1, ""},
        {"empty app folder value", nullptr, nullptr, "", -1, "", -1, ""},
    };
    for (const IniPathCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetEnv("VORDA_SETTINGS_INI", c.settingsEnv);
        SetEnv("VORDA_COMMON_INI", c.commonEnv);
        SetAppFolder(c.appFolder);

        GuardedPath settings;
        const int settingsResult = GetSettingsIniPath(nullptr, settings.bytes);
        if (c.settingsResult < 0)
            EXPECT_LT(settingsResult, 0);
        else
            EXPECT_EQ(0, settingsResult);
        EXPECT_STREQ(c.settingsPath, settings.bytes);

        GuardedPath common;
        const int commonResult = GetCommonIniPath(common.bytes);
        if (c.commonResult < 0)
            EXPECT_LT(commonResult, 0);
        else
            EXPECT_EQ(0, commonResult);
        EXPECT_STREQ(c.commonPath, common.bytes);
    }
}

TEST_F(VordaCommonTest, IniPathsNeverWritePastTheBuffer) {
    const std::string longEnv = "C:\\" + std::string(300, 'e') + ".ini";
    const std::string fullEnv = "C:\\" + std::string(MAX_PATH - 4, 'f');  // 259 bytes + NUL
    const std::string longFolder = "C:\\" + std::string(245, 'a');        // + \VordaCommon.ini > 259
    struct Case {
        const char* name;
        const char* env;
        const char* folder;
        bool ok;
    } const cases[] = {
        {"variable too long", longEnv.c_str(), "C:\\App", false},
        {"variable exactly fills the buffer", fullEnv.c_str(), nullptr, true},
        {"folder plus file name too long", nullptr, longFolder.c_str(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetEnv("VORDA_COMMON_INI", c.env);
        SetAppFolder(c.folder);
        GuardedPath path;
        const int result = GetCommonIniPath(path.bytes);
        EXPECT_EQ(c.ok, result >= 0);
        EXPECT_TRUE(path.GuardIntact());
        if (c.ok) {
            EXPECT_STREQ(c.env, path.bytes);
        }
    }
}

// ---------------------------------------------------------------- log

bool HasTimestampShape(const std::string& text) {
    const char shape[] = "dddd-dd-dd dd:dd:dd";
    if (text.size() != sizeof shape - 1) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == 'd' ? !digit : text[i] != shape[i]) return false;
    }
    return true;
}

TEST_F(VordaCommonTest, WriteLogAppendsOneTabSeparatedLinePerCall) {
    TempDir dir;
    const std::string logPath = dir / "VordaCommon.ini";
    WriteLog(logPath.c_str(), "VordaEnv.dll", "PropSheet", 0, 412, 1, 70, 4099,
             "The function of SetLinkPath is failed.");
    WriteLog(logPath.c_str(), "VordaEnv.dll", "Page_General", -5, 7, 1, 70, 100,
             "Invalid link folder path. ");

    EXPECT_FALSE(testsupport::FileExists(logPath)) << "the log path itself is not written";
    const std::string log = ReadFileBytes(dir / "VordaCommon.log");
    ASSERT_FALSE(log.empty());
    ASSERT_EQ("\r\n", log.substr(log.size() - 2));
    const std::vector<std::string> lines = SplitText(log.substr(0, log.size() - 2), "\r\n");
    ASSERT_EQ(2u, lines.size());

    const std::vector<std::vector<std::string>> expected = {
        {"VordaEnv.dll", "PropSheet", "0", "412", "1", "70", "4099",
         "The function of SetLinkPath is failed."},
        {"VordaEnv.dll", "Page_General", "-5", "7", "1", "70", "100",
         "Invalid link folder path. "},
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        const std::vector<std::string> fields = SplitText(lines[i], "\t");
        ASSERT_EQ(9u, fields.size());
        EXPECT_TRUE(HasTimestampShape(fields[0])) << fields[0];
        EXPECT_EQ(expected[i], std::vector<std::string>(fields.begin() + 1, fields.end()));
    }
}

TEST_F(VordaCommonTest, WriteLogFileIsTheLogPathWithExtensionLog) {
    TempDir dir;
    MakeFolder(dir / "dir.d");
    const struct {
        const char* logPath;
        const char* logFile;
    } cases[] = {
        {"Common.ini", "Common.log"},
        {"NoExtension", "NoExtension.log"},
        {"two.dots.ini", "two.dots.log"},
        {"dir.d\\plain", "dir.d\\plain.log"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logPath);
        WriteLog((dir / c.logPath).c_str(), "m", "s", 0, 1, 1, 70, 2, "t");
        EXPECT_FALSE(ReadFileBytes(dir / c.logFile).empty());
    }
}

TEST_F(VordaCommonTest, WriteLogKeepsEachRecordOnOneLine) {
    TempDir dir;
    const std::string logPath = dir / "c.ini";
    WriteLog(logPath.c_str(), "m", nullptr, 0, 1, 1, 70, 2, "two\r\nlines\tand tab");
    WriteLog(nullptr, "m", "s", 0, 1, 1, 70, 2, "no log path: nothing happens");
    const std::string log = ReadFileBytes(dir / "c.log");
    const std::vector<std::string> fields = SplitText(log, "\t");
    ASSERT_EQ(9u, fields.size());
    EXPECT_EQ("", fields[2]);
    EXPECT_EQ("two  lines and tab\r\n", fields[8]);
}

// ---------------------------------------------------------------- reachability

TEST_F(VordaCommonTest, CheckNetworkFolderTellsWhetherTheRootAnswers) {
    TempDir dir;
    const std::string unusedDrive = UnusedDrive();
    ASSERT_FALSE(unusedDrive.empty());
    const struct {
        std::string path;
        int expected;
    } cases[] = {
        {dir.path(), 0},
        {dir / "missing\\below", 0},  // only the root matters
        {"C:\\", 0},
        {unusedDrive + "\\Lib", 1},
        {std::string(kUnreachableShare) + "\\Lib", 1},
        {"\\\\vorda-unreachable-host", 1},  // no share
        {"", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.expected, CheckNetworkFolder(c.path.c_str()));
    }
    EXPECT_EQ(1, CheckNetworkFolder(nullptr));
}

// ---------------------------------------------------------------- nesting

struct NestingCase {
    const char* name;
    const char* links[3];  // relative to the scratch folder; null: key absent
    const char* path;      // relative to the scratch folder
    int expected;
};

class LibRootNestingTest : public VordaCommonTest {
protected:
    void SetUp() override {
        VordaCommonTest::SetUp();
        SetEnv("VORDA_SETTINGS_INI", ini_.c_str());
    }
    // Writes the settings INI with the slots' link folders (relative ones are
    // placed under the scratch folder) and checks path.
    int Check(const char* const links[3], const std::string& path) {
        std::string text = "[Folder]\r\n";
        for (int n = 0; n < 3; ++n) {
            if (links[n] == nullptr) continue;
            const std::string value = *links[n] ? Absolute(links[n]) : "";
            text += "LinkFolder" + std::to_string(n + 1) + "=" + value + "\r\n";
        }
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini_.c_str());
        EXPECT_TRUE(WriteFileBytes(ini_, text));
        return CheckLibRootNesting(Absolute(path).c_str());
    }
    std::string Absolute(const std::string& path) const {
        if (path.empty() || path[0] == '\\' || path.find(':') != std::string::npos) return path;
        return dir_ / path;
    }
    void RunCases(const NestingCase* cases, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            SCOPED_TRACE(cases[i].name);
            EXPECT_EQ(cases[i].expected, Check(cases[i].links, cases[i].path));
        }
    }

    TempDir dir_;
    std::string ini_ = dir_ / "Vorda.ini";
};

TEST_F(LibRootNestingTest, WholeComponentsAboveOrBelow) {
    const NestingCase cases[] = {
        {"no link folders", {nullptr, nullptr, nullptr}, "Lib", 0},
        {"empty link folders", {"", "", ""}, "Lib", 0},
        {"link above", {"Lib", nullptr, nullptr}, "Lib\\Sub", 1},
        {"link below", {"Lib\\Sub\\Deep", nullptr, nullptr}, "Lib", 1},
        {"only the path itself", {"Lib", nullptr, nullptr}, "Lib", 0},
        {"itself in other case with backslash", {"LIB\\", nullptr, nullptr}, "Lib", 0},
        {"text prefix is no component", {"Lib", nullptr, nullptr}, "Library", 0},
        {"longer name is no component", {"Library", nullptr, nullptr}, "Lib\\x", 0},
        {"above ignoring case", {"LIB", nullptr, nullptr}, "lib\\Sub", 1},
        {"trailing backslash on the link", {"Lib\\", nullptr, nullptr}, "Lib\\Sub", 1},
        {"trailing backslash on the path", {"Lib\\Sub", nullptr, nullptr}, "Lib\\", 1},
        {"siblings are not nested", {"Lib\\A", "Lib\\B", nullptr}, "Lib\\C", 0},
        {"third slot counts", {"Other", "", "Lib\\Sub"}, "Lib", 1},
        {"itself and another nested one", {"Lib", "Lib\\Sub", nullptr}, "Lib", 1},
        {"other drive", {"Z:\\Lib", nullptr, nullptr}, "Lib", 0},
        {"unreachable link is still compared", {"\\\\vorda-unreachable-host\\share", nullptr, nullptr},
         "Lib", 0},
    };
    RunCases(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(LibRootNestingTest, UnreachablePathIsMinusOne) {
    const char* const links[3] = {"Lib", nullptr, nullptr};
    const std::string unusedDrive = UnusedDrive();
    EXPECT_EQ(-1, Check(links, std::string(kUnreachableShare) + "\\Lib"));
    EXPECT_EQ(-1, Check(links, unusedDrive + "\\Lib"));
    EXPECT_EQ(-1, Check(links, ""));
    EXPECT_EQ(-1, CheckLibRootNesting(nullptr));
}

TEST_F(LibRootNestingTest, WithoutSettingsFileNothingIsNested) {
    SetEnv("VORDA_SETTINGS_INI", nullptr);
    SetAppFolder(nullptr);
    EXPECT_EQ(0, CheckLibRootNesting(dir_.path().c_str()));
}

// 0x83 0x5C is one character in code page 932 (a trail byte equal to "\"),
// two ("f-hook" and a backslash) in single-byte code pages.
TEST_F(LibRootNestingTest, DbcsTrailByteIsNoSeparator) {
    const int dbcs = LeadByteOfDbcs() ? 1 : 0;
    const NestingCase cases[] = {
        {"name ending in trail byte 0x5C is no parent of a longer name",
         {"\x83\x5C", nullptr, nullptr}, "\x83\x5C" "abc", 1 - dbcs},
        {"real child of a name ending in 0x5C", {"\x83\x5C", nullptr, nullptr},
         "\x83\x5C\\abc", 1},
        {"same name ending in 0x5C", {"x\x83\x5C", nullptr, nullptr}, "x\x83\x5C\\", 0},
        {"trail bytes A and a are different characters", {"\x83\x41", nullptr, nullptr},
         "\x83\x61\\sub", 1 - dbcs},
    };
    RunCases(cases, sizeof cases / sizeof cases[0]);
}

// ---------------------------------------------------------------- WorkArea

TEST_F(VordaCommonTest, CheckWorkAreaFolderFindsPathsInsideIt) {
    TempDir dir;
    const std::string ini = dir / "VordaCommon.ini";
    SetEnv("VORDA_COMMON_INI", ini.c_str());
    ASSERT_TRUE(WriteFileBytes(ini, "[Common]\r\nWorkArea=" + (dir / "Work") + "\r\n"));
    const struct {
        std::string path;
        int inside;
    } cases[] = {
        {dir / "Work", 1},
        {dir / "Work\\", 1},
        {dir / "WORK\\sub\\deeper", 1},
        {dir / "Workshop", 0},
        {dir.path(), 0},  // above is not inside
        {dir / "Other\\Work", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        int inside = -7;
        EXPECT_EQ(0, CheckWorkAreaFolder(c.path.c_str(), &inside));
        EXPECT_EQ(c.inside, inside);
    }
}

TEST_F(VordaCommonTest, CheckWorkAreaFolderFailsWithoutAWorkArea) {
    TempDir dir;
    const std::string ini = dir / "VordaCommon.ini";
    const struct {
        const char* name;
        const char* contents;  // null: no file
        bool viaEnvironment;
    } cases[] = {
        {"no key", "[Common]\r\nZOrderView=1\r\n", true},
        {"empty key", "[Common]\r\nWorkArea=\r\n", true},
        {"key in another section", "[Other]\r\nWorkArea=C:\\Work\r\n", true},
        {"no file", nullptr, true},
        {"no common INI path", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(ini.c_str());
        if (c.contents != nullptr) {
            ASSERT_TRUE(WriteFileBytes(ini, c.contents));
        }
        SetEnv("VORDA_COMMON_INI", c.viaEnvironment ? ini.c_str() : nullptr);
        if (!c.viaEnvironment) SetAppFolder(nullptr);
        int inside = 0;
        EXPECT_NE(0, CheckWorkAreaFolder("C:\\Work", &inside));
        EXPECT_EQ(0, inside);
    }
}

// ---------------------------------------------------------------- folder icon

TEST_F(VordaCommonTest, ChangeFolderIconWritesDesktopIni) {
    TempDir dir;
    const std::string folder = dir / "Root";
    ASSERT_TRUE(MakeFolder(folder));
    const std::string ini = folder + "\\desktop.ini";
    for (const std::string& path : {folder, folder + "\\"}) {  // the second run rewrites it
        SCOPED_TRACE(path);
        EXPECT_EQ(0, ChangeFolderIcon_EnvSet(path.c_str()));
        char icon[MAX_PATH] = {};
        GetPrivateProfileStringA(".ShellClassInfo", "IconResource", "", icon, sizeof icon,
                                 ini.c_str());
        EXPECT_NE(nullptr, std::strstr(icon, ".dll,")) << icon;
        const DWORD attributes = GetFileAttributesA(ini.c_str());
        EXPECT_NE(0u, attributes & FILE_ATTRIBUTE_HIDDEN);
        // The shell reads desktop.ini only in a folder marked system or read-only.
        EXPECT_NE(0u, GetFileAttributesA(folder.c_str()) &
                          (FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY));
    }
}

TEST_F(VordaCommonTest, ChangeFolderIconFailsWithoutAFolder) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir / "file", "x"));
    for (const std::string& path : {dir / "missing", dir / "file", std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_NE(0, ChangeFolderIcon_EnvSet(path.c_str()));
    }
    EXPECT_NE(0, ChangeFolderIcon_EnvSet(nullptr));
}

}  // namespace
