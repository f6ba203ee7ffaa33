// The value interface through which the host fills values, and its implementation over a
// value of the model.
#pragma once

#include "model/signals/WaveValue.h"
#include "platform/com/Interfaced.h"

#include <memory>
#include <vector>

// Booleans are 32-bit numbers, nonzero for true. The setters act on simple values only.
struct IWaveValue : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{2CC0F9E9-C3B6-48B0-9872-F015CED64BF6}");
    virtual HResult IsCompound(int32_t* compound) = 0;
    virtual HResult GetChildCount(int32_t* count) = 0;
    // Nil when the index is out of range or the value is simple.
    virtual HResult GetChild(int32_t index, IWaveValue** child) = 0;
    // Ordinal becomes the std_logic code of the letter 0 (bit zero) or 1.
    virtual HResult SetLogic(int32_t bit) = 0;
    virtual HResult SetOrdinal(int32_t ordinal) = 0;
    // Ordinal and Drive (CUPL level and drive).
    virtual HResult SetPair(int32_t first, int32_t second) = 0;
    virtual HResult SetReal(double real) = 0;
    virtual HResult SetPhysical(double magnitude, int32_t unit) = 0;

protected:
    ~IWaveValue() = default;
};

// The interface of one value, not owned. Reference counting is off: the owner of the value
// frees it. The interfaces of the elements are made when first asked for and live as long as
// this object; the value's shape must not change meanwhile.
class TSignalValue : public TUncountedObject<IWaveValue> {
public:
    explicit TSignalValue(TValue& value) : FValue(value) {}

    HResult IsCompound(int32_t* compound) override;
    HResult GetChildCount(int32_t* count) override;
    HResult GetChild(int32_t index, IWaveValue** child) override;
    HResult SetLogic(int32_t bit) override;
    HResult SetOrdinal(int32_t ordinal) override;
    HResult SetPair(int32_t first, int32_t second) override;
    HResult SetReal(double real) override;
    HResult SetPhysical(double magnitude, int32_t unit) override;

private:
    TValue& FValue;
    std::vector<std::unique_ptr<TSignalValue>> FChildren;
};
