// The UI robot: drives the modal windows of a call that runs on the main
// (UI) thread from a second thread, the way a user would: it waits for
// windows, types into edits, clicks buttons, picks combo-box rows, reads
// what the windows show and answers message boxes.
//
//   int result = robot::Run([&] { return VordaConfigSet(1, p1, p2, p3, &index, &show); },
//                           [&](robot::Robot& r) {
//                               HWND sheet = r.WaitForSheet();
//                               r.SelectTab(sheet, 3);
//                               r.SetText(r.CurrentPage(sheet), 1001, "C:\\Lib");
//                               r.PressOk(sheet);
//                           });
//
// Rules the robot follows (and a script should too):
// - Windows are found by the UI thread (EnumThreadWindows), never by name
//   over the whole desktop: other test processes may show windows too.
// - Anything that may open a modal window is posted, never sent, and
//   followed by WaitIdle(): the robot knows the UI thread has caught up when a
//   message it posted to a message-only window of that thread was handled.
// - Every wait polls every 10 ms and has a timeout. A timeout, a missing
//   control or a disabled button is a failure: it is reported through the
//   failure hooks and ends the script (the robot throws robot::Abort, which
//   Run catches; scripts must not catch it). Run then cancels every window of
//   the UI thread until the call returns, so a failing test never hangs.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace robot {

// Ids of the property sheet's own buttons.
constexpr int kSheetOk = IDOK;          // 1
constexpr int kSheetCancel = IDCANCEL;  // 2
constexpr int kSheetHelp = 9;
constexpr int kSheetApply = 0x3021;

constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr DWORD kPollMs = 10;

// Where failures go. Test programs route them to gtest (ADD_FAILURE) and let
// the robot ask whether a fatal assertion has ended the script early (then
// its windows are cancelled at once instead of after the timeout); other
// programs keep the default, which prints to stderr.
struct FailureHooks {
    void (*report)(const std::string& message) = nullptr;
    bool (*hasFatalFailure)() = nullptr;
};
void SetFailureHooks(const FailureHooks& hooks);
void ReportFailure(const std::string& message);

// Thrown by the robot to end a script after a reported failure.
struct Abort : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a message box shows. buttons is MB_OK, MB_OKCANCEL, MB_YESNO,
// MB_YESNOCANCEL, MB_RETRYCANCEL or MB_ABORTRETRYIGNORE, worked out from the
// buttons present; icon is MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION,
// MB_ICONASTERISK or 0. Wine ignores MB_TOPMOST, so style() never holds it.
struct MessageBoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;  // with its line breaks ("\n")
    UINT buttons = 0;
    UINT icon = 0;
    UINT style() const { return buttons | icon; }
};

struct Selection {
    int start = 0;
    int end = 0;
};

struct RunOptions {
    DWORD timeoutMs = kDefaultTimeoutMs;  // every single wait of the script
};

// Shared between the UI thread and the robot thread of one Run.
struct RunState {
    DWORD uiThread = 0;
    HWND idleWindow = nullptr;  // message-only window on the UI thread
    std::atomic<long> idlePosted{0};
    std::atomic<long> idleHandled{0};
    std::atomic<bool> callReturned{false};
    std::atomic<int> topLevelCreated{0};  // top-level windows the UI thread created
    std::atomic<long> actionsHandled{0};  // RunOnUiThread actions done
};

class Robot {
public:
    Robot(RunState& state, const RunOptions& options);

    DWORD uiThread() const { return state_.uiThread; }
    DWORD timeoutMs() const { return timeoutMs_; }
    void setTimeoutMs(DWORD ms) { timeoutMs_ = ms; }

    // ---- the call and the UI thread ------------------------------------
    // True once the call on the UI thread has returned.
    bool CallReturned() const { return state_.callReturned.load(); }
    // Waits for the call to return (a failure after the timeout).
    void WaitCallReturned();
    // Waits until the UI thread has handled everything posted to it so far,
    // including inside a modal loop that a posted message opened. Returns
    // at once when the call has returned.
    void WaitIdle();
    // Number of top-level windows the UI thread has created during the call
    // (message boxes and dialogs included; the robot's own window excluded).
    int TopLevelWindowsCreated() const { return state_.topLevelCreated.load(); }
    // Visible top-level windows of the UI thread, in the order the platform
    // lists them (Z order).
    std::vector<HWND> Windows() const;
    // Polls cond every 10 ms until it holds; a failure naming what after the
    // timeout.
    void WaitUntil(const std::function<bool()>& cond, const std::string& what);
    // Reports a failure and ends the script.
    [[noreturn]] void Fail(const std::string& message) const;
    // Runs action on the UI thread between two of its messages (posted, so
    // it also runs inside a modal loop) and waits until it has run. For
    // reading state the controls do not expose; never for opening windows.
    void RunOnUiThread(const std::function<void()>& action);

