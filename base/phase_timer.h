// Time the module spends in each phase of its work, for the pages benchmark
// (tools/pages_bench). Compiled in only when the build defines
// VORDA_PHASE_TIMERS (the CMake option of that name, off by default): else
// VORDA_PHASE expands to nothing and nothing else is declared, so the
// product build carries no trace of the timers.
//
// A phase counts its own time only: one opened inside another stops the
// outer one's clock until it closes. The clocks are meant for the thread the
// sheet runs on.
#pragma once

enum TimedPhase {
    kPhaseAppFolderListing,  // the condition files in the application folder
    kPhaseIniReads,          // conditions, DIVSET.ini, the settings INI file
    kPhaseFolderProbe,       // whether the LibRoot folder answers
    kPhaseLibraryLists,      // "folder.ini" lists of the LibRoot, library, cabinet
    kPhaseBinderTitles,      // the binder query, binder by binder
    kPhaseComboFills,        // rows into combo and list boxes
    kPhaseControlCreation,   // a page's window and controls from its template
    kPhaseWrites,            // condition files and DIVSET.ini written
    kPhaseCount
};

#ifdef VORDA_PHASE_TIMERS

void BeginPhase(TimedPhase phase);
// Closes phase when it is the innermost open one; otherwise does nothing.
void EndPhase(TimedPhase phase);
// ms[0..capacity) := milliseconds per phase since the last reset; returns
// kPhaseCount. reset starts every clock from zero afterwards.
int ReadPhaseTimes(double* ms, int capacity, bool reset);
// What phase stands for, in a few words ("" outside the range).
const char* PhaseName(int phase);

class PhaseScope {
public:
    explicit PhaseScope(TimedPhase phase) : phase_(phase) { BeginPhase(phase); }
    ~PhaseScope() { EndPhase(phase_); }
    PhaseScope(const PhaseScope&) = delete;
    PhaseScope& operator=(const PhaseScope&) = delete;

private:
    TimedPhase phase_;
};

#define VORDA_PHASE_JOIN_(a, b) a##b
#define VORDA_PHASE_JOIN(a, b) VORDA_PHASE_JOIN_(a, b)
// Times the rest of the enclosing block as phase.
#define VORDA_PHASE(phase) const PhaseScope VORDA_PHASE_JOIN(phaseScope_, __LINE__)(phase)

#else

#define VORDA_PHASE(phase) static_cast<void>(0)

#endif
