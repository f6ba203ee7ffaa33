#include "model/signals/WaveTransition.h"

#include "model/signals/WaveSignal.h"

TWaveTransition::TWaveTransition(TSignalNode* signal, TSimTime time, TValue value)
    : FSignal(signal), FTime(time), FValue(std::move(value)), FValueInterface(FValue) {}

HResult TWaveTransition::GetValue(IWaveValue** value) {
    return HandOut<IWaveValue>(&FValueInterface, value);
}

HResult TWaveTransition::Apply() {
    return GuardCall([&] {
        if (FSignal != nullptr)
            FSignal->SetValueAt(0, FValue, FTime);
    });
}
