// Loads a server module (wave.so) and creates its module object through ServerFactory.
#pragma once

#include "plugin/RT_ClientServerInterface.h"

#include <string>

class TModuleLoader {
public:
    TModuleLoader() = default;
    TModuleLoader(const TModuleLoader&) = delete;
    TModuleLoader& operator=(const TModuleLoader&) = delete;
    ~TModuleLoader();

    // Throws Exception with the loader's message when the library or its factory is missing.
    TComPtr<IServerModule> Load(const std::string& path, IClient* client);

    // wave.so next to the running executable.
    static std::string DefaultModulePath();

private:
    void* Handle = nullptr;
};
