#include "plugin/Main_Wave.h"

#include "controls/OptionsForm.h"
#include "model/types/DisassemblerHook.h"
#include "platform/com/Exception.h"
#include "platform/ui/UIService.h"
#include "plugin/Commands_Wave.h"
#include "preferences/WaveOptions.h"
#include "preferences/WavePreferences.h"
#include "rows/PreferencesRowDefaults.h"
#include "rows/RT_Disassemblers.h"

TWaveServerModule::TWaveServerModule(IClient* client)
    : TAbstractWaveModule(client), Preferences(std::make_unique<TWavePreferences>()) {
    InstallUIServiceFor(client);
    SetDisassemblerLookup({&DisassemblerWordWidth, &DisassembleWord});
    SetRowDefaults(std::make_unique<TPreferencesRowDefaults>());
    RegisterWaveProcesses(Launcher());
    RegisterOptionsPage("General", [this] {
        return MakeOptionsView<TPreferences>(static_cast<IServerModule*>(this), *Preferences);
    });
    // Published only once loaded: a failed load must not leave the global behind.
    DoLoadPreferences();
    SetWavePreferences(Preferences.get());
}

TWaveServerModule::~TWaveServerModule() {
    if (WavePreferences() == Preferences.get())
        SetWavePreferences(nullptr);
}

TComPtr<IServerDocument> TWaveServerModule::NewDocument(const std::string& kind,
                                                        const std::string& fileName) {
    auto* document = new TWaveEditDocument(this, kind, fileName);
    auto held = TComPtr<IServerDocument>::Share(document);
    try {
        document->Initialize();
    } catch (...) {
        // Views made so far hold the document: they must go, or it never would.
        document->Close();
        throw;
    }
    return held;
}

// Without a host there is no storage: the preferences keep their values.
void TWaveServerModule::DoSavePreferences() {
    if (Client())
        Preferences->Save(*Client());
}

void TWaveServerModule::DoLoadPreferences() {
    if (Client())
        Preferences->Load(*Client());
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

HResult GetWavePreferencesOfModule(IWavePreferences** preferences) {
    if (preferences == nullptr)
        return E_POINTER;
    *preferences = WavePreferences();
    if (*preferences)
        (*preferences)->AddRef();
    return S_OK;
}

HResult GetWavePrinterOptionsOfModule(IWavePrinterOptions** options) {
    if (options == nullptr)
        return E_POINTER;
    *options = nullptr;
    TWavePreferences* preferences = WavePreferences();
    if (preferences == nullptr)
        return E_FAIL;
    *options = &preferences->PrinterOptions;
    (*options)->AddRef();
    return S_OK;
}
