// The three sort-condition pages as a user meets them: what they open on,
// the cascading library lists, editing and the Apply button, the naming
// tokens a user may type, the information lists, the layer diagram, saving
// under a confirmed name with every name and layer rule, Delete, Preview,
// and what OK and Apply record in DIVSET.ini.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/ui/ui_fixture.h"
#include "tests/ui/ui_texts.h"

namespace uitest {
namespace {

using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::Snapshot;
using Rows = std::vector<std::string>;

using namespace text;
const std::string kLS = "\x18\x19";

// The controls of one page, by kind.
struct Page {
    int tab;
    char prefix;  // of the kind's condition files
    const char* templates[3];
    int condition, del, preview;
    int checks[5];  // Library, Cabinet, Binder, Index, Note
    int combos[5];
    int next, ymd, ymw, weekday, info, up, down;
};
// clang-format off
const Page kScanner = {0, 's',
    {"Scanner Template Binder 1", "Scanner Template Binder 2", "Scanner Template Binder 3"},
    IDC_SCAN_CONDITION, IDC_SCAN_DELETE, IDC_SCAN_PREVIEW,
    {IDC_SCAN_CHECK_LIBRARY, IDC_SCAN_CHECK_CABINET, IDC_SCAN_CHECK_BINDER, IDC_SCAN_CHECK_INDEX,
     IDC_SCAN_CHECK_NOTE},
    {IDC_SCAN_LIBRARY, IDC_SCAN_CABINET, IDC_SCAN_BINDER, IDC_SCAN_INDEX, IDC_SCAN_NOTE},
    IDC_SCAN_POSITION_NEXT, IDC_SCAN_DATE_YMD, IDC_SCAN_DATE_YMW, IDC_SCAN_WEEKDAY, 0, 0, 0};
const Page kFaxReceive = {1, 'f',
    {"FAX Receive Template Binder 1", "FAX Receive Template Binder 2",
     "FAX Receive Template Binder 3"},
    IDC_FAXRX_CONDITION, IDC_FAXRX_DELETE, IDC_FAXRX_PREVIEW,
    {IDC_FAXRX_CHECK_LIBRARY, IDC_FAXRX_CHECK_CABINET, IDC_FAXRX_CHECK_BINDER,
     IDC_FAXRX_CHECK_INDEX, IDC_FAXRX_CHECK_NOTE},
    {IDC_FAXRX_LIBRARY, IDC_FAXRX_CABINET, IDC_FAXRX_BINDER, IDC_FAXRX_INDEX, IDC_FAXRX_NOTE},
    IDC_FAXRX_POSITION_NEXT, IDC_FAXRX_DATE_YMD, IDC_FAXRX_DATE_YMW, IDC_FAXRX_WEEKDAY,
    IDC_FAXRX_INFO_LIST, IDC_FAXRX_UP, IDC_FAXRX_DOWN};
const Page kFaxSend = {2, 'n',
    {"FAX Send Template Binder 1", "FAX Send Template Binder 2", "FAX Send Template Binder 3"},
    IDC_FAXTX_CONDITION, IDC_FAXTX_DELETE, IDC_FAXTX_PREVIEW,
    {IDC_FAXTX_CHECK_LIBRARY, IDC_FAXTX_CHECK_CABINET, IDC_FAXTX_CHECK_BINDER,
     IDC_FAXTX_CHECK_INDEX, IDC_FAXTX_CHECK_NOTE},
    {IDC_FAXTX_LIBRARY, IDC_FAXTX_CABINET, IDC_FAXTX_BINDER, IDC_FAXTX_INDEX, IDC_FAXTX_NOTE},
    IDC_FAXTX_POSITION_NEXT, IDC_FAXTX_DATE_YMD, IDC_FAXTX_DATE_YMW, IDC_FAXTX_WEEKDAY,
    IDC_FAXTX_INFO_LIST, IDC_FAXTX_UP, IDC_FAXTX_DOWN};
// clang-format on
const Page* const kPages[3] = {&kScanner, &kFaxReceive, &kFaxSend};
enum { kLibrary, kCabinet, kBinder, kIndex, kNote };

class ConditionPageTest : public UiTest {
protected:
    std::string ConditionFile(const Page& p, const std::string& name) const {
        return appFolder + "\\" + p.prefix + name + ".INI";
    }
    std::string Divset() const { return appFolder + "\\DIVSET.ini"; }

