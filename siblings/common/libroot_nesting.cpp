// Whether another LibRoot folder lies above or below a folder.
#include <cstdio>

#include "siblings/common/root_probe.h"
#include "siblings/vorda_common.h"

namespace {
enum NestingResult { kNotNested = 0, kNested = 1, kUnreachable = -1 };
const int kLinkFolderCount = 3;
}  // namespace

int __stdcall CheckLibRootNesting(const char* path) {
    using namespace vordacommon;
    try {
        const FolderPath target = SplitFolderPath(path);
        if (!CanReachRoot(target)) return kUnreachable;

        char ini[MAX_PATH] = {};
        if (GetSettingsIniPath(nullptr, ini) < 0) return kNotNested;
        for (int n = 1; n <= kLinkFolderCount; ++n) {
            char key[32];
            std::snprintf(key, sizeof key, "LinkFolder%d", n);
            char value[MAX_PATH] = {};
            GetPrivateProfileStringA("Folder", key, "", value, sizeof value, ini);
            if (value[0] == '\0') continue;
            const FolderPath link = SplitFolderPath(value);
            // The folder's own slot names it too; that is no nesting.
            if (IsSameFolder(link, target)) continue;
            if (IsSameOrBelow(link, target) || IsSameOrBelow(target, link)) return kNested;
        }
        return kNotNested;
    } catch (...) {
        return kUnreachable;
    }
}
