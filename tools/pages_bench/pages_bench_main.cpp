// Speed of the condition pages as a user meets them: loads VordaEnv.dll the
// way the application does and times VordaConfigSet in mode 1 from the call
// to the sheet standing idle with its three condition pages started, and
// from pressing OK (one changed condition per page, each name dialog and
// replace question answered at once by the robot) to the call returning.
//
//   usage: vorda_pages_bench.exe [opens per setup, default 5]
//
// Setups: the templates only; 1,000 user conditions per kind; 10,000 per
// kind with a LibRoot of 60 libraries x 40 cabinets x 100 binders. The pages
// read the LibRoot's list, the list of the library in force and the binders
// of the cabinet in force, so every library and every cabinet list is laid
// out in full, and the 100 binders in the cabinets the pages open. Each
// figure is the median of the opens; the robot polls every 10 ms, which
// bounds the resolution.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/module_loader.h"
#include "host/robot/robot.h"
#include "resources/resource.h"
#include "tests/support/test_support.h"

namespace {

using Clock = std::chrono::steady_clock;
using testsupport::MakeFolder;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

const char kNameDialog[] = "Specification of configuration name";

struct Kind {
    char prefix;
    const char* templateName;
    const char* divsetKey;
    int positionNext;
};
const Kind kKinds[3] = {
    {'s', "Scanner Template Binder 1", "SCAN", IDC_SCAN_POSITION_NEXT},
    {'f', "FAX Receive Template Binder 1", "FAX", IDC_FAXRX_POSITION_NEXT},
    {'n', "FAX Send Template Binder 1", "SNDFAX", IDC_FAXTX_POSITION_NEXT},
};

struct Times {
    double startMs = 0;
    double okMs = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

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

    bool Load(std::string& error) { return module_.Load(error); }

    // One open: the start time, then OK after one change per page.
    bool Open(Times& times) {
        char paths[3][MAX_PATH] = {};
        root_.copy(paths[0], MAX_PATH - 1);
        int index = 0, show = 0;
        Clock::time_point start;
        bool ok = true;
        const int result = robot::Run(
            [&] {
                start = Clock::now();
                return module_.configSet(1, paths[0], paths[1], paths[2], &index, &show);
            },
            [&](robot::Robot& r) {
                r.setTimeoutMs(120000);
                HWND sheet = r.WaitForSheet();
                r.WaitIdle();
                times.startMs = MsSince(start);
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
                const Clock::time_point pressed = Clock::now();
                r.PressOk(sheet);
                while (!r.CallReturned()) {
                    for (HWND window : r.Windows()) {
                        if (HWND box = r.FindMessageBox(window)) {
                            r.Answer(r.ReadMessageBox(box), IDYES);  // replace: Yes
                            break;
                        }
                        if (IsWindowEnabled(window) && r.Text(window) == kNameDialog) {
                            r.Click(window, IDOK);
                            break;
                        }
                    }
                    Sleep(1);
                }
                times.okMs = MsSince(pressed);
            });
        if (result != 1) ok = false;
        return ok;
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
            WritePrivateProfileStringA(kind.prefix == 's'   ? "SCANNER"
                                       : kind.prefix == 'f' ? "FAX-RX"
                                                            : "FAX-TX",
                                       "LIBRARY", "\"Library01\"", inForce.c_str());
            WritePrivateProfileStringA(kind.prefix == 's'   ? "SCANNER"
                                       : kind.prefix == 'f' ? "FAX-RX"
                                                            : "FAX-TX",
                                       "CABINET", "\"Cabinet01\"", inForce.c_str());
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
    testsupport::TempDir temp_;
    std::string app_;
    std::string root_;
};

bool Measure(Bench& bench, const char* setup, int opens, double* startMedian) {
    std::vector<double> starts, oks;
    for (int i = 0; i < opens; ++i) {
        Times times;
        if (!bench.Open(times)) {
            std::printf("%-44s the sheet did not return 1\n", setup);
            return false;
        }
        starts.push_back(times.startMs);
        oks.push_back(times.okMs);
    }
    *startMedian = Median(starts);
    std::printf("%-44s start %8.1f ms   OK to return %8.1f ms\n", setup, *startMedian, Median(oks));
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const int opens = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    host::OptionsModule module;
    Bench bench(module);
    std::string error;
    if (!bench.Load(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("mode 1, median of %d opens\n", opens);
    Times warmUp;  // writes the nine templates
    if (!bench.Open(warmUp)) return 1;

    // The first two setups differ only in the catalogue: the same small tree,
    // conditions in force that name no library of it.
    double templatesOnly = 0, thousand = 0, tenThousand = 0;
    bench.LayOutTree(12, 40, 100);
    if (!Measure(bench, "templates only", opens, &templatesOnly)) return 1;
    bench.AddUserConditions(1000, false);
    if (!Measure(bench, "1,000 per kind", opens, &thousand)) return 1;
    bench.AddUserConditions(10000, true);
    bench.LayOutTree(60, 40, 100);
    if (!Measure(bench, "10,000 per kind, LibRoot 60 x 40 x 100", opens, &tenThousand)) return 1;
    if (templatesOnly > 0) {
        std::printf("1,000 per kind / templates only: %.2f\n", thousand / templatesOnly);
    }
    return 0;
}
