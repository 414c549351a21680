// Random mode: mode 1 of the options sheet driven with random user actions
// drawn from a seed, on a fresh copy of the sample, with checks after every
// step: no crash or hang; the template files never change; no file changes
// but the ones the step names (a name given in the name dialog, the
// condition deleted, DIVSET.ini on Apply, OK and Delete); after a save
// VordaCond.exe's show reads back what the page showed; DIVSET.ini names only
// conditions that exist or were in force before the step; no temporary is
// left. The same seed and step count give the same run.
#pragma once
#include <string>

namespace trial {

struct RandomOptions {
    unsigned seed = 1;
    int steps = 300;
    bool trace = false;  // every step's action to standard output
    std::string sample;  // host/sample
};

// Runs the session in a child process (so that a crash or a hang is caught
// and named with its step) and prints the count of steps and violations;
// 1 on a violation.
int RunRandom(const RandomOptions& options);

// The child: the session itself; progress names a file that holds the
// number of the step being run.
int RunRandomSession(const RandomOptions& options, const std::string& progress);

}  // namespace trial
