// Help of the options sheet and of the import-destination dialog, recorded by
// the test's own hhctrl.ocx: the help file, the command, the topic of the
// visible tab and the owner window; the French Help button and help folder.
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/ui/ui_fixture.h"
#include "tests/ui/ui_texts.h"

namespace uitest {
namespace {

using testsupport::MakeFolder;
using testsupport::ReadFileBytes;
using testsupport::SetEnv;
using testsupport::WriteFileBytes;

// One HtmlHelpA call as the recording viewer wrote it.
struct HelpCall {
    std::string file;
    std::string command;
    std::string data;
    std::string owner;  // the owner window's text, "-" for none
};

class HelpTest : public UiTest {
protected:
    void BeforeLoad() override {
        helpLog = temp / "help.log";
        SetEnv("VORDA_HH_LOG", helpLog.c_str());
        SetEnv("VORDA_LANGID", language);
        // The viewer must be the recording one beside this program.
        HMODULE viewer = LoadLibraryA("hhctrl.ocx");
        char path[MAX_PATH] = {};
        if (viewer) GetModuleFileNameA(viewer, path, sizeof path);
        const std::string loaded = path;
        ASSERT_TRUE(loaded.size() > 11 && GetProcAddress(viewer, "HtmlHelpA") != nullptr &&
                    loaded.find("\\bin\\hhctrl.ocx") != std::string::npos)
            << "the recording hhctrl.ocx is not in use (loaded: '" << loaded
            << "'); run with hhctrl.ocx=n in WINEDLLOVERRIDES";
    }
    void TearDown() override {
        UiTest::TearDown();
        SetEnv("VORDA_HH_LOG", nullptr);
        SetEnv("VORDA_LANGID", nullptr);
    }

    std::vector<HelpCall> HelpCalls() const {
        std::vector<HelpCall> calls;
        for (const std::string& line : testsupport::Lines(ReadFileBytes(helpLog), "\r\n")) {
            std::vector<std::string> fields = testsupport::Split(line, "\t");
            fields.resize(4);
            calls.push_back(HelpCall{fields[0], fields[1], fields[2], fields[3]});
        }
        return calls;
    }

    std::string HelpFile() const { return appFolder + "\\viewer.chm"; }

    const char* language = "1033";
    std::string helpLog;
};

void ExpectTopic(const HelpCall& call, const std::string& file, int topic,
                 const std::string& owner) {
    EXPECT_EQ(file, call.file);
    EXPECT_EQ("15", call.command);
    EXPECT_EQ(std::to_string(topic), call.data);
    EXPECT_EQ(owner, call.owner);
}

// ---- a topic per mode and tab -----------------------------------------------------

struct TopicCase {
    int mode;
    int tab;
    int topic;
};

void PrintTo(const TopicCase& c, std::ostream* os) {
    *os << "mode " << c.mode << " tab " << c.tab << " topic " << c.topic;
}

class HelpTopicTest : public HelpTest, public ::testing::WithParamInterface<TopicCase> {};

// The Help button and the help key (WM_HELP, as F1 sends it) alike.
TEST_P(HelpTopicTest, HelpButtonAndKeyOpenTheTopicOfTheVisibleTab) {
    const TopicCase c = GetParam();
    ConfigArgs args(c.mode, libRoot, "", "", 0, 0);
    ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        if (c.tab != 0) {
            ASSERT_TRUE(r.SelectTab(sheet, c.tab));
        }
        EXPECT_EQ("Help", r.Text(r.Item(sheet, robot::kSheetHelp)));
        r.PressHelp(sheet);
        r.RunOnUiThread([sheet] {
            HELPINFO info = {sizeof info, HELPINFO_WINDOW, 0, sheet, 0, {}};
            SendMessageA(sheet, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        });
        r.PressCancel(sheet);
    });
    const std::vector<HelpCall> calls = HelpCalls();
    ASSERT_EQ(2u, calls.size());
    for (const HelpCall& call : calls) ExpectTopic(call, HelpFile(), c.topic, text::kOptions);
}

INSTANTIATE_TEST_SUITE_P(Tabs, HelpTopicTest,
                         ::testing::Values(TopicCase{0, 0, 130}, TopicCase{1, 0, 150},
                                           TopicCase{1, 1, 160}, TopicCase{1, 2, 170},
                                           TopicCase{1, 3, 130}, TopicCase{2, 0, 130},
                                           TopicCase{2, 1, 190}),
                         [](const ::testing::TestParamInfo<TopicCase>& info) {
                             return "Mode" + std::to_string(info.param.mode) + "Tab" +
                                    std::to_string(info.param.tab);
                         });

TEST_F(HelpTest, ImportDestinationDialogOpensTopic190AndClosesHelpWhenItGoes) {
    Lumora([&](robot::Robot& r) {
        HWND dialog = r.WaitForDialog(nullptr, text::kImportDestination);
        r.Click(dialog, 57670);
        r.Click(dialog, IDCANCEL);
        r.WaitCallReturned();
    });
    const std::vector<HelpCall> calls = HelpCalls();
    ASSERT_EQ(2u, calls.size());
    ExpectTopic(calls[0], HelpFile(), 190, text::kImportDestination);
    EXPECT_EQ("-", calls[1].file);
    EXPECT_EQ("18", calls[1].command);
    EXPECT_EQ("0", calls[1].data);
    EXPECT_EQ("-", calls[1].owner);
}

// ---- French user interface ----------------------------------------------------------

class FrenchHelpTest : public HelpTest {
protected:
    void BeforeLoad() override {
        language = "1036";
        HelpTest::BeforeLoad();
    }
};

// Help opens the language folder's file when there is one, the installation
// folder's otherwise.
TEST_F(FrenchHelpTest, HelpButtonReadsQuestionMarkAndOpensTheLanguageFolder) {
    Lumora([&](robot::Robot& r) {
        HWND dialog = r.WaitForDialog(nullptr);
        r.Click(dialog, 57670);
        r.Click(dialog, IDCANCEL);
        r.WaitCallReturned();
    });
    const std::string french = appFolder + "\\040c";
    ASSERT_TRUE(MakeFolder(french));
    ASSERT_TRUE(WriteFileBytes(french + "\\viewer.chm", "chm"));
    ConfigArgs args(2, libRoot, "", "", 0, 0);
    ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        EXPECT_EQ("?", r.Text(r.Item(sheet, robot::kSheetHelp)));
        r.PressHelp(sheet);
        r.PressCancel(sheet);
    });
    const std::vector<HelpCall> calls = HelpCalls();
    ASSERT_EQ(3u, calls.size());  // the dialog's topic, its closing, the sheet's topic
    EXPECT_EQ(HelpFile(), calls[0].file);
    EXPECT_EQ("190", calls[0].data);
    ExpectTopic(calls[2], french + "\\viewer.chm", 130, "Options de Vorda");
}

}  // namespace
}  // namespace uitest
