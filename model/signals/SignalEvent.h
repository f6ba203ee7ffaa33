// Events of signals: the compact event of a simple signal's list, and the event a compound
// signal builds from its children.
#pragma once

#include "model/signals/WaveValue.h"

#include <cstdint>
#include <cstring>
#include <limits>

// Simulation time in femtoseconds.
using TSimTime = int64_t;

// The answer of next-change queries when nothing changes any more.
constexpr TSimTime NoFurtherChange = std::numeric_limits<TSimTime>::max();

// One event of a simple signal: from its time on the signal has Value. Event lists are large,
// so the event takes 28 bytes: the time is kept in two 4-byte words (an 8-byte field would pad
// the event to 32 bytes) and read through Time().
struct TSignalEvent {
    TSignalEvent() = default;
    TSignalEvent(TSimTime time, int32_t tag, const TSimpleValue& value) : Tag(tag), Value(value) {
        SetTime(time);
    }

    TSimTime Time() const {
        TSimTime time;
        std::memcpy(&time, TimeWords, sizeof time);
        return time;
    }
    void SetTime(TSimTime time) { std::memcpy(TimeWords, &time, sizeof time); }

    int32_t TimeWords[2] = {0, 0};
    int32_t Tag = 0; // carried for the ASCII format; no operation interprets it
    TSimpleValue Value;
};

static_assert(sizeof(TSignalEvent) == 28);
static_assert(std::is_trivially_copyable_v<TSignalEvent>);

// An event handed to a caller, who owns it: a copy of a simple signal's event, or a compound
// signal's event built from its children's events (the latest of their times).
struct TBuiltEvent {
    TSimTime Time = 0;
    int32_t Tag = 0;
    TValue Value;
};
