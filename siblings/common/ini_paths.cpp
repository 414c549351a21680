// The paths of the application's two INI files.
#include "siblings/common/app_folder.h"
#include "siblings/vorda_common.h"

// The owner window would parent a message about a broken installation; this
// library reports such failures through the result only.
int __stdcall GetSettingsIniPath(HWND, char* path) {
    return vordacommon::LocateIniFile("VORDA_SETTINGS_INI", "Vorda.ini", path);
}

int __stdcall GetCommonIniPath(char* path) {
    return vordacommon::LocateIniFile("VORDA_COMMON_INI", "VordaCommon.ini", path);
}
