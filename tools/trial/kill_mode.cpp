#include "tools/trial/kill_mode.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "tests/support/test_support.h"
#include "tools/sample/sample_layout.h"
#include "tools/trial/census.h"
#include "tools/trial/processes.h"
#include "tools/trial/writers.h"

namespace trial {

namespace {

const char* const kBuildFiles[] = {"VordaEnv.dll", "VordaCommon.dll", "Glossa.dll", "VordaCnv.dll",
                                   "VordaCond.exe"};
const int kReferenceRuns = 3;
const DWORD kWriterTimeoutMs = 120000;

struct Row {
    int kills = 0;
    int ended = 0;  // runs that had ended before the kill came
    Census census;
    double runMs = 0;    // the writer's median running time
    double totalMs = 0;  // the whole row, reference runs included
};

// The build under trial and this program beside it, so that the writer mode
// loads that build's module.
bool CopyBuild(const std::string& from, const std::string& to) {
    testsupport::RemoveTree(to);
    if (!testsupport::MakeFolder(to)) return false;
    for (const char* file : kBuildFiles) {
        if (!CopyFileA((from + "\\" + file).c_str(), (to + "\\" + file).c_str(), FALSE)) {
            std::fprintf(stderr, "trial: cannot copy %s\\%s\n", from.c_str(), file);
            return false;
        }
    }
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    return CopyFileA(self, (to + "\\vorda_trial.exe").c_str(), FALSE) != FALSE;
}

class Trial {
public:
    Trial(const KillOptions& options, const Layout& layout)
        : options_(options), layout_(layout), random_(options.seed) {
        eventName_ = "vorda-trial-go-" + std::to_string(GetCurrentProcessId());
        go_ = CreateEventA(nullptr, TRUE, FALSE, eventName_.c_str());
    }
    ~Trial() {
        if (go_ != nullptr) CloseHandle(go_);
    }

    // The sample afresh where the writers write: the application folder,
    // the export's target, the second root and the LibRoot folder's own
    // files (the library tree below it is laid out once: no writer
    // touches it).
    bool Reset(bool whole) {
        if (whole) {
            testsupport::RemoveTree(layout_.run);
            if (!sample::LayOut(options_.sample, layout_.run)) return false;
        } else {
            for (const std::string* folder : {&layout_.app, &layout_.exportTo, &layout_.libRoot2})
                testsupport::RemoveTree(*folder);
            if (!sample::CopyTree(options_.sample + "\\App", layout_.app)) return false;
            sample::FillInPaths(layout_.run);
            // What an ended writer may have left in the LibRoot folder goes,
            // so that each kill counts only its own leftovers.
            for (const auto& left : TakeSnapshot(layout_.libRoot, false))
                if (IsWriteProbe(left.first) || IsModuleTemporary(left.first))
                    DeleteFileA((layout_.libRoot + "\\" + left.first).c_str());
            for (const char* file : {"folder.ini", "desktop.ini"}) {
                const std::string from = options_.sample + "\\LibRoot\\" + file;
                CopyFileA(from.c_str(), (layout_.libRoot + "\\" + file).c_str(), FALSE);
            }
        }
        return testsupport::MakeFolder(layout_.exportTo) &&
               testsupport::MakeFolder(layout_.libRoot2);
    }

    // What the writers may touch, as Reset lays it out.
    Snapshot Watched() const {
        Snapshot snapshot;
        AddSnapshot(layout_.app, "App", true, &snapshot);
        AddSnapshot(layout_.exportTo, "Export", true, &snapshot);
        AddSnapshot(layout_.libRoot2, "LibRoot2", true, &snapshot);
        AddSnapshot(layout_.libRoot, "LibRoot", false, &snapshot);
        return snapshot;
    }

    // Starts the writer; start is when its running time begins: the
    // process's start for VordaCond, the press of OK for the windows.
    bool Start(const Writer& writer, PROCESS_INFORMATION* process, double* start) {
        ResetEvent(go_);
        const bool started =
            writer.sheet
                ? StartProcess(layout_.bin + "\\vorda_trial.exe",
                               std::string("writer ") + writer.name + " " + eventName_ + " \"" +
                                   layout_.libRoot + "\" \"" + layout_.libRoot2 + "\"",
                               false, process)
                : StartProcess(layout_.bin + "\\VordaCond.exe", ToolArguments(writer, layout_),
                               true, process);
        if (!started) return false;
        *start = NowMs();
        if (!writer.sheet) return true;
        HANDLE both[2] = {go_, process->hProcess};
        const DWORD which = WaitForMultipleObjects(2, both, FALSE, kWriterTimeoutMs);
        *start = NowMs();
        return which == WAIT_OBJECT_0;
    }

