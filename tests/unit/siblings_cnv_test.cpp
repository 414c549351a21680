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

// One table of the binder records the module relies on: title and subtitle
// cut to their fields without splitting a double-byte character (in code
// page 932 a pair that would straddle the limit is left out whole; in a
// single-byte code page its first byte still fits), nothing written past
// the record, and 0 without a title.
TEST(BinderInfo, RecordFromFolderIniDbcs) {
    const bool dbcs = IsDBCSLeadByte(0x83) != 0;
    const std::string t24(24, 'T'), s26(26, 'S'), t23(23, 'T'), s25(25, 'S');
    const struct {
        const char* name;
        std::string folderIni;  // "": no file
        int result;
        std::string title;
        std::string subTitle;
    } cases[] = {
        {"title and subtitle", "[Binder]\r\nTitle=Invoices\r\nSubTitle=2026\r\n", 1, "Invoices",
         "2026"},
        {"longer texts are cut", "[Binder]\r\nTitle=" + t24 + "XYZ\r\nSubTitle=" + s26 + "XYZ\r\n",
         1, t24, s26},
        {"straddling pair",
         "[Binder]\r\nTitle=" + t23 + "\x83\x5C\r\nSubTitle=" + s25 + "\x83\x41\r\n", 1,
         dbcs ? t23 : t23 + "\x83", dbcs ? s25 : s25 + "\x83"},
        {"pair that fits", "[Binder]\r\nTitle=" + std::string(22, 'T') + "\x83\x5C\r\n", 1,
         std::string(22, 'T') + "\x83\x5C", ""},
        {"empty title", "[Binder]\r\nTitle=\r\nSubTitle=x\r\n", 0, "", ""},
        {"other section", "[BinderInfo]\r\nTitle=x\r\n", 0, "", ""},
        {"no folder.ini", "", 0, "", ""},
    };
    TempDir dir;
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.name);
        const std::string folder = dir / ("B" + std::to_string(i));
        ASSERT_TRUE(MakeFolder(folder));
        if (!c.folderIni.empty()) {
            ASSERT_TRUE(WriteFileBytes(folder + "\\folder.ini", c.folderIni));
        }
        GuardedRecord record;
        std::string writable = folder + "\\";  // a trailing backslash is allowed
        EXPECT_EQ(c.result, GetBinderInfo(&writable[0], record.bytes));
        EXPECT_TRUE(record.GuardIntact());
        EXPECT_EQ(c.title, record.Title());
        EXPECT_EQ(c.subTitle, record.SubTitle());
        for (int b = 0; b < kBinderTitleOffset; ++b) EXPECT_EQ(0, record.bytes[b]);
    }
    EXPECT_EQ(0, GetBinderInfo(nullptr, GuardedRecord().bytes));
}

}  // namespace
