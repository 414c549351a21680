// The language modules against the module's own English resources: the same
// string ids, dialogs with the same controls (id, class, style, rectangle),
// the same weekday lists and pictures, every text translated into something
// (never left empty), the stored values of the templates unchanged, and the
// Japanese texts whole in code page 932.
#include <windows.h>

#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/support/test_support.h"

namespace {

struct Control {
    DWORD id, style, exStyle;
    short x, y, cx, cy;
    std::wstring className, text;
};

struct Dialog {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring className, caption, font;
    std::vector<Control> controls;
};

// A module's resources read as they are stored: texts in UTF-16, dialog
// templates parsed (DLGTEMPLATEEX), list and bitmap resources as bytes.
struct Resources {
    std::map<UINT, std::wstring> strings;  // non-empty texts only
    std::map<UINT, Dialog> dialogs;
    std::map<UINT, std::string> lists;
    std::map<UINT, std::string> bitmaps;
};

std::string Bytes(HMODULE module, LPCSTR type, LPCSTR name) {
    HRSRC info = FindResourceA(module, name, type);
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(module, info)) : std::string();
}

// Reads a sz_Or_Ord field: 0xFFFF and an ordinal, or a NUL-terminated text.
std::wstring ReadField(const WORD*& at) {
    if (*at == 0xFFFF) {
        std::wstring ordinal = L"#" + std::to_wstring(at[1]);
        at += 2;
        return ordinal;
    }
    std::wstring text(reinterpret_cast<const wchar_t*>(at));
    at += text.size() + 1;
    return text;
}

const WORD* Align(const WORD* at) {
    return reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(at) + 3) & ~ULONG_PTR(3));
}

Dialog ParseDialog(const std::string& bytes) {
    Dialog dialog;
    const WORD* at = reinterpret_cast<const WORD*>(bytes.data());
    if (bytes.size() < 26 || at[0] != 1 || at[1] != 0xFFFF) return dialog;  // not DLGTEMPLATEEX
    std::memcpy(&dialog.style, at + 6, 4);
    const WORD count = at[8];
    dialog.x = at[9], dialog.y = at[10], dialog.cx = at[11], dialog.cy = at[12];
    at += 13;
    ReadField(at);  // menu
    dialog.className = ReadField(at);
    dialog.caption = ReadField(at);
    if (dialog.style & DS_SETFONT) {
        at += 3;  // point size, weight, italic and charset
        dialog.font = ReadField(at);
    }
    for (WORD i = 0; i < count; ++i) {
        at = Align(at);
        Control c{};
        std::memcpy(&c.exStyle, at + 2, 4);
        std::memcpy(&c.style, at + 4, 4);
        c.x = at[6], c.y = at[7], c.cx = at[8], c.cy = at[9];
        std::memcpy(&c.id, at + 10, 4);
        at += 12;
        c.className = ReadField(at);
        c.text = ReadField(at);
        at += 1 + *at / 2;  // creation data
        dialog.controls.push_back(c);
    }
    return dialog;
}

BOOL CALLBACK AddResource(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) {
    if (!IS_INTRESOURCE(name)) return TRUE;
    Resources& r = *reinterpret_cast<Resources*>(param);
    const UINT id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name));
    const std::string bytes = Bytes(module, type, name);
    if (type == RT_STRING) {
        // A block holds 16 texts, each a length and its UTF-16 characters.
        const WORD* at = reinterpret_cast<const WORD*>(bytes.data());
        const WORD* end = at + bytes.size() / 2;
        for (UINT i = 0; i < 16 && at < end; ++i) {
            const WORD length = *at++;
            if (length) r.strings[(id - 1) * 16 + i].assign(at, at + length);
            at += length;
        }
    } else if (type == RT_DIALOG) {
        r.dialogs[id] = ParseDialog(bytes);
    } else if (type == MAKEINTRESOURCEA(RT_DIALOG_LISTS)) {
        r.lists[id] = bytes;
    } else {
        r.bitmaps[id] = bytes.substr(0, 26);  // file size, width, height, depth
    }
    return TRUE;
}

Resources Read(HMODULE module) {
    Resources r;
    for (LPCSTR type : {RT_STRING, RT_DIALOG, MAKEINTRESOURCEA(RT_DIALOG_LISTS), RT_BITMAP})
        EnumResourceNamesA(module, type, AddResource, reinterpret_cast<LONG_PTR>(&r));
    return r;
}

// The weekday rows of a list resource: (control id, text bytes).
std::vector<std::pair<WORD, std::string>> Rows(const std::string& bytes) {
    std::vector<std::pair<WORD, std::string>> rows;
    size_t at = 0;
    while (at + 8 <= bytes.size()) {
        WORD control = 0;
        DWORD length = 0;
        std::memcpy(&control, bytes.data() + at, 2);
        std::memcpy(&length, bytes.data() + at + 4, 4);
        if (control == 0 || length == 0 || at + 8 + length > bytes.size()) break;
        rows.emplace_back(control, std::string(bytes.data() + at + 8, length - 1));
        at += 8 + length;
    }
    return rows;
}

// Texts the templates store in their files and use as file names.
bool IsStoredValue(UINT id) {
    return (id >= IDS_SCAN_DEF_LIBRARY && id <= IDS_FAXRX_DEF_FAX_CHECK + 2) ||
           (id >= IDS_TEMPLATE_NAME_FIRST && id <= IDS_FAXTX_DEF_DATEWEEK + 2) ||
           (id >= IDS_FAXTX_DEF_FAX_SEQ && id <= IDS_FAXTX_DEF_FAX_CHECK + 2);
}

