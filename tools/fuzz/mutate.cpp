#include "tools/fuzz/mutate.h"

#include <cstring>
#include <utility>

namespace fuzz {

uint64_t Rng::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint32_t Rng::Below(uint32_t bound) {
    return bound == 0 ? 0 : static_cast<uint32_t>(Next() % bound);
}

Rng InputRng(uint64_t seed, uint64_t index) {
    Rng mix(seed * 0x100000001B3ull + index);
    mix.Next();
    return Rng(mix.Next() ^ (index * 0xD1B54A32D192ED03ull));
}

namespace {

// The bytes that separate things in the files the module reads: list commas,
// the token-list separator 0x18 0x19, quotes, key and section marks.
const char kSeparators[] = {',', '\x18', '\x19', '"', '=', '[', ']'};

// Shift-JIS characters whose trail byte is a backslash (0x5C) or a vertical
// bar (0x7C), and a few plain ones; under code page 1252 they are two
// single-byte characters, the second a path or list separator.
const char* const kDoubleByte[] = {"\x83\x5C", "\x95\x5C", "\x81\x5C", "\x90\x5C",
                                   "\xE0\x5C", "\x83\x7C", "\x81\x7C", "\x8A\x7C",
                                   "\xFC\x7C", "\x82\xA0", "\x88\x9F", "\x93\xFA"};

// Values the readers give meaning to, and near misses.
const char* const kTokens[] = {
    "@ON",
    "@OFF",
    "@off",
    "@FRONT",
    "@BACK",
    "@DATE-YMD",
    "@DATE-YM",
    "@DATE-YMW",
    "@DATE-YMW-SAT",
    "@DATE-YMW-TUE",
    "@date-ymd",
    "@DATE-",
    "x@DATE-YMW-MON",
    "@BUTTON",
    "@button",
    "@TIME-HM",
    "@TX-DEST",
    "@TX-MODE",
    "@TX-USER\x18\x19@TX-SECTION\x18\x19",
    "@TX-SECTION\x18\x19@TX-SECTION\x18\x19@TX-USER\x18\x19",
    "@FAX-TSI\x18\x19",
    "@FAX-PORT\x18\x19@FAX-TSI\x18\x19@FAX-DIALIN\x18\x19@FAX-NAME\x18\x19@FAX-NUMBER\x18\x19"
    "@FAX-FCODE\x18\x19@FAX-PORT\x18\x19@FAX-TSI\x18\x19",
    "\x18\x19",
    "\x18",
    "\x19\x18",
    "@FAX-TSI,@FAX-FCODE,",
    "Papers#3,Bills#12,",
    "Papers#3,Papers#7,Papers",
    "Old%#4,A$B%#9",
    "Price##5,Tax#2a,###7,%%%,$$$",
    "#,$,%,#%,%#,$#,",
    "Name#99999999999999999999",
    "Name#-1",
    "4,3,2,1",
    "2147483647,2147483648,-2147483649,0x10,",
    "-1",
    "99999999999",
    "",
    "\"",
    "\"\"",
    "\"\"\"",
    " ",
    "\t \t",
    ";comment",
    "C:\\",
    "..\\..\\..",
    "\\",
    "Temporary Binder",
    "a,b,,c,",
    ",,,,",
    "B0001,B0001,B0002,B0003,B0004,B0005,",
};

std::string RandomBytes(Rng& rng, size_t length) {
    std::string out(length, '\0');
    for (char& c : out) c = static_cast<char>(rng.Below(256));
    return out;
}

std::string SeparatorRun(Rng& rng, size_t length) {
    std::string out(length, ',');
    for (char& c : out) c = kSeparators[rng.Below(sizeof kSeparators)];
    return out;
}

// Double-byte text mixed with markers and separators; sometimes it ends in
// a lone lead byte, so that the byte after it (a quote, a line end, the end
// of the file) looks like its trail byte.
std::string DoubleByteText(Rng& rng, size_t pairs) {
    static const char kBetween[] = "#$%,\\|\" 1";
    std::string out;
    for (size_t i = 0; i < pairs; ++i) {
        out += kDoubleByte[rng.Below(sizeof kDoubleByte / sizeof kDoubleByte[0])];
        if (rng.Chance(20)) out += kBetween[rng.Below(sizeof kBetween - 1)];
    }
    if (rng.Chance(40)) out += '\x83';
    return out;
}

// A 5,000-byte value of one kind of content.
std::string LongValue(Rng& rng) {
    const size_t size = 5000;
    std::string unit;
    switch (rng.Below(7)) {
        case 0:
            unit = "A";
            break;
        case 1:
            unit = "@FAX-TSI\x18\x19";
            break;
        case 2:
            unit = "Name#12,";
            break;
        case 3:
            unit = "7,";
            break;
        case 4:
            return DoubleByteText(rng, size / 2).substr(0, size);
        case 5: {
            // Distinct entries, more than any list box has rows for.
            std::string list;
            for (int n = 0; list.size() < size; ++n)
                list += "N" + std::to_string(n) + "#" + std::to_string(n % 7) + ",";
            list.resize(size);
            return list;
        }
        default:
            return SeparatorRun(rng, size);
    }
    std::string out;
    while (out.size() < size) out += unit;
    out.resize(size);
    return out;
}

struct Span {
    size_t begin, end;
};

// The lines of bytes, each without its line end.
std::vector<Span> Lines(const std::string& bytes) {
    std::vector<Span> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos) end = bytes.size();
        if (end > start && bytes[end - 1] == '\r') --end;
        lines.push_back({start, end});
        start = next;
    }
    return lines;
}

