// Simple signals: the event list, its edit primitives and its cursors.
#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/SimpleTypes.h"

#include <algorithm>

namespace {

auto TimeBefore = [](const TSignalEvent& event, TSimTime time) { return event.Time() < time; };
auto TimeAfter = [](TSimTime time, const TSignalEvent& event) { return time < event.Time(); };

// The default value of a simple type: its value of the empty text.
TSimpleValue DefaultValue(const TWaveDataType* type) {
    const auto* simple = dynamic_cast<const TWaveSimpleType*>(type);
    std::optional<TSimpleValue> value = simple ? simple->ValueFromText("") : std::nullopt;
    return value.value_or(TSimpleValue());
}

} // namespace

int32_t TSignalSimple::KindCode() const {
    return SignalKind::Simple;
}
bool TSignalSimple::IsCompound() const {
    return false;
}

bool TSignalSimple::Equal(const TSimpleValue& a, const TSimpleValue& b) const {
    if (DataType() != nullptr)
        return DataType()->ValuesEqual(a, b);
    return a.Empty == b.Empty && a.Ordinal == b.Ordinal && a.Drive == b.Drive && a.Unit == b.Unit;
}

TSignalSimple::TFound TSignalSimple::FindEvent(TSimTime time) const {
    const auto it = std::lower_bound(FEvents.begin(), FEvents.end(), time, TimeBefore);
    const auto index = static_cast<int32_t>(it - FEvents.begin());
    return {it != FEvents.end() && it->Time() == time, index};
}

int32_t TSignalSimple::EventIndexAt(TSimTime time) const {
    const auto it = std::upper_bound(FEvents.begin(), FEvents.end(), time, TimeAfter);
    return std::max<int32_t>(0, static_cast<int32_t>(it - FEvents.begin()) - 1);
}

const TSignalEvent* TSignalSimple::EventInForce(TSimTime time) const {
    if (FEvents.empty())
        return nullptr;
    return &FEvents[static_cast<size_t>(EventIndexAt(time))];
}

const TSignalEvent* TSignalSimple::EventAtOrAfter(TSimTime time) const {
    const int32_t index = FindEvent(time).Index;
    return index < EventCount() ? &FEvents[static_cast<size_t>(index)] : nullptr;
}

void TSignalSimple::SetValueAt(int32_t tag, TValueRef value, TSimTime time) {
    if (!value.IsCompound())
        SetValueAt(tag, value.Simple(), time);
}

void TSignalSimple::SetValueAt(int32_t tag, const TSimpleValue& value, TSimTime time) {
    // An empty list has no first event before which the time could lie: the value becomes the
    // first event.
    if (FEvents.empty()) {
        FEvents.push_back({time, tag, value});
        return;
    }
    const auto [found, i] = FindEvent(time);
    const int32_t last = EventCount() - 1;
    auto at = [&](int32_t index) -> TSignalEvent& { return FEvents[static_cast<size_t>(index)]; };
    auto equals = [&](int32_t index) { return Equal(value, at(index).Value); };
    if (found) {
        if (i == 0) {
            if (last >= 1 && equals(1))
                Erase(1, 2);
            at(0).Value = value;
        } else if (i == last) {
            if (equals(i))
                return;
            if (equals(i - 1))
                Erase(i, i + 1);
            else
                at(i).Value = value;
        } else if (!equals(i)) {
            if (equals(i - 1))
                Erase(i, equals(i + 1) ? i + 2 : i + 1);
            else if (!equals(i + 1))
                at(i).Value = value;
            else {
                // The next event takes over from the time on; it keeps its tag.
                at(i + 1).SetTime(time);
                Erase(i, i + 1);
            }
        }
        return;
    }
    if (i == 0)
        return; // before the first event: the initial value stays
    if (i == EventCount()) {
        if (!equals(last))
            FEvents.push_back({time, tag, value});
        return;
    }
    if (equals(i - 1))
        return;
    if (!equals(i)) {
        FEvents.insert(static_cast<size_t>(i), {time, tag, value});
    } else {
        at(i).SetTime(time);
        at(i).Tag = tag;
    }
}

void TSignalSimple::AppendEvent(int32_t tag, const TSimpleValue& value, TSimTime time) {
    if (!FEvents.empty() && FEvents.back().Time() == time) {
        FEvents.back().Value = value;
        FEvents.back().Tag = tag;
        return;
    }
    FEvents.push_back({time, tag, value});
}

void TSignalSimple::DeleteEventAt(int32_t index) {
    if (index <= 0 || index >= EventCount())
        return;
    Erase(index, index + 1);
    if (index < EventCount() && Equal(FEvents[static_cast<size_t>(index)].Value,
                                      FEvents[static_cast<size_t>(index) - 1].Value))
        Erase(index, index + 1);
}

void TSignalSimple::DeleteEventsIn(TSimTime start, TSimTime end) {
    if (end <= start)
        return;
    const auto first = std::lower_bound(FEvents.begin(), FEvents.end(), start, TimeBefore);
    const auto stop = std::lower_bound(first, FEvents.end(), end, TimeBefore);
    const auto seam = static_cast<int32_t>(first - FEvents.begin());
    FEvents.erase(static_cast<size_t>(seam), static_cast<size_t>(stop - FEvents.begin()));
    // The event after the gap may now repeat the value before it; such an event would make
    // later edits depend on a change that is not there.
    if (seam > 0 && seam < EventCount() &&
        Equal(FEvents[static_cast<size_t>(seam)].Value,
              FEvents[static_cast<size_t>(seam) - 1].Value))
        Erase(seam, seam + 1);
}

