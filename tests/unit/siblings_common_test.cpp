// The stand-in VordaCommon library as the module sees it through its imports:
// INI paths, the diagnostic log and the four folder checks. The module's own
// tests exercise the ordinary cases end to end; these pin down the edges the
// module relies on (buffer limits, log line layout, whole path components,
// double-byte names).
#include <cstring>
#include <gtest/gtest.h>
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

// Every test starts without the INI variables and leaves the environment and
// the App Paths entry as it found them.
class VordaCommonTest : public testing::Test {
protected:
    void SetUp() override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(
                HKEY_LOCAL_MACHINE,
                "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VordaMonoTavo.exe", 0,
                KEY_READ, &key) == ERROR_SUCCESS) {
            char text[MAX_PATH + 1] = {};
            DWORD size = MAX_PATH;
            hadAppFolder_ = RegQueryValueExA(key, "Path", nullptr, nullptr,
                                             reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS;
            appFolder_ = text;
            RegCloseKey(key);
        }
        for (int i = 0; i < 2; ++i) {
            char text[1024] = {};
            const DWORD length = GetEnvironmentVariableA(kVariables[i], text, sizeof text);
            had_[i] = length > 0 && length < sizeof text;
            values_[i] = text;
            SetEnv(kVariables[i], nullptr);
        }
    }
    void TearDown() override {
        SetAppFolder(hadAppFolder_ ? appFolder_.c_str() : nullptr);
        for (int i = 0; i < 2; ++i) SetEnv(kVariables[i], had_[i] ? values_[i].c_str() : nullptr);
    }

private:
    static constexpr const char* kVariables[2] = {"VORDA_SETTINGS_INI", "VORDA_COMMON_INI"};
    bool hadAppFolder_ = false, had_[2] = {};
    std::string appFolder_, values_[2];
};

// A 260-byte path buffer followed by guard bytes that must stay untouched.
struct GuardedPath {
    char bytes[MAX_PATH + 16];
    GuardedPath() {
        std::memset(bytes, 0, MAX_PATH);
        std::memset(bytes + MAX_PATH, 0xCD, 16);
    }
    bool GuardIntact() const {
        for (size_t i = MAX_PATH; i < sizeof bytes; ++i)
            if (static_cast<unsigned char>(bytes[i]) != 0xCD) return false;
        return true;
    }
};

const char kUnreachableShare[] = "\\\\vorda-unreachable-host\\share";

// A drive letter that names no drive, as "Q:".
std::string UnusedDrive() {
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y'; ++letter)
        if ((drives & (1u << (letter - 'A'))) == 0) return std::string(1, letter) + ":";
    return "";
}

std::vector<std::string> SplitText(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    for (size_t start = 0;;) {
        const size_t at = text.find(separator, start);
        pieces.push_back(text.substr(start, at == std::string::npos ? at : at - start));
        if (at == std::string::npos) return pieces;
        start = at + separator.size();
    }
}

// ---------------------------------------------------------------- INI paths

