// Speed of the sort-condition store and the library-tree listing, measured
// on real files in a scratch application folder. Not a test: it prints
// figures and checks nothing.
//   usage: vorda_bench.exe [seconds per rate measurement, default 2]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/module_state.h"
#include "conditions/catalogue.h"
#include "conditions/condition_io.h"
#include "conditions/layer_names.h"
#include "libroot/library_tree.h"
#include "pages/condition_page.h"

namespace {

const char kAppPathsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VordaMonoTavo.exe";

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs step until seconds have passed; returns calls per second.
template <typename Step>
double Rate(double seconds, Step step) {
    long calls = 0;
    const double start = Now();
    double elapsed = 0;
    do {
        for (int i = 0; i < 20; ++i) step();
        calls += 20;
        elapsed = Now() - start;
    } while (elapsed < seconds);
    return calls / elapsed;
}

// Median of runs timings of step, in seconds.
template <typename Step>
double Median(int runs, Step step) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        step();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::string MakeScratchFolder() {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    for (unsigned n = 0;; ++n) {
        const std::string folder = std::string(base) + "vorda-bench-" +
                                   std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n);
        if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
    }
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + "\\" + name);
            else
                DeleteFileA((folder + "\\" + name).c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// The App Paths entry, pointed at the scratch folder for the run and put
// back afterwards.
class AppFolderEntry {
public:
    explicit AppFolderEntry(const std::string& folder) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            char value[MAX_PATH] = {};
            DWORD size = sizeof value - 1;
            had_ = RegQueryValueExA(key, "Path", nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                                    &size) == ERROR_SUCCESS;
            previous_ = value;
            RegCloseKey(key);
        }
        Set(folder.c_str());
    }
    ~AppFolderEntry() {
        if (had_)
            Set(previous_.c_str());
        else
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, kAppPathsKey);
    }

private:
    static void Set(const char* folder) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder),
                       static_cast<DWORD>(strlen(folder) + 1));
        RegCloseKey(key);
    }
    bool had_ = false;
    std::string previous_;
};

// The number of private-profile look-ups one ReadCondition of an existing
// file makes: five names, five use flags, position, FAX-SEQ, FAX-CHECK,
// DATETYPE, DATEWEEK.
const char* const kLookups[][2] = {
    {"FAX-RX", "LIBRARY"},     {"FAX-RX", "CABINET"},    {"FAX-RX", "BINDER"},
    {"FAX-RX", "INDEX"},       {"FAX-RX", "TAG"},        {"FAX-RX_USE", "LIBRARY"},
    {"FAX-RX_USE", "CABINET"}, {"FAX-RX_USE", "BINDER"}, {"FAX-RX_USE", "INDEX"},
    {"FAX-RX_USE", "TAG"},     {"FAX-RX", "POSITION"},   {"FAX-RX", "FAX-SEQ"},
    {"FAX-RX", "FAX-CHECK"},   {"FAX-RX", "DATETYPE"},   {"FAX-RX", "DATEWEEK"},
};
const int kLookupCount = sizeof kLookups / sizeof kLookups[0];

