#include "model/types/CompoundTypes.h"

#include "model/types/SimpleTypes.h"
#include "model/types/ValueText.h"
#include "model/types/WaveTypeStore.h"

#include <cstdlib>

namespace {

// The type of that name; raises "Type <name> not found".
TWaveDataType& RequireType(TWaveDataTypeStore& store, std::string_view name) {
    TWaveDataType* type = store.FindByName(name);
    if (type == nullptr)
        throw EWaveTypeLoaderException("Type " + ShortString(name) + " not found");
    return *type;
}

// An element or field type of a description: a type name, and for an open type its bounds,
// which give an anonymous constrained copy.
TWaveDataType* ReadTypeReference(TDescriptionReader& text, TWaveDataTypeStore& store) {
    TWaveDataType& type = RequireType(store, text.NextField());
    const TBasicUnconstrainedWaveType* open = OpenArray(&type);
    if (open == nullptr)
        return &type;
    const int32_t left = text.NextInteger();
    const int32_t right = text.NextInteger();
    return store.AddConstrainedCopy(*open, left, right);
}

// An index type of a description: "None" or the name of an enumeration.
TWaveDataType* ReadIndexType(TDescriptionReader& text, TWaveDataTypeStore& store) {
    const std::string_view name = text.NextField();
    if (name == "None")
        return nullptr;
    TWaveDataType& type = RequireType(store, name);
    const auto* simple = dynamic_cast<const TWaveSimpleType*>(&type);
    if (simple == nullptr || !simple->IsEnumeration())
        throw EWaveTypeLoaderException("Type " + ShortString(name) +
                                       " needs to be an enumerated type to act as an array index");
    return &type;
}

// The writing counterpart of ReadTypeReference: the name, and the bounds of an open type.
void AppendTypeReference(std::string& text, const TWaveDataType* type) {
    AppendField(text, type ? std::string_view(type->Name()) : std::string_view());
    if (const TBasicUnconstrainedWaveType* open = OpenArray(type)) {
        AppendField(text, open->LeftBound());
        AppendField(text, open->RightBound());
    }
}

void AppendIndexType(std::string& text, const TWaveDataType* index) {
    AppendField(text, index ? std::string_view(index->Name()) : std::string_view("None"));
}

// The element type the interface names, or an anonymous constrained copy of it when it is an
// unconstrained array; nil when the name is unknown.
TWaveDataType* ConstrainedType(TWaveDataTypeStore* store, const char* name, int32_t left,
                               int32_t right) {
    if (store == nullptr)
        return nullptr;
    TWaveDataType* type = store->FindByName(InterfaceText(name));
    if (const auto* array = dynamic_cast<const TBasicUnconstrainedWaveType*>(type))
        return store->AddConstrainedCopy(*array, left, right);
    return type;
}

TWaveDataType* FindInStore(TWaveDataTypeStore* store, const char* name) {
    return store ? store->FindByName(InterfaceText(name)) : nullptr;
}

std::vector<TWaveDataType*> Repeated(TWaveDataType* element, int32_t left, int32_t right) {
    return std::vector<TWaveDataType*>(static_cast<size_t>(CheckedRangeCount(left, right)),
                                       element);
}

} // namespace

const TBasicUnconstrainedWaveType* OpenArray(const TWaveDataType* type) {
    const auto* array = dynamic_cast<const TBasicUnconstrainedWaveType*>(type);
    return array != nullptr && array->IsOpen() ? array : nullptr;
}

int64_t RangeCount(int32_t left, int32_t right) {
    return std::llabs(static_cast<int64_t>(left) - static_cast<int64_t>(right)) + 1;
}

int32_t CheckedRangeCount(int32_t left, int32_t right) {
    const int64_t count = RangeCount(left, right);
    if (count > MaxArrayElements)
        throw EWaveTypeLoaderException("Array range " + RangeText(left, right) +
                                       " has too many elements");
    return static_cast<int32_t>(count);
}

