// What the pages benchmark watches on the UI thread while a sheet runs: the
// moment its start is over (the three condition pages exist, tab 0 is
// current, the sheet has painted and the thread's queue holds nothing), and
// the dialogs the commit opens, answered from the UI thread itself so that
// no robot reaction time enters a figure.
#pragma once
#include <windows.h>

#include <chrono>

namespace bench {

using Clock = std::chrono::steady_clock;

// Hooks of the timed module build; the product build exports neither.
struct PhaseExports {
    // Fills ms[0..capacity) with the milliseconds spent per phase since the
    // last reset and returns the number of phases; resets when reset != 0.
    int(__stdcall* times)(double* ms, int capacity, int reset) = nullptr;
    const char*(__stdcall* name)(int phase) = nullptr;
    bool present() const { return times != nullptr && name != nullptr; }
};

constexpr int kMaxPhases = 16;

struct PhaseSnapshot {
    int count = 0;
    double ms[kMaxPhases] = {};
};

// One watched call on the UI thread.
class UiWatch {
public:
    UiWatch();
    ~UiWatch();
    UiWatch(const UiWatch&) = delete;
    UiWatch& operator=(const UiWatch&) = delete;

    // The timed module's hooks, read at each call from now on.
    void SetPhases(const PhaseExports& phases) { phases_ = phases; }

    // On the UI thread before the robot starts: forgets the last call.
    void Prepare();
    // On the UI thread, right before the call: resets the phase timers,
    // arms the start check and the dialog answers.
    void BeforeCall();
    // On the UI thread, right after the call returned.
    void AfterCall();

    // On the robot thread: waits until the start is over (false after
    // timeoutMs) and gives the sheet.
    bool WaitStarted(DWORD timeoutMs, HWND* sheet);

    Clock::time_point callStart() const { return callStart_; }
    Clock::time_point started() const { return started_; }
    Clock::time_point returned() const { return returned_; }
    // Phase times of the start, and of everything after it up to the return.
    const PhaseSnapshot& startPhases() const { return startPhases_; }
    const PhaseSnapshot& restPhases() const { return restPhases_; }
    // Dialogs answered during the call.
    int answered() const { return answeredCount_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    void CheckStart();
    void Answer(HWND window);
    PhaseSnapshot TakePhases(bool reset) const;

    PhaseExports phases_;
    HWND window_ = nullptr;
    HANDLE startedEvent_ = nullptr;
    HHOOK hook_ = nullptr;
    HWND sheet_ = nullptr;
    bool watching_ = false;
    Clock::time_point callStart_, started_, returned_;
    PhaseSnapshot startPhases_, restPhases_;
    HWND answeredWindows_[32] = {};
    int answeredCount_ = 0;
};

}  // namespace bench
