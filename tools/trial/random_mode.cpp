#include "tools/trial/random_mode.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include "host/module_loader.h"
#include "host/robot/robot.h"
#include "resources/resource.h"
#include "tests/support/test_support.h"
#include "tools/sample/sample_layout.h"
#include "tools/trial/census.h"
#include "tools/trial/processes.h"

namespace trial {

namespace {

const char kNameDialog[] = "Specification of configuration name";
const char* const kLayers[5] = {"library", "cabinet", "binder", "index", "note"};
const char* const kDateFormats[3] = {"Year Month Day", "Year Month", "Year Month Week"};
const char* const kDivsetKeys[3] = {"SCAN", "FAX", "SNDFAX"};

// The controls of one condition page (tab 0, 1, 2).
struct PageIds {
    char prefix;
    const char* kind;  // as VordaCond names it
    int condition;
    int remove;
    int checks[5];
    int combos[5];
    int previous;  // sort position; next is previous + 1
    int dates[3];  // year month day, year month, year month week
    int weekday;
    int info;  // 0 on the scanner page
    int up;
    int down;
};
const PageIds kPages[3] = {
    {'s',
     "scanner",
     IDC_SCAN_CONDITION,
     IDC_SCAN_DELETE,
     {IDC_SCAN_CHECK_LIBRARY, IDC_SCAN_CHECK_CABINET, IDC_SCAN_CHECK_BINDER, IDC_SCAN_CHECK_INDEX,
      IDC_SCAN_CHECK_NOTE},
     {IDC_SCAN_LIBRARY, IDC_SCAN_CABINET, IDC_SCAN_BINDER, IDC_SCAN_INDEX, IDC_SCAN_NOTE},
     IDC_SCAN_POSITION_PREVIOUS,
     {IDC_SCAN_DATE_YMD, IDC_SCAN_DATE_YM, IDC_SCAN_DATE_YMW},
     IDC_SCAN_WEEKDAY,
     0,
     0,
     0},
    {'f',
     "fax-receive",
     IDC_FAXRX_CONDITION,
     IDC_FAXRX_DELETE,
     {IDC_FAXRX_CHECK_LIBRARY, IDC_FAXRX_CHECK_CABINET, IDC_FAXRX_CHECK_BINDER,
      IDC_FAXRX_CHECK_INDEX, IDC_FAXRX_CHECK_NOTE},
     {IDC_FAXRX_LIBRARY, IDC_FAXRX_CABINET, IDC_FAXRX_BINDER, IDC_FAXRX_INDEX, IDC_FAXRX_NOTE},
     IDC_FAXRX_POSITION_PREVIOUS,
     {IDC_FAXRX_DATE_YMD, IDC_FAXRX_DATE_YM, IDC_FAXRX_DATE_YMW},
     IDC_FAXRX_WEEKDAY,
     IDC_FAXRX_INFO_LIST,
     IDC_FAXRX_UP,
     IDC_FAXRX_DOWN},
    {'n',
     "fax-send",
     IDC_FAXTX_CONDITION,
     IDC_FAXTX_DELETE,
     {IDC_FAXTX_CHECK_LIBRARY, IDC_FAXTX_CHECK_CABINET, IDC_FAXTX_CHECK_BINDER,
      IDC_FAXTX_CHECK_INDEX, IDC_FAXTX_CHECK_NOTE},
     {IDC_FAXTX_LIBRARY, IDC_FAXTX_CABINET, IDC_FAXTX_BINDER, IDC_FAXTX_INDEX, IDC_FAXTX_NOTE},
     IDC_FAXTX_POSITION_PREVIOUS,
     {IDC_FAXTX_DATE_YMD, IDC_FAXTX_DATE_YM, IDC_FAXTX_DATE_YMW},
     IDC_FAXTX_WEEKDAY,
     IDC_FAXTX_INFO_LIST,
     IDC_FAXTX_UP,
     IDC_FAXTX_DOWN},
};

const char* const kTemplates[9] = {
    "sScanner Template Binder 1.INI",     "sScanner Template Binder 2.INI",
    "sScanner Template Binder 3.INI",     "fFAX Receive Template Binder 1.INI",
    "fFAX Receive Template Binder 2.INI", "fFAX Receive Template Binder 3.INI",
    "nFAX Send Template Binder 1.INI",    "nFAX Send Template Binder 2.INI",
    "nFAX Send Template Binder 3.INI",
};

// What the user types into a layer's box: names of the sample's tree, new
// names, forbidden characters, the reserved binder name, nothing, a long one.
const char* const kTypedNames[] = {
    "Contracts",
    "Invoices",
    "2026",
    "Acme Corp",
    "New Folder",
    "Temporary Binder",
    "a/b",
    "x:y",
    "what?",
    "star*",
    "dot.",
    "quote\"d",
    "",
    "Pipe|Name",
    "semi;colon",
    "comma,name",
    "Caf\xe9",
    "  spaced  ",
    "A very long layer name that goes on and on past what fits",
};

// What the user types into the name dialog besides the proposed name and
// the names listed: new names, forbidden characters, a template's name.
const char* const kTypedConditionNames[] = {
    "Trial A", "Trial B", "Trial C", "bad/name", "why?", "Scanner Template Binder 2", "", "Trial.",
};

// What a condition page shows.
struct PageView {
    bool on[5] = {};
    std::string text[5];
    int position = 0;  // 0 previous (front), 1 next (back)
    int dateType = -1;
    std::string weekday;
    std::vector<std::string> items;
};

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string DivsetEntry(const std::string& app, int kind) {
    char value[MAX_PATH * 2] = {};
    GetPrivateProfileStringA("CONFIG_INI", kDivsetKeys[kind], "", value, sizeof value,
                             (app + "\\DIVSET.ini").c_str());
    return value;
}

// The lines of VordaCond's show that hold after the label; "" when missing.
std::string ShowField(const std::vector<std::string>& lines, const std::string& label) {
    for (const std::string& line : lines)
        if (line.compare(0, label.size(), label) == 0) return line.substr(label.size());
    return std::string();
}

// A layer name as the page stores it: without leading and trailing blanks,
// tabs and line breaks.
std::string Trimmed(const std::string& text) {
    const char* const space = " \t\r\n";
    const size_t first = text.find_first_not_of(space);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

// Compares what show prints of a condition with what its page showed; ""
// when they agree, else the first difference.
std::string CompareShow(const std::string& output, const PageView& view) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(output.substr(start, end - start));
    for (int l = 0; l < 5; ++l) {
        std::string label = std::string("  ") + kLayers[l] + ":";
        label.resize(18, ' ');
        std::string field = ShowField(lines, label);
        const bool on = field.compare(0, 2, "on") == 0;
        std::string text = field.size() > 5 ? field.substr(5) : std::string();
        const std::string choice = "  (naming choice)";
        if (text.size() >= choice.size() &&
            text.compare(text.size() - choice.size(), choice.size(), choice) == 0)
            text.resize(text.size() - choice.size());
        if (on != view.on[l]) return std::string(kLayers[l]) + " on/off";
        if (on && text != Trimmed(view.text[l]))
            return std::string(kLayers[l]) + " \"" + text + "\", the page showed \"" +
                   view.text[l] + "\"";
    }
    const std::string position = ShowField(lines, "  sort position:  ");
    if ((position.compare(0, 8, "Previous") == 0 ? 0 : 1) != view.position) return "sort position";
    const std::string date = ShowField(lines, "  date format:    ");
    if (view.dateType < 0 || view.dateType > 2 || date != kDateFormats[view.dateType])
        return "date format \"" + date + "\"";
    if (view.dateType == 2 && ShowField(lines, "  first weekday:  ") != view.weekday)
        return "first weekday \"" + ShowField(lines, "  first weekday:  ") +
               "\", the page showed \"" + view.weekday + "\"";
    std::vector<std::string> items;
    for (const std::string& line : lines)
        if (line.compare(0, 5, "    [") == 0 && line.size() > 8) items.push_back(line.substr(8));
    if (items != view.items) return "the order of the information items";
    return std::string();
}

class Session;
Session* g_session = nullptr;

class Session {
public:
    Session(const RandomOptions& options, const std::string& progress, const std::string& app,
            const std::string& libRoot, host::OptionsModule& module)
        : options_(options),
          progress_(progress),
          app_(app),
          libRoot_(libRoot),
          module_(module),
          random_(options.seed) {
        for (const char* name : kTemplates)
            templates_.push_back(testsupport::ReadFileBytes(app_ + "\\" + name));
    }

