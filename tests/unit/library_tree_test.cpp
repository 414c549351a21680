// Listing libraries, cabinets and binders from "folder.ini" files into real
// combo boxes.
#include "libroot/library_tree.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

using testsupport::WriteFileBytes;
using Rows = std::vector<std::string>;

namespace {

const int kComboId = 1001;

class LibraryTree : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(nullptr, parent);
        combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWN, 0, 0, 150, 200, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboId)), nullptr,
                                nullptr);
        ASSERT_NE(nullptr, combo);
    }
    void TearDown() override { DestroyWindow(parent); }

    Rows ComboRows() {
        Rows rows;
        const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[1100] = {};
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        return rows;
    }
    std::string WriteNameList(const std::string& list) {
        const std::string ini = dir / "folder.ini";
        WriteFileBytes(ini, "[FolderInfo]\r\nNameList=" + list + "\r\n");
        return ini;
    }

    testsupport::TempDir dir;
    HWND parent = nullptr;
    HWND combo = nullptr;
};

TEST_F(LibraryTree, NameListTable) {
    struct Case {
        std::string list;
        Rows rows;
        std::vector<int32_t> numbers;
    };
    const Case cases[] = {
        {"Papers#3,Bills#12,", {"Papers", "Bills"}, {3, 12}},
        {"Papers#3,Papers#7,Papers", {"Papers"}, {7}},
        {"Papers,Papers#7,Papers#2", {"Papers"}, {7}},
        {"Old%#4,A$B%#9", {"Old%", "A$B%"}, {4, 9}},
        {"Price##5,Tax#2a", {"Price##5", "Tax#2a"}, {-1, -1}},
        {"Plain,,Other", {"Plain", "", "Other"}, {-1, -1, -1}},
        {"papers#1,PAPERS#5", {"papers"}, {5}},  // the box finds texts in any case
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("stale"));
        std::vector<int32_t> numbers(3, 99);
        EXPECT_EQ(1,
                  FillComboFromNameList(parent, kComboId, WriteNameList(c.list).c_str(), &numbers));
        EXPECT_EQ(c.rows, ComboRows());
        EXPECT_EQ(c.numbers, numbers);
    }
}

class LibraryTreeBinders : public LibraryTree {
protected:
    void SetUp() override {
        LibraryTree::SetUp();
        cabinet = dir / "Lib#1\\Cab#2";
        testsupport::MakeFolder(cabinet);
    }
    void AddBinder(const std::string& folder, const std::string& title,
                   const std::string& subTitle = "") {
        testsupport::MakeFolder(cabinet + "\\" + folder);
        WriteFileBytes(cabinet + "\\" + folder + "\\folder.ini",
                       "[Binder]\r\nTitle=" + title + "\r\nSubTitle=" + subTitle + "\r\n");
    }
    std::string cabinet;
};

TEST_F(LibraryTreeBinders, PositionOrderThroughFolderIni) {
    AddBinder("B1", "First");
    AddBinder("B2", "Second", "#4");
    AddBinder("B3", "Temporary Binder");
    AddBinder("B4", "Second", "#9");
    testsupport::MakeFolder(cabinet + "\\NotABinder");
    WriteFileBytes(
        cabinet + "\\folder.ini",
        "[BinderInfo]\r\nNameList=B1,B2,B3,NotABinder,B4,Extra\r\nPosList=3,1,0,0,2\r\n");
    EntryArray entries;
    EXPECT_EQ(0, ReadBinderEntries(dir.path().c_str(), "Lib#1", "Cab#2", &entries));
    std::vector<std::string> texts;
    for (const ListEntry& e : entries) texts.push_back(e.text);
    EXPECT_EQ((std::vector<std::string>{"Temporary Binder", "Second#4", "Second#9", "First"}),
              texts);
    EXPECT_EQ(4, entries[1].number);

    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("first"));  // as in any case
    EXPECT_EQ(0, AppendBinderList(parent, kComboId, dir.path().c_str(), "Lib#1", "Cab#2"));
    EXPECT_EQ((Rows{"first", "Second"}), ComboRows());
}

TEST_F(LibraryTree, DbcsEntriesInTheBox) {
    if (GetACP() != 932) GTEST_SKIP() << "needs code page 932";
    std::vector<int32_t> numbers;
    const std::string list = "\x83\x5C#3,\x83\x7C%#4,\x83\x5C#8";
    EXPECT_EQ(1, FillComboFromNameList(parent, kComboId, WriteNameList(list).c_str(), &numbers));
    EXPECT_EQ((Rows{"\x83\x5C", "\x83\x7C%"}), ComboRows());
    EXPECT_EQ(8, numbers[0]);
    EXPECT_EQ(4, numbers[1]);
}

}  // namespace
