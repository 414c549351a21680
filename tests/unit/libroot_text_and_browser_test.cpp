// Path comparison and the folder browser's callback.
#include <shlobj.h>
#include <winioctl.h>

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "base/text.h"
#include "libroot/folder_browser.h"
#include "tests/support/test_support.h"

using testsupport::MakeFolder;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

namespace {

// Runs again under code page 932: there 0x83 0x41 and 0x83 0x61 are two
// different double-byte characters, under 1252 they differ in case only.
TEST(LibRootTextDbcs, SameTextNoCase) {
    const bool dbcs = GetACP() == 932;
    struct Case {
        const char* a;
        const char* b;
        int equal;
    };
    const Case cases[] = {
        {"C:\\Roots\\Main", "c:\\roots\\MAIN", 1},
        {"C:\\Roots\\Main", "C:\\Roots\\Mains", 0},
        {"", "", 1},
        {"", "C:", 0},
        {"\\\\Server\\Share", "\\\\SERVER\\share", 1},
        {"C:\\\x83\x41", "C:\\\x83\x61", dbcs ? 0 : 1},
        {"C:\\\x83\x5C"
         "a",
         "C:\\\x83\x5C"
         "A",
         1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.equal, SameTextNoCase(c.a, c.b)) << c.a << " / " << c.b;
        EXPECT_EQ(c.equal, SameTextNoCase(c.b, c.a)) << c.b << " / " << c.a;
    }
}

TEST(LibRootTextDbcs, CopyTextNeverSplitsADoubleByteCharacter) {
    const bool dbcs = GetACP() == 932;
    char out[4];
    CopyText(out, sizeof out, "ab\x83\x5C");  // room for three bytes
    EXPECT_STREQ(dbcs ? "ab" : "ab\x83", out);
    CopyText(out, sizeof out, "abc");
    EXPECT_STREQ("abc", out);
}

// ---- BrowseCallback with a window that records what the browser is told.

struct SentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::string text;  // BFFM_SETSELECTIONA: the path sent
};
std::vector<SentMessage> g_sent;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BFFM_ENABLEOK || message == BFFM_SETSELECTIONA) {
        SentMessage sent{message, wParam, lParam, ""};
        if (message == BFFM_SETSELECTIONA && lParam != 0)
            sent.text = reinterpret_cast<const char*>(lParam);
        g_sent.push_back(sent);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class FakeBrowser : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VordaFakeBrowser";
        RegisterClassA(&wc);
        window_ = CreateWindowA("VordaFakeBrowser", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, window_);
        g_sent.clear();
    }
    void TearDown() override { DestroyWindow(window_); }

    // What OK is set to after selecting path: -1 untouched, 0 disabled.
    int SelectAndReadOk(const std::string& path) {
        g_sent.clear();
        PIDLIST_ABSOLUTE item = ILCreateFromPathA(path.c_str());
        EXPECT_NE(nullptr, item) << path;
        if (item == nullptr) return -2;
        EXPECT_EQ(0, BrowseCallback(window_, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item), 0));
        ILFree(item);
        int ok = -1;
        for (const SentMessage& sent : g_sent) {
            EXPECT_EQ(static_cast<UINT>(BFFM_ENABLEOK), sent.message);
            ok = static_cast<int>(sent.lParam);
            EXPECT_EQ(0u, sent.wParam);
        }
        return ok;
    }

    HWND window_ = nullptr;
    TempDir dir_;
};

TEST_F(FakeBrowser, FolderWhereNoFileCanBeCreatedDisablesOk) {
    // Tests run with full rights, so a file stands for a folder that refuses
    // new files: the write test fails in it.
    const std::string file = dir_ / "plain.txt";
    WriteFileBytes(file, "x");
    EXPECT_EQ(0, SelectAndReadOk(file));
}

// A drive letter that the platform reports as a CD-ROM drive, backed by a
// scratch folder. Built through Wine's mount manager (as its configuration
// tool adds drives); elsewhere the drive is not made and ok() is false.
class CdRomDrive {
public:
    explicit CdRomDrive(const std::string& folder) {
        using UnixName = char*(CDECL*)(LPCWSTR);
        const auto unixName = reinterpret_cast<UnixName>(
            GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
        if (unixName == nullptr) return;
        wchar_t wide[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, wide, MAX_PATH);
        char* unixPath = unixName(wide);
        if (unixPath == nullptr) return;
        for (char letter = 'r'; letter <= 'y' && !ok_; ++letter) {
            const char root[] = {static_cast<char>(letter - 'a' + 'A'), ':', '\\', '\0'};
            if (GetDriveTypeA(root) != DRIVE_NO_ROOT_DIR) continue;
            if (Define(letter, DRIVE_CDROM, unixPath) && GetDriveTypeA(root) == DRIVE_CDROM) {
                letter_ = letter;
                root_ = root;
                ok_ = true;
            }
        }
        HeapFree(GetProcessHeap(), 0, unixPath);
    }
    ~CdRomDrive() {
        if (ok_) Define(letter_, DRIVE_NO_ROOT_DIR, nullptr);
    }
    bool ok() const { return ok_; }
    const std::string& root() const { return root_; }  // "R:\"

private:
    // The mount manager's request to define (or, with DRIVE_NO_ROOT_DIR,
    // remove) a drive letter for a Unix folder.
    struct UnixDrive {
        ULONG size;
        ULONG type;
        ULONG fsType;
        DWORD serial;
        ULONGLONG unixDevice;
        WCHAR letter;
        USHORT mountPointOffset;
        USHORT deviceOffset;
        USHORT labelOffset;
    };
    static bool Define(char letter, ULONG type, const char* unixPath) {
        HANDLE manager =
            CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (manager == INVALID_HANDLE_VALUE) return false;
        std::vector<char> request(sizeof(UnixDrive) + (unixPath ? std::strlen(unixPath) + 1 : 0));
        UnixDrive drive = {};
        drive.size = static_cast<ULONG>(request.size());
        drive.type = type;
        drive.letter = static_cast<WCHAR>(letter);
        if (unixPath != nullptr) {
            drive.mountPointOffset = sizeof(UnixDrive);
            std::memcpy(request.data() + sizeof(UnixDrive), unixPath, std::strlen(unixPath) + 1);
        }
        std::memcpy(request.data(), &drive, sizeof drive);
        const DWORD kDefineUnixDrive =
            CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
        DWORD returned = 0;
        const BOOL done =
            DeviceIoControl(manager, kDefineUnixDrive, request.data(),
                            static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
        CloseHandle(manager);
        return done != FALSE;
    }

    char letter_ = 0;
    std::string root_;
    bool ok_ = false;
};

TEST_F(FakeBrowser, FolderOnACdRomDriveDisablesOkEvenWhenWritable) {
    const std::string backing = dir_ / "Disc";
    MakeFolder(backing + "\\Sub");
    CdRomDrive drive(backing);
    if (!drive.ok()) GTEST_SKIP() << "no way to make a CD-ROM drive here";
    for (const std::string& path : {drive.root(), drive.root() + "Sub"}) {
        EXPECT_EQ(0, SelectAndReadOk(path)) << path;
    }
    EXPECT_TRUE(testsupport::Snapshot(backing).empty()) << "the write test passed and cleaned up";
}

}  // namespace