TEST_F(VordaCommonTest, IniPathsComeFromEnvironmentThenAppFolder) {
    struct Case {
        const char* name;
        const char *settingsEnv, *commonEnv, *appFolder;  // null: unset / no entry
        const char *settingsPath, *commonPath;            // "": negative result
    } const cases[] = {
        {"variables win over the app folder", "D:\\s.ini", "D:\\c.ini", "C:\\App", "D:\\s.ini",
         "D:\\c.ini"},
        {"app folder when unset", nullptr, nullptr, "C:\\App", "C:\\App\\Vorda.ini",
         "C:\\App\\VordaCommon.ini"},
        {"app folder's trailing backslash", nullptr, nullptr, "C:\\App\\", "C:\\App\\Vorda.ini",
         "C:\\App\\VordaCommon.ini"},
        {"empty variable counts as unset", "", "", "C:\\App", "C:\\App\\Vorda.ini",
         "C:\\App\\VordaCommon.ini"},
        {"one variable, the other from the folder", "D:\\s.ini", nullptr, "C:\\App", "D:\\s.ini",
         "C:\\App\\VordaCommon.ini"},
        {"neither", nullptr, nullptr, nullptr, "", ""},
        {"variables without an app folder", "D:\\s.ini", "D:\\c.ini", nullptr, "D:\\s.ini",
         "D:\\c.ini"},
        {"empty app folder value", nullptr, nullptr, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetEnv("VORDA_SETTINGS_INI", c.settingsEnv);
        SetEnv("VORDA_COMMON_INI", c.commonEnv);
        SetAppFolder(c.appFolder);
        GuardedPath settings, common;
        const int settingsResult = GetSettingsIniPath(nullptr, settings.bytes);
        const int commonResult = GetCommonIniPath(common.bytes);
        // 0 when a path was found, negative when none.
        EXPECT_EQ(*c.settingsPath ? 0 : -1, settingsResult < 0 ? -1 : settingsResult);
        EXPECT_EQ(*c.commonPath ? 0 : -1, commonResult < 0 ? -1 : commonResult);
        EXPECT_STREQ(c.settingsPath, settings.bytes);
        EXPECT_STREQ(c.commonPath, common.bytes);
    }
}

TEST_F(VordaCommonTest, IniPathsNeverWritePastTheBuffer) {
    const std::string longEnv = "C:\\" + std::string(300, 'e') + ".ini";
    const std::string longFolder = "C:\\" + std::string(245, 'a');  // + \VordaCommon.ini > 259
    const std::pair<const char*, const char*> cases[] = {{longEnv.c_str(), "C:\\App"},
                                                         {nullptr, longFolder.c_str()}};
    for (const auto& c : cases) {
        SetEnv("VORDA_COMMON_INI", c.first);
        SetAppFolder(c.second);
        GuardedPath path;
        EXPECT_LT(GetCommonIniPath(path.bytes), 0);
        EXPECT_TRUE(path.GuardIntact());
    }
}

// ---------------------------------------------------------------- log

TEST_F(VordaCommonTest, WriteLogAppendsOneTabSeparatedLinePerCall) {
    TempDir dir;
    const std::string logPath = dir / "two.dots";  // the log is "two.log"
    WriteLog(logPath.c_str(), "VordaEnv.dll", "PropSheet", -5, 412, 1, 70, 4099,
             "two\r\nlines\tand tab");
    WriteLog(logPath.c_str(), "m", nullptr, 0, 7, 1, 70, 100, "second");
    WriteLog(nullptr, "m", "s", 0, 1, 1, 70, 2, "no log path: nothing happens");

    EXPECT_FALSE(testsupport::FileExists(logPath)) << "the log path itself is not written";
    // The log file is the log path with its last extension replaced by ".log".
    MakeFolder(dir / "dir.d");
    const std::pair<const char*, const char*> names[] = {{"Common.ini", "Common.log"},
                                                         {"NoExtension", "NoExtension.log"},
                                                         {"dir.d\\plain", "dir.d\\plain.log"}};
    for (const auto& n : names) {
        WriteLog((dir / n.first).c_str(), "m", "s", 0, 1, 1, 70, 2, "t");
        EXPECT_FALSE(ReadFileBytes(dir / n.second).empty()) << n.first;
    }
    const std::string log = ReadFileBytes(dir / "two.log");
    ASSERT_GE(log.size(), 2u);
    ASSERT_EQ("\r\n", log.substr(log.size() - 2));
    const std::vector<std::string> lines = SplitText(log.substr(0, log.size() - 2), "\r\n");
    ASSERT_EQ(2u, lines.size());
    const std::vector<std::vector<std::string>> expected = {
        {"VordaEnv.dll", "PropSheet", "-5", "412", "1", "70", "4099", "two  lines and tab"},
        {"m", "", "0", "7", "1", "70", "100", "second"},
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        const std::vector<std::string> fields = SplitText(lines[i], "\t");
        ASSERT_EQ(9u, fields.size());
        // The time as "yyyy-mm-dd hh:mm:ss".
        const std::string shape = "dddd-dd-dd dd:dd:dd";
        ASSERT_EQ(shape.size(), fields[0].size()) << fields[0];
        for (size_t k = 0; k < shape.size(); ++k)
            EXPECT_TRUE(shape[k] == 'd' ? isdigit(static_cast<unsigned char>(fields[0][k])) != 0
                                        : fields[0][k] == shape[k])
                << fields[0];
        EXPECT_EQ(expected[i], std::vector<std::string>(fields.begin() + 1, fields.end()));
    }
}

// ---------------------------------------------------------------- reachability

TEST_F(VordaCommonTest, CheckNetworkFolderTellsWhetherTheRootAnswers) {
    TempDir dir;
    const struct {
        std::string path;
        int expected;
    } cases[] = {
        {dir / "missing\\below", 0},  // only the root matters
        {"C:\\", 0},
        {UnusedDrive() + "\\Lib", 1},
        {std::string(kUnreachableShare) + "\\Lib", 1},
        {"\\\\vorda-unreachable-host", 1},  // no share
        {"", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, CheckNetworkFolder(c.path.c_str())) << c.path;
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
        {"trailing backslash on the path", {"Lib\\Sub", nullptr, nullptr}, "Lib\\", 1},
        {"other drive", {"Z:\\Lib", nullptr, nullptr}, "Lib", 0},
        {"trailing backslash on the link", {"Lib\\", nullptr, nullptr}, "Lib\\Sub", 1},
        {"siblings are not nested", {"Lib\\A", "Lib\\B", nullptr}, "Lib\\C", 0},
        {"third slot counts", {"Other", "", "Lib\\Sub"}, "Lib", 1},
        {"itself and another nested one", {"Lib", "Lib\\Sub", nullptr}, "Lib", 1},
        {"unreachable link is still compared",
         {"\\\\vorda-unreachable-host\\share", nullptr, nullptr},
         "Lib",
         0},
    };
    RunCases(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(LibRootNestingTest, UnreachablePathIsMinusOneAndNoSettingsFileNothing) {
    const char* const links[3] = {"Lib", nullptr, nullptr};
    EXPECT_EQ(-1, Check(links, std::string(kUnreachableShare) + "\\Lib"));
    EXPECT_EQ(-1, Check(links, UnusedDrive() + "\\Lib"));
    EXPECT_EQ(-1, Check(links, ""));
    EXPECT_EQ(-1, CheckLibRootNesting(nullptr));
    // Without a settings file nothing is nested.
    SetEnv("VORDA_SETTINGS_INI", nullptr);
    SetAppFolder(nullptr);
    EXPECT_EQ(0, CheckLibRootNesting(dir_.path().c_str()));
}

// 0x83 0x5C is one character in code page 932 (a trail byte equal to "\"),
// two ("f-hook" and a backslash) in single-byte code pages.
TEST_F(LibRootNestingTest, DbcsTrailByteIsNoSeparator) {
    const int dbcs = IsDBCSLeadByte(0x83) ? 1 : 0;
    const NestingCase cases[] = {
        {"name ending in trail byte 0x5C is no parent of a longer name",
         {"\x83\x5C", nullptr, nullptr},
         "\x83\x5C"
         "abc",
         1 - dbcs},
        {"real child of a name ending in 0x5C", {"\x83\x5C", nullptr, nullptr}, "\x83\x5C\\abc", 1},
        {"same name ending in 0x5C", {"x\x83\x5C", nullptr, nullptr}, "x\x83\x5C\\", 0},
        {"trail bytes A and a are different characters",
         {"\x83\x41", nullptr, nullptr},
         "\x83\x61\\sub",
         1 - dbcs},
    };
    RunCases(cases, sizeof cases / sizeof cases[0]);
}

// ---------------------------------------------------------------- WorkArea

TEST_F(VordaCommonTest, CheckWorkAreaFolderFindsPathsInsideItOrFailsWithoutOne) {
    TempDir dir;
    const std::string ini = dir / "VordaCommon.ini";
    SetEnv("VORDA_COMMON_INI", ini.c_str());
    ASSERT_TRUE(WriteFileBytes(ini, "[Common]\r\nWorkArea=" + (dir / "Work") + "\r\n"));
    const struct {
        std::string path;
        int inside;
    } cases[] = {
        {dir / "Work", 1},
        {dir / "WORK\\sub\\deeper", 1},
        {dir / "Work\\", 1},
        {dir / "Other\\Work", 0},
        {dir / "Workshop", 0},
        {dir.path(), 0},  // above is not inside
        {"", 0},
    };
    for (const auto& c : cases) {
        int inside = -7;
        EXPECT_EQ(0, CheckWorkAreaFolder(c.path.c_str(), &inside)) << c.path;
        EXPECT_EQ(c.inside, inside) << c.path;
    }
    // No key, an empty key, a key in another section, no file, no common INI
    // path at all.
    const char* const contents[] = {"[Common]\r\nZOrderView=1\r\n", "[Common]\r\nWorkArea=\r\n",
                                    "[Other]\r\nWorkArea=C:\\Work\r\n"};
    for (int step = 0; step < 5; ++step) {
        if (step < 3) {
            ASSERT_TRUE(WriteFileBytes(ini, contents[step]));
        }
        if (step == 3) DeleteFileA(ini.c_str());
        if (step == 4) {
            SetEnv("VORDA_COMMON_INI", nullptr);
            SetAppFolder(nullptr);
        }
        int inside = 0;
        EXPECT_NE(0, CheckWorkAreaFolder(dir.path().c_str(), &inside)) << step;
        EXPECT_EQ(0, inside) << step;
    }
}

// ---------------------------------------------------------------- folder icon

TEST_F(VordaCommonTest, ChangeFolderIconWritesDesktopIniOnlyInAFolder) {
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
    ASSERT_TRUE(WriteFileBytes(dir / "file", "x"));
    for (const std::string& path : {dir / "missing", dir / "file", std::string()})
        EXPECT_NE(0, ChangeFolderIcon_EnvSet(path.c_str())) << path;
}

}  // namespace
