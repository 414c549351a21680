// Speed of the condition pages as a user meets them, against the platform's
// own floor: loads VordaEnv.dll the way the application does and times
// VordaConfigSet in mode 1 and, interleaved with it (one of each in turn), a
// bare property sheet of the same four page templates whose pages do
// nothing (bare_sheet.h). Both are driven by the same robot steps:
//   start: from the call until the three condition pages exist, tab 0 is
//     shown, the sheet has painted and the UI thread's queue is empty (seen
//     on the UI thread itself, ui_watch.h);
//   OK to return: one changed sort position per page, then OK, until the
//     call returns; the module's name dialogs and replace questions are
//     answered from the UI thread when they appear, so the robot's own
//     reaction time is nil on both sides.
// Each figure is the median of the opens; the ratio is the median of mode 1
// over the bare sheet opened right after it, pair by pair, which holds also
// when the machine's load changes during the run. A module built with VORDA_PHASE_TIMERS also tells
// where its time goes, phase by phase.
//
//   usage: vorda_pages_bench.exe [opens of each per setup, default 21]
//
// Setups: the templates only; 1,000 user conditions per kind; 10,000 per
// kind with a LibRoot of 60 libraries x 40 cabinets x 100 binders. The pages
// read the LibRoot's list, the list of the library in force and the binders
// of the cabinet in force, so every library and every cabinet list is laid
// out in full, and the 100 binders in the cabinets the pages open.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/module_loader.h"
#include "host/robot/robot.h"
#include "resources/resource.h"
#include "tests/support/test_support.h"
#include "tools/pages_bench/bare_sheet.h"
#include "tools/pages_bench/ui_watch.h"

namespace {

using bench::Clock;
using testsupport::MakeFolder;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

const DWORD kTimeoutMs = 120000;

struct Kind {
    char prefix;
    const char* templateName;
    const char* divsetKey;
    const char* section;
    int positionNext;
};
const Kind kKinds[3] = {
    {'s', "Scanner Template Binder 1", "SCAN", "SCANNER", IDC_SCAN_POSITION_NEXT},
    {'f', "FAX Receive Template Binder 1", "FAX", "FAX-RX", IDC_FAXRX_POSITION_NEXT},
    {'n', "FAX Send Template Binder 1", "SNDFAX", "FAX-TX", IDC_FAXTX_POSITION_NEXT},
};

enum Side { kModule, kBare };

struct Open {
    double startMs = 0;
    double okMs = 0;
    bench::PhaseSnapshot startPhases, restPhases;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

class Bench {
public:
    explicit Bench(host::OptionsModule& module) : module_(module) {
        app_ = temp_ / "App";
        root_ = temp_ / "LibRoot";
        MakeFolder(app_);
        MakeFolder(root_);
        MakeFolder(temp_ / "WorkArea");
        const std::string settings = app_ + "\\Vorda.ini";
        const std::string common = app_ + "\\VordaCommon.ini";
        WriteFileBytes(settings, "[Folder]\r\nLinkFolder1=" + root_ +
                                     "\r\nLinkName1=Main\r\nCurrentFolder=" + root_ +
                                     "\r\nCurrentName=Main\r\n[MessageShow]\r\nMessageShow=0\r\n");
        WriteFileBytes(common, "[Common]\r\nWorkArea=" + (temp_ / "WorkArea") + "\r\n");
        testsupport::SetAppFolder(app_.c_str());
        testsupport::SetEnv("VORDA_SETTINGS_INI", settings.c_str());
        testsupport::SetEnv("VORDA_COMMON_INI", common.c_str());
    }
    ~Bench() { testsupport::SetAppFolder(nullptr); }

    // The module loads once the environment is laid out.
    void SetPhases(const bench::PhaseExports& phases) { watch_.SetPhases(phases); }

