// Access arrays: the incarnations of an access to an unconstrained array, one per array
// constraint, of which the last non-Empty one is active.
#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/CompoundTypes.h"

namespace {

TValue EmptyWithoutElements() {
    auto value = std::make_unique<TCompoundValue>();
    value->Empty = true;
    return TValue(std::move(value));
}

} // namespace

int32_t TSignalAccessArray::KindCode() const {
    return SignalKind::AccessArray;
}

TSignalNode* TSignalAccessArray::ActiveAt(TSimTime time) const {
    for (int32_t i = ChildCount() - 1; i >= 0; --i)
        if (!Child(i)->IsEmptyAt(time))
            return Child(i);
    return nullptr;
}

void TSignalAccessArray::SetValueAt(int32_t tag, TValueRef value, TSimTime time) {
    if (TSignalNode* active = ActiveAt(time))
        active->SetValueAt(tag, value, time);
}

std::optional<TBuiltEvent> TSignalAccessArray::EventAt(TSimTime time) const {
    if (TSignalNode* active = ActiveAt(time))
        return active->EventAt(time);
    TSimTime latest = 0;
    for (int32_t i = 0; i < ChildCount(); ++i)
        if (std::optional<TBuiltEvent> event = Child(i)->EventAt(time))
            latest = i == 0 ? event->Time : std::max(latest, event->Time);
    return TBuiltEvent{latest, 0, EmptyWithoutElements()};
}

bool TSignalAccessArray::IsEmptyAt(TSimTime time) const {
    return ActiveAt(time) == nullptr;
}

TValue TSignalAccessArray::NewValue(bool empty, TSimTime time) const {
    TSignalNode* active = ActiveAt(time);
    if (active == nullptr) {
        TValue value = EmptyWithoutElements();
        value.Compound().Empty = empty;
        return value;
    }
    TValue value = active->NewValue(false, time);
    if (value.IsCompound())
        value.Compound().Empty = empty;
    return value;
}

void TSignalAccessArray::ValueAtCursor(const TIndexNode& cursor, TValue& value) const {
    const auto& children = static_cast<const TIndexCompound&>(cursor).Children;
    for (int32_t i = std::min(ChildCount(), static_cast<int32_t>(children.size())) - 1; i >= 0;
         --i) {
        TValue incarnation;
        Child(i)->ValueAtCursor(*children[static_cast<size_t>(i)], incarnation);
        if (!TValueRef(incarnation).Empty()) {
            value = std::move(incarnation);
            return;
        }
    }
    value = EmptyWithoutElements();
}

void TSignalAccessArray::SetIncarnationEmpty(TSignalNode& incarnation, bool empty, TSimTime time) {
    incarnation.SetValueAt(0, incarnation.NewValue(empty, time), time);
}

HResult TSignalAccessArray::SetArrayBounds(int64_t time, int32_t left, int32_t right) {
    return GuardCall([&] {
        TSignalNode* active = ActiveAt(time);
        auto hasBounds = [&](const TSignalNode* node) {
            return node->LeftBound() == left && node->RightBound() == right;
        };
        if (active != nullptr && hasBounds(active))
            return;
        TSignalNode* incarnation = nullptr;
        for (int32_t i = 0; i < ChildCount() && incarnation == nullptr; ++i)
            if (hasBounds(Child(i)))
                incarnation = Child(i);
        if (incarnation != nullptr) {
            SetIncarnationEmpty(*incarnation, false, time);
        } else {
            const auto* holder = dynamic_cast<const TUncAccessHolderType*>(DataType());
            if (holder == nullptr)
                return;
            std::unique_ptr<TSignalNode> made =
                CreateSignalForType(holder->HeldType(), Document(), nullptr, left, right);
            made->SetAllowEmpty();
            made->SetName(Enclosed('(', RangeText(left, right), ')'));
            incarnation = AppendChild(std::move(made));
            SetIncarnationEmpty(*incarnation, true, 0);
            SetIncarnationEmpty(*incarnation, false, time);
        }
        if (active != nullptr)
            SetIncarnationEmpty(*active, true, time);
        if (Document()) {
            Document()->RefreshRows();
            Document()->SetModified(true);
        }
    });
}

HResult TSignalAccessArray::SetNull(int64_t time) {
    return GuardCall([&] {
        if (TSignalNode* active = ActiveAt(time))
            SetIncarnationEmpty(*active, true, time);
        if (Document())
            Document()->SetModified(true);
    });
}

std::unique_ptr<TSignalNode> TSignalAccessArray::NewOfSameClass(TSignalDocument* document) const {
    return std::make_unique<TSignalAccessArray>(document);
}
