#include "host/screenshots.h"

#include <cstdio>
#include <cstring>

#include "host/robot/robot.h"

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

void CaptureEveryTab(robot::Robot& r, int mode, const std::string& folder,
                     std::vector<std::string>& files) {
    HWND sheet = r.WaitForSheet();
    const int tabs = r.TabCount(sheet);
    for (int tab = 0; tab < tabs; ++tab) {
        if (r.CurrentTab(sheet) != tab && !r.SelectTab(sheet, tab)) {
            ReportToStderr("mode " + std::to_string(mode) + ": the sheet refused to show tab " +
                           std::to_string(tab));
            continue;
        }
        const std::string file =
            folder + "\\" + std::to_string(mode) + "-" + std::to_string(tab) + ".bmp";
        r.Capture(sheet, file);
        files.push_back(file);
    }
    r.PressCancel(sheet);
    r.WaitCallReturned();
}

void CaptureImportDialog(robot::Robot& r, const std::string& folder,
                         std::vector<std::string>& files) {
    HWND dialog = r.WaitForActiveWindow();
    const std::string file = folder + "\\lumora.bmp";
    r.Capture(dialog, file);
    files.push_back(file);
    if (r.HasItem(dialog, IDCANCEL) && r.IsVisible(dialog, IDCANCEL))
        r.Click(dialog, IDCANCEL);
    else
        r.CancelAll(r.timeoutMs());
    r.WaitCallReturned();
}

}  // namespace

bool TakeScreenshots(const OptionsModule& module, const std::string& folder,
                     const std::string (&paths)[3], std::vector<std::string>& files) {
    robot::FailureHooks hooks;
    hooks.report = ReportToStderr;
    robot::SetFailureHooks(hooks);
    g_failed = false;

    for (int mode = 0; mode <= 2; ++mode) {
        char path1[MAX_PATH], path2[MAX_PATH], path3[MAX_PATH];
        CopyPath(path1, paths[0]);
        CopyPath(path2, mode == 0 ? std::string() : paths[1]);
        CopyPath(path3, mode == 0 ? std::string() : paths[2]);
        int index = 0;
        int show = 0;
        robot::Run([&] { return module.configSet(mode, path1, path2, path3, &index, &show); },
                   [&](robot::Robot& r) { CaptureEveryTab(r, mode, folder, files); });
    }
    robot::Run([&] { return module.lumoraConfigSet(); },
               [&](robot::Robot& r) { CaptureImportDialog(r, folder, files); });
    return !g_failed;
}

}  // namespace host
