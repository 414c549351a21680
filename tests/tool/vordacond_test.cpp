// VordaCond.exe run under Wine on real folders: its exit codes and
// refusals, validate finding each kind of problem, set-current writing
// DIVSET.ini as the sheet's OK does, an export imported into an empty
// application folder byte for byte, an import that is refused changing
// nothing, and double-byte names under code page 932.
#include <windows.h>

#include <algorithm>
#include <functional>

#include "tests/tool/vordacond_fixture.h"

namespace tooltest {
namespace {

using testsupport::FileExists;
using testsupport::Lines;
using testsupport::MakeFolder;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// ---- command lines and exit codes -------------------------------------------

struct ExitCase {
    const char* what;
    std::string arguments;
    DWORD exitCode;
    std::string output;  // expected within what the program prints
};

TEST_F(VordaCondTest, ExitCodesAndMessagesChangeNothing) {
    WriteCondition("sInvoices.INI", ConditionKeys(0));
    const std::string missing = temp / "Missing";
    const std::string empty = temp / "Empty";
    MakeFolder(empty);
    const std::vector<ExitCase> cases = {
        {"no command", "", 2, "no command given"},
        {"unknown command", "frobnicate", 2, "unknown command \"frobnicate\""},
        {"unknown kind", "list --kind fax", 2, "unknown kind \"fax\""},
        {"unknown option", "list --verbose", 2, "unknown option --verbose"},
        {"option of another command", "list --replace", 2, "list does not take --replace"},
        {"show without name", "show --kind scanner", 2, "show takes one condition NAME"},
        {"set-current without kind", "set-current Invoices", 2, "set-current needs --kind"},
        {"export without folder", "export", 2, "export needs --out FOLDER"},
        {"overview", "--help", 0, "set-current  record a condition as the one in force"},
        {"help of a command", "import --help", 0, "usage: VordaCond.exe import FOLDER"},
        {"list", "list --kind scanner", 0, "    Invoices\n"},
        {"show an unknown name", "show --kind scanner Nobody", 1,
         "there is no scanner condition \"Nobody\""},
        {"set-current an unknown name", "set-current --kind fax-send Invoices", 1,
         "there is no fax-send condition \"Invoices\""},
        {"validate an unknown name", "validate Nobody", 1, "there is no condition \"Nobody\""},
        {"where an unknown name", "where --kind scanner Nobody", 1,
         "there is no scanner condition \"Nobody\""},
        {"where at a bad date", "where --kind scanner Invoices --at 2026-13-01", 2,
         "--at takes \"YYYY-MM-DD HH:MM\""},
        {"where without kind", "where Invoices", 2, "where needs --kind"},
        {"show with where's options", "show --kind scanner Invoices --button X", 2,
         "show does not take --at, --button"},
        {"export into a missing folder", "export --out " + Quote(missing), 1,
         "the export folder " + missing + " does not exist"},
        {"import from a folder without list", "import " + Quote(empty), 1,
         "there is no VordaCond.ini in " + empty},
        {"missing application folder", "list --app-folder " + Quote(missing), 1,
         "the application folder " + missing + " does not exist"},
    };
    const auto before = Snapshot(app);
    for (const ExitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const testsupport::ProgramRun run = Run(c.arguments);
        EXPECT_EQ(c.exitCode, run.exitCode) << run.output;
        EXPECT_NE(std::string::npos, run.output.find(c.output)) << run.output;
    }
    EXPECT_EQ(before, Snapshot(app)) << "no template written, nothing recorded";
    EXPECT_TRUE(Snapshot(empty).empty());

    // Without the settings INI there are no LibRoot folders to check.
    DeleteFileA(settingsIni.c_str());
    const testsupport::ProgramRun noSettings = Run("validate");
    EXPECT_EQ(1u, noSettings.exitCode);
    EXPECT_NE(std::string::npos, noSettings.output.find(": the settings INI does not exist"))
        << noSettings.output;

    // Without the App Paths entry the folder must be given; no message box.
    testsupport::SetAppFolder(nullptr);
    const testsupport::ProgramRun run = Run("list");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("give it with --app-folder DIR")) << run.output;
    EXPECT_EQ(0u, Run("list --app-folder " + Quote(app)).exitCode);
}

// ---- validate ------------------------------------------------------------

TEST_F(VordaCondTest, ValidateFindsEachKindOfProblemOnce) {
    const IniKeys scanner = ConditionKeys(0);
    std::string cut = IniText(scanner);
    cut.resize(cut.rfind("TAG="));  // the last line lost
    const std::string sep = kSep;
    WriteCondition("sClean.INI", scanner);
    WriteFileBytes(app + "\\sGarbage.INI", std::string("\x7f\x45LF\0\x01\x02[[\xff\xfe", 12));
    WriteFileBytes(app + "\\sCut.INI", cut);
    WriteCondition("sRange.INI", With(scanner, "SCANNER", "POSITION", "@MIDDLE"));
    WriteCondition("fItems.INI", With(ConditionKeys(1), "FAX-RX", "FAX-CHECK",
                                      ("@FAX-TSI" + sep + "@FAX-PAGER" + sep).c_str()));
    WriteCondition("sLong.INI", With(scanner, "SCANNER", "LIBRARY", std::string(44, 'L').c_str()));
    WriteCondition("sA;B.INI", scanner);
    WriteCondition("nFAX Receive Template Binder 1.INI", ConditionKeys(2));
    WriteCondition("sSlash.INI", With(With(scanner, "SCANNER", "LIBRARY", "A/B"), "SCANNER_USE",
                                      "LIBRARY", "@OFF"));
    WriteCondition("sTemporary.INI", With(With(scanner, "SCANNER", "BINDER", "Temporary Binder"),
                                          "SCANNER_USE", "BINDER", "@OFF"));
    WriteCondition("sSame.INI", With(With(scanner, "SCANNER", "BINDER", "@BUTTON"), "SCANNER",
                                     "INDEX", "@BUTTON"));
    WriteCondition("sSameNote.INI",
                   With(With(scanner, "SCANNER", "TAG", "@DATE-YM"), "SCANNER_USE", "TAG", "@ON"));
    WriteCondition("sNewLibrary.INI", With(scanner, "SCANNER", "LIBRARY", "Nowhere"));
    WriteCondition("sNewBinder.INI", With(scanner, "SCANNER", "BINDER", "March"));
    // Slot 2 inside the WorkArea; slot 3 below slot 1 (so each is nested in
    // the other) with slot 1's alias.
    WriteFileBytes(settingsIni,
                   "[Folder]\r\nLinkFolder1=" + libRoot + "\r\nLinkName1=Main\r\nLinkFolder2=" +
                       workArea + "\\Sub\r\nLinkName2=Two\r\nLinkFolder3=" + libRoot +
                       "\\Papers#1\r\nLinkName3=Main\r\nCurrentFolder=" + libRoot + "\r\n");

    const std::string a = app + "\\";
    // clang-format off
    const std::vector<std::string> expected = {
        "error: " + a + "sGarbage.INI: section [SCANNER_USE] is missing: the file is damaged or of another kind",
        "error: " + a + "sGarbage.INI: section [SCANNER] is missing: the file is damaged or of another kind",
        "error: " + a + "sCut.INI: [SCANNER] TAG: the key is missing: the file is cut short or damaged",
        "error: " + a + "sRange.INI: [SCANNER] POSITION: \"@MIDDLE\" is none of @FRONT, @BACK",
        "error: " + a + "fItems.INI: [FAX-RX] FAX-CHECK: \"@FAX-PAGER\" is no information item of this kind",
        "error: " + a + "sLong.INI: [SCANNER] LIBRARY: the value has 44 bytes; the field holds 42",
        "error: " + a + "sA;B.INI: name: A configuration name cannot contain any of the following characters:   \\ / : , ; * ? < > . | \" !",
        "error: " + a + "nFAX Receive Template Binder 1.INI: name: Configuration name can not take the following names: Scanner Template Binder 1, Scanner Template Binder 2, Scanner Template Binder 3 FAX Receive Template Binder 1, FAX Receive Template Binder 2, FAX Receive Template Binder 3 FAX Send Template Binder 1, FAX Send Template Binder 2, FAX Send Template Binder 3",
        "error: " + a + "sSlash.INI: LIBRARY: Library name or cabinet name can not contain any of the following characters: \\ / : , ; * ? < > . | \" !",
        "error: " + a + "sTemporary.INI: BINDER: Binder can not be named as \"Temporary Binder\".",
        "error: " + a + "sSame.INI: INDEX: In classification condition, unable to select the same related information.  Try again.",
        "error: " + a + "sSameNote.INI: TAG: In classification condition, unable to select the same related information.  Try again.",
        "warning: " + a + "sNewLibrary.INI: LIBRARY: library \"Nowhere\" is not in the LibRoot folder " + libRoot + ": documents would be filed into a new library",
        "warning: " + a + "sNewBinder.INI: BINDER: binder \"March\" is not in cabinet \"2026\": documents would be filed into a new binder",
        "error: " + settingsIni + ": LinkFolder1: A previously specified LibRoot folder was found in the upper or lower level of the specified folder. The previous data may be corrupted if a LibRoot folder is specified in this directory. Try again and specify an available directory.",
        "error: " + settingsIni + ": LinkFolder2: You cannot specify the same folder as a WorkArea Folder  or any of its sub folders as a LibRoot folder. Specify another folder.",
        "error: " + settingsIni + ": LinkFolder3: A previously specified LibRoot folder was found in the upper or lower level of the specified folder. The previous data may be corrupted if a LibRoot folder is specified in this directory. Try again and specify an available directory.",
        "error: " + settingsIni + ": LinkName1: A LibRoot alias is duplicated.  LibRoot alias should be unique.  Set a LibRoot alias again.",
    };
    // clang-format on

    const auto before = Snapshot(app);
    const testsupport::ProgramRun run = Run("validate");
    EXPECT_EQ(1u, run.exitCode);
    std::vector<std::string> lines = Lines(run.output);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("16 error(s), 2 warning(s)", lines.back());
    lines.pop_back();
    for (const std::string& line : expected) {
        EXPECT_EQ(1, std::count(lines.begin(), lines.end(), line)) << line << "\n" << run.output;
    }
    EXPECT_EQ(expected.size(), lines.size()) << run.output;
    EXPECT_EQ(before, Snapshot(app));

    // In French the sheet's French messages, the rest of the line as it is.
    testsupport::SetEnv("VORDA_LANGID", "1036");
    const testsupport::ProgramRun french = Run("validate --kind scanner Same");
    testsupport::SetEnv("VORDA_LANGID", nullptr);
    EXPECT_EQ("error: " + a +
                  "sSame.INI: INDEX: Une condition de classement ne peut pas utiliser "
                  "deux fois la m\xEAme information.  R\xE9"
                  "essayez.",
              Lines(french.output).front());

    // One condition alone: its findings, no LibRoot check; clean is clean.
    EXPECT_EQ(1u, Run("validate --kind scanner sRange").exitCode);
    const testsupport::ProgramRun clean = Run("validate --kind scanner Clean --json");
    EXPECT_EQ(0u, clean.exitCode) << clean.output;
    EXPECT_EQ("{\"findings\":[],\"errors\":0,\"warnings\":0}\n", clean.output);
}

// ---- show ------------------------------------------------------------------

TEST_F(VordaCondTest, ShowReadsTheConditionAsThePageShowsIt) {
    const std::string sep = kSep;
    IniKeys fax = With(ConditionKeys(1), "FAX-RX", "FAX-SEQ",
                       ("@FAX-PORT" + sep + "@FAX-TSI" + sep + "@FAX-DIALIN" + sep + "@FAX-NAME" +
                        sep + "@FAX-NUMBER" + sep + "@FAX-FCODE" + sep)
                           .c_str());
    fax = With(fax, "FAX-RX", "FAX-CHECK", ("@FAX-PORT" + sep + "@FAX-FCODE" + sep).c_str());
    fax = With(fax, "FAX-RX", "BINDER", ("@FAX-PORT" + sep + "@FAX-FCODE" + sep).c_str());
    fax = With(fax, "FAX-RX", "DATETYPE", "@DATE-YMW");
    fax = With(fax, "FAX-RX", "DATEWEEK", "@DATE-YMW-TUE");
    fax = With(fax, "FAX-RX_USE", "TAG", "@OFF");
    WriteCondition("fFaxes.INI", fax);

    const testsupport::ProgramRun run = Run("show --kind fax-receive faxes");
    EXPECT_EQ(0u, run.exitCode) << run.output;
    const std::vector<std::string> expected = {
        "fax-receive condition Faxes",
        "  file:           " + app + "\\fFaxes.INI",
        "  library:        on   Papers",
        "  cabinet:        on   2026",
        "  binder:         on   F: FAX information  (naming choice)",
        "  index:          on   D: Date  (naming choice)",
        "  note:           off  T: Time  (naming choice)",
        "  sort position:  Previous (new binders go to the front)",
        "  date format:    Year Month Week",
        "  first weekday:  Tuesday",
        "  FAX information:",
        "    [x] FAX Receive Port",
        "    [ ] Sender Information",
        "    [ ] Dial-in number",
        "    [ ] Name display",
        "    [ ] Number display",
        "    [x] F-Code",
    };
    EXPECT_EQ(expected, Lines(run.output));

    const testsupport::ProgramRun json = Run("show --kind fax-receive Faxes --json");
    EXPECT_NE(std::string::npos,
              json.output.find("{\"layer\":\"binder\",\"on\":true,\"text\":\"F: FAX "
                               "information\",\"namingChoice\":true}"))
        << json.output;
    EXPECT_NE(std::string::npos, json.output.find("\"firstWeekday\":\"Tuesday\"")) << json.output;
}

// ---- set-current -------------------------------------------------------------

TEST_F(VordaCondTest, SetCurrentWritesDivsetAsTheSheetsOkDoes) {
    IniKeys scanner = With(ConditionKeys(0), "SCANNER", "DATETYPE", "@DATE-YMW");
    scanner = With(scanner, "SCANNER", "DATEWEEK", "@DATE-YMW-TUE");
    scanner = With(scanner, "SCANNER", "POSITION", "@BACK");
    WriteCondition("sInvoices.INI", scanner);
    WriteCondition("sBroken.INI", With(scanner, "SCANNER", "BINDER", "Temporary Binder"));
    const std::string divset = app + "\\DIVSET.ini";

    EXPECT_EQ(1u, Run("set-current --kind scanner Broken").exitCode);
    EXPECT_FALSE(FileExists(divset)) << "a condition the sheet refuses is not recorded";

    EXPECT_EQ(0u, Run("set-current --kind scanner invoices").exitCode);
    const testsupport::ProgramRun run =
        Run("set-current --kind fax-send \"FAX Send Template Binder 2\"");
    EXPECT_EQ(0u, run.exitCode) << run.output;
    EXPECT_TRUE(FileExists(app + "\\nFAX Send Template Binder 2.INI"))
        << "the templates are written as the sheet writes them when it opens";

    // The index is a week date: its copy holds the weekday token.
    const std::string expected =
        "[CONFIG_INI]\r\n"
        "SCAN=\"" +
        app +
        "\\sInvoices.INI\"\r\n"
        "SNDFAX=\"" +
        app +
        "\\nFAX Send Template Binder 2.INI\"\r\n"
        "[SCANNER_USE]\r\nLIBRARY=\"@ON\"\r\nCABINET=\"@ON\"\r\nBINDER=\"@ON\"\r\n"
        "INDEX=\"@ON\"\r\nTAG=\"@OFF\"\r\n"
        "[SCANNER]\r\nPOSITION=\"@BACK\"\r\nLIBRARY=\"Papers\"\r\nCABINET=\"2026\"\r\n"
        "BINDER=\"January\"\r\nINDEX=\"@DATE-YMW-TUE\"\r\nTAG=\"@TIME-HM\"\r\n"
        "[FAX-TX_USE]\r\nLIBRARY=\"@ON\"\r\nCABINET=\"@ON\"\r\nBINDER=\"@ON\"\r\n"
        "INDEX=\"@ON\"\r\nTAG=\"@ON\"\r\n"
        "[FAX-TX]\r\nPOSITION=\"@FRONT\"\r\nLIBRARY=\"Default Library\"\r\n"
        "CABINET=\"Transmitted FAX Document\"\r\nBINDER=\"@DATE-YM\"\r\nINDEX=\"@TX-DEST\"\r\n"
        "TAG=\"@TIME-HM\"\r\n";
    EXPECT_EQ(expected, ReadFileBytes(divset));
    EXPECT_NE(std::string::npos, Run("list --kind scanner").output.find("  * Invoices\n"));
}

// ---- export and import ---------------------------------------------------------

// A source installation with a user condition of each kind, the scanner
// and FAX send ones and a FAX receive template in force, exported.
class TransferTest : public VordaCondTest {
protected:
    void SetUp() override {
        VordaCondTest::SetUp();
        WriteCondition("sInvoices.INI", With(ConditionKeys(0), "SCANNER", "BINDER", "@BUTTON"));
        WriteCondition("fFaxes.INI", ConditionKeys(1));
        WriteCondition("nSent.INI", ConditionKeys(2));
        ASSERT_EQ(0u, Run("set-current --kind scanner Invoices").exitCode);
        ASSERT_EQ(0u,
                  Run("set-current --kind fax-receive \"FAX Receive Template Binder 2\"").exitCode);
        ASSERT_EQ(0u, Run("set-current --kind fax-send Sent").exitCode);
        exported = temp / "Export";
        target = temp / "Target";
        MakeFolder(exported);
        MakeFolder(target);
        const testsupport::ProgramRun run = Run("export --out " + Quote(exported));
        ASSERT_EQ(0u, run.exitCode) << run.output;
    }

