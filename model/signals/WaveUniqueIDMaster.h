// Allocator of the unique identifiers of one identifier space (types of one store, or the
// signals and rows of one document).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One registered identifier.
using TUniqueIDNum = int32_t;

// Keeps the set of identifiers in use and hands out free ones.
//
// Ranges: 1 to 99 are never handed out (only reserved explicitly); 100 to 1073741822 are handed
// out from the bottom (AllocateLow); 1073741824 to 2147483647 from the top (AllocateHigh);
// 1073741823 is never registered and is the answer when a range is exhausted.
//
// Identifiers are never returned to the pool one by one, so the identifiers from the bottom of
// the low range up to the next AllocateLow candidate are all registered, and so are those from
// the top of the high range down to the next AllocateHigh candidate. These two runs are kept as
// plain arrays of registration positions; every other registered identifier is in an
// open-addressing hash table. Each allocation steps over an identifier at most once, so
// allocation is amortised constant time, and Reserve and IndexOf take constant time.
class TUniqueIDMaster {
public:
    static constexpr int32_t LowFirst = 100;
    static constexpr int32_t Exhausted = 1073741823;
    static constexpr int32_t HighFirst = 2147483647;

    TUniqueIDMaster() = default;
    TUniqueIDMaster(const TUniqueIDMaster&) = delete;
    TUniqueIDMaster& operator=(const TUniqueIDMaster&) = delete;

    // Smallest free identifier from 100 upward below 1073741823, registered; 1073741823 (and
    // nothing registered) when there is none.
    int32_t AllocateLow();
    // Largest free identifier from 2147483647 downward above 1073741823, registered; 1073741823
    // (and nothing registered) when there is none.
    int32_t AllocateHigh();
    // Registers any identifier; false when it is already registered.
    bool Reserve(int32_t id);
    // Position of the identifier in order of registration; -1 when it is not registered.
    int32_t IndexOf(int32_t id) const;
    bool Contains(int32_t id) const { return IndexOf(id) >= 0; }
    // Frees every identifier.
    void Clear();

    int32_t Count() const { return static_cast<int32_t>(Entries.size()); }
    // The identifiers in order of registration.
    const std::vector<TUniqueIDNum>& Items() const { return Entries; }

private:
    struct TSlot {
        int32_t Id = 0;
        int32_t Position = -1; // -1: free slot
    };

    // Registration position of an identifier outside the runs, from the table; -1 if none.
    int32_t TableIndexOf(int32_t id) const;
    size_t SlotOf(int32_t id) const;
    void Grow();

    std::vector<TUniqueIDNum> Entries;
    std::vector<int32_t> LowRun;  // positions of 100, 101, ... up to the next AllocateLow candidate
    std::vector<int32_t> HighRun; // positions of 2147483647, 2147483646, ... likewise downward
    std::vector<TSlot> Slots;     // reserved identifiers; power-of-two size, at most half full
    size_t SlotCount = 0;         // occupied slots
};
