// Dialog-template fonts: a sheet takes its first page's font, so that pages
// laid out in another font are not cut off.
#include <cwchar>
#include <gtest/gtest.h>
#include <set>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/property_page.h"
#include "framework/property_sheet.h"
#include "host/robot/robot.h"
#include "resources/resource.h"

namespace {

const DLGTEMPLATE* ResourceTemplate(UINT id) {
    HRSRC found =
        FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    if (!found) return nullptr;
    return static_cast<const DLGTEMPLATE*>(
        LockResource(LoadResource(GetModuleHandleA(nullptr), found)));
}

std::set<int> ControlIds(HWND dialog) {
    std::set<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.insert(GetDlgCtrlID(child));
    return ids;
}

INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Page templates are child dialogs: they need a parent window.
struct Parent {
    HWND hwnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                nullptr, nullptr);
    ~Parent() { DestroyWindow(hwnd); }
};

}  // namespace

TEST(DialogTemplateFont, ReadsTheFontOfTheModuleTemplates) {
    for (UINT id : {4401u, 4403u, 4407u}) {
        SCOPED_TRACE(id);
        DialogFont font;
        ASSERT_TRUE(GetDialogTemplateFont(ResourceTemplate(id), &font));
        EXPECT_EQ(9, font.pointSize);
        EXPECT_EQ(0, wcscmp(L"MS Sans Serif", font.faceName));
    }
}

// The module's own templates (extended ones among them) keep every control
// when their font is rewritten to a shorter and to a longer face name.
TEST(DialogTemplateFont, RewritingTheFontKeepsEveryControl) {
    struct Case {
        UINT id;
        const wchar_t* face;
        WORD size;
    } cases[] = {
        {4403, L"Tahoma", 8},
        {4407, L"A much longer face name", 11},
        {4401, L"Arial", 9},
        {4404, L"MS Shell Dlg", 8},
    };
    Parent parent;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const DLGTEMPLATE* original = ResourceTemplate(c.id);
        ASSERT_NE(nullptr, original);
        const size_t size = GetDialogTemplateSize(original);
        std::vector<DWORD> buffer(2 * size / sizeof(DWORD) + 1);
        memcpy(buffer.data(), original, size);
        auto* copy = reinterpret_cast<DLGTEMPLATE*>(buffer.data());

        DialogFont font;
        font.pointSize = c.size;
        wcsncpy(font.faceName, c.face, LF_FACESIZE - 1);
        ASSERT_TRUE(SetDialogTemplateFont(copy, buffer.size() * sizeof(DWORD), font));

        DialogFont read;
        ASSERT_TRUE(GetDialogTemplateFont(copy, &read));
        EXPECT_EQ(c.size, read.pointSize);
        EXPECT_EQ(0, wcscmp(c.face, read.faceName));

        HWND before =
            CreateDialogIndirectParamA(GetModuleHandleA(nullptr), original, parent.hwnd, Quiet, 0);
        HWND after =
            CreateDialogIndirectParamA(GetModuleHandleA(nullptr), copy, parent.hwnd, Quiet, 0);
        ASSERT_NE(nullptr, before);
        ASSERT_NE(nullptr, after);
        EXPECT_EQ(ControlIds(before), ControlIds(after));
        DestroyWindow(before);
        DestroyWindow(after);
    }
}

TEST(DialogTemplateFont, RefusesWhenTheBufferIsTooSmall) {
    const DLGTEMPLATE* original = ResourceTemplate(4403);
    ASSERT_NE(nullptr, original);
    const size_t size = GetDialogTemplateSize(original);
    std::vector<BYTE> buffer(original ? size : 0);
    memcpy(buffer.data(), original, size);
    DialogFont font;
    font.pointSize = 8;
    wcscpy(font.faceName, L"A much longer face name");
    EXPECT_FALSE(SetDialogTemplateFont(reinterpret_cast<DLGTEMPLATE*>(buffer.data()), size, font));
    EXPECT_EQ(0, memcmp(buffer.data(), original, size));
}

// In a real sheet the first page's font becomes the sheet's font, and the
// page fits the sheet's page area.
TEST(DialogTemplateFont, SheetTakesTheFirstPageFontAndThePageFits) {
    CPropertyPage page(GetModuleHandleA(nullptr), IDD_LIBROOT);
    CPropertySheet sheet("Font", nullptr, 0);
    sheet.AddPage(&page);
    char face[LF_FACESIZE] = {};
    RECT pageRect = {}, tabRect = {};
    robot::Run(
        [&] { return sheet.DoModal(); },
        [&](robot::Robot& r) {
            HWND window = r.WaitForSheet();
            r.RunOnUiThread([&] {
                LOGFONTA font = {};
                HFONT handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
                if (handle) GetObjectA(handle, sizeof font, &font);
                lstrcpynA(face, font.lfFaceName, sizeof face);
                HWND pageWindow =
                    reinterpret_cast<HWND>(SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0));
                HWND tab = reinterpret_cast<HWND>(SendMessageA(window, PSM_GETTABCONTROL, 0, 0));
                GetWindowRect(pageWindow, &pageRect);
                GetWindowRect(tab, &tabRect);
            });
            r.Click(window, IDCANCEL);
        });
    EXPECT_STREQ("MS Sans Serif", face);
    EXPECT_LE(pageRect.right, tabRect.right);
    EXPECT_LE(pageRect.bottom, tabRect.bottom);
}
