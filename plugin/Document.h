// The interfaces of the waveform document classes.
#pragma once

#include "plugin/WaveDoc.h"

// Offered only by editable documents; edit processes route through it.
struct IWaveEditDocument : IAbstractWaveDoc {
    using Inherited = IAbstractWaveDoc;
    static constexpr TGUID IID = TGUID::Parse("{F0C4F1F3-7AC3-49F9-A620-9142D6CB227E}");
};
