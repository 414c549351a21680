#include "host/module_loader.h"

namespace host {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    const size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

OptionsModule::~OptionsModule() {
    if (module_) FreeLibrary(module_);
}

bool OptionsModule::Load(std::string& error) {
    const std::string path = ProgramFolder() + "\\VordaEnv.dll";
    module_ = LoadLibraryA(path.c_str());
    if (!module_) {
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    configSet = reinterpret_cast<VordaConfigSetFn>(GetProcAddress(module_, "VordaConfigSet"));
    lumoraConfigSet =
        reinterpret_cast<LumoraLConfigSetFn>(GetProcAddress(module_, "LumoraLConfigSet"));
    if (!configSet || !lumoraConfigSet) {
        error = path + " does not export " + (configSet ? "LumoraLConfigSet" : "VordaConfigSet");
        return false;
    }
    return true;
}

}  // namespace host
