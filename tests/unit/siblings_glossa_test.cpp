// The stand-in Glossa library: language and style from the environment, and
// the language resource module beside its caller.
#include <gtest/gtest.h>
#include <string>

#include "siblings/glossa.h"
#include "tests/support/test_support.h"

using testsupport::SetEnv;
using testsupport::TempDir;

namespace {

class GlossaTest : public testing::Test {
protected:
    void SetUp() override {
        language_ = Save("VORDA_LANGID", &hadLanguage_);
        style_ = Save("VORDA_STYLE", &hadStyle_);
    }
    void TearDown() override {
        SetEnv("VORDA_LANGID", hadLanguage_ ? language_.c_str() : nullptr);
        SetEnv("VORDA_STYLE", hadStyle_ ? style_.c_str() : nullptr);
    }

private:
    static std::string Save(const char* name, bool* set) {
        char text[256] = {};
        const DWORD length = GetEnvironmentVariableA(name, text, sizeof text);
        *set = length > 0 && length < sizeof text;
        return text;
    }
    bool hadLanguage_ = false, hadStyle_ = false;
    std::string language_, style_;
};

TEST_F(GlossaTest, LanguageComesFromVariableElseUserInterface) {
    const int userLanguage = static_cast<int>(GetUserDefaultUILanguage());
    const struct {
        const char* value;  // null: unset
        int expected;
    } cases[] = {
        {"1036", 1036},           {" 1041", 1041},         {nullptr, userLanguage},
        {"French", userLanguage}, {"1036x", userLanguage}, {"0", userLanguage},
        {"70000", userLanguage},  // no language identifier
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value != nullptr ? c.value : "(unset)");
        SetEnv("VORDA_LANGID", c.value);
        EXPECT_EQ(c.expected, GetDefaultLangId());
    }
}

TEST_F(GlossaTest, StyleComesFromVariableElseZero) {
    const struct {
        const char* value;
        int expected;
    } cases[] = {
        {"2", 2},
        {nullptr, 0},
        {"one", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value != nullptr ? c.value : "(unset)");
        SetEnv("VORDA_STYLE", c.value);
        EXPECT_EQ(c.expected, VordaGetStyle());
    }
}

// The folder of a copy of one of our DLLs stands in for the caller's folder.
class ResourceModuleTest : public GlossaTest {
protected:
    void SetUp() override {
        GlossaTest::SetUp();
        char own[MAX_PATH] = {};
        GetModuleFileNameA(GetModuleHandleA("VordaCnv.dll"), own, sizeof own);
        sample_ = own;
        ASSERT_TRUE(CopyFileA(sample_.c_str(), (dir_ / "Caller.dll").c_str(), FALSE));
        caller_ = LoadLibraryA((dir_ / "Caller.dll").c_str());
        ASSERT_NE(nullptr, caller_);
    }
    void TearDown() override {
        if (caller_ != nullptr) FreeLibrary(caller_);
        GlossaTest::TearDown();
    }
    void PlaceResourceModule(const char* name) {
        ASSERT_TRUE(CopyFileA(sample_.c_str(), (dir_ / name).c_str(), FALSE));
    }

    TempDir dir_;
    std::string sample_;
    HMODULE caller_ = nullptr;
};

TEST_F(ResourceModuleTest, LoadsTheLanguageModuleBesideTheCaller) {
    PlaceResourceModule("VordaEnvRes040c.dll");
    SetEnv("VORDA_LANGID", "1036");
    HINSTANCE resources = GetResourceHandle(caller_, 0);
    ASSERT_NE(nullptr, resources);
    char loaded[MAX_PATH] = {};
    GetModuleFileNameA(resources, loaded, sizeof loaded);
    EXPECT_EQ(0, lstrcmpiA((dir_ / "VordaEnvRes040c.dll").c_str(), loaded)) << loaded;
    EXPECT_TRUE(FreeLibrary(resources));
}

TEST_F(ResourceModuleTest, NoModuleForEnglishOrAMissingFile) {
    PlaceResourceModule("VordaEnvRes0409.dll");  // never used: English is built in
    const char* const languages[] = {"1033", "1036", "3082"};
    for (const char* language : languages) {
        SCOPED_TRACE(language);
        SetEnv("VORDA_LANGID", language);
        EXPECT_EQ(nullptr, GetResourceHandle(caller_, 0));
    }
}

}  // namespace