    testsupport::ProgramRun Import(const std::string& options = "") {
        return Run("import " + Quote(exported) + " --app-folder " + Quote(target) + options);
    }

    std::string exported;
    std::string target;
};

TEST_F(TransferTest, ImportIntoAnEmptyFolderGivesTheSameFiles) {
    auto files = Snapshot(exported);
    EXPECT_EQ(4u, files.size());
    EXPECT_EQ(1u, files.count("VordaCond.ini"));
    EXPECT_EQ(files["sInvoices.INI"], ReadFileBytes(app + "\\sInvoices.INI"));
    EXPECT_NE(0u, Run("export --out " + Quote(exported)).exitCode) << "nothing overwritten";
    EXPECT_EQ(files, Snapshot(exported));

    const testsupport::ProgramRun run = Import();
    EXPECT_EQ(0u, run.exitCode) << run.output;
    // Every file alike, DIVSET.ini naming the new folder.
    auto expected = Snapshot(app);
    expected.erase("Vorda.ini");
    expected.erase("VordaCommon.ini");
    expected["DIVSET.ini"] = Replaced(expected["DIVSET.ini"], app + "\\", target + "\\");
    EXPECT_EQ(expected, Snapshot(target));
}

struct Refusal {
    const char* what;
    void (*spoil)(const std::string& exported, const std::string& target);
    const char* output;
};

void SetListed(const std::string& exported, const char* key, const char* value) {
    WritePrivateProfileStringA("EXPORT", key, value, (exported + "\\VordaCond.ini").c_str());
}

// Adds a file to the export and to its list, as a third file.
void AddListed(const std::string& exported, const char* fileName, const std::string& bytes) {
    WriteFileBytes(exported + "\\" + fileName, bytes);
    SetListed(exported, "FILES", "4");
    SetListed(exported, "FILE4", fileName);
    SetListed(exported, "SIZE4", std::to_string(bytes.size()).c_str());
}

TEST_F(TransferTest, ImportRefusesAndWritesNothing) {
    const std::vector<Refusal> cases = {
        {"a condition exists",
         [](const std::string&, const std::string& t) {
             WriteFileBytes(t + "\\fFaxes.INI", "[FAX-RX]\r\n");
         },
         "fFaxes.INI: the condition exists already; --replace replaces it"},
        {"a template name",
         [](const std::string& e, const std::string&) {
             AddListed(e, "sScanner Template Binder 1.INI", IniText(ConditionKeys(0)));
         },
         "name: Configuration name can not take the following names:"},
        {"a forbidden character",
         [](const std::string& e, const std::string&) {
             AddListed(e, "sA!B.INI", IniText(ConditionKeys(0)));
         },
         "name: A configuration name cannot contain any of the following characters:"},
        {"a damaged file",
         [](const std::string& e, const std::string&) { AddListed(e, "nJunk.INI", "junk"); },
         "nJunk.INI: section [FAX-TX_USE] is missing"},
        {"a layer rule",
         [](const std::string& e, const std::string&) {
             AddListed(e, "sTemp.INI",
                       IniText(With(ConditionKeys(0), "SCANNER", "BINDER", "Temporary Binder")));
         },
         "sTemp.INI: BINDER: Binder can not be named as \"Temporary Binder\"."},
        {"a file cut short",
         [](const std::string& e, const std::string&) {
             const std::string bytes = ReadFileBytes(e + "\\nSent.INI");
             WriteFileBytes(e + "\\nSent.INI", bytes.substr(0, bytes.size() / 2));
         },
         "nSent.INI: the file has"},
        {"a file missing",
         [](const std::string& e, const std::string&) {
             DeleteFileA((e + "\\fFaxes.INI").c_str());
         },
         "fFaxes.INI: the file is missing: the export is incomplete"},
        {"a file not listed",
         [](const std::string& e, const std::string&) {
             WriteFileBytes(e + "\\fExtra.INI", IniText(ConditionKeys(1)));
         },
         "fExtra.INI: not listed in VordaCond.ini: not part of the export"},
        {"an unknown condition in force",
         [](const std::string& e, const std::string&) {
             WritePrivateProfileStringA("IN_FORCE", "SCAN", "Ghost",
                                        (e + "\\VordaCond.ini").c_str());
         },
         "[IN_FORCE] SCAN: condition \"Ghost\" is neither in the export nor in the application"},
        {"no list: the export did not finish",
         [](const std::string& e, const std::string&) {
             DeleteFileA((e + "\\VordaCond.ini").c_str());
         },
         "there is no VordaCond.ini in"},
    };
    const auto exportedFiles = Snapshot(exported);
    auto restart = [&] {
        testsupport::RemoveTree(exported);
        testsupport::RemoveTree(target);
        MakeFolder(exported);
        MakeFolder(target);
        for (const auto& file : exportedFiles)
            WriteFileBytes(exported + "\\" + file.first, file.second);
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        c.spoil(exported, target);
        const auto before = Snapshot(target);
        const testsupport::ProgramRun run = Import();
        EXPECT_EQ(1u, run.exitCode) << run.output;
        EXPECT_NE(std::string::npos, run.output.find(c.output)) << run.output;
        EXPECT_EQ(before, Snapshot(target));
    }

    // An existing condition is replaced when asked to.
    restart();
    cases[0].spoil(exported, target);
    const testsupport::ProgramRun run = Import(" --replace");
    EXPECT_EQ(0u, run.exitCode) << run.output;
    EXPECT_EQ(ReadFileBytes(app + "\\fFaxes.INI"), ReadFileBytes(target + "\\fFaxes.INI"));
}

// ---- failures found by killing and breaking the writers --------------------

// What one case runs and expects. A case that is refused or fails leaves
// every folder of the fixture as it was, unless it says it writes.
struct Outcome {
    std::string arguments;
    DWORD exitCode;
    std::string output;  // expected within what the program prints
    bool writes = false;
    std::string held;  // a file kept open, unshared, during the run
};

// Creates a file or folder whose path may pass 259 bytes (ASCII only): the
// wide calls take such a path with the "\\?\" prefix, the ANSI ones do not.
bool MakeLongPath(const std::string& path, const std::string* bytes) {
    const std::wstring wide = L"\\\\?\\" + std::wstring(path.begin(), path.end());
    if (bytes == nullptr) return CreateDirectoryW(wide.c_str(), nullptr) != FALSE;
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &written, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return ok;
}

struct Breakage {
    const char* what;
    std::function<Outcome()> setUp;
};

TEST_F(TransferTest, FailuresAreReportedAndLeaveEveryFileWhole) {
    const std::string out = temp / "Out";
    const std::string deep = temp / "Deep";
    const std::string divset = app + "\\DIVSET.ini";
    const std::string list = exported + "\\VordaCond.ini";
    const std::string scanner = IniText(ConditionKeys(0));
    // A name that fits a file name but not a path in the deep folder.
    const std::string deepFolder = deep + "\\" + std::string(218 - deep.size(), 'd');
    const std::string longName(40, 'N');
    const std::string longFile = deepFolder + "\\s" + longName + ".INI";
    const std::wstring longWide = L"\\\\?\\" + std::wstring(longFile.begin(), longFile.end());
    auto inDeepFolder = [&](const std::string& command, const std::string& operand) {
        MakeFolder(deepFolder);
        EXPECT_TRUE(MakeLongPath(longFile, &scanner));
        return Outcome{command + " --app-folder " + Quote(deepFolder) + " " + operand, 1,
                       longFile + ": the path has " + std::to_string(longFile.size()) +
                           " bytes; a path holds at most 259"};
    };
    const std::vector<Breakage> cases = {
        {"set-current: DIVSET.ini read-only",
         [&] {
             SetFileAttributesA(divset.c_str(), FILE_ATTRIBUTE_READONLY);
             return Outcome{"set-current --kind scanner Invoices", 1,
                            "could not write " + divset + "; DIVSET.ini is unchanged"};
         }},
        {"import: DIVSET.ini read-only",
         [&] {
             WriteFileBytes(target + "\\DIVSET.ini", "");
             SetFileAttributesA((target + "\\DIVSET.ini").c_str(), FILE_ATTRIBUTE_READONLY);
             return Outcome{"import " + Quote(exported) + " --app-folder " + Quote(target), 1,
                            "could not write " + target +
                                "\\DIVSET.ini; the conditions were "
                                "imported, those in force not recorded",
                            true};
         }},
        {"import --replace: one target read-only",
         [&] {
             for (const char* file : {"sInvoices.INI", "fFaxes.INI", "nSent.INI"})
                 WriteFileBytes(target + "\\" + file, "[old]\r\n");
             SetFileAttributesA((target + "\\nSent.INI").c_str(), FILE_ATTRIBUTE_READONLY);
             return Outcome{
                 "import " + Quote(exported) + " --replace --app-folder " + Quote(target), 1,
                 target + "\\nSent.INI: the file is read-only: it cannot be replaced"};
         }},
        {"import: a tampered in-force name leading out of the folder",
         [&] {
             WritePrivateProfileStringA("IN_FORCE", "SCAN", "x\\..\\..\\App\\sInvoices",
                                        list.c_str());
             return Outcome{"import " + Quote(exported) + " --app-folder " + Quote(target), 1,
                            "[IN_FORCE] SCAN: A configuration name cannot contain"};
         }},
        {"import: a list without its in-force section",
         [&] {
             WritePrivateProfileStringA("IN_FORCE", nullptr, nullptr, list.c_str());
             return Outcome{"import " + Quote(exported) + " --app-folder " + Quote(target), 1,
                            "VordaCond.ini is damaged: section [IN_FORCE] is missing"};
         }},
        {"import --dry-run",
         [&] {
             return Outcome{
                 "import --dry-run " + Quote(exported) + " --app-folder " + Quote(target), 0,
                 "would write " + target + "\\nSent.INI\nwould write " + target +
                     "\\sScanner Template Binder 1.INI\n"};
         }},
        {"set-current --dry-run",
         [&] {
             return Outcome{"set-current --kind fax-send --dry-run Sent", 0,
                            "would replace " + divset + "\nwould record in force (fax-send): Sent"};
         }},
        {"export: a source that cannot be read",
         [&] {
             MakeFolder(out);
             const std::string source = app + "\\nSent.INI";
             return Outcome{"export --out " + Quote(out), 1,
                            "could not read " + source + "; nothing was exported", false, source};
         }},
        {"export: a folder holding another file",
         [&] {
             MakeFolder(out);
             WriteFileBytes(out + "\\notes.txt", "");
             return Outcome{"export --out " + Quote(out), 1,
                            "the export folder holds " + out + "\\notes.txt"};
         }},
        {"validate: a quoted library of 43 bytes, which the read cuts",
         [&] {
             WriteCondition("sLong.INI", With(ConditionKeys(0), "SCANNER", "LIBRARY",
                                              std::string(43, 'L').c_str()));
             return Outcome{"validate --kind scanner Long", 1,
                            "[SCANNER] LIBRARY: the value has 43 bytes; the field holds 42"};
         }},
        {"validate: a file cut inside a quoted value",
         [&] {
             WriteFileBytes(app + "\\sCut.INI", scanner.substr(0, scanner.rfind("HM")));
             return Outcome{"validate --kind scanner Cut", 1,
                            "[SCANNER] TAG: the value \"@TIME- has no closing quote"};
         }},
        {"validate: DIVSET.ini empty",
         [&] {
             WriteFileBytes(divset, "");
             return Outcome{"validate", 1, divset + ": the file is empty"};
         }},
        {"validate: a kind's copy not that of its condition",
         [&] {
             WritePrivateProfileStringA("SCANNER", "LIBRARY", "\"Other\"", divset.c_str());
             return Outcome{"validate", 1,
                            divset + ": [SCANNER] LIBRARY: the copy holds \"Other\", " + app +
                                "\\sInvoices.INI \"Papers\""};
         }},
        {"validate: an entry whose name the sheet refuses",
         [&] {
             WritePrivateProfileStringA("CONFIG_INI", "SNDFAX", (app + "\\nA!B.INI").c_str(),
                                        divset.c_str());
             return Outcome{"validate", 1,
                            "[CONFIG_INI] SNDFAX: A configuration name cannot contain"};
         }},
        {"validate: a path over 259 bytes",
         [&] { return inDeepFolder("validate --kind scanner", longName); }},
        {"export: a path over 259 bytes",
         [&] {
             MakeFolder(out);
             return inDeepFolder("export", "--out " + Quote(out));
         }},
        {"an application folder too long to hold condition files",
         [&] {
             const std::string folder = deep + "\\" + std::string(250 - deep.size(), 'd');
             MakeFolder(deep);
             EXPECT_TRUE(MakeLongPath(folder, nullptr));
             return Outcome{"list --app-folder " + Quote(folder), 1,
                            folder + " is too long to hold condition files"};
         }},
        {"--app-folder \"\"",
         [&] {
             return Outcome{"list --app-folder \"\"", 2, "--app-folder needs a folder"};
         }},
        {"-- ends the options",
         [&] {
             WriteCondition("s-Dash.INI", ConditionKeys(0));
             return Outcome{"show --kind scanner -- -Dash", 0, "scanner condition -Dash\n"};
         }},
    };
    const std::string folders[] = {app, exported, target, out, deep};
    std::map<std::string, std::string> saved[3];
    for (int i = 0; i < 3; ++i) saved[i] = Snapshot(folders[i]);
    for (const Breakage& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileW(longWide.c_str());
        for (int i = 0; i < 5; ++i) testsupport::RemoveTree(folders[i]);
        for (int i = 0; i < 3; ++i) {
            MakeFolder(folders[i]);
            for (const auto& file : saved[i])
                WriteFileBytes(folders[i] + "\\" + file.first, file.second);
        }
        const Outcome o = c.setUp();
        std::map<std::string, std::string> before[5];
        for (int i = 0; i < 5; ++i) before[i] = Snapshot(folders[i]);
        HANDLE held = o.held.empty() ? INVALID_HANDLE_VALUE
                                     : CreateFileA(o.held.c_str(), GENERIC_READ, 0, nullptr,
                                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        const testsupport::ProgramRun run = Run(o.arguments);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        EXPECT_EQ(o.exitCode, run.exitCode) << run.output;
        EXPECT_NE(std::string::npos, run.output.find(o.output)) << run.output;
        for (int i = 0; i < 5 && !o.writes; ++i)
            EXPECT_EQ(before[i], Snapshot(folders[i])) << folders[i];
    }
    DeleteFileW(longWide.c_str());  // beyond the reach of TempDir's clean-up
}

// ---- double-byte names ---------------------------------------------------------

TEST_F(VordaCondTest, DbcsNamesTravelAndPrintAsUtf8) {
    if (GetACP() != 932) GTEST_SKIP() << "needs code page 932";
    // "\x83\x5C" ends in the byte of a backslash; "\x83\x65" is a second
    // katakana letter.
    const std::string name = "\x83\x5C\x83\x65";
    const std::string utf8 = "\xE3\x82\xBD\xE3\x83\x86";
    WriteCondition("s" + name + ".INI", ConditionKeys(0));
    EXPECT_EQ(0u, Run("set-current --kind scanner " + name).exitCode);
    EXPECT_EQ(0u, Run("validate --kind scanner " + name).exitCode);

    const testsupport::ProgramRun list = Run("list --kind scanner --json");
    EXPECT_NE(std::string::npos,
              list.output.find("{\"name\":\"" + utf8 + "\",\"template\":false,\"inForce\":true"))
        << list.output;

    const std::string exported = temp / "Export";
    const std::string target = temp / "Target";
    MakeFolder(exported);
    MakeFolder(target);
    const testsupport::ProgramRun exporting = Run("export --out " + Quote(exported));
    EXPECT_EQ(0u, exporting.exitCode) << exporting.output;
    const testsupport::ProgramRun importing =
        Run("import " + Quote(exported) + " --app-folder " + Quote(target));
    EXPECT_EQ(0u, importing.exitCode) << importing.output;
    EXPECT_EQ(ReadFileBytes(app + "\\s" + name + ".INI"),
              ReadFileBytes(target + "\\s" + name + ".INI"));
    EXPECT_NE(
        std::string::npos,
        ReadFileBytes(target + "\\DIVSET.ini").find("SCAN=\"" + target + "\\s" + name + ".INI\""));
}

}  // namespace
}  // namespace tooltest