    // Writes a scanner condition file as the module would.
    void WriteScanner(const std::string& name, const char* library, const char* binder,
                      const char* binderUse = "@ON") {
        const std::string file = ConditionFile(kScanner, name);
        WriteIni(file, "SCANNER_USE", "LIBRARY", "\"@ON\"");
        WriteIni(file, "SCANNER_USE", "CABINET", "\"@ON\"");
        WriteIni(file, "SCANNER_USE", "BINDER", (std::string("\"") + binderUse + "\"").c_str());
        WriteIni(file, "SCANNER", "LIBRARY", (std::string("\"") + library + "\"").c_str());
        WriteIni(file, "SCANNER", "CABINET", "\"2026\"");
        WriteIni(file, "SCANNER", "BINDER", (std::string("\"") + binder + "\"").c_str());
    }

    // Opens mode 1 on libRoot and runs script with the sheet; returns the
    // result of VordaConfigSet.
    int Open(const std::function<void(robot::Robot&, HWND)>& script) {
        ConfigArgs args(1, libRoot);
        return ConfigSet(args, [&](robot::Robot& r) { script(r, r.WaitForSheet()); });
    }

    static bool ApplyEnabled(robot::Robot& r, HWND sheet) {
        return r.IsEnabled(sheet, robot::kSheetApply);
    }

    // The visible window of the UI thread titled title, or null (no wait).
    static HWND FindTitled(robot::Robot& r, const std::string& title) {
        for (HWND window : r.Windows())
            if (r.Text(window) == title) return window;
        return nullptr;
    }
};

// ---- opening ------------------------------------------------------------------

TEST_F(ConditionPageTest, OpensOnTemplatesInAnEmptyApplicationFolder) {
    Open([&](robot::Robot& r, HWND sheet) {
        for (const Page* p : kPages) {
            r.SelectTab(sheet, p->tab);
            HWND page = r.Page(sheet, p->tab);
            EXPECT_EQ((Rows{p->templates[0], p->templates[1], p->templates[2]}),
                      r.Rows(page, p->condition));
            EXPECT_EQ(0, r.SelectedRow(page, p->condition));
            EXPECT_FALSE(r.IsEnabled(page, p->del));
            EXPECT_TRUE(r.IsVisible(page, p->preview));
        }
        EXPECT_FALSE(ApplyEnabled(r, sheet));
        r.PressCancel(sheet);
    });
    for (const Page* p : kPages)
        for (const char* name : p->templates) EXPECT_TRUE(FileExists(ConditionFile(*p, name)));
}

TEST_F(ConditionPageTest, OpensOnTheConditionInForceEvenWhenItsFileIsGone) {
    WriteScanner("Filing", "papers", "february");
    WriteIni(Divset(), "CONFIG_INI", "SCAN",
             ("\"" + ConditionFile(kScanner, "Filing") + "\"").c_str());
    // FAX receive: recorded with a copy of its values, its own file gone.
    WriteIni(Divset(), "CONFIG_INI", "FAX",
             ("\"" + ConditionFile(kFaxReceive, "Gone") + "\"").c_str());
    WriteIni(Divset(), "FAX-RX", "BINDER", "\"@DATE-YMW-TUE\"");
    WriteIni(Divset(), "FAX-RX", "LIBRARY", "\"Bills\"");
    WriteIni(Divset(), "FAX-RX", "INDEX", "\"Mail\"");  // not a second date
    Open([&](robot::Robot& r, HWND sheet) {
        HWND scanner = r.Page(sheet, 0);
        EXPECT_EQ("Filing", r.Rows(scanner, kScanner.condition).back());
        EXPECT_EQ(3, r.SelectedRow(scanner, kScanner.condition));
        EXPECT_TRUE(r.IsEnabled(scanner, kScanner.del));
        EXPECT_FALSE(r.IsVisible(scanner, kScanner.preview));
        // Stored names are found in the lists in any letter case.
        EXPECT_EQ("Papers", r.Text(scanner, kScanner.combos[kLibrary]));
        EXPECT_EQ(0, r.SelectedRow(scanner, kScanner.combos[kLibrary]));
        EXPECT_EQ("2026", r.Text(scanner, kScanner.combos[kCabinet]));
        EXPECT_EQ("February", r.Text(scanner, kScanner.combos[kBinder]));

        HWND fax = r.Page(sheet, 1);
        EXPECT_EQ((Rows{kFaxReceive.templates[0], kFaxReceive.templates[1],
                        kFaxReceive.templates[2], "Gone"}),
                  r.Rows(fax, kFaxReceive.condition));
        EXPECT_EQ(3, r.SelectedRow(fax, kFaxReceive.condition));
        EXPECT_EQ("Bills", r.Text(fax, kFaxReceive.combos[kLibrary]));
        EXPECT_EQ("D: Date", r.Text(fax, kFaxReceive.combos[kBinder]));
        EXPECT_TRUE(r.IsChecked(fax, kFaxReceive.ymw));
        EXPECT_EQ(2, r.SelectedRow(fax, kFaxReceive.weekday));
        EXPECT_TRUE(r.IsEnabled(fax, kFaxReceive.weekday));
        r.PressCancel(sheet);
    });
    EXPECT_FALSE(FileExists(ConditionFile(kFaxReceive, "Gone")));
}

// ---- the library lists ----------------------------------------------------------

TEST_F(ConditionPageTest, LibraryCabinetAndBinderListsCascade) {
    const std::string cabinet = libRoot + "\\Papers#1\\2026#1";
    WriteBinderList(cabinet, "B0001,B0002,B0003,B0004,B0005", "2,1,3,4,5");
    MakeBinder(cabinet + "\\B0004", "Temporary Binder", "");
    MakeBinder(cabinet + "\\B0005", "February", "");  // the same text as B0002
    Open([&](robot::Robot& r, HWND sheet) {
        HWND page = r.Page(sheet, 0);
        const Page& p = kScanner;
        EXPECT_EQ((Rows{"Papers", "Bills"}), r.Rows(page, p.combos[kLibrary]));
        r.SelectRow(page, p.combos[kLibrary], "Papers");
        EXPECT_EQ((Rows{"2026", "Archive"}), r.Rows(page, p.combos[kCabinet]));
        r.SelectRow(page, p.combos[kCabinet], "2026");
        EXPECT_EQ((Rows{"B: Button Name", "D: Date", "February", "January-Invoices"}),
                  r.Rows(page, p.combos[kBinder]));
        EXPECT_EQ((Rows{"B: Button Name", "D: Date", "T: Time"}), r.Rows(page, p.combos[kNote]));
        EXPECT_TRUE(ApplyEnabled(r, sheet));

        // A typed library has no folder: no cabinets, only the binder choices.
        r.SetComboText(page, p.combos[kLibrary], "Elsewhere");
        r.RunOnUiThread([&] {
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(p.combos[kLibrary], CBN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, p.combos[kLibrary])));
        });
        EXPECT_TRUE(r.Rows(page, p.combos[kCabinet]).empty());
        EXPECT_EQ((Rows{"B: Button Name", "D: Date"}), r.Rows(page, p.combos[kBinder]));
        r.PressCancel(sheet);
    });
}

