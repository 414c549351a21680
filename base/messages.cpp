#include "base/messages.h"

#include "base/module_state.h"
#include "siblings/vorda_common.h"

namespace {
const int kMessageBufferSize = 1040;
}

UINT MessageStyle(int kind) {
    switch (kind) {
        case kMessageWarning:
            return MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST;
        case kMessageQuestion:
            return MB_OKCANCEL | MB_ICONQUESTION | MB_TOPMOST;
        case kMessageStop:
            return MB_OK | MB_ICONSTOP | MB_TOPMOST;
        case kMessageYesNo:
            return MB_YESNO | MB_ICONEXCLAMATION | MB_TOPMOST;
        case kMessageInformation:
            return MB_OK | MB_ICONINFORMATION;
        default:
            return static_cast<UINT>(kind) | MB_TOPMOST;
    }
}

int ShowMessage(HWND owner, UINT captionId, UINT textId, int kind) {
    char caption[kMessageBufferSize];
    char text[kMessageBufferSize];
    LoadResString(captionId, caption, sizeof caption);
    LoadResString(textId, text, sizeof text);
    const int pressed = ShowMessageBox(owner, text, caption, MessageStyle(kind));
    return (pressed == IDOK || pressed == IDYES) ? 1 : 0;
}

void LogFailure(const char* source, int result, int line, int code, const char* text) {
    WriteLog(Module().logPath, "VordaEnv.dll", source, result, line, 1, 70, code, text);
}
