// The diagnostic log: one tab-separated line per call, appended to the file
// beside the log path whose extension is ".log".
#include <cstdio>
#include <string>

#include "siblings/vorda_common.h"

namespace {

// logPath with its extension (the text from the last dot of the last path
// component) replaced by ".log", or ".log" appended when it has none.
std::string LogFileOf(const char* logPath) {
    const char* dot = nullptr;
    for (const char* p = logPath; *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/')
            dot = nullptr;
        else if (*p == '.')
            dot = p;
    }
    std::string file = dot != nullptr ? std::string(logPath, dot) : std::string(logPath);
    return file + ".log";
}

// A field of the line: tabs and line breaks inside it would split the record,
// so they become spaces. The scan steps by character, so that a trail byte is
// never taken for one of them.
void AppendField(std::string& line, const char* text) {
    line += '\t';
    if (text == nullptr) return;
    for (const char* p = text; *p != '\0';) {
        const char* next = CharNextA(p);
        if (next == p + 1 && (*p == '\t' || *p == '\r' || *p == '\n'))
            line += ' ';
        else
            line.append(p, next);
        p = next;
    }
}

void AppendNumber(std::string& line, int value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", value);
    AppendField(line, digits);
}

}  // namespace

void __stdcall WriteLog(const char* logPath, const char* module, const char* source, int result,
                        int line, int fixed1, int fixed2, int code, const char* text) {
    if (logPath == nullptr || *logPath == '\0') return;
    try {
        SYSTEMTIME now;
        GetLocalTime(&now);
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth,
                      now.wDay, now.wHour, now.wMinute, now.wSecond);

        std::string record = stamp;
        AppendField(record, module);
        AppendField(record, source);
        AppendNumber(record, result);
        AppendNumber(record, line);
        AppendNumber(record, fixed1);
        AppendNumber(record, fixed2);
        AppendNumber(record, code);
        AppendField(record, text);
        record += "\r\n";

        // One write in append mode, so that lines of several processes do not
        // interleave.
        HANDLE file = CreateFileA(LogFileOf(logPath).c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        DWORD written = 0;
        WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
        CloseHandle(file);
    } catch (...) {
        // Out of memory: the line is lost; logging never fails its caller.
    }
}