    // ---- finding windows -------------------------------------------------
    // The property sheet: a visible top-level window of the UI thread whose
    // current page exists.
    HWND WaitForSheet();
    // A visible top-level window of the UI thread owned by owner (nullptr =
    // no owner; a child window stands for its top-level window), optionally
    // with the given title. Any class: a dialog of the module's own window
    // class matches, and so does a message box (the title tells them apart).
    HWND WaitForDialog(HWND owner, const char* title = nullptr);
    // A visible top-level window of the UI thread with that title.
    HWND WaitForWindowTitled(const std::string& title);
    // The window the user would act on: the visible, enabled top-level window
    // of the UI thread other than except (the innermost modal window).
    HWND WaitForActiveWindow(HWND except = nullptr);
    // Waits until window no longer exists.
    void WaitGone(HWND window);

    // ---- the property sheet ---------------------------------------------
    int TabCount(HWND sheet);
    int CurrentTab(HWND sheet);
    std::string TabTitle(HWND sheet, int tab);
    HWND CurrentPage(HWND sheet);    // PropSheet_GetCurrentPageHwnd
    HWND Page(HWND sheet, int tab);  // nullptr while the page was never created
    // Switches tabs with a sent PSM_SETCURSEL and returns its result (false
    // when the page being left refused). The switch must not open a modal
    // window; when it may, use PostSelectTab and wait for the window.
    bool SelectTab(HWND sheet, int tab);
    void PostSelectTab(HWND sheet, int tab);
    // Posted BM_CLICK on the sheet's button, then WaitIdle. A failure when
    // the button is missing, hidden or disabled.
    void Press(HWND sheet, int buttonId);
    void PressOk(HWND sheet) { Press(sheet, kSheetOk); }
    void PressApply(HWND sheet) { Press(sheet, kSheetApply); }
    void PressCancel(HWND sheet) { Press(sheet, kSheetCancel); }
    void PressHelp(HWND sheet) { Press(sheet, kSheetHelp); }

    // ---- controls (dialog or page, control id) ---------------------------
    HWND Item(HWND dialog, int id);  // a failure when missing
    bool HasItem(HWND dialog, int id);
    // WM_SETTEXT (the edit sends EN_CHANGE itself), then WaitIdle.
    void SetText(HWND dialog, int id, const std::string& text);
    std::string Text(HWND dialog, int id);
    std::string Text(HWND window);
    // Posted BM_CLICK on a push button, check box or radio button, then
    // WaitIdle. A failure when the control is hidden or disabled.
    void Click(HWND dialog, int id);
    int CheckState(HWND dialog, int id);  // BST_UNCHECKED/CHECKED/INDETERMINATE
    bool IsChecked(HWND dialog, int id) { return CheckState(dialog, id) == BST_CHECKED; }
    bool IsEnabled(HWND dialog, int id);
    bool IsVisible(HWND dialog, int id);
    // True when the keyboard focus of the UI thread is on the control or on
    // a child of it (the edit inside a drop-down combo box). The focus goes
    // with activation, which all processes of one wineserver share: a window
    // another test process opens at the same time takes it away. UI tests
    // therefore run one at a time.
    bool HasFocus(HWND dialog, int id);
    HWND Focus();  // the focus window of the UI thread
    // EM_GETSEL of an edit, CB_GETEDITSEL of a combo box.
    Selection GetSelection(HWND dialog, int id);
    // Sets the focus like a click into the control would (sent WM_SETFOCUS
    // is not enough: posted through the dialog's WM_NEXTDLGCTL).
    void SetFocus(HWND dialog, int id);

