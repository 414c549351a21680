// What VordaCond prints: plain text lines in the process's code page, as the
// console takes them, or one JSON document in UTF-8 for scripts. Texts of
// the module are ANSI byte strings; the JSON writer converts them.
#pragma once
#include <string>
#include <vector>

// The ANSI text as UTF-8 (MultiByteToWideChar with CP_ACP, then
// WideCharToMultiByte with CP_UTF8); "" when it cannot be converted.
std::string AnsiToUtf8(const std::string& text);

// The text with every line break (CR, LF, CRLF) turned into one blank and
// trailing blanks removed: a message of several lines on one line.
std::string OneLine(const std::string& text);

// Writes bytes to standard output or standard error as they are.
void WriteOut(const std::string& bytes);
void WriteErr(const std::string& bytes);

// A line of plain text on standard output / standard error (CRLF added).
void PrintLine(const std::string& text);
void PrintError(const std::string& text);

class JsonWriter;

// A file that --dry-run says it would write: action "write" (a new file) or
// "replace" (an existing one).
struct PlannedWrite {
    std::string action;
    std::string file;
};
// One line per file, "would write FILE" or "would replace FILE".
void PrintPlannedWrites(const std::vector<PlannedWrite>& planned);
// The member "wouldWrite": an array of {"action", "file"}.
void WritePlannedWrites(const std::vector<PlannedWrite>& planned, JsonWriter* json);

// Builds one JSON document. Strings are given as ANSI texts and written as
// UTF-8 with the escapes JSON requires; commas are placed by the writer.
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(const char* name);  // the next value's member name (ASCII)
    JsonWriter& String(const std::string& ansiText);
    JsonWriter& Bool(bool value);
    JsonWriter& Number(long long value);
    JsonWriter& Null();
    // Key and value in one.
    JsonWriter& Member(const char* name, const std::string& ansiText) {
        return Key(name).String(ansiText);
    }
    JsonWriter& Member(const char* name, bool value) { return Key(name).Bool(value); }
    JsonWriter& Member(const char* name, int value) { return Key(name).Number(value); }

    // The document followed by a line feed.
    std::string Text() const { return text_ + "\n"; }

private:
    void BeforeValue();
    std::string text_;
    std::vector<bool> first_;  // per open object or array: no member written yet
    bool afterKey_ = false;
};