// Where a line's value stands (after its first "="), or the whole line when
// it has none; a random spot when the file has no lines.
Span PickValue(Rng& rng, const std::string& bytes) {
    const std::vector<Span> lines = Lines(bytes);
    if (lines.empty()) {
        const size_t at = rng.Below(static_cast<uint32_t>(bytes.size() + 1));
        return {at, at};
    }
    Span line = lines[rng.Below(static_cast<uint32_t>(lines.size()))];
    const size_t equals = bytes.find('=', line.begin);
    if (equals != std::string::npos && equals < line.end) line.begin = equals + 1;
    return line;
}

// The value at span replaced by text, quoted, half quoted or bare.
void ReplaceValue(Rng& rng, std::string& bytes, Span span, const std::string& text) {
    std::string value = text;
    switch (rng.Below(4)) {
        case 0:
            value = '"' + value + '"';
            break;
        case 1:
            value = '"' + value;
            break;
        default:
            break;
    }
    bytes.replace(span.begin, span.end - span.begin, value);
}

// The start of a line (or the end) picked at random.
size_t LineStart(Rng& rng, const std::string& bytes) {
    const std::vector<Span> lines = Lines(bytes);
    if (lines.empty()) return bytes.size();
    const uint32_t pick = rng.Below(static_cast<uint32_t>(lines.size() + 1));
    return pick == lines.size() ? bytes.size() : lines[pick].begin;
}

// Line including its line end.
std::string WholeLine(const std::string& bytes, Span line) {
    size_t end = line.end;
    while (end < bytes.size() && (bytes[end] == '\r' || bytes[end] == '\n')) {
        ++end;
        if (bytes[end - 1] == '\n') break;
    }
    return bytes.substr(line.begin, end - line.begin);
}

void RepeatLine(Rng& rng, std::string& bytes) {
    const std::vector<Span> lines = Lines(bytes);
    if (lines.empty()) return;
    const Span line = lines[rng.Below(static_cast<uint32_t>(lines.size()))];
    std::string copy = WholeLine(bytes, line);
    if (copy.empty() || copy.back() != '\n') copy += "\r\n";
    std::string copies;
    for (uint32_t n = 1 + rng.Below(60); n > 0; --n) copies += copy;
    bytes.insert(line.begin, copies);
}

void RepeatSection(Rng& rng, std::string& bytes) {
    std::vector<size_t> starts;
    for (const Span& line : Lines(bytes))
        if (line.end > line.begin && bytes[line.begin] == '[') starts.push_back(line.begin);
    if (starts.empty()) return;
    const uint32_t pick = rng.Below(static_cast<uint32_t>(starts.size()));
    const size_t begin = starts[pick];
    const size_t end = pick + 1 < starts.size() ? starts[pick + 1] : bytes.size();
    std::string section = bytes.substr(begin, end - begin);
    if (section.empty() || section.back() != '\n') section += "\r\n";
    std::string copies;
    for (uint32_t n = 1 + rng.Below(8); n > 0; --n) copies += section;
    bytes.insert(rng.Chance(50) ? begin : bytes.size(), copies);
}

void EditBytes(Rng& rng, std::string& bytes) {
    for (uint32_t n = 1 + rng.Below(8); n > 0; --n) {
        const size_t at = rng.Below(static_cast<uint32_t>(bytes.size() + 1));
        switch (rng.Below(3)) {
            case 0:
                bytes.insert(at, 1, static_cast<char>(rng.Below(256)));
                break;
            case 1:
                if (at < bytes.size()) bytes.erase(at, 1);
                break;
            default:
                if (at < bytes.size()) bytes[at] ^= static_cast<char>(1u << rng.Below(8));
                break;
        }
    }
}

void ReplaceAll(std::string& bytes, const std::string& from, const std::string& to) {
    std::string out;
    size_t start = 0;
    for (size_t found; (found = bytes.find(from, start)) != std::string::npos;) {
        out.append(bytes, start, found - start);
        out += to;
        start = found + from.size();
    }
    out.append(bytes, start, std::string::npos);
    bytes = std::move(out);
}

void ChangeLineEnds(Rng& rng, std::string& bytes) {
    ReplaceAll(bytes, "\r\n", "\n");
    switch (rng.Below(4)) {
        case 0:
            ReplaceAll(bytes, "\n", "\r\n");
            break;
        case 1:
            ReplaceAll(bytes, "\n", "\r");
            break;
        case 2:
            ReplaceAll(bytes, "\n", "");
            break;
        default:
            break;
    }
}

