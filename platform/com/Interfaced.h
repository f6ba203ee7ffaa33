// Implementation bases for objects that offer interfaces.
#pragma once

#include "platform/com/Com.h"

// Counts references and frees itself when the last one is released.
template <class... Interfaces> class TInterfacedObject : public Interfaces... {
public:
    HResult QueryInterface(const TGUID& iid, void** object) override {
        return TInterfaceTable<TInterfacedObject, Interfaces...>::Query(this, iid, object);
    }
    int32_t AddRef() override { return ++RefCount; }
    int32_t Release() override {
        const int32_t count = --RefCount;
        if (count == 0)
            delete this;
        return count;
    }
    virtual ~TInterfacedObject() = default;

private:
    int32_t RefCount = 0;
};

// Offered through interfaces but freed by its owner: reference counting is switched off.
template <class... Interfaces> class TUncountedObject : public Interfaces... {
public:
    HResult QueryInterface(const TGUID& iid, void** object) override {
        return TInterfaceTable<TUncountedObject, Interfaces...>::Query(this, iid, object);
    }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }
    virtual ~TUncountedObject() = default;
};
