// The stand-in VordaCommon library: one table of the answers the module
// relies on (where the INI files are, which LibRoot folders nest, what lies
// in the WorkArea, which roots answer), with the edges that matter: buffer
// limits, whole path components, letter case, trailing backslashes and the
// Shift-JIS trail byte 0x5C, which is no separator under code page 932.
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "siblings/vorda_common.h"
#include "tests/support/test_support.h"

using testsupport::SetAppFolder;
using testsupport::SetEnv;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

namespace {

const char* const kVariables[2] = {"VORDA_SETTINGS_INI", "VORDA_COMMON_INI"};
const char kUnreachableShare[] = "\\\\vorda-unreachable-host\\share";

// Leaves the environment and the App Paths entry as it found them.
class VordaCommonTest : public testing::Test {
    testsupport::SavedSetup saved_;
};

// The result of an INI path query and the path, or "overflow" when the bytes
// after the 260-byte buffer were touched.
std::string IniPath(bool settings) {
    char bytes[MAX_PATH + 16];
    std::memset(bytes, 0, MAX_PATH);
    std::memset(bytes + MAX_PATH, 0xCD, 16);
    const int result = settings ? GetSettingsIniPath(nullptr, bytes) : GetCommonIniPath(bytes);
    for (size_t i = MAX_PATH; i < sizeof bytes; ++i)
        if (static_cast<unsigned char>(bytes[i]) != 0xCD) return "overflow";
    return std::to_string(result) + " " + bytes;
}

std::string WorkArea(const std::string& path) {
    int inside = -7;
    const int result = CheckWorkAreaFolder(path.c_str(), &inside);
    return std::to_string(result) + (result != 0 ? "" : inside == 1 ? " inside" : " outside");
}

TEST_F(VordaCommonTest, AnswersTheModuleReliesOnDbcs) {
    const bool dbcs = IsDBCSLeadByte(0x83) != 0;
    TempDir dir;
    const std::string settings = dir / "Vorda.ini", common = dir / "VordaCommon.ini";
    const std::string lib = dir / "Lib", trail = dir / "x\x83\x5C";
    ASSERT_TRUE(WriteFileBytes(settings, "[Folder]\r\nLinkFolder1=" + lib +
                                             "\r\nLinkFolder2=" + trail + "\r\nLinkFolder3=\r\n"));
    ASSERT_TRUE(WriteFileBytes(common, "[Common]\r\nWorkArea=" + (dir / "Work") + "\r\n"));
    auto inis = [&](const char* s, const char* c, const char* app) {
        SetEnv(kVariables[0], s);
        SetEnv(kVariables[1], c);
        SetAppFolder(app);
    };
    auto nesting = [](const std::string& path) {
        return std::to_string(CheckLibRootNesting(path.c_str()));
    };
    const std::string longName = "C:\\" + std::string(300, 'e') + ".ini";
    const std::string longFolder = "C:\\" + std::string(245, 'a');  // + \VordaCommon.ini > 259

    // The cases run in order: a case's setup stays for the cases after it.
    const struct {
        const char* what;
        std::function<std::string()> call;
        std::string expected;
    } cases[] = {
        // Where the INI files are: the variables, else the application folder.
        {"variables first",
         [&] {
             inis("D:\\s.ini", "D:\\c.ini", "C:\\App");
             return IniPath(true) + "|" + IniPath(false);
         },
         "0 D:\\s.ini|0 D:\\c.ini"},
        {"empty variables count as unset",
         [&] {
             inis("", nullptr, "C:\\App\\");
             return IniPath(true) + "|" + IniPath(false);
         },
         "0 C:\\App\\Vorda.ini|0 C:\\App\\VordaCommon.ini"},
        {"neither",
         [&] {
             inis(nullptr, nullptr, nullptr);
             return IniPath(true) + "|" + IniPath(false);
         },
         "-1 |-1 "},
        {"too long a variable",
         [&] {
             inis(nullptr, longName.c_str(), nullptr);
             return IniPath(false);
         },
         "-2 "},
        {"too long a folder",
         [&] {
             inis(nullptr, nullptr, longFolder.c_str());
             return IniPath(false);
         },
         "-2 "},
        // Nesting against LinkFolder1..3 of the settings INI, by whole names.
        {"below a root",
         [&] {
             inis(settings.c_str(), common.c_str(), nullptr);
             return nesting(lib + "\\Sub");
         },
         "1"},
        {"above a root", [&] { return nesting(dir.path()); }, "1"},
        {"the root itself, any case, with a backslash", [&] { return nesting(dir / "LIB\\"); },
         "0"},
        {"a longer name is no child", [&] { return nesting(dir / "Library"); }, "0"},
        {"below a root ending in 0x5C", [&] { return nesting(trail + "\\abc"); }, "1"},
        {"0x5C as a trail byte is no separator", [&] { return nesting(trail + "abc"); },
         dbcs ? "0" : "1"},
        {"a root that does not answer",
         [&] { return nesting(std::string(kUnreachableShare) + "\\Lib"); }, "-1"},
        // The WorkArea of the common INI.
        {"the WorkArea itself", [&] { return WorkArea(dir / "WORK\\"); }, "0 inside"},
        {"below the WorkArea", [&] { return WorkArea(dir / "Work\\sub"); }, "0 inside"},
        {"a longer name is not inside", [&] { return WorkArea(dir / "Workshop"); }, "0 outside"},
        {"no WorkArea key",
         [&] {
             WriteFileBytes(common, "[Common]\r\nWorkArea=\r\n");
             return WorkArea(lib);
         },
         "1"},
        {"no common INI path",
         [&] {
             inis(nullptr, nullptr, nullptr);
             return WorkArea(lib);
         },
         "2"},
        // Whether the root of a path answers.
        {"a missing folder on an answering drive",
         [&] { return std::to_string(CheckNetworkFolder((dir / "missing\\below").c_str())); }, "0"},
        {"a share that does not answer",
         [&] { return std::to_string(CheckNetworkFolder(kUnreachableShare)); }, "1"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, c.call()) << c.what;
}

}  // namespace
