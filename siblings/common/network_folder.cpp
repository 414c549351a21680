// Reachability of a folder's drive or network share.
#include "siblings/common/root_probe.h"
#include "siblings/vorda_common.h"

int __stdcall CheckNetworkFolder(const char* path) {
    try {
        return vordacommon::CanReachRoot(vordacommon::SplitFolderPath(path)) ? 0 : 1;
    } catch (...) {
        return 1;
    }
}
