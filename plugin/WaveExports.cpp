// The functions the host finds in wave.so by name.
#include "plugin/Main_Wave.h"

#include <dlfcn.h>

namespace {
// When the host exports its client interface, the module takes it as the current client as soon
// as it is loaded; ServerFactory stores its argument again.
struct TResolveClientAtLoad {
    TResolveClientAtLoad() {
        auto get =
            reinterpret_cast<TClientInterfaceFunc>(dlsym(RTLD_DEFAULT, cClientInterfaceExport));
        IClient* client = nullptr;
        if (get && Succeeded(get(&client)))
            SetCurrentClient(client);
    }
} gResolveClientAtLoad;
} // namespace

extern "C" {

__attribute__((visibility("default"))) HResult ServerFactory(IClient* client,
                                                             IServerModule** module) {
    return CreateWaveServerModule(client, module);
}

// Nil until the module exists.
__attribute__((visibility("default"))) HResult GetWavePreferences(IWavePreferences** preferences) {
    return GetWavePreferencesOfModule(preferences);
}

// Needs the module's preferences object, which owns the printer options.
__attribute__((visibility("default"))) HResult
GetWavePrinterOptions(IWavePrinterOptions** options) {
    return GetWavePrinterOptionsOfModule(options);
}
}
