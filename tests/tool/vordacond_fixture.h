// The fixture of the VordaCond tests: a scratch installation per test, the
// program run as a child process on it, and helpers to write condition
// files and compare folders byte for byte.
//
// Layout under a fresh temp folder:
//   App\                 [app] the application folder of the App Paths entry
//   App\Vorda.ini        [settingsIni] (env VORDA_SETTINGS_INI)
//                        [Folder] LinkFolder1=<libRoot> LinkName1=Main
//                                 CurrentFolder=<libRoot>
//   App\VordaCommon.ini  [commonIni] (env VORDA_COMMON_INI) [Common] WorkArea=<workArea>
//   WorkArea\            [workArea]
//   LibRoot\             [libRoot] library Papers#1, cabinet 2026#1, binder
//                        folder B1 titled "January"
#pragma once
#include <windows.h>

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace tooltest {

using testsupport::Snapshot;

// One key of a condition file; files are written section by section in the
// order the sections first appear.
struct IniKey {
    std::string section;
    std::string key;
    std::string value;  // written in double quotes
};
typedef std::vector<IniKey> IniKeys;

// The keys of a whole condition file of kind 0, 1 or 2, as the sheet writes
// a new condition: library Papers, cabinet 2026, binder January, index
// "@DATE-YMD", note "@TIME-HM" (off for scanners).
IniKeys ConditionKeys(int kind);
// keys with section/key set to value (added at the end of its section when
// missing), or removed when value is null.
IniKeys With(IniKeys keys, const char* section, const char* key, const char* value);
std::string IniText(const IniKeys& keys);

// The list separator of token lists.
extern const char kSep[];

class VordaCondTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs VordaCond.exe with arguments (file names need their own quotes).
    testsupport::ProgramRun Run(const std::string& arguments);
    static std::string Quote(const std::string& path) { return "\"" + path + "\""; }

    // Writes a condition file into folder (the application folder by default).
    void WriteCondition(const std::string& fileName, const IniKeys& keys,
                        const std::string& folder = "");

    testsupport::TempDir temp;
    std::string app;
    std::string settingsIni;
    std::string commonIni;
    std::string workArea;
    std::string libRoot;
};

}  // namespace tooltest