    // Opens the sheet again and again until the steps are done or a check
    // failed; true when none did.
    bool Run() {
        robot::RunOptions options;
        options.timeoutMs = 20000;
        while (step_ < options_.steps && violation_.empty()) {
            char paths[3][MAX_PATH] = {};
            libRoot_.copy(paths[0], MAX_PATH - 1);
            int index = 0, show = 0;
            ++opens_;
            robot::Run(
                [&] { return module_.configSet(1, paths[0], paths[1], paths[2], &index, &show); },
                [&](robot::Robot& r) {
                    HWND sheet = r.WaitForSheet();
                    r.WaitIdle();
                    while (step_ < options_.steps && violation_.empty() && !r.CallReturned())
                        Step(r, sheet);
                    if (r.CallReturned()) return;
                    r.PressCancel(sheet);
                    Answer(r, sheet);
                    r.WaitCallReturned();
                },
                options);
        }
        if (!violation_.empty()) {
            std::printf("violation at step %d (seed %u): %s\n", step_, options_.seed,
                        violation_.c_str());
            return false;
        }
        std::printf(
            "random: seed %u, %d steps in %d opens of the sheet, %d saves read back, "
            "0 violations\n",
            options_.seed, step_, opens_, saves_);
        return true;
    }

    void RobotFailed(const std::string& message) {
        if (violation_.empty()) violation_ = what_ + ": robot: " + message;
    }

private:
    int Pick(int count) {
        return count <= 1 ? 0 : std::uniform_int_distribution<int>(0, count - 1)(random_);
    }