    // ---- combo boxes and list boxes --------------------------------------
    // CB_SETCURSEL, then the CBN_SELCHANGE the control sends on a user's
    // choice (posted to its parent), then WaitIdle.
    void SelectRow(HWND dialog, int id, int row);
    // The row with exactly that text (a failure when there is none).
    void SelectRow(HWND dialog, int id, const std::string& text);
    // Types text over the whole text of a drop-down combo box's edit (the
    // box updates its selection and sends CBN_EDITCHANGE as for typing),
    // then WaitIdle.
    void SetComboText(HWND dialog, int id, const std::string& text);
    std::vector<std::string> Rows(HWND dialog, int id);
    int SelectedRow(HWND dialog, int id);  // CB_ERR (-1) when none
    // Drops the list of a combo box down (CB_SHOWDROPDOWN) or closes it, then
    // WaitIdle; returns the list window (a failure when it did not open).
    HWND ShowDropDown(HWND dialog, int id, bool show);
    // List boxes: rows, selection (LB_SETCURSEL + posted LBN_SELCHANGE).
    std::vector<std::string> ListRows(HWND dialog, int id);
    int ListSelectedRow(HWND dialog, int id);
    void ListSelectRow(HWND dialog, int id, int row);

    // ---- message boxes ---------------------------------------------------
    // A message box owned by owner (nullptr = no owner; a child window stands
    // for its top-level window).
    MessageBoxInfo WaitForMessageBox(HWND owner);
    // A message box with any owner.
    MessageBoxInfo WaitForAnyMessageBox();
    // The message box owned by owner that is open now, or nullptr (no wait:
    // call WaitIdle first to check that an action showed none).
    HWND FindMessageBox(HWND owner);
    MessageBoxInfo ReadMessageBox(HWND box);
    // Posted BM_CLICK on IDOK/IDCANCEL/IDYES/IDNO..., waits until the box is
    // gone, then WaitIdle.
    void Answer(const MessageBoxInfo& box, int buttonId);

    // ---- the folder browser ------------------------------------------------
    // Selects path in an open folder browser (BFFM_SETSELECTION), then
    // WaitIdle; press IDOK or IDCANCEL on it with Click.
    void SelectBrowserFolder(HWND browser, const std::string& path);

    // ---- pictures ----------------------------------------------------------
    // Repaints the window and writes what it shows to a 24-bit BMP file,
    // with the windows of above (a message box, a dropped list) drawn over
    // it where they stand on the screen; the picture grows to hold them.
    void Capture(HWND window, const std::string& bmpPath, const std::vector<HWND>& above = {});

    // Cancels every window of the UI thread (message boxes, dialogs, the
    // sheet) until the call returns or the timeout passes; true when the
    // call returned. Run does this after a failed script.
    bool CancelAll(DWORD timeoutMs);

private:
    HWND FindWindowWhere(const std::function<bool(HWND)>& match) const;
    HWND WaitForWindowWhere(const std::function<bool(HWND)>& match, const std::string& what);
    HWND TabControl(HWND sheet);
    void ClickControl(HWND control, const std::string& what);
    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::string Describe(HWND window) const;
    std::string DescribeWindows() const;

    RunState& state_;
    DWORD timeoutMs_;
};

// Writes what window shows, and over it what the windows of above show, to a
// 24-bit BMP file (BitBlt from each window DC into one DIB section). Works
// from any thread of the process.
bool CaptureWindow(HWND window, const std::string& bmpPath, const std::vector<HWND>& above = {});

namespace detail {
// Runs call on this thread and script on a robot thread (see Run).
void RunOnThreads(const std::function<void()>& call, const std::function<void(Robot&)>& script,
                  const RunOptions& options);
}  // namespace detail

// Runs call on the calling (UI) thread while script drives its windows from a
// robot thread; returns what call returned. When the script fails or returns
// while windows of the call are still open past the timeout, every window of
// the UI thread is cancelled until the call returns.
template <typename Call, typename Script>
auto Run(Call&& call, Script&& script, const RunOptions& options = RunOptions())
    -> decltype(call()) {
    using Result = decltype(call());
    if constexpr (std::is_void_v<Result>) {
        detail::RunOnThreads([&] { call(); }, std::forward<Script>(script), options);
    } else {
        Result result{};
        detail::RunOnThreads([&] { result = call(); }, std::forward<Script>(script), options);
        return result;
    }
}

}  // namespace robot
