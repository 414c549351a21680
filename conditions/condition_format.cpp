#include "conditions/condition_format.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "base/module_state.h"
#include "base/text.h"
#include "conditions/string_ids.h"

namespace {

// out := the formatted text when it fits in 260 bytes, else empty.
template <typename... Args>
int32_t FormatPath(char* out, const char* format, Args... args) {
    const int length = std::snprintf(out, MAX_PATH, format, args...);
    if (length < 0 || length >= MAX_PATH) {
        out[0] = '\0';
        return 0;
    }
    return 1;
}

}  // namespace

const char kDivsetFileName[] = "DIVSET.ini";
const char kDivsetSection[] = "CONFIG_INI";

const char kKeyLibrary[] = "LIBRARY";
const char kKeyCabinet[] = "CABINET";
const char kKeyBinder[] = "BINDER";
const char kKeyIndex[] = "INDEX";
const char kKeyTag[] = "TAG";
const char kKeyPosition[] = "POSITION";
const char kKeyFaxSeq[] = "FAX-SEQ";
const char kKeyFaxCheck[] = "FAX-CHECK";
const char kKeyDateType[] = "DATETYPE";
const char kKeyDateWeek[] = "DATEWEEK";

const char* MainSection(int kind) {
    switch (NormalizeKind(kind)) {
        case kScanner:
            return "SCANNER";
        case kFaxReceive:
            return "FAX-RX";
        default:
            return "FAX-TX";
    }
}

const char* UseSection(int kind) {
    switch (NormalizeKind(kind)) {
        case kScanner:
            return "SCANNER_USE";
        case kFaxReceive:
            return "FAX-RX_USE";
        default:
            return "FAX-TX_USE";
    }
}

const char* DivsetKey(int kind) {
    switch (NormalizeKind(kind)) {
        case kScanner:
            return "SCAN";
        case kFaxReceive:
            return "FAX";
        default:
            return "SNDFAX";
    }
}

char KindPrefix(int kind) {
    switch (NormalizeKind(kind)) {
        case kScanner:
            return 's';
        case kFaxReceive:
            return 'f';
        default:
            return 'n';
    }
}

IniEntry QuotedEntry(const char* section, const char* key, const std::string& value) {
    return IniEntry{section, key, '"' + value + '"'};
}

int WriteQuotedValue(const char* section, const char* key, const char* value, const char* file) {
    const IniEntry entry = QuotedEntry(section, key, value != nullptr ? value : "");
    return WritePrivateProfileStringA(section, key, entry.value.c_str(), file) ? 1 : 0;
}

std::string CommasToSeparator(const char* text) {
    std::string out;
    if (text == nullptr) return out;
    // A comma is never the trail byte of a double-byte character, but the
    // scan steps over whole characters all the same.
    for (const char* p = text; *p != '\0';) {
        const size_t step = CharLength(p);
        if (step == 1 && *p == ',')
            out += ListSeparator;
        else
            out.append(p, step);
        p += step;
    }
    return out;
}

namespace {

const condition_ids::TemplateIds& IdsOfKind(int kind) {
    switch (NormalizeKind(kind)) {
        case kScanner:
            return condition_ids::kScannerIds;
        case kFaxReceive:
            return condition_ids::kFaxReceiveIds;
        default:
            return condition_ids::kFaxSendIds;
    }
}

std::string LoadText(unsigned id) {
    if (id == 0) return std::string();
    char text[MAX_PATH];
    LoadResString(id, text, sizeof text);
    return text;
}

// Values of the run whose first id is given, for template index 0..2.
std::string LoadRun(unsigned firstId, int index) {
    return firstId == 0 ? std::string() : LoadText(firstId + static_cast<unsigned>(index));
}

int TemplateIndex(int templateNumber) {
    return (templateNumber == 1 || templateNumber == 2) ? templateNumber - 1 : 2;
}

}  // namespace

