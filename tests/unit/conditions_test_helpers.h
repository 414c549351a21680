// Shared pieces of the sort-condition store tests.
#pragma once
#include <windows.h>

#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "conditions/sort_condition.h"
#include "tests/support/test_support.h"

namespace condtest {

// ListSeparator as a std::string, for building expected texts.
inline const std::string kLS = "\x18\x19";

// A record with every byte zero.
inline SortCondition ZeroRecord() {
    SortCondition r;
    std::memset(&r, 0, sizeof r);
    return r;
}

// A fresh application folder, registered as the App Paths entry.
class AppFolderTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::SetAppFolder(dir.path().c_str()); }
    std::string At(const std::string& name) const { return dir / name; }
    testsupport::TempDir dir;
};

// The fields two records must agree on (texts compared up to their NUL).
inline void ExpectSameRecord(const SortCondition& a, const SortCondition& b) {
    EXPECT_STREQ(a.path, b.path);
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.libraryUse, b.libraryUse);
    EXPECT_STREQ(a.libraryText, b.libraryText);
    EXPECT_EQ(a.cabinetUse, b.cabinetUse);
    EXPECT_STREQ(a.cabinetText, b.cabinetText);
    EXPECT_EQ(a.binderUse, b.binderUse);
    EXPECT_EQ(a.binderMode, b.binderMode);
    EXPECT_STREQ(a.binderText, b.binderText);
    EXPECT_EQ(a.indexUse, b.indexUse);
    EXPECT_EQ(a.indexMode, b.indexMode);
    EXPECT_STREQ(a.indexText, b.indexText);
    EXPECT_EQ(a.tagUse, b.tagUse);
    EXPECT_EQ(a.tagMode, b.tagMode);
    EXPECT_STREQ(a.tagText, b.tagText);
    EXPECT_EQ(a.position, b.position);
    for (int i = 0; i < kFaxItemCount; ++i) {
        EXPECT_EQ(a.faxSeq[i], b.faxSeq[i]) << "faxSeq " << i;
        EXPECT_EQ(a.faxCheck[i], b.faxCheck[i]) << "faxCheck " << i;
    }
    EXPECT_STREQ(a.faxSeqText, b.faxSeqText);
    EXPECT_STREQ(a.faxCheckText, b.faxCheckText);
    EXPECT_EQ(a.dateType, b.dateType);
    EXPECT_STREQ(a.dateTypeText, b.dateTypeText);
    EXPECT_EQ(a.dateWeek, b.dateWeek);
    EXPECT_STREQ(a.dateWeekText, b.dateWeekText);
}

// Skips the rest of a test unless the process runs under code page 932.
#define SKIP_UNLESS_CP932()                                         \
    do {                                                            \
        if (GetACP() != 932) GTEST_SKIP() << "needs code page 932"; \
    } while (0)

// Wine maps file names to the Unix locale's character set: without an
// installed Japanese locale, names with double-byte characters cannot be
// created at all. Tests that need such files skip then.
inline bool CanCreateDbcsFileNames(const std::string& folder) {
    const std::string probe = folder + "\\probe\x83\x5C";
    if (!CreateDirectoryA(probe.c_str(), nullptr)) return false;
    RemoveDirectoryA(probe.c_str());
    return true;
}

#define SKIP_UNLESS_DBCS_FILE_NAMES(folder)                                   \
    do {                                                                      \
        if (!condtest::CanCreateDbcsFileNames(folder))                        \
            GTEST_SKIP() << "Wine cannot create double-byte file names here " \
                            "(Japanese locale not installed)";                \
    } while (0)

}  // namespace condtest
