#include "conditions/list_utils.h"

#include <windows.h>

#include <climits>
#include <cstring>
#include <new>

#include "base/paths.h"
#include "base/phase_timer.h"
#include "base/text.h"
#include "siblings/vorda_cnv.h"

namespace {

// Position of the next occurrence of separator at a character start of
// text, from offset from on; npos when there is none.
size_t FindSeparator(const char* text, size_t length, size_t from, const char* separator,
                     size_t separatorLength) {
    size_t i = from;
    while (i < length) {
        if (std::strncmp(text + i, separator, separatorLength) == 0) return i;
        i += CharLength(text + i);
    }
    return std::string::npos;
}

}  // namespace

int32_t SplitList(const char* text, const char* separator, std::vector<std::string>* list) {
    if (text == nullptr || list == nullptr) return 0;
    if (separator == nullptr) separator = "";
    const size_t length = std::strlen(text);
    const size_t separatorLength = std::strlen(separator);
    if (length <= separatorLength) return 0;
    try {
        if (separatorLength == 0) {
            list->push_back(text);
            return 0;
        }
        size_t start = 0;
        for (;;) {
            const size_t found = FindSeparator(text, length, start, separator, separatorLength);
            const size_t end = found == std::string::npos ? length : found;
            list->emplace_back(text + start, end - start);
            if (found == std::string::npos) break;
            start = found + separatorLength;
            if (start >= length) break;  // a trailing separator adds no empty piece
        }
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return 0;
}

int32_t BuildNameEntries(const char* listText, EntryArray* entries) {
    if (entries == nullptr) return 0;
    std::vector<std::string> pieces;
    const int32_t result = SplitList(listText, ",", &pieces);
    if (result != 0) return result;
    try {
        EntryArray built;
        built.reserve(pieces.size());
        for (std::string& piece : pieces) {
            built.emplace_back();
            built.back().text = std::move(piece);
        }
        entries->reserve(entries->size() + built.size());
        for (ListEntry& entry : built) entries->push_back(std::move(entry));
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return 0;
}

int32_t LeadingNumber(const char* text) {
    if (text == nullptr) return 0;
    int64_t value = 0;
    for (const char* p = text; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > INT32_MAX) return INT32_MAX;
    }
    return static_cast<int32_t>(value);
}

namespace {

// NUL-terminated text of at most limit bytes starting at record + offset.
std::string RecordText(const unsigned char* record, size_t offset, size_t limit) {
    const char* start = reinterpret_cast<const char*>(record + offset);
    return std::string(start, strnlen(start, limit));
}

}  // namespace

int32_t BuildBinderEntries(const char* cabinetFolder, const std::vector<std::string>& folderNames,
                           const std::vector<std::string>& positions, EntryArray* entries) {
    if (cabinetFolder == nullptr || entries == nullptr) return 0;
    const size_t count =
        folderNames.size() < positions.size() ? folderNames.size() : positions.size();
    try {
        for (size_t i = 0; i < count; ++i) {
            ListEntry entry;
            entry.folderName = folderNames[i];
            entry.position = LeadingNumber(positions[i].c_str());

            std::string path = JoinPath(cabinetFolder, entry.folderName.c_str());
            std::vector<char> writable(path.begin(), path.end());
            writable.push_back('\0');
            unsigned char record[kBinderInfoSize] = {};
            int answer = 0;
            {
                VORDA_PHASE(kPhaseBinderTitles);
                answer = GetBinderInfo(writable.data(), record);
            }
            if (answer != 1) continue;

            // The title lies at byte 4 (at most 25 bytes), the subtitle at
            // byte 29 up to the end of the record.
            entry.text =
                RecordText(record, kBinderTitleOffset, kBinderSubTitleOffset - kBinderTitleOffset);
            entry.text +=
                RecordText(record, kBinderSubTitleOffset, kBinderInfoSize - kBinderSubTitleOffset);

            auto at = entries->begin();
            while (at != entries->end() && at->position < entry.position) ++at;
            entries->insert(at, std::move(entry));
        }
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return 0;
}

// The marker rules of a "folder.ini" entry:
//  - "$", "%" and "#" are markers; only single-byte characters count (a
//    double-byte character is skipped whole). The last occurrence of each
//    counts, but a marker right after the same marker that was just counted
//    cancels it ("$$", "%%", "##" are literal text; a third counts again).
//  - "#" is dropped when a "$" or "%" lies after it, "%" when a "$" lies
//    after it. "#" is kept only when digits, and nothing else, follow it.
//    "%" is kept only as the last character or right before the kept "#".
//  - Without "$": name = text before "%", else before "#", else all.
//    With "$": name = text between "$" and the next marker, full text = text
//    before "%", else before "#", else all.
int32_t ParseEntryName(ListEntry* entry) {
    if (entry == nullptr) return 0;
    entry->name.clear();
    entry->fullText.clear();
    entry->hasPercent = 0;
    entry->hasDollar = 0;
    entry->hasNumber = 0;
    entry->number = 0;

    const std::string& text = entry->text;
    const char* s = text.c_str();
    const long length = static_cast<long>(std::strlen(s));  // stops at an embedded NUL
    long dollar = -1, percent = -1, hash = -1;
    for (long i = 0; i < length;) {
        const long step = static_cast<long>(CharLength(s + i));
        if (step == 1) {
            long* marker = s[i] == '$'   ? &dollar
                           : s[i] == '%' ? &percent
                           : s[i] == '#' ? &hash
                                         : nullptr;
            if (marker != nullptr) {
                // Right after the same marker that was just counted: cancel.
                if (i > 0 && s[i - 1] == s[i] && *marker == i - 1)
                    *marker = -1;
                else
                    *marker = i;
            }
        }
        i += step;
    }

    if (hash >= 0 && (dollar > hash || percent > hash)) hash = -1;
    if (percent >= 0 && dollar > percent) percent = -1;
    if (hash >= 0) {
        bool digitsOnly = hash + 1 < length;
        for (long i = hash + 1; i < length && digitsOnly; ++i)
            digitsOnly = s[i] >= '0' && s[i] <= '9';
        if (digitsOnly)
            entry->number = LeadingNumber(s + hash + 1);
        else
            hash = -1;
    }
    if (percent >= 0 && !(percent == length - 1 || (hash >= 0 && percent + 1 == hash)))
        percent = -1;

    entry->hasDollar = dollar >= 0 ? 1 : 0;
    entry->hasPercent = percent >= 0 ? 1 : 0;
    entry->hasNumber = hash >= 0 ? 1 : 0;

    const long end = percent >= 0 ? percent : hash >= 0 ? hash : length;
    entry->fullText.assign(s, static_cast<size_t>(end));
    if (dollar < 0)
        entry->name = entry->fullText;
    else
        entry->name.assign(s + dollar + 1, static_cast<size_t>(end - dollar - 1));
    return 0;
}

std::string EntryShownText(const ListEntry& entry) {
    std::string shown = entry.hasDollar ? entry.fullText : entry.name;
    if (entry.hasPercent) shown += '%';
    return shown;
}

void ReleaseEntries(EntryArray* entries) {
    if (entries == nullptr) return;
    EntryArray().swap(*entries);
}
