// Memory growth per open of the options sheet and the import-destination
// dialog, measured from outside through the module's exports: each case
// runs in a child process of its own, opens its window warm-up times, reads
// the process's anonymous resident memory (RssAnon of the Unix process, as
// Wine runs it), then opens it cycles times more, visiting every tab and
// pressing OK and Cancel in turn, and reads it again.
//
//   usage: vorda_memory.exe [cycles, default 300] [warm-up, default 20]
//                           [--case NAME]... [--visit all|first|none]
//                           [--press both|ok|cancel] [--controls N] [--trace]
//                           [--heap] [--sample DIR]
//
// Cases: plain (a two-page property sheet from in-memory templates: what the
// platform itself keeps per open), themed (the same sheet inside an
// activation context made from the module's manifest, as the module's
// exports make one), mode0, mode1, mode2 (VordaConfigSet) and lumora
// (LumoraLConfigSet). Every case runs on a copy of the sample setup of
// host/sample (mode 1 lists its conditions and library tree). --visit
// first or none leaves the other tabs alone, to tell what the pages keep
// from what the sheet keeps; --press ok or cancel presses only that button.
// A window the cycle did not ask for (a name
// dialog, a message box) is cancelled and counted.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/activation_context.h"
#include "host/module_loader.h"
#include "host/robot/robot.h"
#include "tests/support/test_support.h"
#include "tools/sample/sample_layout.h"

#ifndef VORDA_SAMPLE_DIR
#define VORDA_SAMPLE_DIR ""
#endif

