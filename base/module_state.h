// The module's start-up values: set once when the library loads, read
// everywhere else. Nothing else of the module outlives a call.
#pragma once
#include <windows.h>

struct ModuleState {
    HINSTANCE instance = nullptr;   // this library
    HINSTANCE resources = nullptr;  // where strings, dialogs and bitmaps come from
    char logPath[MAX_PATH] = {};    // the common INI path, first argument of WriteLog
};

ModuleState& Module();

// Loads string id from the resource module into buffer (empty text when the
// id has none). Returns the length copied.
int LoadResString(UINT id, char* buffer, int size);