void BenchReadWrite(const std::string& folder, double seconds) {
    const std::string path = folder + "\\fBench.INI";
    char templatePath[MAX_PATH];
    MakeConditionPath(kFaxReceive, kSelectTemplate1, folder.c_str(), templatePath);
    WriteTemplateCondition(kFaxReceive, templatePath, 1);
    SortCondition record = {};
    ReadCondition(templatePath, kFaxReceive, &record);
    strcpy(record.path, path.c_str());
    WriteCondition(&record);

    // The machine may be shared: a read and the bare look-ups it needs are
    // timed in turns, one after the other, so that both see the same load.
    double readTime = 0, lookupTime = 0;
    long pairs = 0;
    const double begin = Now();
    while (Now() - begin < 2 * seconds) {
        const double t0 = Now();
        SortCondition r = {};
        ReadCondition(path.c_str(), kFaxReceive, &r);
        const double t1 = Now();
        char value[MAX_PATH];
        for (const auto& lookup : kLookups)
            GetPrivateProfileStringA(lookup[0], lookup[1], "", value, sizeof value, path.c_str());
        const double t2 = Now();
        readTime += t1 - t0;
        lookupTime += t2 - t1;
        ++pairs;
    }
    const double reads = pairs / readTime;
    const double lookupSets = pairs / lookupTime;
    const double writes = Rate(seconds, [&] {
        SortCondition r = record;
        WriteCondition(&r);
    });
    std::printf("condition read:   %9.0f per second\n", reads);
    std::printf(
        "  the same %d GetPrivateProfileStringA look-ups alone: %9.0f sets per second "
        "(read costs %.2f times the look-ups)\n",
        kLookupCount, lookupSets, lookupSets / reads);
    std::printf("condition write:  %9.0f per second (each writes 15 values)\n", writes);

    // A read of a condition whose file is gone goes to DIVSET.ini.
    SortCondition current = record;
    RecordCurrentCondition(folder.c_str(), &current);
    const std::string gone = folder + "\\fGone.INI";
    const double fallbacks = Rate(seconds, [&] {
        SortCondition r = {};
        ReadCondition(gone.c_str(), kFaxReceive, &r);
    });
    std::printf("condition read from the DIVSET.ini copy: %9.0f per second\n", fallbacks);
}

void BenchCatalogue(const std::string& base) {
    std::printf(
        "\ncatalogue of one kind (list the names, recreate nothing, load the condition in "
        "force):\n");
    std::printf("  %8s %12s %12s %14s\n", "files", "list ms", "load ms", "list us/file");
    for (int count : {10, 1000, 10000}) {
        const std::string folder = base + "\\cat" + std::to_string(count);
        CreateDirectoryA(folder.c_str(), nullptr);
        for (int t = 1; t <= 3; ++t) {
            char path[MAX_PATH];
            MakeConditionPath(kScanner, t, folder.c_str(), path);
            WriteTemplateCondition(kScanner, path, t);
        }
        const std::string body =
            "[SCANNER_USE]\r\nLIBRARY=\"@ON\"\r\n[SCANNER]\r\nLIBRARY=\"Bench\"\r\n";
        for (int i = 0; i < count; ++i)
            WriteBytes(folder + "\\sUser " + std::to_string(i) + ".INI", body);
        const std::string last = folder + "\\sUser " + std::to_string(count - 1) + ".INI";
        WriteBytes(folder + "\\DIVSET.ini", "[CONFIG_INI]\r\nSCAN=\"" + last + "\"\r\n");

        std::vector<std::string> names;
        const int runs = count >= 10000 ? 5 : 11;
        const double list = Median(runs, [&] { ListConditions(kScanner, folder.c_str(), &names); });
        const double load = Median(runs, [&] {
            std::vector<std::string> copy = names;
            int32_t selected = -1;
            SortCondition r = {};
            LoadCurrentCondition(kScanner, folder.c_str(), &copy, &selected, &r);
        });
        std::printf("  %8d %12.3f %12.3f %14.2f   (%d names)\n", count, list * 1e3, load * 1e3,
                    list * 1e6 / (count + 3), static_cast<int>(names.size()));
        RemoveTree(folder);
    }
}