std::string RangeText(int32_t left, int32_t right) {
    return std::to_string(left) + (left < right ? " to " : " downto ") + std::to_string(right);
}

// ---- TWaveCompoundType ----

bool TWaveCompoundType::IsCompound() const {
    return true;
}
TWaveDataType* TWaveCompoundType::ElementType(int32_t) const {
    return nullptr;
}
bool TWaveCompoundType::IsConstrainedArray() const {
    return false;
}
bool TWaveCompoundType::IsRecord() const {
    return false;
}
bool TWaveCompoundType::IsOpen() const {
    return false;
}
bool TWaveCompoundType::IsUnconstrainedArray() const {
    return false;
}
bool TWaveCompoundType::IsGroup() const {
    return false;
}

// ---- TBasicArrayWaveType ----

void TBasicArrayWaveType::ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store) {
    FElementType = ReadTypeReference(text, store);
    FLeftBound = text.NextInteger();
    FRightBound = text.NextInteger();
    FIndexType = ReadIndexType(text, store);
}

std::string TBasicArrayWaveType::GetDescription() const {
    std::string text;
    AppendTypeReference(text, FElementType);
    AppendField(text, FLeftBound);
    AppendField(text, FRightBound);
    AppendIndexType(text, FIndexType);
    return text;
}

int32_t TBasicArrayWaveType::KindCode() const {
    return TypeKind::Array;
}

std::vector<TWaveDataType*> TBasicArrayWaveType::ElementTypes() const {
    return Repeated(FElementType, FLeftBound, FRightBound);
}

std::vector<TWaveDataType*> TBasicArrayWaveType::ReferencedTypes() const {
    return {FElementType};
}

TWaveDataType* TBasicArrayWaveType::ElementType(int32_t) const {
    return FElementType;
}
bool TBasicArrayWaveType::IsConstrainedArray() const {
    return true;
}

HResult TBasicArrayWaveType::SetLeftBound(int32_t bound) {
    FLeftBound = bound;
    return S_OK;
}

HResult TBasicArrayWaveType::SetRightBound(int32_t bound) {
    FRightBound = bound;
    return S_OK;
}

HResult TBasicArrayWaveType::SetElementType(const char* name) {
    return GuardCall([&] { FElementType = FindInStore(Store(), name); });
}

HResult TBasicArrayWaveType::SetConstrainedElementType(const char* name, int32_t left,
                                                       int32_t right) {
    return GuardCall([&] {
        if (TWaveDataType* type = ConstrainedType(Store(), name, left, right))
            FElementType = type;
    });
}

// ---- TBasicUnconstrainedWaveType ----

void TBasicUnconstrainedWaveType::ParseDescription(TDescriptionReader& text,
                                                   TWaveDataTypeStore& store) {
    FElementType = ReadTypeReference(text, store);
    FIndexType = ReadIndexType(text, store);
}

std::string TBasicUnconstrainedWaveType::GetDescription() const {
    std::string text;
    if (FIsSubtype) {
        AppendField(text, FBaseTypeName);
        AppendField(text, FLeftBound);
        AppendField(text, FRightBound);
    } else {
        AppendTypeReference(text, FElementType);
        AppendIndexType(text, FIndexType);
    }
    return text;
}

int32_t TBasicUnconstrainedWaveType::KindCode() const {
    return FIsSubtype ? TypeKind::SubtypeArrayConstraint : TypeKind::Unconstrained;
}

std::vector<TWaveDataType*> TBasicUnconstrainedWaveType::ElementTypes() const {
    if (FConstrained)
        return Repeated(FElementType, FLeftBound, FRightBound);
    return {FElementType};
}

std::vector<TWaveDataType*> TBasicUnconstrainedWaveType::ReferencedTypes() const {
    if (FIsSubtype)
        return {Store() ? Store()->FindByName(FBaseTypeName) : nullptr};
    return {FElementType};
}

