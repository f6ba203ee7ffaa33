// The data-type interface through which the host defines and configures types.
#pragma once

#include "platform/com/Com.h"

#include <cstdint>

// Names are zero-terminated texts. Every method answers S_OK on types that do not implement it
// and does nothing there.
struct IWaveDataType : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{3A59559B-1C19-4982-A11C-5220A4A94929}");
    virtual HResult SetLeftBound(int32_t bound) = 0;
    virtual HResult SetRightBound(int32_t bound) = 0;
    virtual HResult SetElementType(const char* name) = 0;
    virtual HResult SetConstrainedElementType(const char* name, int32_t left, int32_t right) = 0;
    virtual HResult AddField(const char* typeName, const char* fieldName) = 0;
    virtual HResult AddConstrainedField(const char* typeName, const char* fieldName, int32_t left,
                                        int32_t right) = 0;
    // Always answers a nil interface.
    virtual HResult QueryNil(IUnknown** result) = 0;
    virtual HResult AddLiteral(const char* name) = 0;
    virtual HResult AddUnit(const char* name, int32_t multiplier, const char* baseUnitName) = 0;
    virtual HResult SetDesignatedType(const char* name) = 0;

protected:
    ~IWaveDataType() = default;
};
