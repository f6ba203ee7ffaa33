// A value change offered to the host: the host fills the value and applies it to the signal.
#pragma once

#include "model/signals/SignalEvent.h"
#include "model/signals/WaveValueInterface.h"

class TSignalNode;

struct IWaveTransition : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{B42C07B7-6C4D-43C2-B071-0D2169F947D2}");
    // The held value's interface, for the host to fill in.
    virtual HResult GetValue(IWaveValue** value) = 0;
    // Sets the value on the signal from the transition's time on.
    virtual HResult Apply() = 0;

protected:
    ~IWaveTransition() = default;
};

// Reference counted: freed with its value when the host releases it.
class TWaveTransition : public TInterfacedObject<IWaveTransition> {
public:
    TWaveTransition(TSignalNode* signal, TSimTime time, TValue value);

    HResult GetValue(IWaveValue** value) override;
    HResult Apply() override;

    TSignalNode* Signal() const { return FSignal; }
    TSimTime Time() const { return FTime; }
    const TValue& Value() const { return FValue; }

private:
    TSignalNode* FSignal; // not owned
    TSimTime FTime;
    TValue FValue;
    TSignalValue FValueInterface;
};