TWaveDataType* TBasicUnconstrainedWaveType::ElementType(int32_t) const {
    return FElementType;
}
bool TBasicUnconstrainedWaveType::IsOpen() const {
    return !FIsSubtype;
}
bool TBasicUnconstrainedWaveType::IsUnconstrainedArray() const {
    return true;
}

HResult TBasicUnconstrainedWaveType::SetLeftBound(int32_t bound) {
    FLeftBound = bound;
    BecomeSubtype();
    return S_OK;
}

HResult TBasicUnconstrainedWaveType::SetRightBound(int32_t bound) {
    FRightBound = bound;
    BecomeSubtype();
    return S_OK;
}

HResult TBasicUnconstrainedWaveType::SetElementType(const char* name) {
    return GuardCall([&] { FElementType = FindInStore(Store(), name); });
}

HResult TBasicUnconstrainedWaveType::SetConstrainedElementType(const char* name, int32_t left,
                                                               int32_t right) {
    return GuardCall([&] {
        if (TWaveDataType* type = ConstrainedType(Store(), name, left, right))
            FElementType = type;
    });
}

std::unique_ptr<TBasicUnconstrainedWaveType>
TBasicUnconstrainedWaveType::CloneForConstraint() const {
    auto copy = std::make_unique<TBasicUnconstrainedWaveType>(Store());
    CopyTo(*copy);
    return copy;
}

void TBasicUnconstrainedWaveType::CopyTo(TBasicUnconstrainedWaveType& target) const {
    target.SetName(Name());
    target.FElementType = FElementType;
    target.FIndexType = FIndexType;
    target.SetUniqueID(UniqueID());
}

void TBasicUnconstrainedWaveType::SetBaseTypeName(std::string_view name) {
    FBaseTypeName = ShortString(name);
}

void TBasicUnconstrainedWaveType::BecomeSubtype() {
    FIsSubtype = true;
    FConstrained = true;
    FBaseTypeName = Name();
}

// ---- predefined vectors ----

int32_t TStdLogicVectorType::KindCode() const {
    return IsSubtype() ? TypeKind::SubtypeArrayConstraint : TypeKind::StdLogicVector;
}
bool TStdLogicVectorType::HasRadixChoice() const {
    return true;
}
bool TStdLogicVectorType::HasNumericFormat() const {
    return true;
}

void TStdLogicVectorType::InitRowOptions(TRowFormat& format) const {
    TBasicUnconstrainedWaveType::InitRowOptions(format);
    format.FontColor = WaveColors::Navy;
}

std::unique_ptr<TBasicUnconstrainedWaveType> TStdLogicVectorType::CloneForConstraint() const {
    auto copy = std::make_unique<TStdLogicVectorType>(Store());
    CopyTo(*copy);
    return copy;
}

int32_t TCUPLVectorType::KindCode() const {
    return IsSubtype() ? TypeKind::SubtypeArrayConstraint : TypeKind::CUPLVector;
}
bool TCUPLVectorType::HasRadixChoice() const {
    return true;
}
bool TCUPLVectorType::HasNumericFormat() const {
    return true;
}

void TCUPLVectorType::InitRowOptions(TRowFormat& format) const {
    TBasicUnconstrainedWaveType::InitRowOptions(format);
    format.FontColor = WaveColors::Green;
}

std::unique_ptr<TBasicUnconstrainedWaveType> TCUPLVectorType::CloneForConstraint() const {
    auto copy = std::make_unique<TCUPLVectorType>(Store());
    CopyTo(*copy);
    return copy;
}

int32_t TStringWaveType::KindCode() const {
    return IsSubtype() ? TypeKind::SubtypeArrayConstraint : TypeKind::String;
}

std::unique_ptr<TBasicUnconstrainedWaveType> TStringWaveType::CloneForConstraint() const {
    auto copy = std::make_unique<TStringWaveType>(Store());
    CopyTo(*copy);
    return copy;
}

// ---- TBasicRecordWaveType ----