// ---- editing ----------------------------------------------------------------------

TEST_F(ConditionPageTest, EditsMarkThePageModifiedUnlessTheyRestoreTheStoredValue) {
    struct Case {
        const char* what;
        void (*edit)(robot::Robot&, HWND page);
        bool modified;
    };
    const Page& p = kFaxReceive;
    const Case cases[] = {
        {"the stored date format again",
         [](robot::Robot& r, HWND page) { r.Click(page, kFaxReceive.ymd); }, false},
        {"an information row selected",
         [](robot::Robot& r, HWND page) { r.ListSelectRow(page, kFaxReceive.info, 2); }, false},
        {"Up on the first row",
         [](robot::Robot& r, HWND page) {
             r.ListSelectRow(page, kFaxReceive.info, 0);
             r.Click(page, kFaxReceive.up);
         },
         false},
        {"Down on the last row",
         [](robot::Robot& r, HWND page) {
             r.ListSelectRow(page, kFaxReceive.info, 5);
             r.Click(page, kFaxReceive.down);
         },
         false},
        {"the week format", [](robot::Robot& r, HWND page) { r.Click(page, kFaxReceive.ymw); },
         true},
        {"sort position Next", [](robot::Robot& r, HWND page) { r.Click(page, kFaxReceive.next); },
         true},
        {"a layer check box",
         [](robot::Robot& r, HWND page) { r.Click(page, kFaxReceive.checks[kCabinet]); }, true},
        {"a typed name",
         [](robot::Robot& r, HWND page) {
             r.SetComboText(page, kFaxReceive.combos[kBinder], "Mail");
         },
         true},
        {"Down on a middle row",
         [](robot::Robot& r, HWND page) {
             r.ListSelectRow(page, kFaxReceive.info, 3);
             r.Click(page, kFaxReceive.down);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open([&](robot::Robot& r, HWND sheet) {
            r.SelectTab(sheet, p.tab);
            HWND page = r.Page(sheet, p.tab);
            c.edit(r, page);
            EXPECT_EQ(c.modified, ApplyEnabled(r, sheet));
            r.PressCancel(sheet);
        });
    }
    // What the edits do besides: the weekday box follows the date format, a
    // layer box its check box, and a moved row keeps its check.
    Open([&](robot::Robot& r, HWND sheet) {
        r.SelectTab(sheet, p.tab);
        HWND page = r.Page(sheet, p.tab);
        r.Click(page, p.ymw);
        EXPECT_TRUE(r.IsEnabled(page, p.weekday));
        r.Click(page, p.ymd);
        EXPECT_FALSE(r.IsEnabled(page, p.weekday));
        r.Click(page, p.checks[kCabinet]);
        EXPECT_FALSE(r.IsEnabled(page, p.combos[kCabinet]));
        EXPECT_TRUE(r.IsEnabled(page, p.combos[kBinder]));
        r.ListSelectRow(page, p.info, 1);
        r.Click(page, p.up);
        EXPECT_EQ((Rows{"Dial-in number", "Sender Information", "Name display", "Number display",
                        "F-Code", "FAX Receive Port"}),
                  r.ListRows(page, p.info));
        EXPECT_EQ(0, r.ListSelectedRow(page, p.info));
        r.PressCancel(sheet);
    });
}

// Typed tokens become their naming choice when the page is collected.
TEST_F(ConditionPageTest, TypedTokensSelectTheirChoice) {
    struct Case {
        const Page* page;
        int layer;
        const char* typed;
        const char* shown;
        int row;
    };
    const Case cases[] = {
        {&kScanner, kBinder, "@button", "B: Button Name", 0},
        {&kScanner, kIndex, "  D: Date ", "D: Date", 1},
        {&kFaxReceive, kIndex, "@DATE-YM", "D: Date", 2},
        {&kFaxReceive, kBinder, "x@DATE-YM", "x@DATE-YM", -1},
        {&kFaxSend, kNote, "@tx-mode", "M: Communication Mode", 4},
        {&kFaxSend, kBinder, "@tx-dest", "S: Destination Information", 2},
        {&kFaxSend, kNote, "@time-hm", "T: Time", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Open([&](robot::Robot& r, HWND sheet) {
            const Page& p = *c.page;
            r.SelectTab(sheet, p.tab);
            HWND page = r.Page(sheet, p.tab);
            r.SetComboText(page, p.combos[c.layer], c.typed);
            // Apply collects the page; a changed condition asks for a name.
            r.PressApply(sheet);
            HWND dialog = nullptr;
            r.WaitUntil(
                [&] {
                    dialog = FindTitled(r, kNameDialog);
                    return dialog != nullptr || !ApplyEnabled(r, sheet);
                },
                "the name dialog or the end of Apply");
            if (dialog != nullptr) r.Click(dialog, IDCANCEL);
            EXPECT_EQ(c.shown, r.Text(page, p.combos[c.layer]));
            EXPECT_EQ(c.row, r.SelectedRow(page, p.combos[c.layer]));
            r.PressCancel(sheet);
        });
    }
}

// ---- the example line ---------------------------------------------------------

// Space on the selected row of the information list toggles its check, as a
// user's key does.
void ToggleInfoRow(robot::Robot& r, HWND page, int list, int row) {
    r.ListSelectRow(page, list, row);
    r.RunOnUiThread([&] { SendMessageA(GetDlgItem(page, list), WM_KEYDOWN, VK_SPACE, 0); });
}

// One scenario per page: each step edits the page, then the line must read
// "Example: " and the names, {YMD} and {YM} standing for today's date. A line
// ending in "Week " is compared up to there (the week number is today's).
TEST_F(ConditionPageTest, TheExampleLineFollowsTheEdits) {
    struct Step {
        const char* what;
        void (*edit)(robot::Robot&, HWND page);
        const char* line;
    };
    const Step scanner[] = {
        {"opened", [](robot::Robot&, HWND) {},
         "Default Library > Scanned Document > Invoices > {YMD}"},
        {"year month", [](robot::Robot& r, HWND page) { r.Click(page, IDC_SCAN_DATE_YM); },
         "Default Library > Scanned Document > Invoices > {YM}"},
        {"typed binder",
         [](robot::Robot& r, HWND page) {
             r.SetComboText(page, kScanner.combos[kBinder], " Contracts ");
         },
         "Default Library > Scanned Document > Contracts > {YM}"},
        {"cabinet off",
         [](robot::Robot& r, HWND page) { r.Click(page, kScanner.checks[kCabinet]); },
         "Default Library > Contracts > {YM}"},
        {"week from Monday",
         [](robot::Robot& r, HWND page) {
             r.Click(page, kScanner.ymw);
             r.SelectRow(page, kScanner.weekday, 1);
         },
         "Default Library > Contracts > {YM} Week "},
        {"another condition",
         [](robot::Robot& r, HWND page) { r.SelectRow(page, kScanner.condition, 1); },
         "Default Library > Scanned Document > {YM} > Invoices"},
    };
    const Step faxReceive[] = {
        {"note off", [](robot::Robot& r, HWND page) { r.Click(page, kFaxReceive.checks[kNote]); },
         "Default Library > Received FAX Document > 03-1234-5678 > {YMD}"},
        {"port checked",
         [](robot::Robot& r, HWND page) { ToggleInfoRow(r, page, kFaxReceive.info, 5); },
         "Default Library > Received FAX Document > 03-1234-5678 Port 1 > {YMD}"},
        {"port moved first",
         [](robot::Robot& r, HWND page) {
             for (int i = 0; i < 5; ++i) r.Click(page, kFaxReceive.up);
         },
         "Default Library > Received FAX Document > Port 1 03-1234-5678 > {YMD}"},
        {"index by button",
         [](robot::Robot& r, HWND page) { r.SelectRow(page, kFaxReceive.combos[kIndex], 0); },
         "Default Library > Received FAX Document > Port 1 03-1234-5678 > Invoices"},
    };
    const Step faxSend[] = {
        {"note off", [](robot::Robot& r, HWND page) { r.Click(page, kFaxSend.checks[kNote]); },
         "Default Library > Transmitted FAX Document > Head Office > {YMD}"},
        {"binder by sender information",
         [](robot::Robot& r, HWND page) { r.SelectRow(page, kFaxSend.combos[kBinder], 3); },
         "Default Library > Transmitted FAX Document > Taylor Sales > {YMD}"},
        {"user name unchecked",
         [](robot::Robot& r, HWND page) { ToggleInfoRow(r, page, kFaxSend.info, 0); },
         "Default Library > Transmitted FAX Document > Sales > {YMD}"},
        {"index by mode",
         [](robot::Robot& r, HWND page) { r.SelectRow(page, kFaxSend.combos[kIndex], 4); },
         "Default Library > Transmitted FAX Document > Sales > G3"},
    };
    const struct {
        const Page* page;
        int example;
        const Step* steps;
        size_t count;
    } scenarios[] = {
        {&kScanner, IDC_SCAN_EXAMPLE, scanner, sizeof scanner / sizeof scanner[0]},
        {&kFaxReceive, IDC_FAXRX_EXAMPLE, faxReceive, sizeof faxReceive / sizeof faxReceive[0]},
        {&kFaxSend, IDC_FAXTX_EXAMPLE, faxSend, sizeof faxSend / sizeof faxSend[0]},
    };
    SYSTEMTIME now;
    GetLocalTime(&now);
    char ym[16], ymd[16];
    std::snprintf(ym, sizeof ym, "%04d/%02d", now.wYear, now.wMonth);
    std::snprintf(ymd, sizeof ymd, "%s/%02d", ym, now.wDay);
    auto expected = [&](std::string line) {
        for (size_t at; (at = line.find("{YMD}")) != std::string::npos;) line.replace(at, 5, ymd);
        for (size_t at; (at = line.find("{YM}")) != std::string::npos;) line.replace(at, 4, ym);
        return "Example: " + line;
    };
    for (const auto& scenario : scenarios) {
        // Leaving an edited page would ask for a name: one sheet per page.
        Open([&](robot::Robot& r, HWND sheet) {
            r.SelectTab(sheet, scenario.page->tab);
            HWND page = r.Page(sheet, scenario.page->tab);
            // The line is shown before any edit, and showing it changes nothing.
            EXPECT_FALSE(ApplyEnabled(r, sheet));
            for (size_t i = 0; i < scenario.count; ++i) {
                const Step& step = scenario.steps[i];
                SCOPED_TRACE(step.what);
                step.edit(r, page);
                const std::string want = expected(step.line);
                std::string line = r.Text(page, scenario.example);
                if (want.back() == ' ' && line.size() > want.size()) {
                    EXPECT_NE(std::string::npos, std::string("123456").find(line[want.size()]));
                    line.resize(want.size());
                }
                EXPECT_EQ(want, line);
            }
            r.PressCancel(sheet);
        });
    }
}

// ---- saving -------------------------------------------------------------------------

TEST_F(ConditionPageTest, AnEditedTemplateIsSavedAsACopyAndBecomesTheConditionInForce) {
    const std::string templateFile = ConditionFile(kScanner, kScanner.templates[0]);
    std::string templateBytes;
    const int result = Open([&](robot::Robot& r, HWND sheet) {
        templateBytes = ReadFileBytes(templateFile);
        HWND page = r.Page(sheet, 0);
        r.Click(page, kScanner.checks[kNote]);
        r.PostSelectTab(sheet, 1);
        HWND dialog = r.WaitForDialog(sheet, kNameDialog);
        EXPECT_EQ("Scanner Template Binder 1_Copy", r.Text(dialog, IDC_CONDITION_NAME_EDIT));
        EXPECT_TRUE(r.HasFocus(dialog, IDC_CONDITION_NAME_EDIT));
        r.Click(dialog, IDOK);
        r.WaitGone(dialog);
        EXPECT_EQ(1, r.CurrentTab(sheet));
        EXPECT_EQ("Scanner Template Binder 1_Copy", r.Rows(page, kScanner.condition).back());
        EXPECT_EQ(3, r.SelectedRow(page, kScanner.condition));
        r.PressOk(sheet);
    });
    EXPECT_EQ(1, result);
    const std::string copy = ConditionFile(kScanner, "Scanner Template Binder 1_Copy");
    EXPECT_EQ(
        "[SCANNER_USE]\r\nLIBRARY=\"@ON\"\r\nCABINET=\"@ON\"\r\nBINDER=\"@ON\"\r\nINDEX=\"@ON\"\r\n"
        "TAG=\"@ON\"\r\n[SCANNER]\r\nPOSITION=\"@FRONT\"\r\nDATETYPE=\"@DATE-YMD\"\r\n"
        "DATEWEEK=\"@DATE-YMW-SUN\"\r\nLIBRARY=\"Default Library\"\r\nCABINET=\"Scanned "
        "Document\"\r\nBINDER=\"@BUTTON\"\r\nINDEX=\"@DATE-YMD\"\r\nTAG=\"@TIME-HM\"\r\n",
        ReadFileBytes(copy));
    EXPECT_EQ(templateBytes, ReadFileBytes(templateFile));
    const std::string app = appFolder + "\\";
    EXPECT_EQ(
        "[CONFIG_INI]\r\nSCAN=\"" + copy + "\"\r\nFAX=\"" + app +
            "fFAX Receive Template Binder 1.INI\"\r\nSNDFAX=\"" + app +
            "nFAX Send Template Binder 1.INI\"\r\n"
            "[SCANNER_USE]\r\nLIBRARY=\"@ON\"\r\nCABINET=\"@ON\"\r\nBINDER=\"@ON\"\r\n"
            "INDEX=\"@ON\"\r\nTAG=\"@ON\"\r\n[SCANNER]\r\nPOSITION=\"@FRONT\"\r\n"
            "LIBRARY=\"Default Library\"\r\nCABINET=\"Scanned Document\"\r\nBINDER=\"@BUTTON\"\r\n"
            "INDEX=\"@DATE-YMD\"\r\nTAG=\"@TIME-HM\"\r\n"
            "[FAX-RX_USE]\r\nLIBRARY=\"@ON\"\r\nCABINET=\"@ON\"\r\nBINDER=\"@ON\"\r\n"
            "INDEX=\"@ON\"\r\nTAG=\"@ON\"\r\n[FAX-RX]\r\nPOSITION=\"@FRONT\"\r\n"
            "LIBRARY=\"Default Library\"\r\nCABINET=\"Received FAX "
            "Document\"\r\nBINDER=\"@FAX-TSI" +
            kLS +
            "\"\r\nINDEX=\"@DATE-YMD\"\r\nTAG=\"@TIME-HM\"\r\n"
            "[FAX-TX_USE]\r\nLIBRARY=\"@ON\"\r\nCABINET=\"@ON\"\r\nBINDER=\"@ON\"\r\n"
            "INDEX=\"@ON\"\r\nTAG=\"@ON\"\r\n[FAX-TX]\r\nPOSITION=\"@FRONT\"\r\n"
            "LIBRARY=\"Default Library\"\r\nCABINET=\"Transmitted FAX Document\"\r\n"
            "BINDER=\"@TX-DEST\"\r\nINDEX=\"@DATE-YMD\"\r\nTAG=\"@TIME-HM\"\r\n",
        ReadFileBytes(Divset()));
}

TEST_F(ConditionPageTest, AnExistingNameIsReplacedOnlyAfterYes) {
    WriteScanner("Filing", "Papers", "February");
    for (const int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer);
        const std::string before = ReadFileBytes(ConditionFile(kScanner, "Filing"));
        Open([&](robot::Robot& r, HWND sheet) {
            HWND page = r.Page(sheet, 0);
            r.Click(page, kScanner.next);
            r.PostSelectTab(sheet, 1);
            HWND dialog = r.WaitForDialog(sheet, kNameDialog);
            r.SetText(dialog, IDC_CONDITION_NAME_EDIT, "filing");
            r.Click(dialog, IDOK);
            const robot::MessageBoxInfo box = r.WaitForMessageBox(dialog);
            EXPECT_EQ(kNameExists, box.text);
            EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), box.style());
            r.Answer(box, answer);
            if (answer == IDNO) {
                EXPECT_EQ("filing", r.Text(dialog, IDC_CONDITION_NAME_EDIT));
                r.Click(dialog, IDCANCEL);
            }
            r.WaitGone(dialog);
            r.PressCancel(sheet);
        });
        const std::string after = ReadFileBytes(ConditionFile(kScanner, "Filing"));
        EXPECT_EQ(answer == IDYES, after != before);
        EXPECT_EQ(answer == IDYES, after.find("POSITION=\"@BACK\"") != std::string::npos);
    }
}

