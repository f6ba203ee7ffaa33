// Loads a server module (wave.so), creates its module object through ServerFactory and finds
// its further exports by name.
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

    // An export of the loaded module; nil when it has none.
    template <class F> F Find(const char* name) const { return reinterpret_cast<F>(Symbol(name)); }

    // wave.so next to the running executable.
    static std::string DefaultModulePath();

private:
    void* Symbol(const char* name) const;
    void* Handle = nullptr;
};
