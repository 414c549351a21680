// The fixture of the UI tests: a scratch installation per test, the module
// loaded the way the application loads it, and helpers to read what the
// module wrote.
//
// Layout under a fresh temp folder (member names in brackets):
//   App\                  [appFolder]  registered as the application folder
//                         (App Paths "VordaMonoTavo.exe", value "Path");
//                         condition files and DIVSET.ini go here
//   App\Vorda.ini         [settingsIni] (env VORDA_SETTINGS_INI)
//                         [Folder] LinkFolder1=<libRoot> LinkName1=Main
//                                  CurrentFolder=<libRoot> CurrentName=Main
//                         [MessageShow] MessageShow=0
//                         [Lumora] OutputStyle=0 ShowMsg=0
//   App\VordaCommon.ini   [commonIni]  (env VORDA_COMMON_INI)
//                         [Common] WorkArea=<workArea> ZOrderWordDesk=0 ZOrderView=0
//   App\VordaCommon.log   [logPath]    the module's diagnostic log
//   WorkArea\             [workArea]
//   LibRoot\              [libRoot]    a small library tree (kLibraries...)
//   LibRoot2\             [libRoot2]   an empty second LibRoot folder
//
// The environment variables are set before the module is loaded: the module
// reads the common INI path when it loads. Override BeforeLoad() to change
// the setup first (for example remove the settings INI or set VORDA_LANGID).
#pragma once
#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "host/robot/robot.h"
#include "tests/support/test_support.h"

namespace uitest {

using VordaConfigSetFn = int(__stdcall*)(int mode, char* rootPath1, char* rootPath2,
                                         char* rootPath3, int* currentRootIndex, int* messageShow);
using LumoraLConfigSetFn = int(__stdcall*)();

// The arguments of VordaConfigSet as the application holds them.
struct ConfigArgs {
    int mode = 1;
    char rootPath1[MAX_PATH] = {};
    char rootPath2[MAX_PATH] = {};
    char rootPath3[MAX_PATH] = {};
    int currentRootIndex = 0;
    int messageShow = 0;

    ConfigArgs() = default;
    ConfigArgs(int mode, const std::string& path1, const std::string& path2 = "",
               const std::string& path3 = "", int index = 0, int show = 0);
};

// The library tree laid out in libRoot (shown texts, as the module lists
// them; folders carry "#<number>" after the text).
extern const char* const kLibraries[2];       // "Papers", "Bills"
extern const char* const kPapersCabinets[2];  // cabinets of "Papers": "2026", "Archive"
// Binders of the cabinet "Papers#1\2026#1", in position order:
// "February" (position 1), "January-Invoices" (position 2: title "January",
// subtitle "-Invoices"); a third listed folder without folder.ini is skipped.
extern const char* const kBinders2026[2];

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs after the scratch setup is laid out and the environment set, just
    // before the module is loaded.
    virtual void BeforeLoad() {}

    // Loads VordaEnv.dll from the test program's folder and resolves its two
    // operations (a fatal failure when any is missing); UnloadModule frees it.
    void LoadModule();
    void UnloadModule();

    // Calls VordaConfigSet with args (in and out) while script drives the
    // windows; returns its result.
    int ConfigSet(ConfigArgs& args, const std::function<void(robot::Robot&)>& script);
    int Lumora(const std::function<void(robot::Robot&)>& script);

    // INI access: "" when the key is missing; HasIniKey tells the two apart.
    static std::string IniValue(const std::string& path, const char* section, const char* key);
    static bool HasIniKey(const std::string& path, const char* section, const char* key);
    static void WriteIni(const std::string& path, const char* section, const char* key,
                         const char* value);
    // The lines of the module's log (without line ends), oldest first.
    std::vector<std::string> LogLines() const;

    // Library-tree helpers (folder.ini in folder): a FolderInfo NameList, a
    // cabinet's BinderInfo NameList and PosList, a binder's [Binder] titles.
    static void WriteFolderList(const std::string& folder, const std::string& nameList);
    static void WriteBinderList(const std::string& cabinet, const std::string& nameList,
                                const std::string& posList);
    static void MakeBinder(const std::string& folder, const std::string& title,
                           const std::string& subTitle);

    testsupport::TempDir temp;
    std::string appFolder;
    std::string settingsIni;
    std::string commonIni;
    std::string logPath;
    std::string workArea;
    std::string libRoot;
    std::string libRoot2;

    HMODULE module = nullptr;
    VordaConfigSetFn VordaConfigSet = nullptr;
    LumoraLConfigSetFn LumoraLConfigSet = nullptr;
};

}  // namespace uitest
