#include "base/module_state.h"

ModuleState& Module() {
    static ModuleState state;
    return state;
}

int LoadResString(UINT id, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    HINSTANCE from = Module().resources ? Module().resources : Module().instance;
    return LoadStringA(from, id, buffer, size);
}
