#include "entry/vorda_env_app.h"

#include "base/module_state.h"
#include "resources/resource.h"
#include "siblings/glossa.h"
#include "siblings/vorda_common.h"

const char kLaunchWindowClass[] = IMPORT_DEST_WINDOW_CLASS;

int RegisterLaunchWindowClass(HINSTANCE module) {
    WNDCLASSA known;
    if (GetClassInfoA(module, kLaunchWindowClass, &known)) return 1;
    WNDCLASSA dialogClass;
    if (!GetClassInfoA(module, "#32770", &dialogClass) &&
        !GetClassInfoA(nullptr, "#32770", &dialogClass)) {
        return 0;
    }
    // The template is loaded from module, so the class must belong to it.
    dialogClass.lpszClassName = kLaunchWindowClass;
    dialogClass.hInstance = module;
    return RegisterClassA(&dialogClass) != 0 ? 1 : 0;
}

BOOL VordaEnvApp::InitInstance(HINSTANCE instance) {
    ModuleState& state = Module();
    state.instance = instance;
    state.resources = instance;

    if (HINSTANCE language = GetResourceHandle(instance, 0)) state.resources = language;

    ZeroMemory(state.logPath, sizeof state.logPath);
    if (GetCommonIniPath(state.logPath) < 0) {
        // The load fails: hand the language module back now, nothing else
        // will.
        ExitInstance();
        return FALSE;
    }

    RegisterLaunchWindowClass(state.resources ? state.resources : state.instance);
    return TRUE;
}

int VordaEnvApp::ExitInstance() {
    ModuleState& state = Module();
    if (state.resources != state.instance) {
        if (state.resources != nullptr) FreeLibrary(state.resources);
        state.resources = state.instance;
    }
    return 0;
}
