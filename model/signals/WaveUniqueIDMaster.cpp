#include "model/signals/WaveUniqueIDMaster.h"

namespace {
constexpr size_t InitialSlots = 64;
} // namespace

int32_t TUniqueIDMaster::AllocateLow() {
    for (;;) {
        const int64_t candidate = LowFirst + static_cast<int64_t>(LowRun.size());
        if (candidate >= Exhausted)
            return Exhausted;
        const auto id = static_cast<int32_t>(candidate);
        const int32_t position = TableIndexOf(id);
        if (position < 0) {
            LowRun.push_back(Count());
            Entries.push_back(id);
            return id;
        }
        LowRun.push_back(position); // reserved before: the run passes over it
    }
}

int32_t TUniqueIDMaster::AllocateHigh() {
    for (;;) {
        const int64_t candidate = HighFirst - static_cast<int64_t>(HighRun.size());
        if (candidate <= Exhausted)
            return Exhausted;
        const auto id = static_cast<int32_t>(candidate);
        const int32_t position = TableIndexOf(id);
        if (position < 0) {
            HighRun.push_back(Count());
            Entries.push_back(id);
            return id;
        }
        HighRun.push_back(position);
    }
}

bool TUniqueIDMaster::Reserve(int32_t id) {
    if (Contains(id))
        return false;
    if ((SlotCount + 1) * 2 > Slots.size())
        Grow();
    Slots[SlotOf(id)] = {id, Count()};
    ++SlotCount;
    Entries.push_back(id);
    return true;
}

int32_t TUniqueIDMaster::IndexOf(int32_t id) const {
    const int64_t low = static_cast<int64_t>(id) - LowFirst;
    if (low >= 0 && low < static_cast<int64_t>(LowRun.size()))
        return LowRun[static_cast<size_t>(low)];
    const int64_t high = HighFirst - static_cast<int64_t>(id);
    if (high >= 0 && high < static_cast<int64_t>(HighRun.size()))
        return HighRun[static_cast<size_t>(high)];
    return TableIndexOf(id);
}

void TUniqueIDMaster::Clear() {
    Entries.clear();
    LowRun.clear();
    HighRun.clear();
    Slots.clear();
    SlotCount = 0;
}

int32_t TUniqueIDMaster::TableIndexOf(int32_t id) const {
    return Slots.empty() ? -1 : Slots[SlotOf(id)].Position;
}

// The slot holding the identifier, or the free slot where it belongs (linear probing over
// Fibonacci hashing).
size_t TUniqueIDMaster::SlotOf(int32_t id) const {
    const size_t mask = Slots.size() - 1;
    size_t slot =
        static_cast<size_t>(
            (static_cast<uint64_t>(static_cast<uint32_t>(id)) * 0x9E3779B97F4A7C15ull) >> 32) &
        mask;
    while (Slots[slot].Position >= 0 && Slots[slot].Id != id)
        slot = (slot + 1) & mask;
    return slot;
}

void TUniqueIDMaster::Grow() {
    std::vector<TSlot> old(Slots.empty() ? InitialSlots : Slots.size() * 2);
    Slots.swap(old);
    for (const TSlot& entry : old)
        if (entry.Position >= 0)
            Slots[SlotOf(entry.Id)] = entry;
}
