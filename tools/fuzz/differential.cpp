#include "tools/fuzz/differential.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "base/profile_reader.h"
#include "base/text.h"
#include "conditions/condition_check.h"
#include "conditions/condition_format.h"
#include "conditions/condition_io.h"
#include "tests/support/test_support.h"
#include "tools/fuzz/fuzz_input.h"
#include "tools/fuzz/mutate.h"

namespace fuzz {

namespace {

using testsupport::MakeFolder;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

const char* Pick(Rng& rng, const std::vector<const char*>& from) {
    return from[rng.Below(static_cast<uint32_t>(from.size()))];
}

// A name in random letter case, now and then with white space around it.
std::string Spelled(Rng& rng, const char* name) {
    std::string text = name;
    if (rng.Chance(30))
        for (char& c : text)
            if (c >= 'A' && c <= 'Z' && rng.Chance(50)) c = static_cast<char>(c + 32);
    const char* const spaces[] = {" ", "\t", "  ", "\x1a", "\x0b"};
    if (rng.Chance(15)) text = spaces[rng.Below(5)] + text;
    if (rng.Chance(15)) text += spaces[rng.Below(5)];
    return text;
}

// A condition file built line by line from the shapes the profile functions
// treat apart: sections with white space or text around their brackets,
// keys without "=" or without a name, comments, repeated sections and keys,
// quotes of both kinds, opened or closed, and every kind of line end.
std::string QuirkFile(Rng& rng, int32_t kind) {
    const std::vector<const char*> sections = {MainSection(kind), UseSection(kind), "FAX-RX",
                                               "FAX-TX",          kDivsetSection,   ""};
    const std::vector<const char*> keys = {kKeyLibrary,  kKeyCabinet,  kKeyBinder, kKeyIndex,
                                           kKeyTag,      kKeyPosition, kKeyFaxSeq, kKeyFaxCheck,
                                           kKeyDateType, kKeyDateWeek, "SCANNER",  ""};
    const std::vector<const char*> values = {"@ON",
                                             "@OFF",
                                             "@FRONT",
                                             "@BACK",
                                             "@DATE-YMW",
                                             "@DATE-YMW-SAT",
                                             "Papers",
                                             "\x83\x5C\x83\x5C",
                                             "a=b",
                                             "@FAX-TSI\x18\x19",
                                             "",
                                             " ",
                                             "x ",
                                             "\x81",
                                             "\x82\xA0\x82"};
    const std::vector<const char*> ends = {"\r\n", "\n", "\r", "\n\r", "\r\r\n", ""};
    std::string text;
    for (uint32_t lines = 1 + rng.Below(24); lines > 0; --lines) {
        const uint32_t shape = rng.Below(12);
        std::string line;
        if (shape < 3) {
            const std::string name = Spelled(rng, Pick(rng, sections));
            const char* const forms[] = {"[%s]",   "[ %s ]", "[%s",   "%s]",
                                         "[%s] x", "[[%s]]", "[%s]]", "  [%s]\t"};
            char buffer[512];
            std::snprintf(buffer, sizeof buffer, forms[rng.Below(8)], name.c_str());
            line = buffer;
        } else if (shape < 4) {
            line = rng.Chance(50) ? ";" + std::string(Pick(rng, keys)) + "=x" : "; note";
        } else if (shape < 5) {
            line = Spelled(rng, Pick(rng, keys));  // no "="
        } else {
            std::string value = Pick(rng, values);
            const uint32_t length = rng.Below(5) == 0 ? 30 + rng.Below(120) : 0;
            for (uint32_t i = 0; i < length; ++i)
                value += rng.Chance(10) ? "\x83\x5C" : std::string(1, 'a' + rng.Below(26));
            const char* const quotes[] = {"\"", "'", ""};
            const char* open = quotes[rng.Below(3)];
            const char* close = rng.Chance(80) ? open : quotes[rng.Below(3)];
            const char* const equals[] = {"=", " = ", "\t=\t", "==", "= "};
            line = Spelled(rng, Pick(rng, keys)) + equals[rng.Below(5)] + open + value + close;
            if (rng.Chance(10)) line += "  ";
        }
        text += line + (lines == 1 && rng.Chance(30) ? "" : Pick(rng, ends));
    }
    return text;
}

// Buffers start filled alike, so that bytes a call leaves alone compare too.
struct Answer {
    DWORD result = 0;
    std::vector<char> bytes;
    bool operator==(const Answer& other) const {
        return result == other.result && bytes == other.bytes;
    }
};

Answer AskString(const ProfileReader& reader, const char* section, const char* key,
                 const char* fallback, DWORD size) {
    Answer a;
    a.bytes.assign(size + 8, '\x7f');
    a.result = reader.String(section, key, fallback, a.bytes.data(), size);
    return a;
}

Answer AskSections(const ProfileReader& reader, DWORD size) {
    Answer a;
    a.bytes.assign(size + 8, '\x7f');
    a.result = reader.SectionNames(a.bytes.data(), size);
    return a;
}

bool SameFindings(const std::vector<ConditionFileFinding>& a,
                  const std::vector<ConditionFileFinding>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].problem != b[i].problem || std::strcmp(a[i].section, b[i].section) != 0 ||
            std::strcmp(a[i].key, b[i].key) != 0 || a[i].value != b[i].value ||
            std::strcmp(a[i].allowed, b[i].allowed) != 0 || a[i].limit != b[i].limit)
            return false;
    }
    return true;
}

