#include "model/signals/EventArray.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

TEventArray::TEventArray(const TEventArray& other) {
    reserve(other.FSize);
    if (other.FSize > 0)
        std::memcpy(FData, other.FData, other.FSize * sizeof(TSignalEvent));
    FSize = other.FSize;
}

TEventArray& TEventArray::operator=(const TEventArray& other) {
    if (this != &other) {
        TEventArray copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TEventArray::TEventArray(TEventArray&& other) noexcept
    : FData(std::exchange(other.FData, nullptr)), FSize(std::exchange(other.FSize, 0)),
      FCapacity(std::exchange(other.FCapacity, 0)) {}

TEventArray& TEventArray::operator=(TEventArray&& other) noexcept {
    if (this != &other) {
        std::free(FData);
        FData = std::exchange(other.FData, nullptr);
        FSize = std::exchange(other.FSize, 0);
        FCapacity = std::exchange(other.FCapacity, 0);
    }
    return *this;
}

TEventArray::~TEventArray() {
    std::free(FData);
}

void TEventArray::reserve(size_t capacity) {
    if (capacity <= FCapacity)
        return;
    if (capacity > SIZE_MAX / sizeof(TSignalEvent))
        throw std::bad_alloc();
    void* grown = std::realloc(FData, capacity * sizeof(TSignalEvent));
    if (grown == nullptr)
        throw std::bad_alloc();
    FData = static_cast<TSignalEvent*>(grown);
    FCapacity = capacity;
}

void TEventArray::Grow() {
    reserve(FCapacity < 8 ? 8 : FCapacity * 2);
}

void TEventArray::push_back(const TSignalEvent& event) {
    if (FSize == FCapacity)
        Grow();
    FData[FSize++] = event;
}

void TEventArray::insert(size_t index, const TSignalEvent& event) {
    if (FSize == FCapacity)
        Grow();
    std::memmove(FData + index + 1, FData + index, (FSize - index) * sizeof(TSignalEvent));
    FData[index] = event;
    ++FSize;
}

void TEventArray::erase(size_t first, size_t last) {
    if (first >= last)
        return;
    std::memmove(FData + first, FData + last, (FSize - last) * sizeof(TSignalEvent));
    FSize -= last - first;
}
