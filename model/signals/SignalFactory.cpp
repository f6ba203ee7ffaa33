// Building signal trees for data types, and new nodes by kind code for the readers.
#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/CompoundTypes.h"
#include "model/types/SimpleTypes.h"

#include <algorithm>

namespace {

// Most signals one tree may have, and how deeply types may nest: damaged or cyclic types must
// be refused before anything is allocated.
constexpr int64_t MaxTreeSignals = int64_t{1} << 21;
constexpr int MaxTypeDepth = 64;

// The bounds of an array type: its own, its constraint's, or else the ones given.
struct TArrayShape {
    TWaveDataType* Element;
    int32_t Left;
    int32_t Right;
};

std::optional<TArrayShape> ArrayShape(const TWaveDataType& type, int32_t left, int32_t right) {
    if (const auto* array = dynamic_cast<const TBasicArrayWaveType*>(&type))
        return TArrayShape{array->Element(), array->LeftBound(), array->RightBound()};
    if (const auto* open = dynamic_cast<const TBasicUnconstrainedWaveType*>(&type)) {
        if (open->Constrained())
            return TArrayShape{open->Element(), open->LeftBound(), open->RightBound()};
        return TArrayShape{open->Element(), left, right};
    }
    return std::nullopt;
}

// The designated type of a resolved access type ("value" field); nil when unresolved.
TWaveDataType* DesignatedType(const TAccessWaveType& access) {
    if (!access.Resolved() || access.FieldCount() < 2)
        return nullptr;
    return access.FieldTypes()[1];
}

[[noreturn]] void TooLarge(const TWaveDataType& type) {
    throw ESignalLoaderException("Type " + type.Name() + " makes more than " +
                                 std::to_string(MaxTreeSignals) + " signals");
}

// Number of signals the tree of a type has; refuses deep nesting and huge trees.
int64_t TreeSize(const TWaveDataType& type, int32_t left, int32_t right, int depth) {
    if (depth > MaxTypeDepth)
        TooLarge(type);
    if (!type.IsCompound())
        return 1;
    int64_t size = 1;
    auto add = [&](const TWaveDataType* child, int64_t count, int32_t l, int32_t r) {
        if (child == nullptr)
            return;
        size += count * TreeSize(*child, l, r, depth + 1);
        if (size > MaxTreeSignals)
            TooLarge(type);
    };
    if (const auto* access = dynamic_cast<const TAccessWaveType*>(&type)) {
        add(access->FieldTypes().empty() ? nullptr : access->FieldTypes()[0], 1, 0, 0);
        const TWaveDataType* designated = DesignatedType(*access);
        if (designated != nullptr && !designated->IsAccessHolder())
            add(designated, 1, 0, 0);
    } else if (const auto* record = dynamic_cast<const TBasicRecordWaveType*>(&type)) {
        for (const TWaveDataType* field : record->FieldTypes())
            add(field, 1, 0, 0);
    } else if (std::optional<TArrayShape> shape = ArrayShape(type, left, right)) {
        const int64_t count = RangeCount(shape->Left, shape->Right);
        if (count > MaxArrayElements)
            TooLarge(type);
        add(shape->Element, count, 0, 0);
    }
    return size;
}

std::unique_ptr<TSignalNode> Build(TWaveDataType& type, TSignalDocument* document,
                                   TSignalNode* parent, int32_t left, int32_t right);

// Builds a child of the compound under its name.
void AddChild(TSignalCompound& compound, TWaveDataType& type, std::string_view name) {
    std::unique_ptr<TSignalNode> child = Build(type, compound.Document(), &compound, 0, 0);
    child->SetName(name);
    compound.AppendChild(std::move(child));
}

void BuildAccess(TSignalCompound& node, const TAccessWaveType& access) {
    if (!access.FieldTypes().empty() && access.FieldTypes()[0] != nullptr)
        AddChild(node, *access.FieldTypes()[0], ".pointer");
    TWaveDataType* designated = DesignatedType(access);
    if (designated == nullptr)
        return;
    if (designated->IsAccessHolder()) {
        auto array = std::make_unique<TSignalAccessArray>(node.Document());
        array->AssignNewIdentity(node.Document());
        array->SetDataType(designated);
        array->SetName(".value");
        node.AppendChild(std::move(array));
        return;
    }
    AddChild(node, *designated, ".value");
    TSignalNode& value = *node.Child(node.ChildCount() - 1);
    value.SetAllowEmpty();
    value.SetValueAt(0, value.NewValue(true, 0), 0);
}

void BuildArray(TSignalCompound& node, const TArrayShape& shape) {
    node.SetBounds(shape.Left, shape.Right);
    if (shape.Element == nullptr)
        return;
    const int64_t count = RangeCount(shape.Left, shape.Right);
    const int64_t direction = shape.Right < shape.Left ? -1 : 1;
    for (int64_t i = 0; i < count; ++i)
        AddChild(node, *shape.Element,
                 Enclosed('[', std::to_string(shape.Left + direction * i), ']'));
}

std::unique_ptr<TSignalNode> Build(TWaveDataType& type, TSignalDocument* document,
                                   TSignalNode* parent, int32_t left, int32_t right) {
    if (!type.IsCompound()) {
        auto simple = std::make_unique<TSignalSimple>(document);
        simple->AssignNewIdentity(document);
        simple->SetDataType(&type);
        simple->Reset();
        simple->SetParent(parent);
        return simple;
    }
    auto compound = std::make_unique<TSignalCompound>(document);
    compound->AssignNewIdentity(document);
    compound->SetDataType(&type);
    if (const auto* access = dynamic_cast<const TAccessWaveType*>(&type)) {
        BuildAccess(*compound, *access);
    } else if (const auto* record = dynamic_cast<const TBasicRecordWaveType*>(&type)) {
        for (int32_t i = 0; i < record->FieldCount(); ++i)
            if (TWaveDataType* field = record->FieldTypes()[static_cast<size_t>(i)])
                AddChild(*compound, *field, "." + record->FieldNames()[static_cast<size_t>(i)]);
    } else if (std::optional<TArrayShape> shape = ArrayShape(type, left, right)) {
        BuildArray(*compound, *shape);
    }
    compound->SetParent(parent);
    return compound;
}

} // namespace

std::unique_ptr<TSignalNode> CreateSignalForType(TWaveDataType& type, TSignalDocument* document,
                                                 TSignalNode* parent, int32_t left, int32_t right) {
    TreeSize(type, left, right, 0);
    return Build(type, document, parent, left, right);
}

std::unique_ptr<TSignalNode> CreateSignalOfKind(int32_t kind, TSignalDocument* document) {
    switch (kind) {
    case SignalKind::Simple:
        return std::make_unique<TSignalSimple>(document);
    case SignalKind::Compound:
        return std::make_unique<TSignalCompound>(document);
    case SignalKind::AccessArray:
        return std::make_unique<TSignalAccessArray>(document);
    default:
        return nullptr;
    }
}