class Differential {
public:
    explicit Differential(const std::string& work) : work_(work) {
        MakeFolder(work);
        const std::string seeds = work + "\\seeds";
        MakeFolder(seeds);
        for (int32_t kind = kScanner; kind <= kFaxSend; ++kind) {
            for (int32_t t = 1; t <= 3; ++t) {
                const std::string path = PathOf(kind, t, seeds);
                WriteTemplateCondition(kind, path.c_str(), t);
                seeds_[kind].push_back(ReadFileBytes(path));
                all_.push_back(seeds_[kind].back());
            }
            SortCondition r = {};
            ReadCondition(PathOf(kind, kSelectTemplate2, seeds).c_str(), kind, &r);
            CopyText(r.path, sizeof r.path, UserPath(kind, seeds, "User").c_str());
            r.position = 1;
            r.dateType = 2;
            for (int32_t& check : r.faxCheck) check = 1;
            WriteCondition(&r);
            seeds_[kind].push_back(ReadFileBytes(r.path));
            all_.push_back(seeds_[kind].back());
            WriteCurrentCondition(PathOf(kind, kSelectDivset, seeds).c_str(), &r);
        }
        divset_ = ReadFileBytes(PathOf(kScanner, kSelectDivset, seeds));
        all_.push_back(divset_);
        RemoveFolder(seeds);
    }

    // false when the readers differ on input index.
    bool Run(uint64_t seed, uint32_t index) {
        Rng rng = InputRng(seed, index);
        const int32_t kind = static_cast<int32_t>(rng.Below(3));
        char name[32];
        std::snprintf(name, sizeof name, "\\%07u", index);
        const std::string app = work_ + name;
        MakeFolder(app);
        std::string bytes;
        const uint32_t shape = rng.Below(10);
        if (shape < 4) {
            bytes = QuirkFile(rng, kind);
        } else {
            const std::vector<std::string>& seeds = seeds_[kind];
            bytes = shape < 6 ? divset_ : seeds[rng.Below(static_cast<uint32_t>(seeds.size()))];
            for (uint32_t n = 1 + rng.Below(3); n > 0; --n) bytes = Mutate(rng, bytes, all_);
        }
        const std::string file = UserPath(kind, app, "User");
        WriteFileBytes(file, bytes);
        // DIVSET.ini too, read for a condition whose file is gone.
        WriteFileBytes(PathOf(kind, kSelectDivset, app),
                       rng.Chance(50) ? bytes : Mutate(rng, divset_, all_));
        const std::string gone = UserPath(kind, app, "Gone");

        // A file the in-memory reader hands to the profile functions is read
        // the same way by both: nothing to compare. (The profile functions'
        // answers on such a file may even vary from call to call: Wine reads
        // a UTF-16 file of odd length one byte past its end.)
        const bool fileInMemory = ProfileReader::InMemory(file.c_str()).inMemory();
        const bool divsetInMemory =
            ProfileReader::InMemory(PathOf(kind, kSelectDivset, app).c_str()).inMemory();
        bool same = true;
        if (fileInMemory)
            same = CompareRecords(app, file, kind, index) && CompareCalls(file, kind, rng, index);
        if (divsetInMemory) same = CompareRecords(app, gone, kind, index) && same;
        if (fileInMemory || divsetInMemory) ++compared_;
        if (!same) {
            std::printf("  again: vorda_fuzz.exe --differential 1 %llu %u (files kept in %s)\n",
                        static_cast<unsigned long long>(seed), index, app.c_str());
            return false;
        }
        DeleteFileA(file.c_str());
        DeleteFileA(PathOf(kind, kSelectDivset, app).c_str());
        RemoveDirectoryA(app.c_str());
        return same;
    }

private:
    bool CompareRecords(const std::string& app, const std::string& path, int32_t kind,
                        uint32_t index) {
        SortCondition module, memory;
        std::memset(&module, 'Q', sizeof module);
        std::memset(&memory, 'Q', sizeof memory);
        ReadConditionIn(app.c_str(), path.c_str(), kind, &module);
        const ProfileReader file = ProfileReader::InMemory(path.c_str());
        ReadConditionFrom(file, app.c_str(), kind, &memory);
        bool same = std::memcmp(&module, &memory, sizeof module) == 0;
        if (!same) Report(index, "records differ", path);
        const bool checks = SameFindings(CheckConditionFile(ProfileReader(path.c_str()), kind),
                                         CheckConditionFile(file, kind));
        if (!checks) Report(index, "file checks differ", path);
        return same && checks;
    }

