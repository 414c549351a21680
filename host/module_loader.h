// VordaEnv.dll loaded the way the application loads it: from the program's
// folder with LoadLibraryA, its operations found by name.
#pragma once
#include <windows.h>

#include <string>

namespace host {

using VordaConfigSetFn = int(__stdcall*)(int mode, char* rootPath1, char* rootPath2,
                                         char* rootPath3, int* currentRootIndex, int* messageShow);
using LumoraLConfigSetFn = int(__stdcall*)();

class OptionsModule {
public:
    OptionsModule() = default;
    ~OptionsModule();
    OptionsModule(const OptionsModule&) = delete;
    OptionsModule& operator=(const OptionsModule&) = delete;

    // Loads the module; on failure returns false and error says why.
    bool Load(std::string& error);

    VordaConfigSetFn configSet = nullptr;
    LumoraLConfigSetFn lumoraConfigSet = nullptr;

    HMODULE handle() const { return module_; }

private:
    HMODULE module_ = nullptr;
};

// The folder of this program, without a trailing backslash.
std::string ProgramFolder();

}  // namespace host
