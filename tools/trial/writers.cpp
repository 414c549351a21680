#include "tools/trial/writers.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "host/module_loader.h"
#include "host/robot/robot.h"
#include "resources/resource.h"
#include "tests/support/test_support.h"
#include "tools/sample/sample_layout.h"
#include "tools/trial/processes.h"

namespace trial {

namespace {

const char kNameDialog[] = "Specification of configuration name";
const char kLumoraTitle[] = "Lumora -> Vorda";

// The sort-position radio buttons of the three condition pages (previous is
// next - 1).
const int kPositionNext[3] = {IDC_SCAN_POSITION_NEXT, IDC_FAXRX_POSITION_NEXT,
                              IDC_FAXTX_POSITION_NEXT};

// The sample's user conditions; the first of each kind is in force.
const char* const kUserConditions[9] = {
    "sContracts by Customer.INI", "sInvoices by Month.INI",    "sStaff Files by Week.INI",
    "fSupplier Orders.INI",       "fReceived FAX Archive.INI", "fIncoming Invoices.INI",
    "nQuotes to Customers.INI",   "nSent FAX by Month.INI",    "nContracts Sent.INI",
};

// Answers what OK opens until the call returns: the name dialog with the
// proposed name, a question with Yes, a message with OK.
void AnswerUntilReturned(robot::Robot& r) {
    while (!r.CallReturned()) {
        for (HWND window : r.Windows()) {
            if (HWND box = r.FindMessageBox(window)) {
                const robot::MessageBoxInfo info = r.ReadMessageBox(box);
                r.Answer(info,
                         info.buttons == MB_YESNO || info.buttons == MB_YESNOCANCEL ? IDYES : IDOK);
                break;
            }
            if (IsWindowEnabled(window) && r.Text(window) == kNameDialog) {
                r.Click(window, IDOK);
                break;
            }
        }
        Sleep(1);
    }
}

// The other sort position on each condition page. Leaving a changed page
// would save it at once, so the click's notification comes from the UI
// thread while another tab is shown.
void FlipPositions(robot::Robot& r, HWND sheet) {
    for (int tab = 0; tab < 3; ++tab) {
        HWND page = r.Page(sheet, tab);
        if (page == nullptr) r.Fail("condition page " + std::to_string(tab) + " was not started");
        const int next = kPositionNext[tab];
        const int id = r.IsChecked(page, next) ? next - 1 : next;
        r.RunOnUiThread([&] {
            CheckRadioButton(page, next - 1, next, id);
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
        });
    }
}

int g_robotFailures = 0;
void CountRobotFailure(const std::string& message) {
    std::fprintf(stderr, "robot: %s\n", message.c_str());
    ++g_robotFailures;
}

}  // namespace

Layout::Layout(const std::string& folder)
    : work(folder),
      bin(folder + "\\bin"),
      run(folder + "\\run"),
      app(run + "\\App"),
      libRoot(run + "\\LibRoot"),
      libRoot2(run + "\\LibRoot2"),
      exportTo(run + "\\Export"),
      transfer(folder + "\\transfer") {}

const std::vector<Writer>& Writers() {
    static const std::vector<Writer> writers = {
        {"import", false, "VordaCond import --replace of 30 conditions"},
        {"set-current", false, "VordaCond set-current"},
        {"export", false, "VordaCond export of the sample's 9 user conditions"},
        {"mode1", true, "OK in mode 1: a changed condition per page, roots and aliases"},
        {"mode2", true, "OK in mode 2: a changed import destination"},
        {"lumora", true, "OK of LumoraLConfigSet: a changed destination and flag"},
    };
    return writers;
}

const Writer* FindWriter(const std::string& name) {
    for (const Writer& writer : Writers())
        if (name == writer.name) return &writer;
    return nullptr;
}

std::string ToolArguments(const Writer& writer, const Layout& layout) {
    const std::string app = "--app-folder \"" + layout.app + "\" ";
    const std::string name = writer.name;
    if (name == "import") return app + "import --replace \"" + layout.transfer + "\"";
    if (name == "set-current") return app + "set-current --kind scanner \"Invoices by Month\"";
    return app + "export --out \"" + layout.exportTo + "\"";
}

bool PrepareTransfer(const Layout& layout, const std::string& sampleSource) {
    testsupport::RemoveTree(layout.transfer);
    testsupport::RemoveTree(layout.run);
    if (!sample::LayOut(sampleSource, layout.run) || !testsupport::MakeFolder(layout.transfer))
        return false;
    // Each of the nine changed, and seven copies of each kind's three under
    // new names: 30 conditions, 9 of them replacing the sample's.
    for (int i = 0; i < 9; ++i) {
        const std::string path = layout.app + "\\" + kUserConditions[i];
        sample::ReplaceInFile(path, "POSITION=\"@FRONT\"", "POSITION=\"@BACK\"");
        const std::string bytes = testsupport::ReadFileBytes(path);
        for (int copy = 0; copy < 7; copy += 3) {
            const int n = i % 3 + copy + 1;
            if (n > 7) break;
            char name[64];
            std::snprintf(name, sizeof name, "%cImported %02d.INI", kUserConditions[i][0], n);
            testsupport::WriteFileBytes(layout.app + "\\" + name, bytes);
        }
    }
    PROCESS_INFORMATION process = {};
    const std::string arguments =
        "--app-folder \"" + layout.app + "\" export --out \"" + layout.transfer + "\"";
    if (!StartProcess(layout.bin + "\\VordaCond.exe", arguments, true, &process)) return false;
    return WaitAndClose(&process, 120000) == 0;
}

int RunSheetWriter(const std::string& name, const std::string& eventName,
                   const std::string& libRoot, const std::string& libRoot2) {
    robot::FailureHooks hooks;
    hooks.report = CountRobotFailure;
    robot::SetFailureHooks(hooks);
    host::OptionsModule module;
    std::string error;
    if (!module.Load(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    HANDLE go = OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName.c_str());
    if (go == nullptr) {
        std::fprintf(stderr, "no event %s\n", eventName.c_str());
        return 1;
    }
    robot::RunOptions options;
    options.timeoutMs = 60000;
    int result = 0;
    if (name == "lumora") {
        result = robot::Run([&] { return module.lumoraConfigSet(); },
                            [&](robot::Robot& r) {
                                HWND dialog = r.WaitForDialog(nullptr, kLumoraTitle);
                                const int destination = r.IsChecked(dialog, IDC_IMPORT_WORKAREA)
                                                            ? IDC_IMPORT_SELECTED_BINDER
                                                            : IDC_IMPORT_WORKAREA;
                                r.Click(dialog, destination);
                                if (r.IsEnabled(dialog, IDC_IMPORT_CONFIRM))
                                    r.Click(dialog, IDC_IMPORT_CONFIRM);
                                SetEvent(go);
                                r.Click(dialog, IDOK);
                                AnswerUntilReturned(r);
                            },
                            options);
    } else {
        const int mode = name == "mode1" ? 1 : 2;
        char paths[3][MAX_PATH] = {};
        libRoot.copy(paths[0], MAX_PATH - 1);
        int index = 0, show = 0;
        result = robot::Run(
            [&] { return module.configSet(mode, paths[0], paths[1], paths[2], &index, &show); },
            [&](robot::Robot& r) {
                HWND sheet = r.WaitForSheet();
                r.WaitIdle();
                if (mode == 1) {
                    // The LibRoot tab first, while the condition pages are
                    // unchanged: leaving them changed would save them.
                    if (!r.SelectTab(sheet, 3)) r.Fail("the LibRoot tab did not open");
                    HWND page = r.CurrentPage(sheet);
                    r.SetText(page, IDC_ROOT1_ALIAS, r.Text(page, IDC_ROOT1_ALIAS) + " Files");
                    r.SetText(page, IDC_ROOT2_PATH, libRoot2);
                    r.SetText(page, IDC_ROOT2_ALIAS, "Archive");
                    FlipPositions(r, sheet);
                } else {
                    if (!r.SelectTab(sheet, 1)) r.Fail("the import tab did not open");
                    HWND page = r.CurrentPage(sheet);
                    r.Click(page, r.IsChecked(page, IDC_IMPORT_WORKAREA)
                                      ? IDC_IMPORT_SELECTED_BINDER
                                      : IDC_IMPORT_WORKAREA);
                }
                SetEvent(go);
                r.PressOk(sheet);
                AnswerUntilReturned(r);
            },
            options);
    }
    CloseHandle(go);
    return result == 1 && g_robotFailures == 0 ? 0 : 1;
}

}  // namespace trial
