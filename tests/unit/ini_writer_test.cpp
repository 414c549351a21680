// The writer of the module's files on real folders: a write that cannot be
// made keeps the old file and leaves no temporary, the next write removes
// what a crashed writer left, and a read after a replace sees the new file.
#include "base/ini_writer.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "base/temp_files.h"
#include "conditions/condition_io.h"
#include "tests/support/test_support.h"

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

namespace {

// The entries of folder, folders marked with a trailing backslash.
std::string Listing(const std::string& folder) {
    std::string names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        names += name + ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "\\ " : " ");
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

std::string ReadKey(const std::string& file) {
    char value[64] = {};
    GetPrivateProfileStringA("S", "K", "<missing>", value, sizeof value, file.c_str());
    return value;
}

TEST(IniWriter, AWriteThatCannotBeMadeKeepsTheOldFileAndLeavesNoTemporary) {
    TempDir dir;
    const std::string readOnly = dir / "sReadOnly.INI";
    WriteFileBytes(readOnly, "[SCANNER]\r\nLIBRARY=\"Old\"\r\n");
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string open = dir / "sOpen.INI";
    WriteFileBytes(open, "[SCANNER]\r\nLIBRARY=\"Old\"\r\n");
    testsupport::MakeFolder(dir / "sFolder.INI");
    const struct {
        std::string path;
        bool keepOpen;  // another program reads the file all along
        const char* what;
    } cases[] = {
        {dir / "sFolder.INI", false, "a folder in the file's place"},
        {dir / "Gone\\sGone.INI", false, "the folder gone"},
        {readOnly, false, "a read-only file"},
        {open, true, "a file another program keeps open"},
    };
    const std::string listing = Listing(dir.path());
    for (const auto& c : cases) {
        const std::string before = ReadFileBytes(c.path);
        HANDLE reader = c.keepOpen ? CreateFileA(c.path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                 nullptr, OPEN_EXISTING, 0, nullptr)
                                   : INVALID_HANDLE_VALUE;
        SortCondition r;
        std::memset(&r, 0, sizeof r);
        std::strcpy(r.path, c.path.c_str());
        EXPECT_EQ(0, WriteCondition(&r)) << c.what;
        if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
        EXPECT_EQ(before, ReadFileBytes(c.path)) << c.what;
        EXPECT_EQ(listing, Listing(dir.path())) << c.what;
    }
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(IniWriter, NextWriteRemovesTemporariesOfEndedWritersAndReadsSeeTheNewFile) {
    TempDir dir;
    const unsigned long pid = GetCurrentProcessId();
    const unsigned long start = ProcessStartStamp(GetCurrentProcess());
    const struct {
        std::string name;
        bool kept;
        const char* what;
    } cases[] = {
        {TempFileName(pid, start, 7), true, "this process, still running"},
        {TempFileName(pid, start + 1, 7), false, "an ended process whose id this one got"},
        {TempFileName(0x7ffffff0, start, 7), false, "an ended process"},
        {"~vendor.tmp", true, "another program's file"},
    };
    for (const auto& c : cases) WriteFileBytes(dir / c.name, "[S]\r\nK=torn");

    const std::string file = dir / "Vorda.ini";
    ASSERT_EQ(1, WriteIniFile(file.c_str(), {{"S", "K", "one"}}));
    for (const auto& c : cases) EXPECT_EQ(c.kept, testsupport::FileExists(dir / c.name)) << c.what;

    // The platform caches what it read of a file; the replaced file is read anew.
    EXPECT_EQ("one", ReadKey(file));
    ASSERT_EQ(1, WriteIniFile(file.c_str(), {{"S", "K", "two"}}));
    EXPECT_EQ("two", ReadKey(file));
}

}  // namespace
