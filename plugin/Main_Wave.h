// The waveform module object that ServerFactory creates.
#pragma once

#include "plugin/AbstractWaveServer.h"

#include <memory>

class TWavePreferences;
struct IWavePreferences;
struct IWavePrinterOptions;

class TWaveServerModule : public TAbstractWaveModule {
public:
    explicit TWaveServerModule(IClient* client);
    ~TWaveServerModule() override;

protected:
    void DoSavePreferences() override;
    void DoLoadPreferences() override;

private:
    std::unique_ptr<TWavePreferences> Preferences;
};

// What the exports do, kept here so they can be reached without loading the shared library.
HResult CreateWaveServerModule(IClient* client, IServerModule** module);
// Nil with success while no module exists.
HResult GetWavePreferencesOfModule(IWavePreferences** preferences);
// Fails while no module exists.
HResult GetWavePrinterOptionsOfModule(IWavePrinterOptions** options);