// Whole in code page 932: every lead byte followed by a trail byte, the text
// convertible without a replacement, and short enough for the 1040-byte
// buffer the module loads a message into, so that no load cuts a character.
std::string Cp932Fault(const std::string& bytes) {
    if (bytes.size() >= 1040) return "too long for its buffer";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (!IsDBCSLeadByteEx(932, static_cast<BYTE>(bytes[i]))) continue;
        const BYTE trail = i + 1 < bytes.size() ? static_cast<BYTE>(bytes[i + 1]) : 0;
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return "lone lead byte";
        ++i;
    }
    return "";
}

std::string Cp932(const std::wstring& text, bool* replaced) {
    char buffer[4096] = {};
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                            buffer, sizeof buffer, nullptr, &usedDefault);
    *replaced = usedDefault != FALSE;
    return std::string(buffer, length > 0 ? length : 0);
}

struct Language {
    const char* module;
    bool cp932;
};

void PrintTo(const Language& language, std::ostream* os) { *os << language.module; }

class LanguageModuleTest : public ::testing::TestWithParam<Language> {};

TEST_P(LanguageModuleTest, MatchesTheEnglishResources) {
    const Language language = GetParam();
    const std::string path = testsupport::BesideThisProgram(language.module);
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module) << path;
    const Resources english = Read(GetModuleHandleA(nullptr));
    const Resources translated = Read(module);
    ASSERT_FALSE(english.strings.empty());

    // Texts: the same ids, each translated into a text; stored values as
    // in English; Japanese ones whole in code page 932.
    for (const auto& [id, text] : english.strings) {
        const auto found = translated.strings.find(id);
        if (found == translated.strings.end()) {
            ADD_FAILURE() << "string " << id << " missing";
            continue;
        }
        if (IsStoredValue(id)) {
            EXPECT_TRUE(found->second == text) << "string " << id;
        }
        bool replaced = false;
        const std::string bytes = Cp932(found->second, &replaced);
        if (language.cp932) {
            EXPECT_FALSE(replaced) << "string " << id << " not in code page 932";
            EXPECT_EQ("", Cp932Fault(bytes)) << "string " << id;
        }
    }
    for (const auto& entry : translated.strings)
        EXPECT_EQ(1u, english.strings.count(entry.first)) << "string " << entry.first << " extra";

    // Dialogs: the same templates and controls, only the texts differ.
    ASSERT_EQ(english.dialogs.size(), translated.dialogs.size());
    for (const auto& [id, dialog] : english.dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        ASSERT_EQ(1u, translated.dialogs.count(id));
        const Dialog& other = translated.dialogs.at(id);
        EXPECT_EQ(dialog.style, other.style);
        EXPECT_EQ((std::vector<short>{dialog.x, dialog.y, dialog.cx, dialog.cy}),
                  (std::vector<short>{other.x, other.y, other.cx, other.cy}));
        EXPECT_TRUE(dialog.className == other.className);
        EXPECT_FALSE(other.font.empty());
        EXPECT_EQ(dialog.caption.empty(), other.caption.empty());
        ASSERT_EQ(dialog.controls.size(), other.controls.size());
        for (size_t i = 0; i < dialog.controls.size(); ++i) {
            const Control &a = dialog.controls[i], &b = other.controls[i];
            SCOPED_TRACE("control " + std::to_string(a.id));
            EXPECT_EQ(a.id, b.id);
            EXPECT_TRUE(a.className == b.className);
            EXPECT_EQ(a.style, b.style);
            EXPECT_EQ(a.exStyle, b.exStyle);
            EXPECT_EQ((std::vector<short>{a.x, a.y, a.cx, a.cy}),
                      (std::vector<short>{b.x, b.y, b.cx, b.cy}));
            EXPECT_EQ(a.text.empty(), b.text.empty());
            bool replaced = false;
            if (language.cp932) {
                EXPECT_EQ("", Cp932Fault(Cp932(b.text, &replaced)));
                EXPECT_FALSE(replaced);
            }
        }
    }

    // Weekday lists: the same controls, seven rows each, none empty.
    ASSERT_EQ(english.lists.size(), translated.lists.size());
    for (const auto& [id, bytes] : english.lists) {
        const auto rows = Rows(bytes);
        const auto found = translated.lists.find(id);
        ASSERT_TRUE(found != translated.lists.end()) << "list " << id;
        const auto others = Rows(found->second);
        ASSERT_EQ(rows.size(), others.size()) << "list " << id;
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].first, others[i].first);
            EXPECT_FALSE(others[i].second.empty());
            if (language.cp932) {
                EXPECT_EQ("", Cp932Fault(others[i].second)) << "list " << id;
            }
        }
    }

    // Pictures: the same ids, each the English picture's size and depth.
    ASSERT_EQ(english.bitmaps.size(), translated.bitmaps.size());
    for (const auto& [id, header] : english.bitmaps) {
        ASSERT_EQ(1u, translated.bitmaps.count(id)) << "bitmap " << id;
        EXPECT_EQ(header.substr(4, 12), translated.bitmaps.at(id).substr(4, 12)) << id;
    }
    FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Modules, LanguageModuleTest,
                         ::testing::Values(Language{"VordaEnvRes040c.dll", false},
                                           Language{"VordaEnvRes0411.dll", true}),
                         [](const ::testing::TestParamInfo<Language>& info) {
                             return std::string(info.param.cp932 ? "Japanese" : "French");
                         });

}  // namespace
