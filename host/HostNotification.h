// A notification the host broadcasts to the receivers modules registered.
#pragma once

#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

class THostNotification : public TInterfacedObject<IHostNotification> {
public:
    explicit THostNotification(int32_t code) : Code(code) {}
    HResult GetCode(int32_t* code) override {
        if (code == nullptr)
            return E_POINTER;
        *code = Code;
        return S_OK;
    }

private:
    int32_t Code;
};
