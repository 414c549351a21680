// Whether a folder is the WorkArea folder or lies inside it.
#include "siblings/common/folder_path.h"
#include "siblings/vorda_common.h"

namespace {
enum WorkAreaResult { kWorkAreaFound = 0, kNoWorkArea = 1, kNoCommonIni = 2 };
}

int __stdcall CheckWorkAreaFolder(const char* path, int* inside) {
    using namespace vordacommon;
    if (inside != nullptr) *inside = 0;
    char ini[MAX_PATH] = {};
    if (GetCommonIniPath(ini) < 0) return kNoCommonIni;
    char workArea[MAX_PATH] = {};
    GetPrivateProfileStringA("Common", "WorkArea", "", workArea, sizeof workArea, ini);
    if (workArea[0] == '\0') return kNoWorkArea;
    try {
        if (inside != nullptr)
            *inside = IsSameOrBelow(SplitFolderPath(path), SplitFolderPath(workArea)) ? 1 : 0;
    } catch (...) {
        // Out of memory: the path is not known to be inside.
    }
    return kWorkAreaFound;
}