    PageView View(robot::Robot& r, HWND sheet, int tab) {
        const PageIds& p = kPages[tab];
        HWND page = r.Page(sheet, tab);
        PageView view;
        for (int l = 0; l < 5; ++l) {
            view.on[l] = r.IsChecked(page, p.checks[l]);
            view.text[l] = r.Text(page, p.combos[l]);
        }
        view.position = r.IsChecked(page, p.previous) ? 0 : 1;
        for (int d = 0; d < 3; ++d)
            if (r.IsChecked(page, p.dates[d])) view.dateType = d;
        view.weekday = r.Text(page, p.weekday);
        if (p.info) view.items = r.ListRows(page, p.info);
        return view;
    }

    bool Usable(robot::Robot& r, HWND page, int id) {
        return r.HasItem(page, id) && r.IsVisible(page, id) && r.IsEnabled(page, id);
    }

    void Name(const std::string& name) { named_.insert(Lower(name)); }

    // One random action on the shown page or the sheet; what it did.
    std::string Act(robot::Robot& r, HWND sheet) {
        const int tab = r.CurrentTab(sheet);
        const PageIds& p = kPages[tab];
        HWND page = r.CurrentPage(sheet);
        const std::string on = std::string(" on the ") + p.kind + " page";
        switch (Pick(17)) {
            case 0:
            case 1: {
                const int to = Pick(3);
                r.PostSelectTab(sheet, to);
                return "tab " + std::to_string(to);
            }
            case 2: {
                const std::vector<std::string> rows = r.Rows(page, p.condition);
                if (rows.empty()) return "no condition to choose" + on;
                const int row = Pick(static_cast<int>(rows.size()));
                r.SelectRow(page, p.condition, row);
                return "condition \"" + rows[row] + "\"" + on;
            }
            case 3: {
                const int l = Pick(5);
                if (!Usable(r, page, p.checks[l])) return std::string("nothing: ") + kLayers[l];
                r.Click(page, p.checks[l]);
                return std::string("toggle ") + kLayers[l] + on;
            }
            case 4: {
                const int l = Pick(5);
                if (!Usable(r, page, p.combos[l])) return std::string("nothing: ") + kLayers[l];
                const std::vector<std::string> rows = r.Rows(page, p.combos[l]);
                if (rows.empty()) return std::string("no row: ") + kLayers[l];
                const int row = Pick(static_cast<int>(rows.size()));
                r.SelectRow(page, p.combos[l], row);
                return std::string(kLayers[l]) + " row \"" + rows[row] + "\"" + on;
            }
            case 5:
            case 6: {
                const int l = Pick(5);
                const int count = sizeof kTypedNames / sizeof kTypedNames[0];
                const char* text = kTypedNames[Pick(count)];
                if (!Usable(r, page, p.combos[l]) ||
                    (GetWindowLongA(r.Item(page, p.combos[l]), GWL_STYLE) & 3) == CBS_DROPDOWNLIST)
                    return std::string("nothing: type ") + kLayers[l];
                r.SetComboText(page, p.combos[l], text);
                return std::string("type \"") + text + "\" as " + kLayers[l] + on;
            }
            case 7: {
                const int d = Pick(3);
                if (!Usable(r, page, p.dates[d])) return "nothing: date format";
                r.Click(page, p.dates[d]);
                return std::string("date format ") + kDateFormats[d] + on;
            }
            case 8: {
                if (!Usable(r, page, p.weekday)) return "nothing: weekday";
                const std::vector<std::string> rows = r.Rows(page, p.weekday);
                if (rows.empty()) return "no weekday";
                const int row = Pick(static_cast<int>(rows.size()));
                r.SelectRow(page, p.weekday, row);
                return "weekday \"" + rows[row] + "\"" + on;
            }
            case 9: {
                const int id = p.previous + Pick(2);
                if (!Usable(r, page, id)) return "nothing: position";
                r.Click(page, id);
                return std::string("position ") + (id == p.previous ? "previous" : "next") + on;
            }
            case 10:
            case 11: {
                if (p.info == 0 || !Usable(r, page, p.info)) return "nothing: information list";
                const std::vector<std::string> rows = r.ListRows(page, p.info);
                if (rows.empty()) return "no information item";
                const int row = Pick(static_cast<int>(rows.size()));
                r.ListSelectRow(page, p.info, row);
                const int how = Pick(3);
                if (how == 0) {
                    PostMessageA(r.Item(page, p.info), WM_KEYDOWN, VK_SPACE, 0);
                    r.WaitIdle();
                    return "check \"" + rows[row] + "\"" + on;
                }
                const int button = how == 1 ? p.up : p.down;
                if (!Usable(r, page, button)) return "nothing: move \"" + rows[row] + "\"";
                r.Click(page, button);
                return std::string("move \"") + rows[row] + (how == 1 ? "\" up" : "\" down") + on;
            }
            case 12:
            case 13:
                if (!r.IsEnabled(sheet, robot::kSheetApply)) return "nothing: Apply is disabled";
                divsetMayChange_ = true;
                r.PressApply(sheet);
                return "Apply";
            case 14:
                divsetMayChange_ = true;
                r.PressOk(sheet);
                return "OK";
            case 15:
                r.PressCancel(sheet);
                return "Cancel";
            default: {
                if (!Usable(r, page, p.remove)) return "nothing: Delete" + on;
                const std::string name = r.Text(page, p.condition);
                Name(name);
                divsetMayChange_ = true;
                r.Click(page, p.remove);
                return "Delete \"" + name + "\"" + on;
            }
        }
    }

