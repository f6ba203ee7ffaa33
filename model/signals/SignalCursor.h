// Cursors walk a signal forward through time without new searches: a simple signal's cursor is
// an event index, a compound signal's cursor holds one cursor per child. The signal that walks
// a cursor creates it; its user owns it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class TIndexNode {
public:
    virtual ~TIndexNode() = default;
    virtual bool IsCompound() const = 0;
};

class TIndexSimple : public TIndexNode {
public:
    explicit TIndexSimple(int32_t index) : Index(index) {}
    bool IsCompound() const override { return false; }

    int32_t Index;
};

class TIndexCompound : public TIndexNode {
public:
    bool IsCompound() const override { return true; }

    std::vector<std::unique_ptr<TIndexNode>> Children; // in child order
};