namespace {

const char* const kCases[] = {"plain", "themed", "mode0", "mode1", "mode2", "lumora"};
const char kLumoraTitle[] = "Lumora -> Vorda";

enum class Visit { kAll, kFirst, kNone };

// What each open presses at the end: OK and Cancel in turn, or one of them.
enum class Press { kBoth, kOk, kCancel };

// ---- RssAnon of this process ---------------------------------------------

// The /proc entry of this process on the Unix side. Z:\proc\self would be
// the wine server's, so the entries are searched for the token that only
// this process's command line carries.
std::string FindOwnProcEntry(const std::string& token) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return std::string();
    std::string entry;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (found.cFileName[0] < '0' || found.cFileName[0] > '9') continue;
        const std::string folder = std::string("Z:\\proc\\") + found.cFileName;
        std::string cmdline = testsupport::ReadFileBytes(folder + "\\cmdline");
        for (char& c : cmdline)
            if (c == '\0') c = ' ';
        if (cmdline.find(token) != std::string::npos) {
            entry = folder;
            break;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return entry;
}

// RssAnon in KiB, -1 when it cannot be read.
long RssAnonKb(const std::string& entry) {
    const std::string status = testsupport::ReadFileBytes(entry + "\\status");
    const size_t at = status.find("RssAnon:");
    if (at == std::string::npos) return -1;
    return std::strtol(status.c_str() + at + 8, nullptr, 10);
}

// The growth per open of the low water: the lowest reading of the second
// half of the cycles less the lowest of the first half (the reading after
// the warm-up included), over the half's length. The process takes blocks
// of some 700 to 840 KiB a few opens at a time and lets them go together
// later (the dialog and mode 1 show it most, with OK and with Cancel alike;
// the plain sheets show single steps), so single readings jump by up to a
// few MiB either way; a leak raises the low water steadily, those blocks do
// not. A leak of L per open raises it by about L times half the cycles.
double LowWaterPerOpen(long before, const std::vector<long>& samples) {
    const size_t half = samples.size() / 2;
    if (half == 0) return 0;
    long first = before, second = samples.back();
    for (size_t i = 0; i < half; ++i) {
        first = std::min(first, samples[i]);
        second = std::min(second, samples[half + i]);
    }
    return static_cast<double>(second - first) / static_cast<double>(half);
}

// The busy blocks of the process's heaps, counted by size: what the Windows
// side of the process holds (RssAnon also holds what Wine's Unix side takes).
std::map<size_t, long> HeapBlocks() {
    std::map<size_t, long> blocks;
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    for (DWORD h = 0; h < count && h < 64; ++h) {
        if (!HeapLock(heaps[h])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++blocks[entry.cbData];
        HeapUnlock(heaps[h]);
    }
    return blocks;
}

// The block sizes whose count grew the most, to standard error.
void PrintHeapGrowth(const std::map<size_t, long>& before, const std::map<size_t, long>& after) {
    std::vector<std::pair<long long, size_t>> grown;  // bytes grown, block size
    long long total = 0;
    for (const auto& block : after) {
        const auto was = before.find(block.first);
        const long more = block.second - (was == before.end() ? 0 : was->second);
        total += static_cast<long long>(more) * static_cast<long long>(block.first);
        if (more > 0) grown.emplace_back(static_cast<long long>(more) * block.first, block.first);
    }
    for (const auto& block : before)
        if (after.find(block.first) == after.end())
            total -= static_cast<long long>(block.second) * static_cast<long long>(block.first);
    std::sort(grown.rbegin(), grown.rend());
    std::fprintf(stderr, "heap: %lld bytes more in busy blocks\n", total);
    for (size_t i = 0; i < grown.size() && i < 12; ++i) {
        const size_t size = grown[i].second;
        const auto was = before.find(size);
        std::fprintf(stderr, "heap: %zu-byte blocks: %ld more\n", size,
                     after.at(size) - (was == before.end() ? 0 : was->second));
    }
}

// ---- the sample setup ------------------------------------------------------

// The sample laid out as tools/demo.sh lays it out, in a scratch folder:
// App (the application folder, with its INI files and conditions), LibRoot
// and WorkArea. The App Paths entry goes back to what it was at the end, so
// that the programs sharing the Wine prefix find what they left.
class Sample {
public:
    bool LayOut(const std::string& source) {
        if (!sample::LayOut(source, temp_.path())) return false;
        sample::PointAt(temp_.path());
        return true;
    }
    std::string LibRoot() const { return temp_ / "LibRoot"; }

private:
    testsupport::SavedSetup saved_;  // declared first: restored after the folder is gone
    testsupport::TempDir temp_;
};

// ---- the plain sheet ---------------------------------------------------------

// A page template: caption, font and controls controls (one by default):
// check boxes, edits and drop-down combo boxes in turn, in rows.
std::vector<WORD> PageTemplate(const wchar_t* caption, int controls) {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(t.data());
    dialog->style = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SETFONT | DS_3DLOOK;
    dialog->cdit = static_cast<WORD>(controls);
    dialog->cx = 300;
    dialog->cy = 200;
    auto put = [&t](const wchar_t* text) {
        do t.push_back(static_cast<WORD>(*text));
        while (*text++);
    };
    t.push_back(0);  // menu
    t.push_back(0);  // class
    put(caption);
    t.push_back(8);
    put(L"MS Shell Dlg");
    static const DWORD kStyles[3] = {BS_AUTOCHECKBOX, ES_AUTOHSCROLL | WS_BORDER,
                                     CBS_DROPDOWN | WS_VSCROLL};
    static const WORD kClasses[3] = {0x0080, 0x0081, 0x0085};  // button, edit, combo box
    for (int n = 0; n < controls; ++n) {
        if (t.size() % 2) t.push_back(0);  // DWORD alignment of the item
        const size_t itemAt = t.size();
        t.resize(itemAt + sizeof(DLGITEMTEMPLATE) / sizeof(WORD), 0);
        auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(&t[itemAt]);
        item->style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | kStyles[n % 3];
        item->x = static_cast<short>(5 + (n % 4) * 72);
        item->y = static_cast<short>(5 + (n / 4) * 14);
        item->cx = 68;
        item->cy = n % 3 == 2 ? 60 : 12;
        item->id = static_cast<WORD>(100 + n);
        t.push_back(0xFFFF);
        t.push_back(kClasses[n % 3]);
        put(n % 3 == 0 ? L"Option" : L"");
        t.push_back(0);  // no creation data
    }
    return t;
}

INT_PTR CALLBACK PlainPageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

INT_PTR ShowPlainSheet(int controls) {
    static const std::vector<WORD> first = PageTemplate(L"First", controls);
    static const std::vector<WORD> second = PageTemplate(L"Second", controls);
    PROPSHEETPAGEA pages[2] = {};
    const std::vector<WORD>* templates[2] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_DLGINDIRECT;
        pages[i].hInstance = GetModuleHandleA(nullptr);
        pages[i].pResource = reinterpret_cast<LPCDLGTEMPLATE>(templates[i]->data());
        pages[i].pfnDlgProc = PlainPageProc;
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = "Plain";
    header.nPages = 2;
    header.ppsp = pages;
    return PropertySheetA(&header);
}

// ---- one cycle ------------------------------------------------------------------

struct Counts {
    int unexpected = 0;  // windows the cycle did not ask for, cancelled
    int failed = 0;      // opens whose result was not what the press gives
    int missedTabs = 0;  // tabs the sheet did not switch to
};

// Cancels whatever window the UI thread shows besides main (a name dialog
// after OK, a message box) and counts it.
void CancelOthers(robot::Robot& r, HWND main, Counts& counts) {
    for (HWND window : r.Windows()) {
        if (window == main || !IsWindowEnabled(window)) continue;
        ++counts.unexpected;
        if (HWND box = r.FindMessageBox(window)) {
            r.Answer(r.ReadMessageBox(box), IDCANCEL);
        } else {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            r.WaitIdle();
        }
        return;
    }
}

// The sheet's part: every tab (or as visit says), then OK or Cancel, then
// any window that press opened cancelled until the call returns.
void DriveSheet(robot::Robot& r, bool ok, Visit visit, Counts& counts) {
    HWND sheet = r.WaitForSheet();
    r.WaitIdle();
    const int tabs = visit == Visit::kAll ? r.TabCount(sheet) : visit == Visit::kFirst ? 1 : 0;
    for (int tab = 0; tab < tabs; ++tab) {
        // Posted: leaving a changed page would open the name dialog.
        r.PostSelectTab(sheet, tab);
        CancelOthers(r, sheet, counts);
        if (r.CurrentTab(sheet) != tab) ++counts.missedTabs;
    }
    if (ok)
        r.PressOk(sheet);
    else
        r.PressCancel(sheet);
    while (!r.CallReturned()) {
        CancelOthers(r, IsWindow(sheet) ? sheet : nullptr, counts);
        Sleep(robot::kPollMs);
    }
}

void DriveDialog(robot::Robot& r, bool ok) {
    HWND dialog = r.WaitForDialog(nullptr, kLumoraTitle);
    r.Click(dialog, ok ? IDOK : IDCANCEL);
    r.WaitCallReturned();
}

class Case {
public:
    Case(const std::string& name, Visit visit, Press press, int controls,
         host::OptionsModule& module, Sample& sample)
        : name_(name),
          visit_(visit),
          press_(press),
          controls_(controls),
          module_(module),
          sample_(sample) {}

    // One open; n counts the opens, even ones press OK when both are pressed.
    void Open(int n, Counts& counts) {
        const bool ok = press_ == Press::kBoth ? n % 2 == 0 : press_ == Press::kOk;
        if (name_ == "lumora") {
            robot::Run([&] { return module_.lumoraConfigSet(); },
                       [&](robot::Robot& r) { DriveDialog(r, ok); });
            return;
        }
        auto drive = [&](robot::Robot& r) { DriveSheet(r, ok, visit_, counts); };
        if (name_ == "plain" || name_ == "themed") {
            const INT_PTR result = robot::Run(
                [&] {
                    // Made and dropped per open, as the module's exports do.
                    HMODULE owner = name_ == "themed" ? module_.handle() : nullptr;
                    ActivationContext context(owner);
                    return ShowPlainSheet(controls_);
                },
                drive);
            if ((result > 0) != ok) ++counts.failed;
            return;
        }
        const int mode = name_[4] - '0';
        char paths[3][MAX_PATH] = {};
        sample_.LibRoot().copy(paths[0], MAX_PATH - 1);
        int index = 0, show = 0;
        robot::Run(
            [&] { return module_.configSet(mode, paths[0], paths[1], paths[2], &index, &show); },
            drive);
    }

private:
    std::string name_;
    Visit visit_;
    Press press_;
    int controls_;
    host::OptionsModule& module_;
    Sample& sample_;
};

// A failure the robot reported (a window that never came, a control that
// was missing): the case stops after that open instead of waiting out the
// timeout on every one that follows.
std::atomic<bool> g_robotFailed{false};

void ReportRobotFailure(const std::string& message) {
    std::fprintf(stderr, "robot: %s\n", message.c_str());
    std::fflush(stderr);
    g_robotFailed = true;
}

// ---- the child: one case ---------------------------------------------------------

int RunCase(const std::string& name, const std::string& token, int cycles, int warmUp, Visit visit,
            Press press, int controls, bool trace, bool heap, const std::string& sampleSource) {
    const std::string entry = FindOwnProcEntry(token);
    if (entry.empty() || RssAnonKb(entry) < 0) {
        std::fprintf(stderr, "%s: cannot find this process's /proc entry\n", name.c_str());
        return 1;
    }
    Sample sample;
    if (!sample.LayOut(sampleSource)) {
        std::fprintf(stderr, "%s: cannot copy the sample from %s\n", name.c_str(),
                     sampleSource.c_str());
        return 1;
    }
    host::OptionsModule module;
    std::string error;
    if (!module.Load(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    robot::FailureHooks hooks;
    hooks.report = ReportRobotFailure;
    robot::SetFailureHooks(hooks);
    Case run(name, visit, press, controls, module, sample);
    Counts counts;
    auto stopped = [&name] {
        if (!g_robotFailed) return false;
        std::fprintf(stderr, "%s: stopped after the robot's failure\n", name.c_str());
        return true;
    };
    for (int n = 0; n < warmUp; ++n) {
        run.Open(n, counts);
        if (stopped()) return 1;
    }
    const long before = RssAnonKb(entry);
    std::map<size_t, long> heapBefore;
    if (heap) heapBefore = HeapBlocks();
    std::vector<long> samples;
    for (int n = 0; n < cycles; ++n) {
        run.Open(warmUp + n, counts);
        if (stopped()) return 1;
        samples.push_back(RssAnonKb(entry));
        if (trace) std::fprintf(stderr, "%s %d %ld\n", name.c_str(), n + 1, samples.back());
    }
    const long after = samples.empty() ? before : samples.back();
    if (heap) PrintHeapGrowth(heapBefore, HeapBlocks());
    const long growth = after - before;
    std::printf("%-8s %10ld %10ld %10ld %10.2f %10.2f", name.c_str(), before, after, growth,
                cycles > 0 ? static_cast<double>(growth) / cycles : 0.0,
                LowWaterPerOpen(before, samples));
    if (counts.unexpected) std::printf("   %d unexpected window(s) cancelled", counts.unexpected);
    if (counts.failed) std::printf("   %d open(s) returned the wrong result", counts.failed);
    if (counts.missedTabs) std::printf("   %d tab(s) not reached", counts.missedTabs);
    std::printf("\n");
    std::fflush(stdout);
    return 0;
}

// ---- the parent: every case in a child process of its own ------------------------

int RunChild(const std::string& arguments) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string commandLine = "\"" + std::string(self) + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(self, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", self);
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(code);
}

int Usage() {
    std::fprintf(
        stderr,
        "usage: vorda_memory.exe [cycles] [warm-up] [--case NAME]... "
        "[--visit all|first|none] [--press both|ok|cancel] [--controls N] [--trace] [--heap] "
        "[--sample DIR]\n"
        "cases: plain themed mode0 mode1 mode2 lumora\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int cycles = 300, warmUp = 20, numbers = 0;
    bool trace = false, heap = false;
    int controls = 1;
    std::vector<std::string> cases;
    std::string visitName = "all", pressName = "both", child, token;
    std::string sample = ::sample::WindowsPath(VORDA_SAMPLE_DIR);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--case" && hasValue) {
            cases.push_back(argv[++i]);
        } else if (arg == "--visit" && hasValue) {
            visitName = argv[++i];
        } else if (arg == "--controls" && hasValue) {
            controls = std::max(1, std::min(200, std::atoi(argv[++i])));
        } else if (arg == "--heap") {
            heap = true;
        } else if (arg == "--trace") {
            trace = true;
        } else if (arg == "--press" && hasValue) {
            pressName = argv[++i];
        } else if (arg == "--sample" && hasValue) {
            sample = argv[++i];
        } else if (arg == "--child" && i + 2 < argc) {
            child = argv[++i];
            token = argv[++i];
        } else if (!arg.empty() && arg[0] >= '0' && arg[0] <= '9' && numbers < 2) {
            (numbers++ == 0 ? cycles : warmUp) = std::atoi(arg.c_str());
        } else {
            return Usage();
        }
    }
    const Visit visit = visitName == "all"     ? Visit::kAll
                        : visitName == "first" ? Visit::kFirst
                        : visitName == "none"  ? Visit::kNone
                                               : static_cast<Visit>(-1);
    if (visit == static_cast<Visit>(-1)) return Usage();
    const Press press = pressName == "both"     ? Press::kBoth
                        : pressName == "ok"     ? Press::kOk
                        : pressName == "cancel" ? Press::kCancel
                                                : static_cast<Press>(-1);
    if (press == static_cast<Press>(-1)) return Usage();
    if (cases.empty()) cases.assign(std::begin(kCases), std::end(kCases));
    for (const std::string& name : cases) {
        bool known = false;
        for (const char* known_case : kCases) known = known || name == known_case;
        if (!known) return Usage();
    }

    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    if (!child.empty())
        return RunCase(child, token, cycles, warmUp, visit, press, controls, trace, heap, sample);

    std::printf("RssAnon in KiB after %d warm-up opens and after %d cycles (tabs: %s, press: %s)\n",
                warmUp, cycles, visitName.c_str(), pressName.c_str());
    std::printf("%-8s %10s %10s %10s %10s %10s\n", "case", "warm", "after", "growth", "per open",
                "low water");
    std::fflush(stdout);
    int failures = 0;
    for (const std::string& name : cases) {
        // The token makes the child's command line its own among all processes.
        const std::string childToken =
            "vorda-memory-" + std::to_string(GetCurrentProcessId()) + "-" + name;
        const std::string arguments =
            std::to_string(cycles) + " " + std::to_string(warmUp) + " --visit " + visitName +
            " --press " + pressName + " --controls " + std::to_string(controls) +
            (trace ? " --trace" : "") + (heap ? " --heap" : "") + " --sample \"" + sample +
            "\" --child " + name + " " + childToken;
        if (RunChild(arguments) != 0) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
