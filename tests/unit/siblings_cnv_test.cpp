// The stand-in VordaCnv library: the binder query on "folder.ini".
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "siblings/vorda_cnv.h"
#include "tests/support/test_support.h"

using testsupport::MakeFolder;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

namespace {

// The 56-byte record inside a larger buffer whose other bytes must stay as
// they were.
struct GuardedRecord {
    static const unsigned char kGuard = 0xAB;
    unsigned char bytes[kBinderInfoSize + 8];
    GuardedRecord() {
        std::memset(bytes, 0, sizeof bytes);
        std::memset(bytes + kBinderInfoSize, kGuard, sizeof bytes - kBinderInfoSize);
    }
    bool GuardIntact() const {
        for (size_t i = kBinderInfoSize; i < sizeof bytes; ++i)
            if (bytes[i] != kGuard) return false;
        return true;
    }
    std::string Title() const { return reinterpret_cast<const char*>(bytes + kBinderTitleOffset); }
    std::string SubTitle() const {
        return reinterpret_cast<const char*>(bytes + kBinderSubTitleOffset);
    }
};

struct BinderCase {
    const char* name;
    const char* folderIni;  // null: no file
    int result;
    std::string title;
    std::string subTitle;
};

void RunBinderCases(const BinderCase* cases, size_t count) {
    TempDir dir;
    for (size_t i = 0; i < count; ++i) {
        const BinderCase& c = cases[i];
        SCOPED_TRACE(c.name);
        const std::string folder = dir / ("B" + std::to_string(i));
        ASSERT_TRUE(MakeFolder(folder));
        if (c.folderIni != nullptr) {
            ASSERT_TRUE(WriteFileBytes(folder + "\\folder.ini", c.folderIni));
        }
        GuardedRecord record;
        std::string writable = folder;
        EXPECT_EQ(c.result, GetBinderInfo(&writable[0], record.bytes));
        EXPECT_TRUE(record.GuardIntact());
        EXPECT_EQ(c.title, record.Title());
        EXPECT_EQ(c.subTitle, record.SubTitle());
        for (int b = 0; b < kBinderTitleOffset; ++b) EXPECT_EQ(0, record.bytes[b]);
    }
}

TEST(BinderInfo, TitleAndSubTitleFromFolderIni) {
    const std::string t24(24, 'T'), s26(26, 'S');
    const std::string longest = "[Binder]\r\nTitle=" + t24 + "\r\nSubTitle=" + s26 + "\r\n";
    const std::string longer = "[Binder]\r\nTitle=" + t24 + "XYZ\r\nSubTitle=" + s26 + "XYZ\r\n";
    const BinderCase cases[] = {
        {"title and subtitle", "[Binder]\r\nTitle=Invoices\r\nSubTitle=2026\r\n", 1, "Invoices",
         "2026"},
        {"title only", "[Binder]\r\nTitle=Invoices\r\n", 1, "Invoices", ""},
        {"longest fitting texts", longest.c_str(), 1, t24, s26},
        {"longer texts are cut", longer.c_str(), 1, t24, s26},
        {"empty title", "[Binder]\r\nTitle=\r\nSubTitle=x\r\n", 0, "", ""},
        {"no title", "[Binder]\r\nSubTitle=x\r\n", 0, "", ""},
        {"other section", "[BinderInfo]\r\nTitle=x\r\n", 0, "", ""},
        {"no folder.ini", nullptr, 0, "", ""},
    };
    RunBinderCases(cases, sizeof cases / sizeof cases[0]);
}

TEST(BinderInfo, DbcsCutKeepsDoubleByteCharactersWhole) {
    const bool dbcs = IsDBCSLeadByte(0x83) != 0;
    const std::string t23(23, 'T'), s25(25, 'S');
    // A double-byte character would straddle the limit: in code page 932 it
    // is left out whole; in a single-byte code page its first byte still fits.
    const std::string ini =
        "[Binder]\r\nTitle=" + t23 + "\x83\x5C" + "\r\nSubTitle=" + s25 + "\x83\x41" + "\r\n";
    const std::string fits = "[Binder]\r\nTitle=" + std::string(22, 'T') + "\x83\x5C" + "\r\n";
    const BinderCase cases[] = {
        {"straddling pair", ini.c_str(), 1, dbcs ? t23 : t23 + "\x83", dbcs ? s25 : s25 + "\x83"},
        {"pair that fits", fits.c_str(), 1, std::string(22, 'T') + "\x83\x5C", ""},
    };
    RunBinderCases(cases, sizeof cases / sizeof cases[0]);
}

TEST(BinderInfo, FolderWithTrailingBackslashOrNothing) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir / "folder.ini", "[Binder]\r\nTitle=T\r\n"));
    GuardedRecord record;
    std::string withBackslash = dir.path() + "\\";
    EXPECT_EQ(1, GetBinderInfo(&withBackslash[0], record.bytes));
    EXPECT_EQ("T", record.Title());
    char empty[] = "";
    EXPECT_EQ(0, GetBinderInfo(empty, record.bytes));
    EXPECT_EQ(0, GetBinderInfo(nullptr, record.bytes));
}

}  // namespace
