#include "host/ModuleLoader.h"

#include "platform/com/Exception.h"

#include <dlfcn.h>
#include <filesystem>

TModuleLoader::~TModuleLoader() {
    if (Handle)
        dlclose(Handle);
}

TComPtr<IServerModule> TModuleLoader::Load(const std::string& path, IClient* client) {
    Handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (Handle == nullptr)
        throw Exception("Cannot load module " + path + ": " + dlerror());
    auto factory = reinterpret_cast<TServerFactoryFunc>(dlsym(Handle, "ServerFactory"));
    if (factory == nullptr)
        throw Exception("Module " + path + " has no ServerFactory");
    TComPtr<IServerModule> module;
    OleCheck(factory(client, module.Out()));
    if (!module)
        throw Exception("Module " + path + " created no module object");
    return module;
}

void* TModuleLoader::Symbol(const char* name) const {
    return Handle ? dlsym(Handle, name) : nullptr;
}

std::string TModuleLoader::DefaultModulePath() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "wave.so";
    return (exe.parent_path() / "wave.so").string();
}