    // Every call the readers make, and more, with buffers of every size that
    // cuts: in a value, in a double-byte character, in a list of names.
    bool CompareCalls(const std::string& path, int32_t kind, Rng& rng, uint32_t index) {
        const ProfileReader calls(path.c_str());
        const ProfileReader memory = ProfileReader::InMemory(path.c_str());
        const char* const sections[] = {
            MainSection(kind), UseSection(kind), "fax-rx", " FAX-TX ", kDivsetSection, "", "x"};
        const char* const keys[] = {kKeyLibrary, kKeyBinder,   "tag", " INDEX\t",
                                    kKeyFaxSeq,  kKeyDateWeek, "",    nullptr};
        const char* const fallbacks[] = {"", "dflt  ", "\"q\"", " ", "'", "\x83\x5C"};
        const DWORD sizes[] = {1, 2, 3, 4, 5, 7, 20, 36, 44, 100, 104, 260, 4096};
        bool same = true;
        for (int probe = 0; probe < 12 && same; ++probe) {
            const char* section = sections[rng.Below(7)];
            const char* key = keys[rng.Below(8)];
            const char* fallback = fallbacks[rng.Below(6)];
            const DWORD size = sizes[rng.Below(13)];
            same = AskString(calls, section, key, fallback, size) ==
                   AskString(memory, section, key, fallback, size);
            if (!same) {
                char what[160];
                std::snprintf(what, sizeof what, "String(\"%s\", \"%s\", \"%s\", %lu) differs",
                              section, key == nullptr ? "(null)" : key, fallback,
                              static_cast<unsigned long>(size));
                Report(index, what, path);
            }
        }
        for (DWORD size : {1ul, 2ul, 3ul, 8ul, 13ul, 32767ul}) {
            if (!same) break;
            same = AskSections(calls, size) == AskSections(memory, size);
            if (!same) Report(index, "SectionNames differs", path);
        }
        return same;
    }

    void Report(uint32_t index, const char* what, const std::string& path) {
        if (printed_++ < 30) std::printf("input %u: %s: %s\n", index, what, path.c_str());
        std::fflush(stdout);
    }

    std::string work_;
    std::vector<std::string> seeds_[3];
    std::string divset_;
    std::vector<std::string> all_;
    int printed_ = 0;

public:
    uint32_t compared_ = 0;  // inputs with a file the in-memory reader read
};

}  // namespace

uint32_t RunDifferential(uint32_t count, uint64_t seed, uint32_t first, const std::string& work,
                         uint32_t* compared) {
    Differential differential(work);
    uint32_t differing = 0;
    for (uint32_t i = first; i < first + count; ++i)
        if (!differential.Run(seed, i)) ++differing;
    if (differing == 0) RemoveFolder(work);
    *compared = differential.compared_;
    return differing;
}

}  // namespace fuzz
