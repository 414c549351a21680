// The stand-in Glossa library: one table of what the module relies on, the
// language and style from the environment and the language resource module
// beside the calling module.
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "siblings/glossa.h"
#include "tests/support/test_support.h"

using testsupport::SetEnv;
using testsupport::TempDir;

namespace {

TEST(GlossaTest, LanguageStyleAndResourceModule) {
    testsupport::SavedSetup saved;
    // A copy of one of our DLLs in a scratch folder stands in for the caller;
    // another copy beside it for a language module.
    TempDir dir;
    char sample[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA("VordaCnv.dll"), sample, sizeof sample);
    ASSERT_TRUE(CopyFileA(sample, (dir / "Caller.dll").c_str(), FALSE));
    for (const char* name : {"VordaEnvRes040c.dll", "VordaEnvRes0409.dll"})
        ASSERT_TRUE(CopyFileA(sample, (dir / name).c_str(), FALSE));
    HMODULE caller = LoadLibraryA((dir / "Caller.dll").c_str());
    ASSERT_NE(nullptr, caller);
    auto languageOf = [](const char* value) {
        SetEnv("VORDA_LANGID", value);
        return GetDefaultLangId();
    };
    auto styleOf = [](const char* value) {
        SetEnv("VORDA_STYLE", value);
        return VordaGetStyle();
    };
    // The file name of the module loaded for a language, "" for none.
    auto moduleFor = [&](const char* value) -> std::string {
        SetEnv("VORDA_LANGID", value);
        HINSTANCE resources = GetResourceHandle(caller, 0);
        if (resources == nullptr) return "";
        char path[MAX_PATH] = {};
        GetModuleFileNameA(resources, path, sizeof path);
        FreeLibrary(resources);
        const std::string text = path;
        return text.substr(text.rfind('\\') + 1);
    };
    const int user = static_cast<int>(GetUserDefaultUILanguage());
    const struct {
        const char* what;
        std::function<std::string()> call;
        std::string expected;
    } cases[] = {
        {"language from the variable", [&] { return std::to_string(languageOf("1036")); }, "1036"},
        {"unset: the user's", [&] { return std::to_string(languageOf(nullptr)); },
         std::to_string(user)},
        {"no number: the user's", [&] { return std::to_string(languageOf("1036x")); },
         std::to_string(user)},
        {"no language: the user's", [&] { return std::to_string(languageOf("70000")); },
         std::to_string(user)},
        {"style from the variable", [&] { return std::to_string(styleOf("2")); }, "2"},
        {"no style: 0",
         [&] { return std::to_string(styleOf(nullptr)) + std::to_string(styleOf("one")); }, "00"},
        {"the language module beside the caller", [&] { return moduleFor("1036"); },
         "VordaEnvRes040c.dll"},
        {"none for English", [&] { return moduleFor("1033"); }, ""},
        {"none when the file is missing", [&] { return moduleFor("3082"); }, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, c.call()) << c.what;
    FreeLibrary(caller);
}

}  // namespace
