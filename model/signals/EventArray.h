// The contiguous event array of a simple signal. Events are trivially copyable, so the array
// grows with realloc: large arrays are then moved by remapping their pages instead of being
// copied into freshly faulted memory, which halves the cost of appending millions of events.
#pragma once

#include "model/signals/SignalEvent.h"

#include <cstddef>

class TEventArray {
public:
    TEventArray() = default;
    TEventArray(const TEventArray& other);
    TEventArray& operator=(const TEventArray& other);
    TEventArray(TEventArray&& other) noexcept;
    TEventArray& operator=(TEventArray&& other) noexcept;
    ~TEventArray();

    size_t size() const { return FSize; }
    bool empty() const { return FSize == 0; }
    TSignalEvent* begin() { return FData; }
    TSignalEvent* end() { return FData + FSize; }
    const TSignalEvent* begin() const { return FData; }
    const TSignalEvent* end() const { return FData + FSize; }
    TSignalEvent& operator[](size_t index) { return FData[index]; }
    const TSignalEvent& operator[](size_t index) const { return FData[index]; }
    TSignalEvent& front() { return FData[0]; }
    const TSignalEvent& front() const { return FData[0]; }
    TSignalEvent& back() { return FData[FSize - 1]; }
    const TSignalEvent& back() const { return FData[FSize - 1]; }

    void push_back(const TSignalEvent& event);
    void insert(size_t index, const TSignalEvent& event);
    // Removes the events [first, last).
    void erase(size_t first, size_t last);
    void clear() { FSize = 0; }
    void reserve(size_t capacity);
    // Keeps the first `count` events.
    void truncate(size_t count) { FSize = count < FSize ? count : FSize; }

private:
    void Grow();

    TSignalEvent* FData = nullptr;
    size_t FSize = 0;
    size_t FCapacity = 0;
};
