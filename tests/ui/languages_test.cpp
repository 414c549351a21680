// The French and Japanese interfaces: every caption of every window fits
// its control in the control's own font, and the messages come in the
// language. French runs under code page 1252, Japanese under 932 (the
// cp932. rerun of these tests).
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/ui/ui_fixture.h"

namespace uitest {
namespace {

using testsupport::SetEnv;

// The texts a test expects, in UTF-8; Native() turns them into the code
// page the module shows them in.
struct Language {
    const char* name;
    const char* langId;
    UINT codePage;
    const char* options;  // the sheet's and every message's caption
    const char* nameDialog;
    const char* preview;  // the preview's caption before the template's name
    const char* date;     // the naming choice "D: Date"
    const char* nameRequired;
    const char* sameInformation;
    const char* aliasRequired;
    const char* settingsNotUpdated;
};

const Language kLanguages[] = {
    {"French", "1036", 1252, "Options de Vorda", "Nom de la condition", "Aperçu-", "D: Date",
     "Le nom de la condition est obligatoire. Indiquez un nom correct.",
     "Une condition de classement ne peut pas utiliser deux fois la même information. "
     "\nRéessayez.",
     "Un alias LibRoot est obligatoire. \nVérifiez et réessayez.",
     "Impossible de mettre à jour l'alias LibRoot. \nVérifiez les réglages."},
    {"Japanese", "1041", 932, "Vorda オプション", "条件名の指定", "プレビュー-", "D: 日付",
     "条件名が指定されていません。正しい名前を指定してください。",
     "振り分け条件では、同じ関連情報を2回選ぶことはできません。\nもう一度やり直してください。",
     "LibRoot別名が必要です。\n確認して、もう一度やり直してください。",
     "LibRoot別名を更新できませんでした。\n設定を確認してください。"},
};

void PrintTo(const Language& language, std::ostream* os) { *os << language.name; }

std::string Native(const char* utf8) {
    wchar_t wide[1024] = {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 1024);
    char bytes[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, length, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

// The captions of window and its visible descendants that do not fit their
// control, as "id text (needs x of y pixels)". Buttons, check boxes, radio
// buttons and group boxes are one line; a static text may wrap when its
// control is tall enough for the lines (the template says so by its height).
struct Walk {
    std::vector<std::string> misfits;
};

BOOL CALLBACK MeasureControl(HWND control, LPARAM param) {
    if (!IsWindowVisible(control)) return TRUE;
    char className[32] = {}, text[512] = {};
    GetClassNameA(control, className, sizeof className);
    GetWindowTextA(control, text, sizeof text);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const bool button = lstrcmpiA(className, "Button") == 0;
    const bool label = lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
    if (text[0] == '\0' || (!button && !label)) return TRUE;

    RECT client = {};
    GetClientRect(control, &client);
    int room = client.right, extra = 0;
    UINT format = DT_CALCRECT | DT_SINGLELINE;
    if (button) {
        const LONG type = style & BS_TYPEMASK;
        const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                         type == BS_AUTORADIOBUTTON;
        extra = box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : type == BS_GROUPBOX ? 12 : 6;
    } else {
        if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
        if (!(style & SS_CENTERIMAGE)) format = (format & ~DT_SINGLELINE) | DT_WORDBREAK;
    }
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT needed = {0, 0, room - extra, 0};
    DrawTextA(dc, text, -1, &needed, format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    const bool tooTall = (format & DT_WORDBREAK) && needed.bottom > client.bottom;
    if (needed.right + extra > room || tooTall) {
        reinterpret_cast<Walk*>(param)->misfits.push_back(
            std::to_string(GetDlgCtrlID(control)) + " \"" + text + "\" (needs " +
            std::to_string(needed.right + extra) + "x" + std::to_string(needed.bottom) + " of " +
            std::to_string(room) + "x" + std::to_string(client.bottom) + ")");
    }
    return TRUE;
}

class LanguageTest : public UiTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        if (GetACP() != GetParam().codePage)
            GTEST_SKIP() << "runs under code page " << GetParam().codePage;
        SetEnv("VORDA_LANGID", GetParam().langId);
        UiTest::SetUp();
    }
    void TearDown() override {
        UiTest::TearDown();
        SetEnv("VORDA_LANGID", nullptr);
    }

    // Adds the misfits of window and what it holds, named by where.
    void Measure(robot::Robot& r, HWND window, const std::string& where) {
        Walk walk;
        r.RunOnUiThread([&] {
            MeasureControl(window, reinterpret_cast<LPARAM>(&walk));
            EnumChildWindows(window, MeasureControl, reinterpret_cast<LPARAM>(&walk));
        });
        for (const std::string& misfit : walk.misfits) misfits.push_back(where + ": " + misfit);
    }

    void ExpectMessage(const robot::MessageBoxInfo& box, const char* text) {
        EXPECT_EQ(Native(GetParam().options), box.caption);
        EXPECT_EQ(Native(text), box.text);
    }

    std::vector<std::string> misfits;
};

TEST_P(LanguageTest, EveryCaptionFitsItsControl) {
    ConfigArgs sorting(1, libRoot);
    ConfigSet(sorting, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        for (int tab = 0; tab < 4; ++tab) {
            ASSERT_TRUE(r.SelectTab(sheet, tab));
            Measure(r, sheet, "mode 1 tab " + std::to_string(tab));
        }
        ASSERT_TRUE(r.SelectTab(sheet, 0));
        HWND page = r.Page(sheet, 0);
        r.Click(page, IDC_SCAN_PREVIEW);
        HWND preview =
            r.WaitForWindowTitled(Native(GetParam().preview) + "Scanner Template Binder 1");
        Measure(r, preview, "preview");
        r.Click(preview, IDOK);
        r.WaitGone(preview);
        r.Click(page, IDC_SCAN_POSITION_NEXT);
        r.PostSelectTab(sheet, 1);
        HWND name = r.WaitForDialog(sheet, Native(GetParam().nameDialog).c_str());
        Measure(r, name, "condition name");
        r.Click(name, IDCANCEL);
        r.WaitGone(name);
        r.PressCancel(sheet);
    });
    for (int mode : {0, 2}) {
        ConfigArgs args(mode, libRoot);
        ConfigSet(args, [&](robot::Robot& r) {
            HWND sheet = r.WaitForSheet();
            for (int tab = 0; tab < r.TabCount(sheet); ++tab) {
                ASSERT_TRUE(r.SelectTab(sheet, tab));
                Measure(r, sheet, "mode " + std::to_string(mode) + " tab " + std::to_string(tab));
            }
            r.PressCancel(sheet);
        });
    }
    Lumora([&](robot::Robot& r) {
        HWND dialog = r.WaitForDialog(nullptr);
        Measure(r, dialog, "import destination");
        r.Click(dialog, IDCANCEL);
        r.WaitCallReturned();
    });
    std::string all;
    for (const std::string& misfit : misfits) all += "\n" + misfit;
    EXPECT_TRUE(misfits.empty()) << all;
}

// The paths that show a message, each with its text in the language: a
// name rule, a layer rule, a LibRoot rejection and the import dialog.
TEST_P(LanguageTest, MessagesComeInTheLanguage) {
    const Language& language = GetParam();
    ConfigArgs args(1, libRoot);
    ConfigSet(args, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        EXPECT_EQ(Native(language.options), r.Text(sheet));
        HWND page = r.Page(sheet, 0);
        r.Click(page, IDC_SCAN_POSITION_NEXT);
        r.PostSelectTab(sheet, 1);
        HWND name = r.WaitForDialog(sheet, Native(language.nameDialog).c_str());
        r.SetText(name, IDC_CONDITION_NAME_EDIT, "");
        r.Click(name, IDOK);
        robot::MessageBoxInfo box = r.WaitForMessageBox(name);
        ExpectMessage(box, language.nameRequired);
        r.Answer(box, IDOK);
        r.Click(name, IDCANCEL);
        r.WaitGone(name);

        r.SetComboText(page, IDC_SCAN_BINDER, Native(language.date));
        r.PressApply(sheet);
        box = r.WaitForMessageBox(sheet);
        ExpectMessage(box, language.sameInformation);
        r.Answer(box, IDOK);
        r.PressCancel(sheet);
    });
    ConfigArgs roots(2, libRoot);
    ConfigSet(roots, [&](robot::Robot& r) {
        HWND sheet = r.WaitForSheet();
        r.SetText(r.CurrentPage(sheet), IDC_ROOT1_ALIAS, "");
        r.PressOk(sheet);
        const robot::MessageBoxInfo box = r.WaitForMessageBox(sheet);
        ExpectMessage(box, language.aliasRequired);
        r.Answer(box, IDOK);
        r.PressCancel(sheet);
    });
    SetEnv("VORDA_SETTINGS_INI", (temp / "Missing\\Vorda.ini").c_str());
    Lumora([&](robot::Robot& r) {
        HWND dialog = r.WaitForDialog(nullptr);
        r.Click(dialog, IDOK);
        const robot::MessageBoxInfo box = r.WaitForMessageBox(dialog);
        ExpectMessage(box, language.settingsNotUpdated);
        r.Answer(box, IDOK);
        r.Click(dialog, IDCANCEL);
        r.WaitCallReturned();
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace uitest
