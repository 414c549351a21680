// VordaHost: stands in for the application. It loads VordaEnv.dll and calls
// its operations the way the application does.
//
//   VordaHost.exe MODE PATH1 PATH2 PATH3 INDEX MSGSHOW
//       VordaConfigSet with these arguments ("" for an empty path); prints
//       the result and the arguments as they come back.
//   VordaHost.exe lumora
//       LumoraLConfigSet; prints its result.
//   VordaHost.exe --screenshots DIR [PATH1 [PATH2 [PATH3]]]
//       opens modes 0, 1, 2 and the import-destination dialog in turn,
//       captures every tab to DIR\<mode>-<tab>.bmp, the dialog to
//       DIR\lumora.bmp and the condition pages' dialogs and lists to
//       DIR\1-<tab>-<what>.bmp (see screenshots.h), backs out of each, and
//       prints the files written.
#include <windows.h>

#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/module_loader.h"
#include "host/screenshots.h"

namespace {

const char kUsage[] =
    "usage: VordaHost.exe MODE PATH1 PATH2 PATH3 INDEX MSGSHOW\n"
    "       VordaHost.exe lumora\n"
    "       VordaHost.exe --screenshots DIR [PATH1 [PATH2 [PATH3]]]\n";

int Fail(const std::string& message, int code) {
    std::fprintf(stderr, "VordaHost: %s\n", message.c_str());
    return code;
}

bool ParseInt(const char* text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool CopyPath(char* buffer, const char* path) {
    std::memset(buffer, 0, MAX_PATH);
    if (std::strlen(path) >= MAX_PATH) return false;
    std::strcpy(buffer, path);
    return true;
}

// The arguments of VordaConfigSet as the application holds them.
struct ConfigArgs {
    int mode = 0;
    char path1[MAX_PATH] = {};
    char path2[MAX_PATH] = {};
    char path3[MAX_PATH] = {};
    int index = 0;
    int show = 0;
};

bool ParseConfigArgs(char** argv, ConfigArgs& args, std::string& error) {
    if (!ParseInt(argv[1], args.mode) || !ParseInt(argv[5], args.index) ||
        !ParseInt(argv[6], args.show)) {
        error = "MODE, INDEX and MSGSHOW must be numbers";
        return false;
    }
    if (!CopyPath(args.path1, argv[2]) || !CopyPath(args.path2, argv[3]) ||
        !CopyPath(args.path3, argv[4])) {
        error = "a path is longer than 259 bytes";
        return false;
    }
    return true;
}

int RunConfigSet(const host::OptionsModule& module, ConfigArgs& args) {
    const int result =
        module.configSet(args.mode, args.path1, args.path2, args.path3, &args.index, &args.show);
    std::printf(
        "result=%d\nrootPath1=%s\nrootPath2=%s\nrootPath3=%s\n"
        "currentRootIndex=%d\nmessageShow=%d\n",
        result, args.path1, args.path2, args.path3, args.index, args.show);
    return 0;
}

int RunScreenshots(const host::OptionsModule& module, const std::string& folder,
                   const std::string (&paths)[3]) {
    std::vector<std::string> files;
    const bool ok = host::TakeScreenshots(module, folder, paths, files);
    for (const std::string& file : files) std::printf("%s\n", file.c_str());
    return ok ? 0 : Fail("some windows could not be captured", 1);
}

}  // namespace

int main(int argc, char** argv) {
    const bool configSet = argc == 7;
    const bool lumora = argc == 2 && std::strcmp(argv[1], "lumora") == 0;
    const bool screenshots = argc >= 3 && argc <= 6 && std::strcmp(argv[1], "--screenshots") == 0;
    if (!configSet && !lumora && !screenshots) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    ConfigArgs args;
    std::string folder;
    std::string paths[3];
    std::string error;
    if (configSet && !ParseConfigArgs(argv, args, error)) return Fail(error + "\n" + kUsage, 2);
    if (screenshots) {
        folder = argv[2];
        const DWORD attributes = GetFileAttributesA(folder.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return Fail("no such folder: " + folder, 2);
        for (int i = 0; i < 3 && 3 + i < argc; ++i) paths[i] = argv[3 + i];
    }

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    host::OptionsModule module;
    if (!module.Load(error)) return Fail(error, 1);

    int status = 0;
    if (lumora)
        std::printf("result=%d\n", module.lumoraConfigSet());
    else if (screenshots)
        status = RunScreenshots(module, folder, paths);
    else
        status = RunConfigSet(module, args);
    std::fflush(stdout);
    return status;
}