TEST_F(ConditionPageTest, NameRulesKeepTheNameDialogOpen) {
    const struct {
        const char* name;
        std::string message;
    } cases[] = {
        {"", kNameRequired},
        {"scanner template binder 2", kNameReserved},
        {"May.2026", kNameForbiddenChars},
    };
    std::map<std::string, std::string> files;  // once the sheet has opened
    Open([&](robot::Robot& r, HWND sheet) {
        files = Snapshot(appFolder);
        r.Click(r.Page(sheet, 0), kScanner.next);
        r.PostSelectTab(sheet, 1);
        HWND dialog = r.WaitForDialog(sheet, kNameDialog);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            r.SetText(dialog, IDC_CONDITION_NAME_EDIT, c.name);
            r.SetFocus(dialog, IDOK);
            r.Click(dialog, IDOK);
            const robot::MessageBoxInfo box = r.WaitForMessageBox(dialog);
            ExpectMessage(box, c.message);
            r.Answer(box, IDOK);
            EXPECT_TRUE(r.HasFocus(dialog, IDC_CONDITION_NAME_EDIT));
            const robot::Selection selection = r.GetSelection(dialog, IDC_CONDITION_NAME_EDIT);
            EXPECT_EQ(0, selection.start);
            EXPECT_EQ(static_cast<int>(std::string(c.name).size()), selection.end);
        }
        // Cancel: nothing is written and the user stays on the page, which
        // is still modified.
        r.Click(dialog, IDCANCEL);
        r.WaitGone(dialog);
        EXPECT_EQ(0, r.CurrentTab(sheet));
        EXPECT_TRUE(ApplyEnabled(r, sheet));
        r.PressCancel(sheet);
    });
    EXPECT_EQ(files, Snapshot(appFolder));
}

