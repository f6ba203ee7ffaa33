// The waveform module object that ServerFactory creates.
#pragma once

#include "plugin/AbstractWaveServer.h"

class TWaveServerModule : public TAbstractWaveModule {
public:
    explicit TWaveServerModule(IClient* client);
};

// What the exports do, kept here so they can be reached without loading the shared library.
HResult CreateWaveServerModule(IClient* client, IServerModule** module);
