// Compound signals: children, values and events built from the children's, cursors.
#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/WaveDataType.h"

#include <algorithm>

TSignalCompound::~TSignalCompound() {
    for (TSignalNode* child : FChildren)
        if (Owns(*child))
            delete child;
}

HResult TSignalCompound::QueryInterface(const TGUID& iid, void** object) {
    return TInterfaceTable<TSignalCompound, IWaveSignal, ICompoundSignal>::Query(this, iid, object);
}

int32_t TSignalCompound::KindCode() const {
    return SignalKind::Compound;
}
bool TSignalCompound::IsCompound() const {
    return true;
}

TSignalNode* TSignalCompound::Child(int32_t index) const {
    if (index < 0 || index >= ChildCount())
        return nullptr;
    return FChildren[static_cast<size_t>(index)];
}

TSignalNode* TSignalCompound::AppendChild(std::unique_ptr<TSignalNode> child) {
    TSignalNode* added = child.release();
    added->SetParent(this);
    FChildren.push_back(added);
    TSignalDataStore* store = Document() ? &Document()->SignalStore() : nullptr;
    if (store != nullptr && store->Holds(*this))
        store->Index(*added);
    return added;
}

void TSignalCompound::AppendMember(TSignalNode& member) {
    FChildren.push_back(&member);
}

TSignalNode* TSignalCompound::FindByUID(int32_t uid) {
    if (UniqueID() == uid)
        return this;
    for (TSignalNode* child : FChildren)
        if (Owns(*child))
            if (TSignalNode* found = child->FindByUID(uid))
                return found;
    return nullptr;
}

void TSignalCompound::MakeNameUnique(TSignalDocument& document) {
    TSignalNode::MakeNameUnique(document);
    for (TSignalNode* child : FChildren)
        if (Owns(*child))
            child->MakeNameUnique(document);
}

void TSignalCompound::SetValueAt(int32_t tag, TValueRef value, TSimTime time) {
    if (!value.IsCompound())
        return;
    const std::vector<TValue>& elements = value.Compound().Elements;
    // A null pointer has no designated value.
    std::optional<TValue> emptied;
    if (DataType() && DataType()->IsAccess() && ChildCount() > 1 && elements.size() > 1 &&
        TValueRef(elements[0]).Simple().Ordinal == 0) {
        emptied = CopyValue(elements[1]);
        SetValueEmpty(*emptied, true);
    }
    for (size_t i = 0; i < FChildren.size() && i < elements.size(); ++i)
        FChildren[i]->SetValueAt(tag, i == 1 && emptied ? TValueRef(*emptied) : elements[i], time);
}

TSimTime TSignalCompound::EndTime() const {
    TSimTime end = 0;
    for (const TSignalNode* child : FChildren)
        end = std::max(end, child->EndTime());
    return end;
}

bool TSignalCompound::EmptyOfElements(const std::vector<TValue>& elements) const {
    if (DataType() && DataType()->IsAccess())
        return !elements.empty() && TValueRef(elements.front()).Empty();
    return std::any_of(elements.begin(), elements.end(),
                       [](const TValue& element) { return TValueRef(element).Empty(); });
}

std::optional<TBuiltEvent> TSignalCompound::EventAt(TSimTime time) const {
    auto value = std::make_unique<TCompoundValue>();
    value->Elements.reserve(FChildren.size());
    TSimTime latest = 0;
    bool first = true;
    for (const TSignalNode* child : FChildren) {
        std::optional<TBuiltEvent> event = child->EventAt(time);
        if (!event) {
            value->Elements.push_back(child->NewValue(true, time));
            continue;
        }
        latest = first ? event->Time : std::max(latest, event->Time);
        first = false;
        value->Elements.push_back(std::move(event->Value));
    }
    value->Empty = EmptyOfElements(value->Elements);
    return TBuiltEvent{latest, 0, TValue(std::move(value))};
}

bool TSignalCompound::IsEmptyAt(TSimTime time) const {
    return FChildren.empty() || FChildren.front()->IsEmptyAt(time);
}

void TSignalCompound::SetAllowEmpty() {
    for (TSignalNode* child : FChildren)
        child->SetAllowEmpty();
}

TValue TSignalCompound::NewValue(bool empty, TSimTime time) const {
    auto value = std::make_unique<TCompoundValue>();
    value->Empty = empty;
    value->Elements.reserve(FChildren.size());
    for (const TSignalNode* child : FChildren)
        value->Elements.push_back(child->NewValue(empty, time));
    return TValue(std::move(value));
}

std::optional<TSimTime> TSignalCompound::LastChangeAtOrBefore(TSimTime time) const {
    std::optional<TSimTime> latest;
    for (const TSignalNode* child : FChildren)
        if (std::optional<TSimTime> change = child->LastChangeAtOrBefore(time))
            latest = latest ? std::max(*latest, *change) : *change;
    return latest;
}

// ---- cursors ----

std::unique_ptr<TIndexNode> TSignalCompound::CursorAt(TSimTime time) const {
    auto cursor = std::make_unique<TIndexCompound>();
    cursor->Children.reserve(FChildren.size());
    for (const TSignalNode* child : FChildren)
        cursor->Children.push_back(child->CursorAt(time));
    return cursor;
}

TSimTime TSignalCompound::NextChange(const TIndexNode& cursor) const {
    const auto& children = static_cast<const TIndexCompound&>(cursor).Children;
    TSimTime next = NoFurtherChange;
    for (size_t i = 0; i < FChildren.size() && i < children.size(); ++i)
        next = std::min(next, FChildren[i]->NextChange(*children[i]));
    return next;
}

TSimTime TSignalCompound::PreviousChange(const TIndexNode& cursor, TSimTime time) const {
    const auto& children = static_cast<const TIndexCompound&>(cursor).Children;
    TSimTime previous = 0;
    for (size_t i = 0; i < FChildren.size() && i < children.size(); ++i)
        previous = std::max(previous, FChildren[i]->PreviousChange(*children[i], time));
    return previous;
}

void TSignalCompound::AdvanceCursor(TIndexNode& cursor, TSimTime time) const {
    auto& children = static_cast<TIndexCompound&>(cursor).Children;
    for (size_t i = 0; i < FChildren.size() && i < children.size(); ++i)
        FChildren[i]->AdvanceCursor(*children[i], time);
}

void TSignalCompound::ValueAtCursor(const TIndexNode& cursor, TValue& value) const {
    const auto& children = static_cast<const TIndexCompound&>(cursor).Children;
    const size_t count = std::min(FChildren.size(), children.size());
    if (!value.IsCompound())
        value = TValue(std::make_unique<TCompoundValue>());
    TCompoundValue& compound = value.Compound();
    compound.Elements.resize(count);
    for (size_t i = 0; i < count; ++i)
        FChildren[i]->ValueAtCursor(*children[i], compound.Elements[i]);
    compound.Empty = EmptyOfElements(compound.Elements);
}

// ---- copying ----

std::unique_ptr<TSignalNode> TSignalCompound::NewOfSameClass(TSignalDocument* document) const {
    return std::make_unique<TSignalCompound>(document);
}

void TSignalCompound::CopyInto(TSignalNode& target, TSignalDocument* document) const {
    TSignalNode::CopyInto(target, document);
    auto& compound = static_cast<TSignalCompound&>(target);
    for (const TSignalNode* child : FChildren)
        compound.AppendChild(child->Clone(document));
    compound.SetBounds(LeftBound(), RightBound());
    compound.Mark = Mark;
}
