// A document with its type store for signal tests, and short forms of std_logic event lists.
#pragma once

#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/Wavetype.h"

#include <string>
#include <utility>
#include <vector>

// The std_logic value of a letter ("U", "X", "0", "1", ...).
inline TSimpleValue Logic(char letter) {
    return TSimpleValue::OfOrdinal(static_cast<int32_t>(TStdLogicWaveType::Letters.find(letter)));
}

struct TSignalTestBench {
    TWaveDataTypeStore Types;
    TSignalDocument Document;

    TWaveDataType& Type(std::string_view name) { return *Types.FindByName(name); }

    // A std_logic signal with events (time, letter) appended in the order given.
    std::unique_ptr<TSignalSimple> LogicSignal(const std::vector<std::pair<TSimTime, char>>& events,
                                               std::string_view name = "s") {
        auto signal = std::make_unique<TSignalSimple>(&Document);
        signal->AssignNewIdentity(&Document);
        signal->SetName(name);
        signal->SetDataType(&Type("std_logic"));
        for (const auto& [time, letter] : events)
            signal->AppendEvent(0, Logic(letter), time);
        return signal;
    }

    std::unique_ptr<TSignalNode> Create(std::string_view typeName, std::string_view name,
                                        int32_t left = 0, int32_t right = 0) {
        auto signal = CreateSignalForType(Type(typeName), &Document, nullptr, left, right);
        signal->SetName(name);
        return signal;
    }
};

// "time:letter" per event, separated by blanks; an Empty value shows as "-E".
inline std::string EventsText(const TSignalSimple& signal) {
    std::string text;
    for (const TSignalEvent& event : signal.Events()) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(event.Time()) + ":" + TStdLogicWaveType::Letter(event.Value.Ordinal);
        if (event.Value.Empty)
            text += "-E";
    }
    return text;
}
