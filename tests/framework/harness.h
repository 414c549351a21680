// Helpers for the window framework's tests: dialog templates built in
// memory, and a robot that drives a modal window of the main (UI) thread
// from a second thread. The robot finds windows by thread, posts what a user
// would do, and knows the UI thread has caught up when a message it posted
// to a message-only window of that thread has been handled. Every wait polls
// and has a timeout; after the script the robot closes whatever is left, so
// a failing test never hangs.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace fwtest {

// Predefined window classes of dialog items.
enum ItemClass : WORD { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83 };

// A DLGTEMPLATE with its items, laid out as the platform reads it.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short cx, short cy, const char* title);
    DialogTemplate& Add(ItemClass itemClass, DWORD style, int id, short x, short y, short cx,
                        short cy, const char* text = "");
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void AddText(const char* text);
    void AlignToDword();
    std::vector<WORD> m_words;
};

// Creates a modeless dialog (hidden) from a template; the procedure answers
// nothing. The caller destroys it.
HWND CreateModeless(const DialogTemplate& dialogTemplate, DLGPROC procedure = nullptr,
                    LPARAM parameter = 0);

class Robot {
public:
    // Made on the UI thread, before the modal call.
    Robot();
    ~Robot();

    // The first visible dialog of the UI thread (a sheet counts only once its
    // current page exists); the robot is then in step with the UI thread.
    HWND WaitForDialog();
    HWND WaitForSheet();
    // Runs fn on the UI thread after everything posted before has been
    // handled, and waits for it; returns without running it when the modal
    // call has ended meanwhile.
    void RunOnUi(const std::function<void()>& fn);
    void Sync() {
        RunOnUi([] {});
    }
    // Posts BM_CLICK to control id of window, then waits until it is handled.
    void Click(HWND window, int id);
    // True while window exists (asked on the UI thread).
    bool Exists(HWND window);

    // Runs call on this (the UI) thread while script runs on the robot
    // thread; returns call's result.
    INT_PTR Run(const std::function<INT_PTR()>& call, const std::function<void(Robot&)>& script);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FindWindowOfThread(bool sheet);
    void CloseLeftovers();
    DWORD m_uiThread;
    HWND m_window;
    std::atomic<bool> m_finished{false};
};

}  // namespace fwtest
