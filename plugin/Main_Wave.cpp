#include "plugin/Main_Wave.h"

#include "platform/com/Exception.h"
#include "plugin/Commands_Wave.h"
#include "platform/ui/UIService.h"

TWaveServerModule::TWaveServerModule(IClient* client) : TAbstractWaveModule(client) {
    InstallUIServiceFor(client);
    RegisterWaveProcesses(Launcher());
}

HResult CreateWaveServerModule(IClient* client, IServerModule** module) {
    if (module == nullptr)
        return E_POINTER;
    *module = nullptr;
    return GuardCall([&] {
        auto created = TComPtr<IServerModule>::Share(new TWaveServerModule(client));
        *module = created.Get();
        (*module)->AddRef();
    });
}
