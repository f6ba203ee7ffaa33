// Events of signals: the compact event of a simple signal's list, and the event a compound
// signal builds from its children.
#pragma once

#include "model/signals/WaveValue.h"

#include <cstdint>
#include <limits>

// Simulation time in femtoseconds.
using TSimTime = int64_t;

// The answer of next-change queries when nothing changes any more.
constexpr TSimTime NoFurtherChange = std::numeric_limits<TSimTime>::max();

// One event of a simple signal: from Time on the signal has Value. Event lists are large, so
// the event is packed to 28 bytes (the time is only 4-byte aligned); read its fields by value.
#pragma pack(push, 4)
struct TSignalEvent {
    TSimTime Time = 0;
    int32_t Tag = 0; // carried for the ASCII format; no operation interprets it
    TSimpleValue Value;
};
#pragma pack(pop)

static_assert(sizeof(TSignalEvent) == 28);
static_assert(std::is_trivially_copyable_v<TSignalEvent>);

// An event handed to a caller, who owns it: a copy of a simple signal's event, or a compound
// signal's event built from its children's events (the latest of their times).
struct TBuiltEvent {
    TSimTime Time = 0;
    int32_t Tag = 0;
    TValue Value;
};
