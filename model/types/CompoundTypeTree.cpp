// The type-tree entries of the compound types.
#include "model/types/CompoundTypes.h"

namespace {

// The element type's entry under a node, collapsed.
void AddElementEntry(TTypeTreeNode& parent, const TWaveDataType* element) {
    if (element == nullptr)
        return;
    if (TTypeTreeNode* entry = element->AddToTypeTree(parent))
        entry->Expanded = false;
}

} // namespace

TTypeTreeNode* TBasicArrayWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    TTypeTreeNode& node = parent.Add(Name(), true);
    TTypeTreeNode& range = node.Add("array (" + RangeText(FLeftBound, FRightBound) + ") of", true);
    AddElementEntry(range, FElementType);
    return &node;
}

TTypeTreeNode* TBasicUnconstrainedWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    if (FIsSubtype) {
        TTypeTreeNode& node = parent.Add(Name(), true);
        TTypeTreeNode& subtype =
            node.Add(" is subtype (" + RangeText(FLeftBound, FRightBound) + ") of", true);
        TTypeTreeNode& open = subtype.Add(FBaseTypeName, true).Add("open array of", true);
        AddElementEntry(open, FElementType);
        return &node;
    }
    if (FConstrained) {
        TTypeTreeNode& node = parent.Add(Name() + " (" + RangeText(FLeftBound, FRightBound) + ")");
        AddElementEntry(node, FElementType);
        return &node;
    }
    TTypeTreeNode& node = parent.Add(Name(), true);
    AddElementEntry(node.Add("open array of", true), FElementType);
    return &node;
}

TTypeTreeNode* TBasicRecordWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    TTypeTreeNode& node = parent.Add(Name(), true);
    TTypeTreeNode& record = node.Add("record", true);
    for (size_t i = 0; i < FFieldTypes.size(); ++i)
        AddElementEntry(record.Add(FFieldNames[i]), FFieldTypes[i]);
    return &node;
}

TTypeTreeNode* TAccessWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    TTypeTreeNode& node = parent.Add(Name());
    TTypeTreeNode& access = node.Add("access");
    if (FResolved)
        AddElementEntry(access, FieldTypes().back());
    else
        access.Add(FDesignatedName + " : self-referential type");
    return &node;
}

TTypeTreeNode* TUncAccessHolderType::AddToTypeTree(TTypeTreeNode& parent) const {
    return FHeldType->AddToTypeTree(parent);
}