    bool RunRow(const Writer& writer, Row* row) {
        const double begin = NowMs();
        if (std::string(writer.name) == "import" && !PrepareTransfer(layout_, options_.sample)) {
            std::fprintf(stderr, "trial: the export of 30 conditions for the import failed\n");
            return false;
        }
        if (!Reset(true)) return false;
        const Snapshot before = Watched();
        Snapshot after;
        std::vector<double> times;
        for (int n = 0; n < kReferenceRuns; ++n) {
            PROCESS_INFORMATION process = {};
            double start = 0;
            if (!Reset(false) || !Start(writer, &process, &start)) {
                std::fprintf(stderr, "trial: %s did not start\n", writer.name);
                return false;
            }
            const DWORD code = WaitAndClose(&process, kWriterTimeoutMs);
            times.push_back(NowMs() - start);
            if (code != 0) {
                std::fprintf(stderr, "trial: %s ended with %lu when run to its end\n", writer.name,
                             code);
                return false;
            }
            if (n == 0) after = Watched();
        }
        std::sort(times.begin(), times.end());
        row->runMs = times[times.size() / 2];
        std::uniform_real_distribution<double> moment(0.0, row->runMs);
        for (int k = 0; k < options_.kills; ++k) {
            PROCESS_INFORMATION process = {};
            double start = 0;
            if (!Reset(false) || !Start(writer, &process, &start)) {
                std::fprintf(stderr, "trial: %s did not start\n", writer.name);
                return false;
            }
            const double killedAt = moment(random_);
            WaitUntil(start + killedAt);
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
                ++row->ended;
            else
                TerminateProcess(process.hProcess, 99);
            WaitAndClose(&process, INFINITE);
            ++row->kills;
            const Snapshot now = Watched();
            const Census c = Sort(before, after, now, "App");
            row->census.old += c.old;
            row->census.fresh += c.fresh;
            row->census.between += c.between;
            row->census.missing += c.missing;
            row->census.other += c.other;
            // Each file sorted other is a fault; its name and the kill's
            // moment tell where to look.
            if (c.other > 0) {
                std::fprintf(stderr, "trial: %s, kill %d at %.1f ms: %s is neither old nor new\n",
                             writer.name, k + 1, killedAt, c.firstOther.c_str());
                for (const Snapshot* state :
                     {&before, static_cast<const Snapshot*>(&after), &now}) {
                    const auto file = state->find(c.firstOther);
                    std::fprintf(stderr, "--- %s\n%s\n",
                                 state == &before  ? "old"
                                 : state == &after ? "new"
                                                   : "left",
                                 file == state->end() ? "(none)" : file->second.c_str());
                }
            }
            row->census.leftOver += c.leftOver;
            row->census.visible += c.visible;
        }
        row->totalMs = NowMs() - begin;
        std::printf("%-12s %6d %6d %6d %6d %8d %8d %6d %6d %8d %9.1f %8.0f\n", writer.name,
                    row->kills, row->ended, row->census.old, row->census.fresh, row->census.between,
                    row->census.missing, row->census.other, row->census.leftOver,
                    row->census.visible, row->runMs, row->totalMs / 1000.0);
        std::fflush(stdout);
        return true;
    }

private:
    const KillOptions& options_;
    const Layout& layout_;
    std::mt19937 random_;
    std::string eventName_;
    HANDLE go_ = nullptr;
};

}  // namespace

int RunKills(const KillOptions& options) {
    testsupport::SavedSetup saved;
    testsupport::TempDir work;
    const Layout layout(work.path());
    if (!CopyBuild(options.bin, layout.bin)) return 1;
    sample::PointAt(layout.run);
    Trial trial(options, layout);
    std::printf("kills per writer: %d, seed %u, build %s\n", options.kills, options.seed,
                options.bin.c_str());
    std::printf("%-12s %6s %6s %6s %6s %8s %8s %6s %6s %8s %9s %8s\n", "writer", "kills", "ended",
                "old", "new", "between", "missing", "other", "left", "visible", "run ms",
                "total s");
    std::fflush(stdout);
    int status = 0;
    for (const std::string& name : options.writers) {
        const Writer* writer = FindWriter(name);
        Row row;
        if (writer == nullptr || !trial.RunRow(*writer, &row)) {
            std::printf("%-12s could not run\n", name.c_str());
            status = 1;
            continue;
        }
        if (row.census.missing || row.census.other || row.census.visible) status = 1;
    }
    testsupport::RemoveTree(layout.run);
    return status;
}

}  // namespace trial
