// A document with its type store and row defaults of known values, for row tests.
#pragma once

#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/Wavetype.h"
#include "rows/RowDefaults.h"
#include "rows/RowTree.h"
#include "rows/WaveRowGroup.h"

#include <memory>
#include <string_view>

// Defaults unlike the built-in ones, so a row that ignores them shows.
class TTestRowDefaults : public TRowDefaults {
public:
    std::string FontText() const override { return "11 0 1 0 0 4660 Courier New"; }
    int32_t SignalHeight() const override { return 16; }
    std::optional<TColor> DefaultStyleColor(bool compoundRow) const override {
        if (!HasDefaultStyle)
            return std::nullopt;
        return compoundRow ? cGroupColor : cColor;
    }
    static constexpr TColor cColor = 111;
    static constexpr TColor cGroupColor = 222;
    bool HasDefaultStyle = true;
};

struct TRowTestBench {
    TRowTestBench() {
        auto defaults = std::make_unique<TTestRowDefaults>();
        Defaults = defaults.get();
        SetRowDefaults(std::move(defaults));
    }
    ~TRowTestBench() { SetRowDefaults(nullptr); }

    TWaveDataType& Type(std::string_view name) { return *Types.FindByName(name); }

    // A top-level signal of the store: a vector of left downto right, or a simple signal.
    TSignalNode& Vector(std::string_view name, int32_t left, int32_t right = 0) {
        return Add(Type("std_logic_vector"), name, left, right);
    }
    TSignalNode& Logic(std::string_view name) { return Add(Type("std_logic"), name, 0, 0); }
    TSignalNode& Add(TWaveDataType& type, std::string_view name, int32_t left, int32_t right) {
        auto signal = CreateSignalForType(type, &Document, nullptr, left, right);
        signal->SetName(name);
        return *Document.SignalStore().Add(std::move(signal));
    }

    template <class TRow> std::unique_ptr<TRow> Row(TSignalNode& signal) {
        auto row = std::make_unique<TRow>();
        row->AttachSignal(&signal);
        return row;
    }
    // A group (or compare) row over new rows of the signals, bound as after reading; the
    // identifier is a new one unless given.
    template <class TRow = TWaveRowGroup>
    std::unique_ptr<TRow> Group(std::string_view name, std::initializer_list<TSignalNode*> members,
                                int32_t identifier = 0) {
        auto group = std::make_unique<TRow>();
        group->SetIdentifier(identifier ? identifier : Document.SignalIDs().AllocateHigh());
        group->SetGroupName(name);
        for (TSignalNode* member : members)
            group->AppendChild(Row<TWaveRowSimple>(*member));
        group->BuildSignal(&Document, &Types);
        return group;
    }

    TWaveDataTypeStore Types;
    TSignalDocument Document;
    TTestRowDefaults* Defaults;
    TRowTree Tree;
};
