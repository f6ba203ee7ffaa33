#include "model/signals/WaveValueInterface.h"

#include "platform/com/Exception.h"

HResult TSignalValue::IsCompound(int32_t* compound) {
    if (compound == nullptr)
        return E_POINTER;
    *compound = FValue.IsCompound() ? 1 : 0;
    return S_OK;
}

HResult TSignalValue::GetChildCount(int32_t* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = FValue.IsCompound() ? static_cast<int32_t>(FValue.Compound().Elements.size()) : 0;
    return S_OK;
}

HResult TSignalValue::GetChild(int32_t index, IWaveValue** child) {
    if (const HResult cleared = ClearOut(child); Failed(cleared))
        return cleared;
    if (!FValue.IsCompound())
        return S_OK;
    auto& elements = FValue.Compound().Elements;
    if (index < 0 || static_cast<size_t>(index) >= elements.size())
        return S_OK;
    return GuardCall([&] {
        FChildren.resize(elements.size());
        auto& slot = FChildren[static_cast<size_t>(index)];
        if (!slot)
            slot = std::make_unique<TSignalValue>(elements[static_cast<size_t>(index)]);
        HandOut<IWaveValue>(slot.get(), child);
    });
}

HResult TSignalValue::SetLogic(int32_t bit) {
    if (FValue.IsSimple())
        FValue.Simple().Ordinal = bit != 0 ? 3 : 2;
    return S_OK;
}

HResult TSignalValue::SetOrdinal(int32_t ordinal) {
    if (FValue.IsSimple())
        FValue.Simple().Ordinal = ordinal;
    return S_OK;
}

HResult TSignalValue::SetPair(int32_t first, int32_t second) {
    if (FValue.IsSimple()) {
        FValue.Simple().Ordinal = first;
        FValue.Simple().Drive = second;
    }
    return S_OK;
}

HResult TSignalValue::SetReal(double real) {
    if (FValue.IsSimple())
        FValue.Simple().SetReal(real);
    return S_OK;
}

HResult TSignalValue::SetPhysical(double magnitude, int32_t unit) {
    if (FValue.IsSimple()) {
        FValue.Simple().SetReal(magnitude);
        FValue.Simple().Unit = unit;
    }
    return S_OK;
}
