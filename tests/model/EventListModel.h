// A std_logic signal modelled as its value at every time of a small window. Edits go to the
// signal and to the model; afterwards the event list must keep its three rules (times
// increasing from 0, no repeated value) and give the model's value at every time.
#pragma once

#include "model/signals/WaveSignal.h"
#include "model/types/SimpleTypes.h"

#include <array>
#include <string>
#include <vector>

class TEventListModel {
public:
    static constexpr TSimTime Window = 40;
    static constexpr int PaletteSize = 4;

    // The signal holds the single event (0, '0').
    explicit TEventListModel(TSignalSimple& signal) : Signal(signal), Cells(Window, 0) {}

    // `cell` picks one of four values, one of them Empty.
    void SetValueAt(TSimTime time, int cell) {
        Signal.SetValueAt(0, Value(cell), time);
        if (time >= 0)
            FillFrom(time, cell); // from the time up to the next change
    }

    void DeleteEventAt(int32_t index) {
        Signal.DeleteEventAt(index);
        const std::vector<TSimTime> changes = Changes();
        if (index > 0 && index < static_cast<int32_t>(changes.size())) {
            const TSimTime time = changes[static_cast<size_t>(index)];
            FillFrom(time, At(time - 1));
        }
    }

    // The first event stays: start is at least 1.
    void DeleteEventsIn(TSimTime start, TSimTime end) {
        Signal.DeleteEventsIn(start, end);
        TSimTime stop = Window;
        for (TSimTime time : Changes())
            if (time >= end) {
                stop = time;
                break;
            }
        const int before = At(start - 1);
        for (TSimTime time = start; time < stop; ++time)
            Cells[static_cast<size_t>(time)] = before;
    }

    int32_t ChangeCount() const { return static_cast<int32_t>(Changes().size()); }

    // Empty when the signal agrees with the model; otherwise what is wrong.
    std::string Mismatch() const {
        const TEventArray& events = Signal.Events();
        const TWaveDataType& type = *Signal.DataType();
        if (events.empty() || events.front().Time() != 0)
            return "the first event is not at 0";
        for (size_t i = 1; i < events.size(); ++i) {
            if (events[i - 1].Time() >= events[i].Time())
                return "times out of order at " + std::to_string(i);
            if (type.ValuesEqual(events[i - 1].Value, events[i].Value))
                return "repeated value at " + std::to_string(i);
        }
        for (TSimTime time = 0; time < Window; ++time)
            if (!type.ValuesEqual(Signal.EventInForce(time)->Value, Value(At(time))))
                return "wrong value at " + std::to_string(time);
        std::vector<TSimTime> walked{0};
        auto cursor = Signal.CursorAt(0);
        for (TSimTime next = Signal.NextChange(*cursor); next != NoFurtherChange;
             next = Signal.NextChange(*cursor)) {
            walked.push_back(next);
            Signal.AdvanceCursor(*cursor, next);
        }
        if (walked != Changes())
            return "cursor walk differs";
        return {};
    }

private:
    static TSimpleValue Value(int cell) {
        constexpr std::array<char, PaletteSize> letters = {'0', '1', 'X', 'U'};
        const char letter = letters[static_cast<size_t>(cell % PaletteSize)];
        TSimpleValue value =
            TSimpleValue::OfOrdinal(static_cast<int32_t>(TStdLogicWaveType::Letters.find(letter)));
        value.Empty = letter == 'U';
        return value;
    }
    int At(TSimTime time) const { return Cells[static_cast<size_t>(time)]; }
    void FillFrom(TSimTime from, int cell) {
        const int old = At(from);
        for (TSimTime time = from; time < Window && At(time) == old; ++time)
            Cells[static_cast<size_t>(time)] = cell % PaletteSize;
    }
    // Times at which the model's value changes, 0 first: the event times the list must have.
    std::vector<TSimTime> Changes() const {
        std::vector<TSimTime> times{0};
        for (TSimTime time = 1; time < Window; ++time)
            if (At(time) != At(time - 1))
                times.push_back(time);
        return times;
    }

    TSignalSimple& Signal;
    std::vector<int> Cells;
};
