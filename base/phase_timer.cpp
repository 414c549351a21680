#include "base/phase_timer.h"

#ifdef VORDA_PHASE_TIMERS

#include <windows.h>

namespace {

const int kDepth = 16;

LONGLONG g_ticks[kPhaseCount] = {};
TimedPhase g_open[kDepth];
int g_depth = 0;
LONGLONG g_since = 0;

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

const char* const kNames[kPhaseCount] = {
    "listing the application folder",     "reading conditions, DIVSET.ini, settings",
    "the LibRoot folder probe",           "library and cabinet lists (folder.ini)",
    "binder titles (binder query)",       "filling combo and list boxes",
    "creating page windows and controls", "writing conditions and DIVSET.ini",
};

}  // namespace

void BeginPhase(TimedPhase phase) {
    const LONGLONG now = Now();
    if (g_depth > 0) g_ticks[g_open[g_depth - 1]] += now - g_since;
    if (g_depth < kDepth) g_open[g_depth++] = phase;
    g_since = now;
}

void EndPhase(TimedPhase phase) {
    if (g_depth == 0 || g_open[g_depth - 1] != phase) return;
    const LONGLONG now = Now();
    g_ticks[phase] += now - g_since;
    --g_depth;
    g_since = now;
}

int ReadPhaseTimes(double* ms, int capacity, bool reset) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int p = 0; p < kPhaseCount; ++p) {
        if (ms != nullptr && p < capacity)
            ms[p] =
                1000.0 * static_cast<double>(g_ticks[p]) / static_cast<double>(frequency.QuadPart);
        if (reset) g_ticks[p] = 0;
    }
    return kPhaseCount;
}

const char* PhaseName(int phase) { return phase >= 0 && phase < kPhaseCount ? kNames[phase] : ""; }

#endif
