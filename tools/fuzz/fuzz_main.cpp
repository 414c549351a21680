// Feeds generated inputs through every reader of files in the module: the
// condition files, DIVSET.ini, "folder.ini" at every level of the LibRoot
// tree and the LibRoot values of the settings INI. Inputs are damaged copies
// of the module's real files; each runs in a scratch folder under %TEMP%.
//
// The inputs run in batches in child processes, so that a crash ends one
// batch and not the run: the parent counts it, names the input and goes on
// after it. Guard bytes around every output record are checked after each
// input. Exit code 0 when there was no crash, hang, guard hit or bad value.
//
//   usage: vorda_fuzz.exe [count [seed]]      (default 1000 inputs, seed 1)
//          vorda_fuzz.exe --input SEED INDEX  (one input in this process; its
//                                              files are kept)
//          vorda_fuzz.exe --differential COUNT SEED [FIRST]
//              (the module's condition reader against VordaCond's reader of
//              files in memory: exit code 0 when they agree on every input)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/module_state.h"
#include "tests/support/test_support.h"
#include "tools/fuzz/differential.h"
#include "tools/fuzz/fuzz_input.h"

namespace {

const uint32_t kBatchSize = 500;
const ULONGLONG kHangMs = 60000;  // an input that runs longer than this hangs

// What a batch process and the run share: the findings so far, the input
// being run and the inputs finished.
struct Shared {
    fuzz::Findings findings;
    volatile LONG current;
    volatile LONG finished;
    volatile LONG codePage;
    volatile LONG ready;  // the batch process has set up its work
};

volatile LONG g_currentInput = -1;

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
    std::printf("input %ld: exception 0x%08lx at %p\n", g_currentInput,
                static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode),
                info->ExceptionRecord->ExceptionAddress);
    std::fflush(stdout);
    return EXCEPTION_EXECUTE_HANDLER;
}

bool ParseNumber(const char* text, unsigned long long* value) {
    char* end = nullptr;
    *value = std::strtoull(text, &end, 10);
    return end != text && *end == '\0';
}

std::string RunFolder(DWORD id) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%svorda-fuzz-%08lx", temp, static_cast<unsigned long>(id));
    return name;
}

// Fixed width, so that every input's paths have the same lengths in any run.
std::string InputFolder(const std::string& run, uint32_t index) {
    char name[16];
    std::snprintf(name, sizeof name, "\\%07u", index);
    return run + name;
}

void StartModule() {
    Module().instance = GetModuleHandleA(nullptr);
    Module().resources = Module().instance;
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
}

// The child side: inputs first .. first+count-1.
int RunBatch(uint64_t seed, uint32_t first, uint32_t count, const std::string& run,
             const char* mappingName) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, mappingName);
    Shared* shared =
        mapping ? static_cast<Shared*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Shared)))
                : nullptr;
    if (shared == nullptr) return 1;
    StartModule();
    shared->codePage = static_cast<LONG>(GetACP());
    const std::string work = run + "\\seeds-" + std::to_string(GetCurrentProcessId());
    {
        fuzz::InputRunner runner(work);
        if (!runner.Ready()) return 1;
        shared->ready = 1;
        for (uint32_t i = first; i < first + count; ++i) {
            shared->current = static_cast<LONG>(i);
            g_currentInput = static_cast<LONG>(i);
            runner.Run(seed, i, InputFolder(run, i), false, &shared->findings);
            shared->finished = static_cast<LONG>(i + 1);
        }
    }
    fuzz::RemoveFolder(work);
    return 0;
}