void TBasicRecordWaveType::ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store) {
    const int32_t count = text.NextInteger();
    for (int32_t i = 0; i < count; ++i) {
        const std::string_view name = text.NextField();
        AppendField(name, ReadTypeReference(text, store));
    }
}

std::string TBasicRecordWaveType::GetDescription() const {
    std::string text;
    ::AppendField(text, FieldCount());
    for (size_t i = 0; i < FFieldTypes.size(); ++i) {
        ::AppendField(text, FFieldNames[i]);
        AppendTypeReference(text, FFieldTypes[i]);
    }
    return text;
}

int32_t TBasicRecordWaveType::KindCode() const {
    return TypeKind::Record;
}
std::vector<TWaveDataType*> TBasicRecordWaveType::ElementTypes() const {
    return FFieldTypes;
}
std::vector<TWaveDataType*> TBasicRecordWaveType::ReferencedTypes() const {
    return FFieldTypes;
}

void TBasicRecordWaveType::ReplaceSelfReference(int32_t uid, TSelfReferenceWalk& visited) {
    if (!visited.insert(this).second)
        return;
    for (size_t i = 0; i < FFieldTypes.size(); ++i)
        if (!ReplaceBackReference(i, uid) && FFieldTypes[i] != nullptr)
            FFieldTypes[i]->ReplaceSelfReference(uid, visited);
}

TWaveDataType* TBasicRecordWaveType::ElementType(int32_t index) const {
    if (index < 0 || index >= FieldCount())
        return nullptr;
    return FFieldTypes[static_cast<size_t>(index)];
}

bool TBasicRecordWaveType::IsRecord() const {
    return true;
}

HResult TBasicRecordWaveType::AddField(const char* typeName, const char* fieldName) {
    return GuardCall([&] {
        if (TWaveDataType* type = FindInStore(Store(), typeName))
            AppendField(InterfaceText(fieldName), type);
    });
}

HResult TBasicRecordWaveType::AddConstrainedField(const char* typeName, const char* fieldName,
                                                  int32_t left, int32_t right) {
    return GuardCall([&] {
        if (TWaveDataType* type = ConstrainedType(Store(), typeName, left, right))
            AppendField(InterfaceText(fieldName), type);
    });
}

void TBasicRecordWaveType::AppendField(std::string_view name, TWaveDataType* type) {
    FFieldNames.emplace_back(name);
    FFieldTypes.push_back(type);
}

void TBasicRecordWaveType::RemoveLastField() {
    FFieldNames.pop_back();
    FFieldTypes.pop_back();
}

bool TBasicRecordWaveType::ReplaceBackReference(size_t index, int32_t uid) {
    auto* access = dynamic_cast<TAccessWaveType*>(FFieldTypes[index]);
    if (access == nullptr || access->UniqueID() != uid || Store() == nullptr)
        return false;
    FFieldTypes[index] = Store()->AddAnonymous(access->UnresolvedCopy());
    return true;
}

// ---- TAccessWaveType ----

TAccessWaveType::TAccessWaveType(TWaveDataTypeStore* store) : TBasicRecordWaveType(store) {
    if (TWaveDataType* integer = store ? store->FindByName("integer") : nullptr)
        AppendField("pointer", integer);
}

void TAccessWaveType::ParseDescription(TDescriptionReader& text, TWaveDataTypeStore&) {
    SetDesignatedTypeName(text.NextField());
}

std::string TAccessWaveType::GetDescription() const {
    std::string text;
    if (!FResolved) {
        ::AppendField(text, FDesignatedName);
    } else {
        const TWaveDataType* value = FieldTypes().back();
        const auto* holder = dynamic_cast<const TUncAccessHolderType*>(value);
        ::AppendField(text, holder ? holder->HeldType().Name() : value->Name());
    }
    return text;
}

int32_t TAccessWaveType::KindCode() const {
    return TypeKind::Access;
}
bool TAccessWaveType::IsAccess() const {
    return true;
}

