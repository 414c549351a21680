// The trial of the writers: kill mode ends each writer of the module's files
// and of VordaCond.exe at random moments and sorts what it left; random mode
// drives mode 1 with random user actions and checks after every step what
// must always hold.
//
//   usage: vorda_trial.exe kill [--bin DIR] [--kills N] [--seed S] [--writer NAME]...
//          vorda_trial.exe random [--seed S] [--steps N] [--trace]
//
// --bin names the build whose writers are tried (a bin folder with
// VordaEnv.dll, the stand-in libraries and VordaCond.exe; this program's own
// folder by default). Writers: import, set-current, export, mode1, mode2,
// lumora (all by default).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/module_loader.h"
#include "tools/sample/sample_layout.h"
#include "tools/trial/kill_mode.h"
#include "tools/trial/random_mode.h"
#include "tools/trial/writers.h"

#ifndef VORDA_SAMPLE_DIR
#define VORDA_SAMPLE_DIR ""
#endif

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: vorda_trial.exe kill [--bin DIR] [--kills N] [--seed S] "
                 "[--writer NAME]...\n"
                 "       vorda_trial.exe random [--seed S] [--steps N] [--trace]\n"
                 "writers: import set-current export mode1 mode2 lumora\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    if (argc < 2) return Usage();
    const std::string mode = argv[1];
    // The child of kill mode: one writer of the module's windows.
    if (mode == "writer" && argc == 6)
        return trial::RunSheetWriter(argv[2], argv[3], argv[4], argv[5]);

    trial::KillOptions kill;
    kill.bin = host::ProgramFolder();
    kill.sample = sample::WindowsPath(VORDA_SAMPLE_DIR);
    trial::RandomOptions random;
    random.sample = kill.sample;
    std::string progress;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--bin" && hasValue) {
            kill.bin = argv[++i];
        } else if (arg == "--kills" && hasValue) {
            kill.kills = std::atoi(argv[++i]);
        } else if (arg == "--seed" && hasValue) {
            kill.seed = random.seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--steps" && hasValue) {
            random.steps = std::atoi(argv[++i]);
        } else if (arg == "--trace") {
            random.trace = true;
        } else if (arg == "--progress" && hasValue) {
            progress = argv[++i];
        } else if (arg == "--writer" && hasValue) {
            if (trial::FindWriter(argv[i + 1]) == nullptr) return Usage();
            kill.writers.push_back(argv[++i]);
        } else {
            return Usage();
        }
    }
    if (mode == "random-child" && !progress.empty())
        return trial::RunRandomSession(random, progress);
    if (mode == "random") return random.steps < 1 ? Usage() : trial::RunRandom(random);
    if (mode != "kill" || kill.kills < 1) return Usage();
    if (kill.writers.empty())
        for (const trial::Writer& writer : trial::Writers()) kill.writers.push_back(writer.name);
    return trial::RunKills(kill);
}