HANDLE StartBatch(uint64_t seed, uint32_t first, uint32_t count, const std::string& run,
                  const char* mappingName) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, sizeof program);
    char command[2 * MAX_PATH + 128];
    std::snprintf(command, sizeof command, "\"%s\" --batch %llu %u %u \"%s\" %s", program,
                  static_cast<unsigned long long>(seed), first, count, run.c_str(), mappingName);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    std::fflush(stdout);
    if (!CreateProcessA(program, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// The parent side: count inputs of seed, batch after batch.
int RunAll(uint32_t count, uint64_t seed) {
    const DWORD id = GetCurrentProcessId();
    const std::string run = RunFolder(id);
    CreateDirectoryA(run.c_str(), nullptr);
    char mappingName[64];
    std::snprintf(mappingName, sizeof mappingName, "vorda-fuzz-%08lx",
                  static_cast<unsigned long>(id));
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(Shared), mappingName);
    Shared* shared =
        mapping ? static_cast<Shared*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Shared)))
                : nullptr;
    if (shared == nullptr) {
        std::fprintf(stderr, "fuzz: no shared memory\n");
        return 2;
    }
    std::printf("fuzz: %u inputs, seed %llu, code page %u, scratch folder %s\n", count,
                static_cast<unsigned long long>(seed), GetACP(), run.c_str());

    // Every input points the App Paths entry at its own folder: put back as
    // it was when the run ends, for the programs sharing the Wine prefix.
    const testsupport::SavedSetup appFolder;
    const ULONGLONG start = GetTickCount64();
    uint32_t crashes = 0, hangs = 0;
    for (uint32_t next = 0; next < count;) {
        const uint32_t batch = count - next < kBatchSize ? count - next : kBatchSize;
        shared->current = static_cast<LONG>(next);
        shared->finished = static_cast<LONG>(next);
        shared->ready = 0;
        HANDLE child = StartBatch(seed, next, batch, run, mappingName);
        if (child == nullptr) {
            std::fprintf(stderr, "fuzz: cannot start a batch process (error %lu)\n",
                         static_cast<unsigned long>(GetLastError()));
            return 2;
        }
        LONG seen = shared->current;
        ULONGLONG since = GetTickCount64();
        bool hung = false;
        while (WaitForSingleObject(child, 1000) == WAIT_TIMEOUT) {
            if (shared->current != seen) {
                seen = shared->current;
                since = GetTickCount64();
            } else if (GetTickCount64() - since > kHangMs) {
                TerminateProcess(child, 1);
                WaitForSingleObject(child, INFINITE);
                hung = true;
                break;
            }
        }
        DWORD exitCode = 0;
        GetExitCodeProcess(child, &exitCode);
        CloseHandle(child);
        const uint32_t done = static_cast<uint32_t>(shared->finished);
        if (!shared->ready) {
            std::fprintf(stderr, "fuzz: a batch process could not set up its work\n");
            return 2;
        }
        if (!hung && exitCode == 0 && done == next + batch) {
            next += batch;
        } else {
            const uint32_t failed = static_cast<uint32_t>(shared->current);
            if (hung) {
                ++hangs;
                std::printf("input %u: hangs (no progress for %llu s)\n", failed, kHangMs / 1000);
            } else {
                ++crashes;
                std::printf("input %u: crashed, exit code 0x%08lx\n", failed,
                            static_cast<unsigned long>(exitCode));
            }
            std::printf("  again alone: vorda_fuzz.exe --input %llu %u\n",
                        static_cast<unsigned long long>(seed), failed);
            next = failed + 1;
        }
    }
    const double seconds = static_cast<double>(GetTickCount64() - start) / 1000.0;
    fuzz::RemoveFolder(run);

    const LONG guardHits = shared->findings.guardHits;
    const LONG badValues = shared->findings.badValues;
    if (shared->codePage != static_cast<LONG>(GetACP()))
        std::printf("fuzz: the batches ran under code page %ld\n", shared->codePage);
    std::printf("inputs run: %u\ncrashes:    %u\nhangs:      %u\nguard hits: %ld\n", count, crashes,
                hangs, guardHits);
    std::printf("bad values: %ld\ntime:       %.1f s (%.0f inputs per second)\n", badValues,
                seconds, seconds > 0 ? count / seconds : 0.0);
    return (crashes || hangs || guardHits || badValues) ? 1 : 0;
}

// One input in this process, its files kept for a look.
int RunOne(uint64_t seed, uint32_t index) {
    StartModule();
    const std::string run = RunFolder(GetCurrentProcessId());
    g_currentInput = static_cast<LONG>(index);
    fuzz::Findings findings = {};
    {
        const testsupport::SavedSetup appFolder;
        fuzz::InputRunner runner(run + "\\seeds");
        if (!runner.Ready()) return 2;
        runner.Run(seed, index, InputFolder(run, index), true, &findings);
    }
    std::printf("input %u of seed %llu: files in %s\nguard hits: %ld\nbad values: %ld\n", index,
                static_cast<unsigned long long>(seed), InputFolder(run, index).c_str(),
                findings.guardHits, findings.badValues);
    return (findings.guardHits || findings.badValues) ? 1 : 0;
}

int RunDifferentialMode(uint32_t count, uint64_t seed, uint32_t first) {
    StartModule();
    const std::string run = RunFolder(GetCurrentProcessId());
    std::printf("differential: %u inputs from %u, seed %llu, code page %u\n", count, first,
                static_cast<unsigned long long>(seed), GetACP());
    std::fflush(stdout);
    const ULONGLONG start = GetTickCount64();
    uint32_t compared = 0;
    const uint32_t differing = fuzz::RunDifferential(count, seed, first, run, &compared);
    std::printf("inputs run: %u\ncompared:   %u\ndiffering:  %u\ntime:       %.1f s\n", count,
                compared, differing, static_cast<double>(GetTickCount64() - start) / 1000.0);
    return differing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long a = 0, b = 0, c = 0, d = 0;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--batch" && argc == 7 && ParseNumber(argv[2], &a) && ParseNumber(argv[3], &b) &&
        ParseNumber(argv[4], &c))
        return RunBatch(a, static_cast<uint32_t>(b), static_cast<uint32_t>(c), argv[5], argv[6]);
    if (mode == "--differential" && (argc == 4 || argc == 5) && ParseNumber(argv[2], &a) &&
        ParseNumber(argv[3], &b) && (argc == 4 || ParseNumber(argv[4], &c)) && a > 0 &&
        a + c <= 0xFFFFFFFFull)
        return RunDifferentialMode(static_cast<uint32_t>(a), b, static_cast<uint32_t>(c));
    if (mode == "--input" && argc == 4 && ParseNumber(argv[2], &a) && ParseNumber(argv[3], &b))
        return RunOne(a, static_cast<uint32_t>(b));
    c = 1000;
    d = 1;
    if (argc > 3 || (argc > 1 && (!ParseNumber(argv[1], &c) || c == 0 || c > 100000000)) ||
        (argc > 2 && !ParseNumber(argv[2], &d))) {
        std::fprintf(stderr,
                     "usage: vorda_fuzz.exe [count [seed]]\n"
                     "       vorda_fuzz.exe --input SEED INDEX\n"
                     "       vorda_fuzz.exe --differential COUNT SEED [FIRST]\n");
        return 2;
    }
    return RunAll(static_cast<uint32_t>(c), d);
}