ConditionValues LoadTemplateValues(int kind, int templateNumber) {
    const condition_ids::TemplateIds& ids = IdsOfKind(kind);
    const int t = TemplateIndex(templateNumber);
    const bool lists = NormalizeKind(kind) != kScanner;
    auto list = [lists](const std::string& text) {
        return lists ? CommasToSeparator(text.c_str()) : text;
    };
    ConditionValues v;
    v.library = LoadRun(ids.library, t);
    v.cabinet = LoadRun(ids.cabinet, t);
    v.binder = list(LoadRun(ids.binder, t));
    v.index = list(LoadRun(ids.index, t));
    v.tag = list(LoadRun(ids.tag, t));
    v.position = LoadRun(ids.position, t);
    v.libraryUse = LoadRun(ids.libraryUse, t);
    v.cabinetUse = LoadRun(ids.cabinetUse, t);
    v.binderUse = LoadRun(ids.binderUse, t);
    v.indexUse = LoadRun(ids.indexUse, t);
    v.tagUse = LoadRun(ids.tagUse, t);
    v.dateType = LoadRun(ids.dateType, t);
    v.dateWeek = LoadRun(ids.dateWeek, t);
    v.faxSeq = list(LoadRun(ids.faxSeq, t));
    v.faxCheck = list(LoadRun(ids.faxCheck, t));
    return v;
}

ConditionValues LoadReadDefaults(int kind) {
    const condition_ids::TemplateIds& ids = IdsOfKind(kind);
    ConditionValues v = LoadTemplateValues(kind, 1);
    v.dateType = LoadText(ids.readDateType);
    v.dateWeek = LoadText(ids.readDateWeek);
    v.faxSeq.clear();  // the read default of FAX-SEQ is built, not loaded
    return v;
}

unsigned TemplateNameId(int kind, int templateNumber) {
    return IdsOfKind(kind).templateName + static_cast<unsigned>(TemplateIndex(templateNumber));
}

std::string TemplateName(int32_t kind, int32_t number) {
    char name[MAX_PATH];
    LoadResString(TemplateNameId(kind, number), name, sizeof name);
    return name;
}

void MakeConditionPath(int32_t kind, int32_t selector, const char* folder, char* out) {
    if (folder == nullptr || out == nullptr) return;
    switch (selector) {
        case kSelectDivset:
            FormatPath(out, "%s\\%s", folder, kDivsetFileName);
            break;
        case kSelectTemplate1:
        case kSelectTemplate2:
        case kSelectTemplate3:
            FormatPath(out, "%s\\%c%s.INI", folder, KindPrefix(kind),
                       TemplateName(kind, selector).c_str());
            break;
        case kSelectWildcard:
            FormatPath(out, "%s\\%c*.ini", folder, KindPrefix(kind));
            break;
        default:
            FormatPath(out, "%s\\", folder);
            break;
    }
}

int32_t MakeUserConditionPath(int32_t kind, const char* folder, const char* name, char* out) {
    if (folder == nullptr || name == nullptr || out == nullptr) return 0;
    return FormatPath(out, "%s\\%c%s.INI", folder, KindPrefix(kind), name);
}

void ConditionNameFromPath(const char* path, char* name) {
    if (name == nullptr) return;
    name[0] = '\0';
    if (path == nullptr) return;
    // The file name starts after the last path separator (a trail byte 0x5C
    // of a double-byte character is none) and the extension at its last ".".
    const char* fileName = path;
    const char* dot = nullptr;
    for (const char* p = path; *p != '\0';) {
        const size_t step = CharLength(p);
        if (step == 1 && (*p == '\\' || *p == '/' || *p == ':')) {
            fileName = p + 1;
            dot = nullptr;
        } else if (step == 1 && *p == '.') {
            dot = p;
        }
        p += step;
    }
    const char* end = dot != nullptr ? dot : fileName + std::strlen(fileName);
    if (end == fileName) return;
    const char* start = fileName + CharLength(fileName);
    if (start > end) return;
    const size_t length = static_cast<size_t>(end - start);
    std::string base(start, length);
    CopyText(name, MAX_PATH, base.c_str());
}

int32_t IsTemplateName(const char* name) {
    if (name == nullptr) return 0;
    for (int32_t kind = kScanner; kind <= kFaxSend; ++kind)
        for (int32_t number = 1; number <= 3; ++number)
            if (SameTextNoCase(name, TemplateName(kind, number).c_str())) return 1;
    return 0;
}
