// Kill mode: each writer runs to its end a few times on a fresh copy of the
// sample (what it leaves is "new", its running time measured), then again
// and again ended with TerminateProcess at a moment drawn evenly over that
// time, and every file it may touch is sorted (see census.h).
#pragma once
#include <string>
#include <vector>

namespace trial {

struct KillOptions {
    std::string bin;     // the build's bin folder (VordaEnv.dll, VordaCond.exe, ...)
    std::string sample;  // host/sample
    std::vector<std::string> writers;
    int kills = 100;  // per writer
    unsigned seed = 1;
};

// Prints one table row per writer; 1 when a writer could not run or left a
// file missing, other or a temporary the catalogue lists.
int RunKills(const KillOptions& options);

}  // namespace trial
