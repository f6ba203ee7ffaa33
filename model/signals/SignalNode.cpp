// The base of the signal nodes: names, identity, copying and the signal interface.
#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/ValueText.h"
#include "model/types/WaveDataType.h"

std::string Enclosed(char open, std::string_view text, char close) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on chained concatenation.
    std::string name(1, open);
    name += text;
    name += close;
    return name;
}

template <class F> void TSignalNode::ChangeIndexed(F&& change) {
    TSignalDataStore* store = FDocument ? &FDocument->SignalStore() : nullptr;
    if (store != nullptr && !store->Holds(*this))
        store = nullptr;
    if (store != nullptr)
        store->Unindex(*this);
    change();
    if (store != nullptr)
        store->Index(*this);
}

TSignalNode* TSignalNode::FindByUID(int32_t uid) {
    return FUniqueID == uid ? this : nullptr;
}

TSignalNode* TSignalNode::FindByPath(std::string_view name) {
    const std::string key = MatchKey(name);
    // Depth first through the owned children, carrying the full name down.
    auto find = [&](auto& self, TSignalNode& node, const std::string& fullName) -> TSignalNode* {
        if (MatchKey(fullName) == key)
            return &node;
        for (int32_t i = 0; i < node.ChildCount(); ++i) {
            TSignalNode* child = node.Child(i);
            if (child != nullptr && node.Owns(*child))
                if (TSignalNode* found = self(self, *child, fullName + child->Name()))
                    return found;
        }
        return nullptr;
    };
    return find(find, *this, FullName());
}

std::unique_ptr<TSignalNode> TSignalNode::Clone(TSignalDocument* document) const {
    std::unique_ptr<TSignalNode> copy = NewOfSameClass(document);
    CopyInto(*copy, document);
    return copy;
}

void TSignalNode::CopyInto(TSignalNode& target, TSignalDocument* document) const {
    target.AssignNewIdentity(document);
    target.SetName(FName);
    target.FDataType = FDataType;
}

void TSignalNode::MakeNameUnique(TSignalDocument& document) {
    const std::string base = FName;
    for (int n = 1; document.SignalStore().PathTakenByOther(FullName(), this); ++n)
        SetName(base + "(" + std::to_string(n) + ")");
}

void TSignalNode::AssignNewIdentity(TSignalDocument* document) {
    if (document == nullptr)
        return;
    TUniqueIDMaster& ids = document->SignalIDs();
    SetUniqueID(IsCompound() ? ids.AllocateHigh() : ids.AllocateLow());
    if (FName.empty())
        SetName("New Signal " + std::to_string(FUniqueID));
}

void TSignalNode::AdvanceAndValue(TIndexNode& cursor, TValue& value, TSimTime time) const {
    AdvanceCursor(cursor, time);
    ValueAtCursor(cursor, value);
}

TValue TSignalNode::ValueAt(TSimTime time) const {
    std::optional<TBuiltEvent> event = EventAt(time);
    if (!event) {
        TSimpleValue empty;
        empty.Empty = true;
        return empty;
    }
    return std::move(event->Value);
}

void TSignalNode::SetUniqueID(int32_t uid) {
    ChangeIndexed([&] { FUniqueID = uid; });
}

void TSignalNode::SetName(std::string_view name) {
    ChangeIndexed([&] { FName = ShortString(name); });
}

std::string TSignalNode::FullName() const {
    return FParent ? FParent->FullName() + FName : FName;
}

void TSignalNode::SetDisplay(int32_t format, int32_t radix, std::string_view disassembler) {
    FDisplayFormat = format;
    FDisplayRadix = radix;
    FDisassemblerName = ShortString(disassembler);
}

const TSignalNode& TSignalNode::Root() const {
    const TSignalNode* node = this;
    while (node->FParent != nullptr)
        node = node->FParent;
    return *node;
}

// ---- signal interface ----

HResult TSignalNode::GetName(TComString* name) {
    if (name == nullptr)
        return E_POINTER;
    return GuardCall([&] { name->Assign(FName); });
}

HResult TSignalNode::SetName(const char* name) {
    return GuardCall([&] { SetName(InterfaceText(name)); });
}

HResult TSignalNode::GetUID(int32_t* uid) {
    if (uid == nullptr)
        return E_POINTER;
    *uid = FUniqueID;
    return S_OK;
}

HResult TSignalNode::AddToDisplay() {
    return GuardCall([&] {
        if (FDocument) {
            FDocument->AddSignalToDisplay(*this);
            FDocument->SetModified(true);
        }
    });
}

HResult TSignalNode::RemoveFromDisplay() {
    return GuardCall([&] {
        if (FDocument) {
            FDocument->RemoveSignalFromDisplay(*this);
            FDocument->SetModified(true);
        }
    });
}

HResult TSignalNode::GetChildCount(int32_t* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = ChildCount();
    return S_OK;
}

HResult TSignalNode::GetChild(int32_t index, IWaveSignal** child) {
    if (const HResult cleared = ClearOut(child); Failed(cleared))
        return cleared;
    if (index < 0 || index >= ChildCount())
        return S_OK;
    return HandOut<IWaveSignal>(Child(index), child);
}

HResult TSignalNode::Reset() {
    return S_OK;
}

HResult TSignalNode::GetTransition(int64_t time, IWaveTransition** transition) {
    if (const HResult cleared = ClearOut(transition); Failed(cleared))
        return cleared;
    return GuardCall([&] {
        HandOut<IWaveTransition>(new TWaveTransition(this, time, NewValue(false, time)),
                                 transition);
    });
}

HResult TSignalNode::SetLogicAt(int64_t, int32_t) {
    return S_OK;
}
HResult TSignalNode::SetArrayBounds(int64_t, int32_t, int32_t) {
    return S_OK;
}
HResult TSignalNode::SetNull(int64_t) {
    return S_OK;
}

HResult TSignalNode::Show() {
    return GuardCall([&] {
        if (FDocument)
            FDocument->ShowSignal(*this);
    });
}

HResult TSignalNode::SetDisplayFormat(int32_t format, int32_t radix) {
    return GuardCall([&] {
        SetDisplay(format, radix, {});
        if (FDocument)
            FDocument->ApplySignalDisplayFormat(*this);
    });
}
