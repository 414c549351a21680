#include "vordacond/output.h"

#include <windows.h>

#include <cstdio>

std::string AnsiToUtf8(const std::string& text) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    const int wideCount = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (wideCount <= 0) return std::string();
    std::wstring wide(static_cast<size_t>(wideCount), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], wideCount);
    const int count =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideCount, nullptr, 0, nullptr, nullptr);
    if (count <= 0) return std::string();
    std::string utf8(static_cast<size_t>(count), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideCount, &utf8[0], count, nullptr, nullptr);
    return utf8;
}

std::string OneLine(const std::string& text) {
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            line += ' ';
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

namespace {

void WriteHandle(DWORD which, const std::string& bytes) {
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    size_t at = 0;
    while (at < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk =
            static_cast<DWORD>(bytes.size() - at > 65536 ? 65536 : bytes.size() - at);
        if (!WriteFile(handle, bytes.data() + at, chunk, &written, nullptr) || written == 0) return;
        at += written;
    }
}

}  // namespace

void WriteOut(const std::string& bytes) { WriteHandle(STD_OUTPUT_HANDLE, bytes); }
void WriteErr(const std::string& bytes) { WriteHandle(STD_ERROR_HANDLE, bytes); }
void PrintLine(const std::string& text) { WriteOut(text + "\r\n"); }
void PrintError(const std::string& text) { WriteErr(text + "\r\n"); }

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) text_ += ',';
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    text_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    text_ += '}';
    if (!first_.empty()) first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    text_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    text_ += ']';
    if (!first_.empty()) first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(const char* name) {
    BeforeValue();
    text_ += '"';
    text_ += name;
    text_ += "\":";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(const std::string& ansiText) {
    BeforeValue();
    text_ += '"';
    for (const char c : AnsiToUtf8(ansiText)) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (c == '\n') {
            text_ += "\\n";
        } else if (c == '\r') {
            text_ += "\\r";
        } else if (c == '\t') {
            text_ += "\\t";
        } else if (u < 0x20) {
            // Control characters such as the list separator (0x18 0x19).
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            text_ += escaped;
        } else {
            text_ += c;
        }
    }
    text_ += '"';
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Number(long long value) {
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
    return *this;
}

void PrintPlannedWrites(const std::vector<PlannedWrite>& planned) {
    for (const PlannedWrite& p : planned) PrintLine("would " + p.action + " " + p.file);
}

void WritePlannedWrites(const std::vector<PlannedWrite>& planned, JsonWriter* json) {
    json->Key("wouldWrite").BeginArray();
    for (const PlannedWrite& p : planned)
        json->BeginObject().Member("action", p.action).Member("file", p.file).EndObject();
    json->EndArray();
}