    // Answers the windows the action opened until none is left: a message
    // with one of its buttons, the name dialog with the proposed name, a new
    // one, a listed one or Cancel, anything else with Cancel.
    void Answer(robot::Robot& r, HWND sheet) {
        for (int round = 0; round < 60 && !r.CallReturned(); ++round) {
            r.WaitIdle();
            HWND window = nullptr;
            for (HWND w : r.Windows())
                if (w != sheet && IsWindowEnabled(w)) window = window ? window : w;
            if (window == nullptr) return;
            if (r.Text(window) == kNameDialog) {
                const int how = Pick(5);
                if (how == 4) {
                    what_ += ", name: Cancel";
                    r.Click(window, IDCANCEL);
                    continue;
                }
                std::string name = r.Text(window, IDC_CONDITION_NAME_EDIT);
                if (how == 1) {
                    const int count = sizeof kTypedConditionNames / sizeof kTypedConditionNames[0];
                    name = kTypedConditionNames[Pick(count)];
                } else if (how >= 2) {
                    const int tab = r.CurrentTab(sheet);
                    const std::vector<std::string> rows =
                        r.Rows(r.Page(sheet, tab), kPages[tab].condition);
                    if (!rows.empty()) name = rows[Pick(static_cast<int>(rows.size()))];
                }
                what_ += ", name \"" + name + "\"";
                Name(name);
                r.SetText(window, IDC_CONDITION_NAME_EDIT, name);
                r.Click(window, IDOK);
                continue;
            }
            if (GetDlgItem(window, 0xFFFF) != nullptr) {
                const robot::MessageBoxInfo box = r.ReadMessageBox(window);
                std::vector<int> buttons;
                switch (box.buttons) {
                    case MB_OKCANCEL:
                        buttons = {IDOK, IDCANCEL};
                        break;
                    case MB_YESNO:
                        buttons = {IDYES, IDNO};
                        break;
                    case MB_YESNOCANCEL:
                        buttons = {IDYES, IDNO, IDCANCEL};
                        break;
                    case MB_RETRYCANCEL:
                        buttons = {IDRETRY, IDCANCEL};
                        break;
                    default:
                        buttons = {IDOK};
                }
                const int button = buttons[Pick(static_cast<int>(buttons.size()))];
                what_ += ", message answered " + std::to_string(button);
                r.Answer(box, button);
                continue;
            }
            what_ += ", a window cancelled";
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }

    void Step(robot::Robot& r, HWND sheet) {
        ++step_;
        testsupport::WriteFileBytes(progress_, std::to_string(step_));
        const Snapshot before = TakeSnapshot(app_);
        PageView views[3];
        for (int tab = 0; tab < 3; ++tab) views[tab] = View(r, sheet, tab);
        std::string divset[3];
        for (int kind = 0; kind < 3; ++kind) divset[kind] = DivsetEntry(app_, kind);
        named_.clear();
        divsetMayChange_ = false;
        what_ = "step";
        what_ = Act(r, sheet);
        Answer(r, sheet);
        if (options_.trace) std::printf("%d: %s\n", step_, what_.c_str());
        if (violation_.empty()) Check(before, views, divset);
    }

    void Check(const Snapshot& before, const PageView* views, const std::string* divset) {
        for (size_t t = 0; t < templates_.size(); ++t)
            if (testsupport::ReadFileBytes(app_ + "\\" + kTemplates[t]) != templates_[t])
                return Violate(std::string("template ") + kTemplates[t] + " changed");
        const Snapshot after = TakeSnapshot(app_);
        std::vector<std::string> saved;
        std::set<std::string> paths;
        for (const Snapshot* s : {&before, &after})
            for (const auto& file : *s) paths.insert(file.first);
        for (const std::string& path : paths) {
            const auto was = before.find(path), is = after.find(path);
            if (was != before.end() && is != after.end() && was->second == is->second) continue;
            if (IsModuleTemporary(path)) return Violate("a temporary is left: " + path);
            if (Lower(path) == "divset.ini") {
                if (!divsetMayChange_) return Violate("DIVSET.ini changed");
                continue;
            }
            const std::string name = Lower(path.substr(1, path.size() > 5 ? path.size() - 5 : 0));
            if (!LooksLikeCondition(path) || named_.count(name) == 0)
                return Violate(path + " changed");
            if (is != after.end()) saved.push_back(path);
        }
        for (const std::string& path : saved) {
            int kind = 0;
            while (kind < 2 && Lower(path)[0] != kPages[kind].prefix) ++kind;
            const std::string name = path.substr(1, path.size() - 5);
            const testsupport::ProgramRun show = testsupport::RunProgram(
                "VordaCond.exe",
                std::string("show --kind ") + kPages[kind].kind + " \"" + name + "\"");
            ++saves_;
            if (show.exitCode != 0) return Violate("show " + name + ": " + show.output);
            const std::string difference = CompareShow(show.output, views[kind]);
            if (!difference.empty()) return Violate("show " + name + ": " + difference);
        }
        for (int kind = 0; kind < 3; ++kind) {
            const std::string entry = DivsetEntry(app_, kind);
            if (entry != divset[kind] && !entry.empty() && !testsupport::FileExists(entry))
                return Violate(std::string("DIVSET.ini ") + kDivsetKeys[kind] + " names " + entry +
                               ", which does not exist");
        }
    }

    void Violate(const std::string& why) { violation_ = what_ + ": " + why; }

    const RandomOptions& options_;
    std::string progress_;
    std::string app_;
    std::string libRoot_;
    host::OptionsModule& module_;
    std::mt19937 random_;
    std::vector<std::string> templates_;
    int step_ = 0;
    int opens_ = 0;
    int saves_ = 0;
    std::string what_;
    std::set<std::string> named_;  // lower case: the names this step gave or deleted
    bool divsetMayChange_ = false;
    std::string violation_;
};

void ReportToSession(const std::string& message) {
    if (g_session != nullptr) g_session->RobotFailed(message);
}

}  // namespace

int RunRandomSession(const RandomOptions& options, const std::string& progress) {
    testsupport::SavedSetup saved;
    testsupport::TempDir work;
    if (!sample::LayOut(options.sample, work.path())) {
        std::fprintf(stderr, "random: cannot lay out the sample from %s\n", options.sample.c_str());
        return 2;
    }
    sample::PointAt(work.path());
    host::OptionsModule module;
    std::string error;
    if (!module.Load(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    Session session(options, progress, work / "App", work / "LibRoot", module);
    g_session = &session;
    robot::FailureHooks hooks;
    hooks.report = ReportToSession;
    robot::SetFailureHooks(hooks);
    const bool ok = session.Run();
    g_session = nullptr;
    std::fflush(stdout);
    return ok ? 0 : 1;
}

int RunRandom(const RandomOptions& options) {
    testsupport::TempDir work;
    const std::string progress = work / "progress";
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    PROCESS_INFORMATION process = {};
    const std::string arguments = "random-child --seed " + std::to_string(options.seed) +
                                  " --steps " + std::to_string(options.steps) +
                                  (options.trace ? " --trace" : "") + " --progress \"" + progress +
                                  "\"";
    if (!StartProcess(self, arguments, false, &process)) {
        std::fprintf(stderr, "random: cannot start %s\n", self);
        return 1;
    }
    const DWORD limit = 120000 + static_cast<DWORD>(options.steps) * 5000;
    const DWORD code = WaitAndClose(&process, limit);
    const int step = std::atoi(testsupport::ReadFileBytes(progress).c_str());
    if (code == 0) return 0;
    if (code == kStillRunning)
        std::printf("violation at step %d (seed %u): no progress: a hang\n", step, options.seed);
    else if (code != 1)
        std::printf("violation at step %d (seed %u): the process ended with 0x%08lx\n", step,
                    options.seed, code);
    std::printf("reproduce: vorda_trial random --seed %u --steps %d --trace\n", options.seed, step);
    return 1;
}

}  // namespace trial