void Splice(Rng& rng, std::string& bytes, const std::vector<std::string>& others) {
    if (others.empty()) return;
    const std::string& other = others[rng.Below(static_cast<uint32_t>(others.size()))];
    const std::vector<Span> lines = Lines(other);
    if (lines.empty()) return;
    const uint32_t first = rng.Below(static_cast<uint32_t>(lines.size()));
    const uint32_t last = first + rng.Below(static_cast<uint32_t>(lines.size() - first));
    const size_t end = last + 1 < lines.size() ? lines[last + 1].begin : other.size();
    bytes.insert(LineStart(rng, bytes), other.substr(lines[first].begin, end - lines[first].begin));
}

void DropLine(Rng& rng, std::string& bytes) {
    const std::vector<Span> lines = Lines(bytes);
    if (lines.empty()) return;
    const Span line = lines[rng.Below(static_cast<uint32_t>(lines.size()))];
    bytes.erase(line.begin, WholeLine(bytes, line).size());
}

// A byte-order mark: UTF-8, or UTF-16 with the text widened byte by byte,
// or a UTF-16 mark in front of ANSI bytes.
void ByteOrderMark(Rng& rng, std::string& bytes) {
    switch (rng.Below(3)) {
        case 0:
            bytes.insert(0, "\xEF\xBB\xBF");
            break;
        case 1: {
            std::string wide = "\xFF\xFE";
            for (char c : bytes) {
                wide += c;
                wide += '\0';
            }
            bytes = std::move(wide);
            break;
        }
        default:
            bytes.insert(0, "\xFF\xFE");
            break;
    }
}

}  // namespace

std::string Mutate(Rng& rng, std::string bytes, const std::vector<std::string>& others) {
    for (uint32_t round = 1 + rng.Below(4); round > 0; --round) {
        switch (rng.Below(16)) {
            case 0:
                bytes.resize(rng.Below(static_cast<uint32_t>(bytes.size() + 1)));
                break;
            case 1:
                RepeatLine(rng, bytes);
                break;
            case 2:
                RepeatSection(rng, bytes);
                break;
            case 3: {
                const size_t at = rng.Below(static_cast<uint32_t>(bytes.size() + 1));
                const std::string noise = RandomBytes(rng, 1 + rng.Below(64));
                if (rng.Chance(50))
                    bytes.insert(at, noise);
                else
                    bytes.replace(at, noise.size(), noise);
                break;
            }
            case 4:
                bytes = RandomBytes(rng, rng.Below(4096));
                break;
            case 5:
                ReplaceValue(rng, bytes, PickValue(rng, bytes),
                             SeparatorRun(rng, 1 + rng.Below(300)));
                break;
            case 6:
                if (rng.Chance(20))
                    bytes = SeparatorRun(rng, rng.Below(2000));
                else
                    bytes.insert(LineStart(rng, bytes), SeparatorRun(rng, 1 + rng.Below(80)));
                break;
            case 7:
            case 8:
                ReplaceValue(rng, bytes, PickValue(rng, bytes), LongValue(rng));
                break;
            case 9:
            case 10: {
                const std::string text = DoubleByteText(rng, 1 + rng.Below(140));
                const Span value = PickValue(rng, bytes);
                if (rng.Chance(70)) {
                    ReplaceValue(rng, bytes, value, text);
                } else {
                    const size_t at =
                        value.begin + rng.Below(static_cast<uint32_t>(value.end - value.begin + 1));
                    bytes.insert(at, text);
                }
                break;
            }
            case 11:
                ReplaceValue(rng, bytes, PickValue(rng, bytes),
                             kTokens[rng.Below(sizeof kTokens / sizeof kTokens[0])]);
                break;
            case 12:
                EditBytes(rng, bytes);
                break;
            case 13:
                if (rng.Chance(50))
                    ChangeLineEnds(rng, bytes);
                else
                    DropLine(rng, bytes);
                break;
            case 14:
                Splice(rng, bytes, others);
                break;
            default:
                if (rng.Chance(25))
                    bytes.clear();
                else
                    ByteOrderMark(rng, bytes);
                break;
        }
    }
    return bytes;
}

std::string RandomName(Rng& rng) {
    switch (rng.Below(5)) {
        case 0:
            return DoubleByteText(rng, 1 + rng.Below(20));
        case 1:
            return std::string(1 + rng.Below(240), 'N');
        case 2:
            return kTokens[rng.Below(sizeof kTokens / sizeof kTokens[0])];
        case 3:
            return "Name" + DoubleByteText(rng, 2) + "#" + std::to_string(rng.Below(100000));
        default: {
            std::string name = RandomBytes(rng, 1 + rng.Below(12));
            for (char& c : name)
                if (c == '\0') c = '_';
            return name;
        }
    }
}

}  // namespace fuzz