std::vector<TWaveDataType*> TAccessWaveType::ReferencedTypes() const {
    if (FieldTypes().empty() || FieldNames().front() != "pointer")
        return {};
    return {FieldTypes().front()};
}

HResult TAccessWaveType::SetDesignatedType(const char* name) {
    return GuardCall([&] { SetDesignatedTypeName(InterfaceText(name)); });
}

void TAccessWaveType::SetDesignatedTypeName(std::string_view name) {
    FDesignatedName = std::string(name);
    TWaveDataType* designated = Store() ? Store()->FindByName(name) : nullptr;
    if (designated == nullptr) {
        if (Store())
            Store()->AddPendingAccessType(this);
        return;
    }
    Designate(*designated);
}

bool TAccessWaveType::ResolvePending() {
    if (Store() == nullptr)
        return false;
    TWaveDataType* designated = FDesignatedName.empty() && FDesignatedUID != -1
                                    ? Store()->FindByUID(FDesignatedUID)
                                    : Store()->FindByName(FDesignatedName);
    if (designated == nullptr)
        return false;
    FDesignatedName = designated->Name();
    Designate(*designated);
    return true;
}

void TAccessWaveType::Designate(TWaveDataType& designated) {
    if (FResolved)
        RemoveLastField();
    TWaveDataType* value = &designated;
    auto* open = dynamic_cast<TBasicUnconstrainedWaveType*>(&designated);
    if (open != nullptr && open->IsOpen() && Store() != nullptr) {
        auto holder = std::make_unique<TUncAccessHolderType>(Store(), *open);
        value = Store()->Add(std::move(holder));
        Store()->CountPredefined();
    }
    AppendField("value", value);
    FResolved = true;
}

std::unique_ptr<TAccessWaveType> TAccessWaveType::UnresolvedCopy() const {
    auto copy = std::make_unique<TAccessWaveType>(Store());
    copy->SetName(Name());
    copy->FDesignatedName = FDesignatedName;
    copy->SetUniqueID(UniqueID());
    return copy;
}

// ---- TUncAccessHolderType ----

TUncAccessHolderType::TUncAccessHolderType(TWaveDataTypeStore* store,
                                           TBasicUnconstrainedWaveType& held)
    : TWaveCompoundType(store), FHeldType(&held) {
    SetName("access to " + held.Name());
    SetPredefined(true);
}

bool TUncAccessHolderType::IsAccessHolder() const {
    return true;
}

std::string TUncAccessHolderType::FormatValue(TValueRef value, const TRowFormat& format) const {
    return FHeldType->FormatValue(value, format);
}

void TUncAccessHolderType::InitRowOptions(TRowFormat& format) const {
    FHeldType->InitRowOptions(format);
}

bool TUncAccessHolderType::ValuesEqual(TValueRef a, TValueRef b) const {
    return FHeldType->ValuesEqual(a, b);
}

TValue TUncAccessHolderType::CloneValue(TValueRef value) const {
    return FHeldType->CloneValue(value);
}

// ---- TGroupWaveType, TCompareWaveType ----

TGroupWaveType::TGroupWaveType(TWaveDataTypeStore* store) : TWaveCompoundType(store) {
    SetName("group");
}

std::vector<TWaveDataType*> TGroupWaveType::ElementTypes() const {
    return FMemberTypes;
}

TWaveDataType* TGroupWaveType::ElementType(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= FMemberTypes.size())
        return nullptr;
    return FMemberTypes[static_cast<size_t>(index)];
}

void TGroupWaveType::InitRowOptions(TRowFormat& format) const {
    TWaveCompoundType::InitRowOptions(format);
    format.FontColor = WaveColors::Fuchsia;
}

bool TGroupWaveType::IsGroup() const {
    return true;
}
bool TGroupWaveType::IsCompare() const {
    return false;
}

void TCompareWaveType::InitRowOptions(TRowFormat& format) const {
    TGroupWaveType::InitRowOptions(format);
    format.FontColor = WaveColors::Red;
}

bool TCompareWaveType::IsCompare() const {
    return true;
}
