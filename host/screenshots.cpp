#include "host/screenshots.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "host/robot/robot.h"
#include "resources/resource.h"

namespace host {

namespace {

bool g_failed = false;

void ReportToStderr(const std::string& message) {
    std::fprintf(stderr, "VordaHost: %s\n", message.c_str());
    std::fflush(stderr);
    g_failed = true;
}

void CopyPath(char* buffer, const std::string& path) {
    std::memset(buffer, 0, MAX_PATH);
    path.copy(buffer, MAX_PATH - 1);
}

// The tour finds windows and rows without their texts, which depend on the
// interface language: the name dialog is the dialog the sheet owns, the
// preview the window whose caption ends in "-" and the template's name, and
// the date choice the row whose text starts with its letter.
const char kDateChoiceLetter[] = "D: ";

// The controls of a condition page that the tour uses, by tab in mode 1.
struct ConditionTab {
    int tab;
    int conditionCombo;
    int previewButton;
    int templateRow;  // the template whose preview is shown (row 0 is template 1)
    int binder;
    int index;
    int positionPrevious;
    int positionNext;
};
const ConditionTab kConditionTabs[] = {
    {0, IDC_SCAN_CONDITION, IDC_SCAN_PREVIEW, 0, IDC_SCAN_BINDER, IDC_SCAN_INDEX,
     IDC_SCAN_POSITION_PREVIOUS, IDC_SCAN_POSITION_NEXT},
    {1, IDC_FAXRX_CONDITION, IDC_FAXRX_PREVIEW, 1, IDC_FAXRX_BINDER, IDC_FAXRX_INDEX,
     IDC_FAXRX_POSITION_PREVIOUS, IDC_FAXRX_POSITION_NEXT},
    {2, IDC_FAXTX_CONDITION, IDC_FAXTX_PREVIEW, 2, IDC_FAXTX_BINDER, IDC_FAXTX_INDEX,
     IDC_FAXTX_POSITION_PREVIOUS, IDC_FAXTX_POSITION_NEXT},
};

// The page of a condition tab, brought to the front.
HWND ShowConditionTab(robot::Robot& r, HWND sheet, const ConditionTab& page) {
    if (r.CurrentTab(sheet) != page.tab && !r.SelectTab(sheet, page.tab))
        r.Fail("the sheet refused to show tab " + std::to_string(page.tab));
    return r.CurrentPage(sheet);
}

std::string PictureName(const ConditionTab& page, const char* what) {
    return "1-" + std::to_string(page.tab) + "-" + what;
}

// What every picture needs: the module, where the files go, the LibRoot
// folders, and the list of files written.
struct Tour {
    const OptionsModule& module;
    const std::string& folder;
    const std::string (&paths)[3];
    std::vector<std::string>& files;

    // Opens the options sheet in mode and runs script on it.
    void OnSheet(int mode, const std::function<void(robot::Robot&, HWND sheet)>& script) const {
        char path1[MAX_PATH], path2[MAX_PATH], path3[MAX_PATH];
        CopyPath(path1, paths[0]);
        CopyPath(path2, mode == 0 ? std::string() : paths[1]);
        CopyPath(path3, mode == 0 ? std::string() : paths[2]);
        int index = 0;
        int show = 0;
        robot::Run([&] { return module.configSet(mode, path1, path2, path3, &index, &show); },
                   [&](robot::Robot& r) { script(r, r.WaitForSheet()); });
    }