void BenchFolderIni(const std::string& base) {
    // The longest NameList a "folder.ini" can give: 1,023 bytes of entries.
    std::string list;
    int entries = 0;
    for (;;) {
        const std::string entry =
            "Library " + std::to_string(entries) + "#" + std::to_string(entries + 1) + ",";
        if (list.size() + entry.size() > kFolderListSize - 1) break;
        list += entry;
        ++entries;
    }
    const std::string ini = base + "\\folder.ini";
    WriteBytes(ini, "[FolderInfo]\r\nNameList=" + list + "\r\n");

    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND combo =
        CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWN, 0, 0, 150, 200, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(100)), nullptr, nullptr);
    std::vector<int32_t> numbers;
    const double parse = Median(51, [&] {
        EntryArray parsed;
        ReadFolderEntries(ini.c_str(), &parsed);
        ReleaseEntries(&parsed);
    });
    const double fill = combo == nullptr ? 0 : Median(51, [&] {
        FillComboFromNameList(parent, 100, ini.c_str(), &numbers);
    });
    std::printf("\nfolder.ini with a full 1,024-byte NameList (%d bytes, %d entries):\n",
                static_cast<int>(list.size()), entries);
    std::printf("  read and parse the entries: %8.3f ms\n", parse * 1e3);
    std::printf("  fill a combo box:           %8.3f ms (%d rows)\n", fill * 1e3,
                combo ? static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)) : 0);
    if (parent) DestroyWindow(parent);
}

// The example line of the condition pages: the names alone, and one whole
// update as a date-format click makes it (the controls read, the names
// made, the line set), on each page made from the module's own template on
// a hidden window of its own, without a sheet, in the scratch folder.
void BenchExampleLine(const std::string& base) {
    std::vector<std::string> names;
    ListConditions(kFaxReceive, base.c_str(), &names);
    SortCondition record = {};
    OpenCondition(kFaxReceive, base.c_str(), names[0].c_str(), &record);
    SampleDocument document;
    std::string layers[kLayerCount];
    const double expand = Median(1001, [&] {
        LoadSampleDocument(&document);
        ExpandLayerNames(record, document, 0, layers);
        JoinLayerNames(record, layers);
    });
    std::printf("\nexample line of the condition pages:\n");
    std::printf("  names of FAX Receive Template Binder 1:  %8.1f us (%s)\n", expand * 1e6,
                JoinLayerNames(record, layers).c_str());

    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                  nullptr, nullptr);
    CPage_Scan scanner;
    CPage_Fax fax;
    CPage_SndFax send;
    ConditionPage* const pages[] = {&scanner, &fax, &send};
    const char* const titles[] = {"MFP scanner", "FAX receive", "FAX send"};
    for (int i = 0; i < 3; ++i) {
        ConditionPage& page = *pages[i];
        HPROPSHEETPAGE description = page.CreatePage();
        HWND dialog =
            CreateDialogParamA(page.m_psp.hInstance, page.m_psp.pszTemplate, parent,
                               page.m_psp.pfnDlgProc, reinterpret_cast<LPARAM>(&page.m_psp));
        if (dialog == nullptr) {
            std::printf("  %s page: could not be made\n", titles[i]);
            continue;
        }
        // Year Month and Year Month Day in turn, so that every update sets
        // a new line.
        int turn = 0;
        const double update = Median(201, [&] {
            const int id = (++turn % 2) != 0 ? page.family.dateYm : page.family.dateYmd;
            CheckRadioButton(dialog, page.family.dateYmd, page.family.dateYmw, id);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
        });
        char line[512] = {};
        GetDlgItemTextA(dialog, page.family.exampleLine, line, sizeof line);
        std::printf("  update on the %-11s page:  %8.1f us (%s)\n", titles[i], update * 1e6, line);
        DestroyWindow(dialog);
        if (description != nullptr) DestroyPropertySheetPage(description);
    }
    if (parent) DestroyWindow(parent);
}

}  // namespace

int main(int argc, char** argv) {
    Module().instance = GetModuleHandleA(nullptr);
    Module().resources = Module().instance;
    const double seconds = argc > 1 ? std::max(0.1, std::atof(argv[1])) : 2.0;

    const std::string folder = MakeScratchFolder();
    {
        AppFolderEntry entry(folder);
        std::printf("scratch folder %s, code page %u\n\n", folder.c_str(), GetACP());
        BenchReadWrite(folder, seconds);
        BenchCatalogue(folder);
        BenchFolderIni(folder);
        BenchExampleLine(folder);
    }
    RemoveTree(folder);
    return 0;
}