    // One open of either sheet: the start, then OK after one change per
    // page. False when the sheet did not start or mode 1 did not return 1.
    bool Run(Side side, bench::BareSheet& bare, Open* open) {
        char paths[3][MAX_PATH] = {};
        root_.copy(paths[0], MAX_PATH - 1);
        int index = 0, show = 0;
        Clock::time_point pressed;
        bool started = false, scripted = false;
        watch_.Prepare();
        const int result = robot::Run(
            [&] {
                watch_.BeforeCall();
                const int r = side == kModule ? module_.configSet(1, paths[0], paths[1], paths[2],
                                                                  &index, &show)
                                              : (bare.Run() >= 0 ? 1 : -1);
                watch_.AfterCall();
                return r;
            },
            [&](robot::Robot& r) {
                r.setTimeoutMs(kTimeoutMs);
                HWND sheet = nullptr;
                if (!watch_.WaitStarted(kTimeoutMs, &sheet)) r.Fail("the sheet did not start");
                started = true;
                // The other sort position on every page. Leaving a changed
                // page would save it at once, so the hidden pages get the
                // click's notification from the UI thread.
                for (int tab = 0; tab < 3; ++tab) {
                    HWND page = r.Page(sheet, tab);
                    const int next = kKinds[tab].positionNext;
                    const int id = r.IsChecked(page, next) ? next - 1 : next;
                    if (tab == 0) {
                        r.Click(page, id);
                        continue;
                    }
                    r.RunOnUiThread([&] {
                        CheckRadioButton(page, next - 1, next, id);
                        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
                    });
                }
                pressed = Clock::now();
                r.PressOk(sheet);
                r.WaitCallReturned();
                scripted = true;
            });
        if (!started || !scripted || result != 1) {
            std::fprintf(stderr, "%s: %s after %.0f ms, the call gave %d\n",
                         side == kModule ? "mode 1" : "bare sheet",
                         !started    ? "no start seen"
                         : !scripted ? "the script failed"
                                     : "done",
                         Ms(watch_.returned() - watch_.callStart()), result);
            return false;
        }
        open->startMs = Ms(watch_.started() - watch_.callStart());
        open->okMs = Ms(watch_.returned() - pressed);
        open->startPhases = watch_.startPhases();
        open->restPhases = watch_.restPhases();
        return true;
    }

    // count user conditions per kind, copies of template 1; the first one of
    // each kind is the condition in force, and with intoTree it names the
    // first library and cabinet of the tree, whose lists the pages then read.
    void AddUserConditions(int count, bool intoTree) {
        std::string divset = "[CONFIG_INI]\r\n";
        for (const Kind& kind : kKinds) {
            const std::string bytes = ReadFileBytes(Condition(kind.prefix, kind.templateName));
            for (int n = 0; n < count; ++n) {
                char name[32];
                std::snprintf(name, sizeof name, "User%05d", n);
                WriteFileBytes(Condition(kind.prefix, name), bytes);
            }
            const std::string inForce = Condition(kind.prefix, "User00000");
            divset += std::string(kind.divsetKey) + "=\"" + inForce + "\"\r\n";
            if (!intoTree) continue;
            WritePrivateProfileStringA(kind.section, "LIBRARY", "\"Library01\"", inForce.c_str());
            WritePrivateProfileStringA(kind.section, "CABINET", "\"Cabinet01\"", inForce.c_str());
        }
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);
        WriteFileBytes(app_ + "\\DIVSET.ini", divset);
    }

    // libraries x cabinets, with binders in the first cabinet of the first
    // library.
    void LayOutTree(int libraries, int cabinets, int binders) {
        WriteFileBytes(root_ + "\\folder.ini",
                       "[FolderInfo]\r\nNameList=" + List("Library", libraries) + "\r\n");
        for (int l = 1; l <= libraries; ++l) {
            const std::string library = root_ + "\\" + Numbered("Library", l);
            MakeFolder(library);
            WriteFileBytes(library + "\\folder.ini",
                           "[FolderInfo]\r\nNameList=" + List("Cabinet", cabinets) + "\r\n");
        }
        const std::string cabinet = root_ + "\\Library01#1\\Cabinet01#1";
        MakeFolder(cabinet);
        std::string names, positions;
        for (int b = 1; b <= binders; ++b) {
            char folder[16];
            std::snprintf(folder, sizeof folder, "B%04d", b);
            names += (b > 1 ? "," : "") + std::string(folder);
            positions += (b > 1 ? "," : "") + std::to_string(b);
            MakeFolder(cabinet + "\\" + folder);
            WriteFileBytes(cabinet + "\\" + folder + "\\folder.ini",
                           "[Binder]\r\nTitle=Binder " + std::to_string(b) + "\r\nSubTitle=\r\n");
        }
        WriteFileBytes(cabinet + "\\folder.ini",
                       "[BinderInfo]\r\nNameList=" + names + "\r\nPosList=" + positions + "\r\n");
    }

private:
    std::string Condition(char prefix, const char* name) const {
        return app_ + "\\" + prefix + name + ".INI";
    }
    static std::string Numbered(const char* stem, int n) {
        char text[32];
        std::snprintf(text, sizeof text, "%s%02d#%d", stem, n, n);
        return text;
    }
    static std::string List(const char* stem, int count) {
        std::string list;
        for (int n = 1; n <= count; ++n) list += (n > 1 ? "," : "") + Numbered(stem, n);
        return list;
    }

