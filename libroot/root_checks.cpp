#include "libroot/root_checks.h"

#include <cstring>

#include "base/paths.h"
#include "base/text.h"
#include "resources/resource.h"
#include "siblings/vorda_common.h"

namespace {

const int kMaxPathLength = 160;
const int kMaxAliasLength = 30;

// Event codes of the diagnostic log.
const int kLogLibRootCheck = 19;
const int kLogInvalidPath = 100;

const char kLogUnreachable[] = "Cannot connect the network link folder. ";
const char kLogNotWritable[] = "The selected link folder is readonly or is not directory. ";
const char kLogNested[] = "Invalid link folder path. ";
const char kLogNoWorkArea[] = "Cannot get workdesk path. ";
const char kLogInWorkArea[] = "LinkFolder path is same with workdesk path. ";

RootFinding Finding(UINT messageId, int line, int result, int code, const char* text,
                    RootField field) {
    RootFinding f;
    f.messageId = messageId;
    f.line = line;
    f.result = result;
    f.logCode = code;
    f.logText = text;
    f.field = field;
    return f;
}

RootCheck Reject(RootCheck check, const RootFinding& finding) {
    check.rejection = finding;
    return check;
}

// Not inside the WorkArea folder; a WorkArea that cannot be found is noted
// and passes.
bool CheckWorkArea(const char* path, RootCheck* check) {
    int inside = 0;
    const int result = CheckWorkAreaFolder(path, &inside);
    if (result != 0) {
        check->notes[check->noteCount++] =
            Finding(0, __LINE__, result, kLogLibRootCheck, kLogNoWorkArea, kRootFieldNone);
        return true;
    }
    if (inside == 0) return true;
    check->rejection = Finding(IDS_ROOT_IN_WORKAREA, __LINE__, 0, kLogLibRootCheck, kLogInWorkArea,
                               kRootFieldPath);
    return false;
}

// The path's length, then the alias: not blank, not too long.
bool CheckLengths(const char* path, const char* alias, RootCheck* check) {
    if (static_cast<int>(std::strlen(path)) > kMaxPathLength) {
        check->rejection =
            Finding(IDS_ROOT_TOO_LONG, __LINE__, 0, kLogLibRootCheck,
                    "The length of the selected link folder is too long.", kRootFieldPath);
        return false;
    }
    if (IsBlankText(alias)) {
        check->rejection =
            Finding(IDS_ALIAS_REQUIRED, __LINE__, 0, kLogLibRootCheck,
                    "The name of the selected link folder is empty.", kRootFieldAlias);
        return false;
    }
    if (static_cast<int>(std::strlen(alias)) > kMaxAliasLength) {
        check->rejection =
            Finding(IDS_ALIAS_TOO_LONG, __LINE__, 0, kLogLibRootCheck,
                    "The name of the selected link folder is too long.", kRootFieldAlias);
        return false;
    }
    return true;
}

}  // namespace

RootCheck CheckCurrentRootReach(const char* path) {
    RootCheck check;
    if (path == nullptr || path[0] == '\0') {
        return Reject(check, Finding(IDS_ROOT_INACCESSIBLE, __LINE__, 0, kLogLibRootCheck,
                                     "The selected link folder is empty.", kRootFieldPath));
    }
    int result = CheckNetworkFolder(path);
    if (result != 0) {
        return Reject(check, Finding(IDS_ROOT_INACCESSIBLE, __LINE__, result, kLogLibRootCheck,
                                     kLogUnreachable, kRootFieldPath));
    }
    result = CheckLibRootNesting(path);
    if (result == -1 || result == -2) {
        return Reject(check, Finding(IDS_ROOT_INACCESSIBLE, __LINE__, result, kLogLibRootCheck,
                                     kLogUnreachable, kRootFieldPath));
    }
    if (result != 0) {
        return Reject(check, Finding(IDS_ROOT_NESTED, __LINE__, result, kLogInvalidPath, kLogNested,
                                     kRootFieldPath));
    }
    CheckWorkArea(path, &check);
    return check;
}

RootCheck CheckCurrentRootUse(const char* path, const char* alias) {
    RootCheck check;
    if (path == nullptr) path = "";
    if (alias == nullptr) alias = "";
    // A missing folder reads as all bits set and so passes here; the write
    // test below rejects it.
    const DWORD attributes = GetFileAttributesA(path);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || !CanCreateFileIn(path)) {
        return Reject(check, Finding(IDS_ROOT_INACCESSIBLE, __LINE__, 0, kLogLibRootCheck,
                                     kLogNotWritable, kRootFieldPath));
    }
    CheckLengths(path, alias, &check);
    return check;
}

RootCheck CheckOtherRoot(const char* path, const char* alias, const char* previousPath) {
    RootCheck check;
    if (path == nullptr) path = "";
    if (alias == nullptr) alias = "";
    if (path[0] == '\0') {
        if (alias[0] == '\0') {
            check.inUse = 0;
            return check;
        }
        return Reject(check, Finding(IDS_ROOT_INACCESSIBLE, __LINE__, 0, kLogLibRootCheck,
                                     "The name of the selected link folder is not empty,but the "
                                     "link folder's path is empty.",
                                     kRootFieldPath));
    }
    if (!CheckLengths(path, alias, &check)) return check;
    if (!SameTextNoCase(path, previousPath != nullptr ? previousPath : "")) {
        const int result = CheckLibRootNesting(path);
        if (result != 0 && result != -1 && result != -2) {
            return Reject(check, Finding(IDS_ROOT_NESTED, __LINE__, result, kLogInvalidPath,
                                         kLogNested, kRootFieldPath));
        }
    }
    CheckWorkArea(path, &check);
    return check;
}

RootCheck CheckRootAliases(const char* const aliases[3], const int inUse[3], int* slot) {
    RootCheck check;
    static const int kPairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& pair : kPairs) {
        const int a = pair[0];
        const int b = pair[1];
        if (inUse[a] && inUse[b] && std::strcmp(aliases[a], aliases[b]) == 0) {
            if (slot != nullptr) *slot = a;
            return Reject(check,
                          Finding(IDS_ALIAS_DUPLICATED, __LINE__, 0, kLogLibRootCheck,
                                  "The name of the link folder is duplicated.", kRootFieldAlias));
        }
    }
    return check;
}