TEST_F(ConditionPageTest, LayerRulesShowTheirMessageAndFocusTheNameBox) {
    const struct {
        const char* what;
        int layer;
        const char* text;
        int focused;
        std::string message;
    } cases[] = {
        {"an empty binder", kBinder, "", kBinder, kBinderRequired},
        {"a slash in the library", kLibrary, "A/B", kLibrary, kLibCabForbiddenChars},
        {"the reserved binder", kBinder, "Temporary Binder", kBinder, kBinderReserved},
        {"the same related information", kBinder, "D: Date", kIndex, kSameInformation},
    };
    std::map<std::string, std::string> files;  // once the sheet has opened
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open([&](robot::Robot& r, HWND sheet) {
            files = Snapshot(appFolder);
            HWND page = r.Page(sheet, 0);
            r.SetComboText(page, kScanner.combos[c.layer], c.text);
            // The sheet armed its check at start: the user stays on the page.
            r.PostSelectTab(sheet, 1);
            const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
            ExpectMessage(box, c.message);
            r.Answer(box, IDOK);
            EXPECT_EQ(0, r.CurrentTab(sheet));
            EXPECT_TRUE(r.HasFocus(page, kScanner.combos[c.focused]));
            r.PressCancel(sheet);
        });
        EXPECT_EQ(files, Snapshot(appFolder));
    }
}

