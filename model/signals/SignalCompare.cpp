// Comparison signals: their changes are the times at which the equality of the two compared
// signals changes.
#include "model/signals/WaveSignal.h"
#include "model/types/WaveDataType.h"

#include <limits>

bool TSignalCompare::EqualValues(const TValue& value) const {
    if (ChildCount() < 2 || Child(0)->DataType() == nullptr || !value.IsCompound())
        return false;
    const auto& elements = value.Compound().Elements;
    return elements.size() >= 2 && Child(0)->DataType()->ValuesEqual(elements[0], elements[1]);
}

bool TSignalCompare::EqualAtCursor(const TIndexNode& cursor) const {
    TValue value;
    ValueAtCursor(cursor, value);
    return EqualValues(value);
}

bool TSignalCompare::EqualAt(TSimTime time) const {
    return EqualValues(ValueAt(time));
}

TSimTime TSignalCompare::NextChange(const TIndexNode& cursor) const {
    const bool start = EqualAtCursor(cursor);
    TSimTime time = TSignalCompound::NextChange(cursor);
    if (time == NoFurtherChange)
        return time;
    std::unique_ptr<TIndexNode> walker = CursorAt(time);
    while (EqualAtCursor(*walker) == start) {
        time = TSignalCompound::NextChange(*walker);
        if (time == NoFurtherChange)
            break;
        AdvanceCursor(*walker, time);
    }
    return time;
}

TSimTime TSignalCompare::PreviousChange(const TIndexNode&, TSimTime time) const {
    const bool equality = EqualAt(time);
    std::optional<TSimTime> start = LastChangeAtOrBefore(time);
    // Step back segment by segment (times are whole femtoseconds) while the equality holds.
    while (start && *start > std::numeric_limits<TSimTime>::min() &&
           EqualAt(*start - 1) == equality)
        start = LastChangeAtOrBefore(*start - 1);
    return start.value_or(0);
}

TSimTime TSignalCompare::EndTime() const {
    std::unique_ptr<TIndexNode> cursor = CursorAt(0);
    TSimTime end = 0;
    for (TSimTime next = NextChange(*cursor); next != NoFurtherChange; next = NextChange(*cursor)) {
        end = next;
        AdvanceCursor(*cursor, next);
    }
    return end;
}

std::unique_ptr<TSignalNode> TSignalCompare::NewOfSameClass(TSignalDocument* document) const {
    return std::make_unique<TSignalCompare>(document);
}