void TSignalSimple::SortEvents() {
    const auto inOrder = [](const TSignalEvent& a, const TSignalEvent& b) {
        return a.Time() < b.Time();
    };
    if (std::adjacent_find(FEvents.begin(), FEvents.end(), [&](const auto& a, const auto& b) {
            return !inOrder(a, b);
        }) == FEvents.end())
        return;
    std::stable_sort(FEvents.begin(), FEvents.end(), inOrder);
    // Of events with one time the last one counts, as AppendEvent would have it; an event that
    // repeats the value before it is no change.
    size_t kept = 0;
    for (size_t read = 0; read < FEvents.size(); ++read) {
        const TSignalEvent event = FEvents[read];
        if (kept > 0 && FEvents[kept - 1].Time() == event.Time()) {
            FEvents[kept - 1] = event;
            if (kept >= 2 && Equal(FEvents[kept - 2].Value, event.Value))
                --kept;
        } else if (kept == 0 || !Equal(FEvents[kept - 1].Value, event.Value)) {
            FEvents[kept++] = event;
        }
    }
    FEvents.truncate(kept);
}

void TSignalSimple::Erase(int32_t first, int32_t last) {
    FEvents.erase(static_cast<size_t>(first), static_cast<size_t>(last));
}

TSimTime TSignalSimple::EndTime() const {
    return FEvents.empty() ? 0 : FEvents.back().Time();
}

std::optional<TBuiltEvent> TSignalSimple::EventAt(TSimTime time) const {
    const TSignalEvent* event = EventInForce(time);
    if (event == nullptr)
        return std::nullopt;
    return TBuiltEvent{event->Time(), event->Tag, TValue(event->Value)};
}

bool TSignalSimple::IsEmptyAt(TSimTime time) const {
    const TSignalEvent* event = EventInForce(time);
    return event == nullptr || event->Value.Empty;
}

TValue TSignalSimple::NewValue(bool empty, TSimTime) const {
    TSimpleValue value;
    value.Empty = empty;
    return value;
}

std::optional<TSimTime> TSignalSimple::LastChangeAtOrBefore(TSimTime time) const {
    const auto it = std::upper_bound(FEvents.begin(), FEvents.end(), time, TimeAfter);
    if (it == FEvents.begin())
        return std::nullopt;
    return std::prev(it)->Time();
}

// ---- cursors ----

std::unique_ptr<TIndexNode> TSignalSimple::CursorAt(TSimTime time) const {
    return std::make_unique<TIndexSimple>(EventIndexAt(time));
}

TSimTime TSignalSimple::NextChange(const TIndexNode& cursor) const {
    const int32_t next = static_cast<const TIndexSimple&>(cursor).Index + 1;
    if (next <= 0 || next >= EventCount())
        return NoFurtherChange;
    return FEvents[static_cast<size_t>(next)].Time();
}

TSimTime TSignalSimple::PreviousChange(const TIndexNode& cursor, TSimTime time) const {
    const int32_t index = static_cast<const TIndexSimple&>(cursor).Index;
    if (index < 0 || index >= EventCount())
        return 0;
    if (FEvents[static_cast<size_t>(index)].Time() < time)
        return FEvents[static_cast<size_t>(index)].Time();
    return index > 0 ? FEvents[static_cast<size_t>(index) - 1].Time() : 0;
}

void TSignalSimple::AdvanceCursor(TIndexNode& cursor, TSimTime time) const {
    int32_t& index = static_cast<TIndexSimple&>(cursor).Index;
    const int32_t count = EventCount();
    if (index < 0 || index + 1 >= count || FEvents[static_cast<size_t>(index) + 1].Time() > time)
        return;
    // Gallop, then search: a step costs a constant, a long jump a logarithm.
    int32_t step = 1;
    while (index + 2 * step < count &&
           FEvents[static_cast<size_t>(index + 2 * step)].Time() <= time)
        step *= 2;
    const auto from = FEvents.begin() + index + step;
    const auto to = FEvents.begin() + std::min(count, index + 2 * step);
    index = static_cast<int32_t>(std::upper_bound(from, to, time, TimeAfter) - FEvents.begin()) - 1;
}

const TSimpleValue& TSignalSimple::CellAt(const TIndexNode& cursor) const {
    const int32_t index = static_cast<const TIndexSimple&>(cursor).Index;
    return FEvents[static_cast<size_t>(std::clamp(index, 0, EventCount() - 1))].Value;
}

void TSignalSimple::ValueAtCursor(const TIndexNode& cursor, TValue& value) const {
    if (FEvents.empty()) {
        value = NewValue(true, 0);
        return;
    }
    if (value.IsSimple())
        value.Simple() = CellAt(cursor);
    else
        value = CellAt(cursor);
}

// ---- interface and copying ----

HResult TSignalSimple::Reset() {
    return GuardCall([&] {
        FEvents.clear();
        FEvents.push_back({0, 0, DefaultValue(DataType())});
    });
}

HResult TSignalSimple::SetLogicAt(int64_t time, int32_t bit) {
    return GuardCall([&] { SetValueAt(0, TSimpleValue::OfOrdinal(bit != 0 ? 3 : 2), time); });
}

std::unique_ptr<TSignalNode> TSignalSimple::NewOfSameClass(TSignalDocument* document) const {
    return std::make_unique<TSignalSimple>(document);
}

void TSignalSimple::CopyInto(TSignalNode& target, TSignalDocument* document) const {
    TSignalNode::CopyInto(target, document);
    auto& simple = static_cast<TSignalSimple&>(target);
    simple.FEvents = FEvents;
    simple.FAllowEmpty = FAllowEmpty;
}