// OK stops at the first page that fails: the sheet stays open on it and
// nothing after it is committed.
TEST_F(ConditionPageTest, OkStopsAtAPageThatFailsARule) {
    const int result = Open([&](robot::Robot& r, HWND sheet) {
        r.SetComboText(r.Page(sheet, 0), kScanner.combos[kBinder], "");
        r.PressOk(sheet);
        const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
        ExpectMessage(box, kBinderRequired);
        r.Answer(box, IDOK);
        r.WaitIdle();
        EXPECT_FALSE(r.CallReturned());
        EXPECT_EQ(0, r.CurrentTab(sheet));
        r.PressCancel(sheet);
    });
    EXPECT_EQ(0, result);
    EXPECT_EQ("", IniValue(Divset(), "CONFIG_INI", "FAX"));
}

// A user condition deleted on any one page makes the result 1.
TEST_F(ConditionPageTest, ADeletionOnAnyPageReturnsOne) {
    const char* const sections[3] = {"SCANNER", "FAX-RX", "FAX-TX"};
    for (const Page* p : kPages) {
        SCOPED_TRACE(p->tab);
        WriteIni(ConditionFile(*p, "Extra"), sections[p->tab], "LIBRARY", "\"Papers\"");
        const int result = Open([&](robot::Robot& r, HWND sheet) {
            r.SelectTab(sheet, p->tab);
            HWND page = r.Page(sheet, p->tab);
            r.SelectRow(page, p->condition, "Extra");
            r.Click(page, p->del);
            const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
            EXPECT_EQ(kDelete, box.text);
            r.Answer(box, IDYES);
            r.PressCancel(sheet);
        });
        EXPECT_EQ(1, result);
        EXPECT_FALSE(FileExists(ConditionFile(*p, "Extra")));
    }
}

