// The waveform module's framework layer: the module name, and host notifications accepted
// and ignored.
#pragma once

#include "plugin/RT_ServerImplementation.h"

class TAbstractWaveModule : public TServerModule {
public:
    explicit TAbstractWaveModule(IClient* client) : TServerModule(client, "Wave") {}
};
