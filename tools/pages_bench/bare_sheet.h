// The yardstick of the pages benchmark: a property sheet with the module's
// own four page templates of mode 1 (MFP scanner, FAX receive, FAX send,
// LibRoot), from the module's resources, each page run by a dialog procedure
// that does nothing. It starts like the options sheet (the page templates'
// font, tabs 2, 1 and 0 activated when it is shown) under the module's
// common-controls manifest, so what remains between the two is the module's
// own work.
#pragma once
#include <windows.h>

namespace bench {

class BareSheet {
public:
    // resources: the module whose templates and caption are used.
    explicit BareSheet(HMODULE resources);
    ~BareSheet();
    BareSheet(const BareSheet&) = delete;
    BareSheet& operator=(const BareSheet&) = delete;

    // False when the common controls or a template could not be had.
    bool Ready() const { return ready_; }
    // Runs the sheet modally; the platform's result.
    INT_PTR Run();

private:
    HMODULE resources_;
    HMODULE comctl_ = nullptr;
    bool ready_ = false;
    char caption_[MAX_PATH] = {};
};

}  // namespace bench