// Before the sheet has armed its check, a failing page can be left; the
// sheet then opens on it.
TEST_F(ConditionPageTest, AStoredConditionThatFailsARuleOpensItsTab) {
    const std::string file = ConditionFile(kFaxReceive, "Broken");
    WriteIni(file, "FAX-RX", "BINDER", "\"Temporary Binder\"");
    WriteIni(Divset(), "CONFIG_INI", "FAX", ("\"" + file + "\"").c_str());
    // The pages are visited while the sheet starts, before it is shown.
    ConfigArgs args(1, libRoot);
    ConfigSet(args, [&](robot::Robot& r) {
        const robot::MessageBoxInfo box = r.WaitForAnyMessageBox();
        ExpectMessage(box, kBinderReserved);
        r.Answer(box, IDOK);
        HWND sheet = r.WaitForSheet();
        r.WaitUntil([&] { return r.CurrentTab(sheet) == 1; }, "the FAX receive tab");
        r.PressCancel(sheet);
    });
}

// ---- delete and preview -----------------------------------------------------------------

TEST_F(ConditionPageTest, DeleteAsksAndMovesOn) {
    struct Case {
        const char* what;
        const char* inForce;  // condition in force before
        int row;              // the row deleted
        int answer;
        const char* question;
        int selectedAfter;
        const char* inForceAfter;
    };
    const Case cases[] = {
        {"the condition in force", "A", 3, IDYES, kDeleteInForce, 3, "B"},
        {"another one", "A", 4, IDYES, kDelete, 0, "A"},
        {"the last row, declined", "A", 4, IDNO, kDelete, 4, "A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteScanner("A", "Papers", "February");
        WriteScanner("B", "Bills", "Tax");
        WriteIni(Divset(), "CONFIG_INI", "SCAN",
                 ("\"" + ConditionFile(kScanner, c.inForce) + "\"").c_str());
        const int result = Open([&](robot::Robot& r, HWND sheet) {
            HWND page = r.Page(sheet, 0);
            r.SelectRow(page, kScanner.condition, c.row);
            r.Click(page, kScanner.del);
            const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
            EXPECT_EQ(c.question, box.text);
            EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), box.style());
            r.Answer(box, c.answer);
            EXPECT_EQ(c.selectedAfter, r.SelectedRow(page, kScanner.condition));
            r.PressCancel(sheet);
        });
        EXPECT_EQ(1, result);  // Delete reports a change even when declined
        const std::string deleted = c.row == 3 ? "A" : "B";
        EXPECT_EQ(c.answer == IDNO, FileExists(ConditionFile(kScanner, deleted)));
        EXPECT_EQ(ConditionFile(kScanner, c.inForceAfter),
                  IniValue(Divset(), "CONFIG_INI", "SCAN"));
    }
}

}  // namespace
}  // namespace uitest