    host::OptionsModule& module_;
    bench::UiWatch watch_;
    testsupport::TempDir temp_;
    std::string app_;
    std::string root_;
};

void PrintPhases(const bench::PhaseExports& phases, const std::vector<Open>& opens) {
    if (!phases.present() || opens.empty()) return;
    const int count = opens.front().startPhases.count;
    std::printf("    %-44s %9s %9s\n", "mode 1 by phase (medians, ms)", "start", "OK");
    std::vector<double> otherStart, otherOk;
    for (const Open& open : opens) {
        double start = open.startMs, ok = open.okMs;
        for (int p = 0; p < count; ++p) {
            start -= open.startPhases.ms[p];
            ok -= open.restPhases.ms[p];
        }
        otherStart.push_back(start);
        otherOk.push_back(ok);
    }
    for (int p = 0; p < count; ++p) {
        std::vector<double> start, ok;
        for (const Open& open : opens) {
            start.push_back(open.startPhases.ms[p]);
            ok.push_back(open.restPhases.ms[p]);
        }
        std::printf("    %-44s %9.2f %9.2f\n", phases.name(p), Median(start), Median(ok));
    }
    std::printf("    %-44s %9.2f %9.2f\n", "the rest (sheet, page code, platform)",
                Median(otherStart), Median(otherOk));
}

// opens of each sheet, one after the other in turn; false when one failed.
bool Measure(Bench& bench, bench::BareSheet& bare, const bench::PhaseExports& phases,
             const char* setup, int opens) {
    std::vector<Open> module, yardstick;
    // An open that fails (the platform refusing a window on a loaded
    // machine) is tried again, twice at most, and counted.
    int retries = 0;
    auto run = [&](Side side, Open* open) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (bench.Run(side, bare, open)) return true;
            ++retries;
        }
        return false;
    };
    for (int i = 0; i < opens; ++i) {
        Open a, b;
        if (!run(kModule, &a)) {
            std::printf("%-40s mode 1 did not start or did not return 1\n", setup);
            return false;
        }
        if (!run(kBare, &b)) {
            std::printf("%-40s the bare sheet did not start\n", setup);
            return false;
        }
        module.push_back(a);
        yardstick.push_back(b);
        // Progress, open by open, apart from the table.
        std::fprintf(stderr, "%s %d: start %.1f / %.1f ms, OK %.1f / %.1f ms\n", setup, i + 1,
                     a.startMs, b.startMs, a.okMs, b.okMs);
    }
    auto median = [](const std::vector<Open>& list, double Open::*field) {
        std::vector<double> values;
        for (const Open& open : list) values.push_back(open.*field);
        return Median(values);
    };
    std::vector<double> startRatios, okRatios;
    for (size_t i = 0; i < module.size(); ++i) {
        if (yardstick[i].startMs > 0)
            startRatios.push_back(module[i].startMs / yardstick[i].startMs);
        if (yardstick[i].okMs > 0) okRatios.push_back(module[i].okMs / yardstick[i].okMs);
    }
    std::printf("%-40s %8.1f %8.1f %6.2fx   %8.1f %8.1f %6.2fx\n", setup,
                median(module, &Open::startMs), median(yardstick, &Open::startMs),
                Median(startRatios), median(module, &Open::okMs), median(yardstick, &Open::okMs),
                Median(okRatios));
    if (retries > 0) std::printf("    (%d opens tried again)\n", retries);
    PrintPhases(phases, module);
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const int opens = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

    host::OptionsModule module;
    Bench bench(module);
    std::string error;
    if (!module.Load(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    bench::PhaseExports phases;
    phases.times = reinterpret_cast<decltype(phases.times)>(
        GetProcAddress(module.handle(), "VordaPhaseTimes"));
    phases.name =
        reinterpret_cast<decltype(phases.name)>(GetProcAddress(module.handle(), "VordaPhaseName"));
    bench::BareSheet bare(module.handle());
    if (!bare.Ready()) {
        std::fprintf(stderr, "the bare sheet cannot be built from the module's templates\n");
        return 1;
    }
    bench.SetPhases(phases);

    std::printf("mode 1 against a bare sheet of its page templates, medians of %d opens each%s\n",
                opens, phases.present() ? ", module with phase timers" : "");
    std::printf("%-40s %8s %8s %7s   %8s %8s %7s\n", "", "start", "", "", "OK to", "return", "");
    std::printf("%-40s %8s %8s %7s   %8s %8s %7s\n", "setup (ms)", "mode 1", "bare", "ratio",
                "mode 1", "bare", "ratio");
    Open warmUp;  // writes the nine templates
    if (!bench.Run(kModule, bare, &warmUp) || !bench.Run(kBare, bare, &warmUp)) return 1;

    // The first two setups differ only in the catalogue: the same small tree,
    // conditions in force that name no library of it.
    bench.LayOutTree(12, 40, 100);
    if (!Measure(bench, bare, phases, "templates only", opens)) return 1;
    bench.AddUserConditions(1000, false);
    if (!Measure(bench, bare, phases, "1,000 per kind", opens)) return 1;
    const Clock::time_point layOut = Clock::now();
    bench.AddUserConditions(10000, true);
    bench.LayOutTree(60, 40, 100);
    std::fprintf(stderr, "laid out 10,000 per kind in %.0f ms\n", Ms(Clock::now() - layOut));
    if (!Measure(bench, bare, phases, "10,000 per kind, LibRoot 60 x 40 x 100", opens)) return 1;
    return 0;
}
