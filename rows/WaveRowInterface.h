// The interfaces through which other modules reach display rows.
#pragma once

#include "platform/com/Com.h"

#include <cstdint>

struct IWaveSignal;

// Booleans are 32-bit numbers, nonzero for true.
struct IWaveRow : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{A3954E2B-6474-4017-9797-6CC3985DACF4}");
    // Nil when the row shows no signal.
    virtual HResult GetSignal(IWaveSignal** signal) = 0;
    virtual HResult IsCompound(int32_t* compound) = 0;
    virtual HResult IsGroup(int32_t* group) = 0;
    virtual HResult IsCompare(int32_t* compare) = 0;
    virtual HResult IsBus(int32_t* bus) = 0;

protected:
    ~IWaveRow() = default;
};

// Answered by group and compare rows.
struct IWaveGroupRow : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{672A2E41-43C1-46B0-BB3E-4079C37BB27E}");
    virtual HResult GetChildCount(int32_t* count) = 0;
    // Nil when the index is out of range.
    virtual HResult GetChild(int32_t index, IWaveRow** child) = 0;

protected:
    ~IWaveGroupRow() = default;
};