    // Captures window (with the windows of above over it) to <name>.bmp.
    void Shoot(robot::Robot& r, HWND window, const std::string& name,
               const std::vector<HWND>& above = {}) const {
        const std::string file = folder + "\\" + name + ".bmp";
        r.Capture(window, file, above);
        files.push_back(file);
    }
};

// Cancels the sheet: nothing of what the picture needed is written.
void BackOut(robot::Robot& r, HWND sheet) {
    r.PressCancel(sheet);
    r.WaitCallReturned();
}

// <mode>-<tab> for every tab of the sheet in mode.
void CaptureEveryTab(const Tour& tour, int mode) {
    tour.OnSheet(mode, [&](robot::Robot& r, HWND sheet) {
        const int tabs = r.TabCount(sheet);
        for (int tab = 0; tab < tabs; ++tab) {
            if (r.CurrentTab(sheet) != tab && !r.SelectTab(sheet, tab)) {
                ReportToStderr("mode " + std::to_string(mode) + ": the sheet refused to show tab " +
                               std::to_string(tab));
                continue;
            }
            tour.Shoot(r, sheet, std::to_string(mode) + "-" + std::to_string(tab));
        }
        BackOut(r, sheet);
    });
}

// 1-0-binders: the scanner page with its Binder list dropped down: the
// naming choices, then the binders of the chosen cabinet.
void CaptureBinderList(const Tour& tour) {
    tour.OnSheet(1, [&](robot::Robot& r, HWND sheet) {
        HWND page = r.CurrentPage(sheet);
        HWND list = r.ShowDropDown(page, IDC_SCAN_BINDER, true);
        tour.Shoot(r, sheet, "1-0-binders", {list});
        r.ShowDropDown(page, IDC_SCAN_BINDER, false);
        BackOut(r, sheet);
    });
}

// 1-<tab>-name: the other sort position and Apply: the page asks for the
// name to save the changed condition under. The dialog is cancelled.
void CaptureNameDialog(const Tour& tour, const ConditionTab& tab) {
    tour.OnSheet(1, [&](robot::Robot& r, HWND sheet) {
        HWND page = ShowConditionTab(r, sheet, tab);
        r.Click(page,
                r.IsChecked(page, tab.positionNext) ? tab.positionPrevious : tab.positionNext);
        r.PressApply(sheet);
        HWND dialog = r.WaitForDialog(sheet);
        tour.Shoot(r, sheet, PictureName(tab, "name"), {dialog});
        r.Click(dialog, IDCANCEL);
        r.WaitGone(dialog);
        BackOut(r, sheet);
    });
}

// 1-<tab>-rule: binder and index both named by the date: Apply shows the
// rule that two layers cannot take the same related information.
void CaptureLayerRule(const Tour& tour, const ConditionTab& tab) {
    tour.OnSheet(1, [&](robot::Robot& r, HWND sheet) {
        HWND page = ShowConditionTab(r, sheet, tab);
        for (int combo : {tab.binder, tab.index}) {
            const std::vector<std::string> rows = r.Rows(page, combo);
            for (size_t row = 0; row < rows.size(); ++row) {
                if (rows[row].rfind(kDateChoiceLetter, 0) == 0) {
                    r.SelectRow(page, combo, static_cast<int>(row));
                    break;
                }
            }
        }
        r.PressApply(sheet);
        const robot::MessageBoxInfo box = r.WaitForMessageBox(page);
        tour.Shoot(r, sheet, PictureName(tab, "rule"), {box.window});
        r.Answer(box, IDOK);
        BackOut(r, sheet);
    });
}

// 1-<tab>-preview: a template chosen on the page and its Preview.
void CapturePreview(const Tour& tour, const ConditionTab& page) {
    tour.OnSheet(1, [&](robot::Robot& r, HWND sheet) {
        HWND shown = ShowConditionTab(r, sheet, page);
        r.SelectRow(shown, page.conditionCombo, page.templateRow);
        const std::string name = r.Rows(shown, page.conditionCombo)[page.templateRow];
        r.Click(shown, page.previewButton);
        const std::string ending = "-" + name;
        HWND preview = nullptr;
        r.WaitUntil(
            [&] {
                for (HWND window : r.Windows()) {
                    const std::string title = r.Text(window);
                    if (title.size() > ending.size() &&
                        title.compare(title.size() - ending.size(), ending.size(), ending) == 0)
                        preview = window;
                }
                return preview != nullptr;
            },
            "the preview of " + name);
        tour.Shoot(r, preview, PictureName(page, "preview"));
        r.Click(preview, IDOK);
        r.WaitGone(preview);
        BackOut(r, sheet);
    });
}

// lumora: the import-destination dialog on its own.
void CaptureImportDialog(const Tour& tour) {
    robot::Run([&] { return tour.module.lumoraConfigSet(); },
               [&](robot::Robot& r) {
                   HWND dialog = r.WaitForActiveWindow();
                   tour.Shoot(r, dialog, "lumora");
                   if (r.HasItem(dialog, IDCANCEL) && r.IsVisible(dialog, IDCANCEL))
                       r.Click(dialog, IDCANCEL);
                   else
                       r.CancelAll(r.timeoutMs());
                   r.WaitCallReturned();
               });
}

}  // namespace

bool TakeScreenshots(const OptionsModule& module, const std::string& folder,
                     const std::string (&paths)[3], std::vector<std::string>& files) {
    robot::FailureHooks hooks;
    hooks.report = ReportToStderr;
    robot::SetFailureHooks(hooks);
    g_failed = false;

    const Tour tour{module, folder, paths, files};
    for (int mode = 0; mode <= 2; ++mode) CaptureEveryTab(tour, mode);
    CaptureBinderList(tour);
    for (const ConditionTab& page : kConditionTabs) {
        CaptureNameDialog(tour, page);
        CaptureLayerRule(tour, page);
        CapturePreview(tour, page);
    }
    CaptureImportDialog(tour);
    return !g_failed;
}

}  // namespace host
