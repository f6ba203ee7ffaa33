#include "model/types/WaveTypeStore.h"

#include "model/types/CompoundTypes.h"
#include "model/types/SimpleTypes.h"
#include "model/types/ValueText.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace {

// The kind of the first description field: a decimal code or one of the five keywords.
int32_t KindOfField(std::string_view field) {
    int32_t kind = -1;
    if (TryStrToInt(field, kind)) {
        if (kind >= 0 && kind <= TypeKind::SubtypeArrayConstraint)
            return kind;
    } else if (field == "Array") {
        return TypeKind::Array;
    } else if (field == "Record") {
        return TypeKind::Record;
    } else if (field == "Enum") {
        return TypeKind::Enum;
    } else if (field == "Unconstrained") {
        return TypeKind::Unconstrained;
    } else if (field == "SubType_ArrayConstraint") {
        return TypeKind::SubtypeArrayConstraint;
    }
    throw EWaveTypeLoaderException("Type description " + std::string(field) + " does not exist");
}

const TBasicUnconstrainedWaveType* AsUnconstrained(const TWaveDataType* type) {
    return dynamic_cast<const TBasicUnconstrainedWaveType*>(type);
}

} // namespace

TWaveDataTypeStore::TWaveDataTypeStore(TWaveDocument* document) : FDocument(document) {
    AddPredefined();
    FSorted = true;
}

TWaveDataTypeStore::~TWaveDataTypeStore() {
    Clear();
}

void TWaveDataTypeStore::AddPredefined() {
    auto add = [this](std::unique_ptr<TWaveDataType> type, std::string_view name,
                      std::string_view description = {}) {
        TWaveDataType& t = *type;
        t.SetName(name);
        t.SetPredefined(true);
        t.SetUniqueID(Count() + 1);
        FIdAllocator.Reserve(t.UniqueID());
        if (!description.empty()) {
            TDescriptionReader reader(description);
            t.ParseDescription(reader, *this);
        }
        Types.push_back(std::move(type));
        ++FPredefinedCount;
        return &t;
    };
    auto vector = [this](std::unique_ptr<TBasicUnconstrainedWaveType> type,
                         std::string_view element) {
        type->SetElement(FindByName(element));
        return type;
    };
    add(std::make_unique<TIntegerWaveType>(this), "integer");
    add(std::make_unique<TStdLogicWaveType>(this), "std_logic");
    add(vector(std::make_unique<TStdLogicVectorType>(this), "std_logic"), "std_logic_vector");
    add(std::make_unique<TStdLogicWaveType>(this), "std_ulogic");
    add(std::make_unique<TCUPLWaveType>(this), "CUPL");
    add(vector(std::make_unique<TCUPLVectorType>(this), "CUPL"), "CUPL_vector");
    add(std::make_unique<TBitWaveType>(this), "bit");
    add(vector(std::make_unique<TStdLogicVectorType>(this), "bit"), "bit_vector");
    add(std::make_unique<TEnumWaveType>(this), "boolean", "2$false$true$");
    add(std::make_unique<TCharacterWaveType>(this), "character");
    add(vector(std::make_unique<TStringWaveType>(this), "character"), "string");
    add(std::make_unique<TEnumWaveType>(this), "severity_level", "4$note$warning$error$failure$");
    add(std::make_unique<TEnumWaveType>(this), "file_open_status",
        "4$open_ok$status_error$name_error$mode_error$");
    add(std::make_unique<TEnumWaveType>(this), "file_open_kind",
        "3$read_mode$write_mode$append_mode$");
    add(std::make_unique<TRealWaveType>(this), "real");
    add(std::make_unique<TPhysicalWaveType>(this), "time",
        "8$fs$1$ $ps$1000$fs$ns$1000$ps$us$1000$ns$ms$1000$us$sec$1000$ms$min$60$sec$hr$60$min$");
}

int32_t TWaveDataTypeStore::IndexOf(const TWaveDataType* type) const {
    for (size_t i = 0; i < Types.size(); ++i)
        if (Types[i].get() == type)
            return static_cast<int32_t>(i);
    return -1;
}

TWaveDataType* TWaveDataTypeStore::FindByName(std::string_view name) const {
    name = name.substr(0, ShortStringMax);
    for (const auto& type : Types)
        if (type->Name() == name)
            return type.get();
    return nullptr;
}

TWaveDataType* TWaveDataTypeStore::FindByUID(int32_t uid) const {
    for (const auto& type : Types)
        if (type->UniqueID() == uid)
            return type.get();
    return nullptr;
}

std::unique_ptr<TWaveDataType> TWaveDataTypeStore::NewOfKind(int32_t kind) {
    switch (kind) {
    case TypeKind::Array:
        return std::make_unique<TBasicArrayWaveType>(this);
    case TypeKind::Unconstrained:
        return std::make_unique<TBasicUnconstrainedWaveType>(this);
    case TypeKind::Record:
        return std::make_unique<TBasicRecordWaveType>(this);
    case TypeKind::Enum:
        return std::make_unique<TEnumWaveType>(this);
    case TypeKind::StdLogic:
        return std::make_unique<TStdLogicWaveType>(this);
    case TypeKind::Bit:
        return std::make_unique<TBitWaveType>(this);
    case TypeKind::Real:
        return std::make_unique<TRealWaveType>(this);
    case TypeKind::Character:
        return std::make_unique<TCharacterWaveType>(this);
    case TypeKind::Integer:
        return std::make_unique<TIntegerWaveType>(this);
    case TypeKind::CUPL:
        return std::make_unique<TCUPLWaveType>(this);
    case TypeKind::StdLogicVector:
    case TypeKind::BitVector:
        return std::make_unique<TStdLogicVectorType>(this);
    case TypeKind::CUPLVector:
        return std::make_unique<TCUPLVectorType>(this);
    case TypeKind::String:
        return std::make_unique<TStringWaveType>(this);
    case TypeKind::Physical:
        return std::make_unique<TPhysicalWaveType>(this);
    case TypeKind::Access:
        return std::make_unique<TAccessWaveType>(this);
    default:
        return nullptr;
    }
}

std::unique_ptr<TBasicUnconstrainedWaveType>
TWaveDataTypeStore::MakeSubtype(const TBasicUnconstrainedWaveType& base) {
    auto subtype = base.CloneForConstraint();
    subtype->SetBaseTypeName(base.Name());
    subtype->SetConstrained(true);
    subtype->SetIsSubtype(true);
    return subtype;
}

void TWaveDataTypeStore::AddFromDescription(std::string_view description, std::string_view name,
                                            int32_t uid) {
    TDescriptionReader text(description);
    const int32_t kind = KindOfField(text.NextField());
    if (uid == -1)
        uid = FIdAllocator.AllocateLow();
    std::unique_ptr<TWaveDataType> type;
    if (kind == TypeKind::SubtypeArrayConstraint) {
        const std::string_view baseName = text.NextField();
        const TWaveDataType* base = FindByName(baseName);
        if (base == nullptr)
            throw EWaveTypeLoaderException("Type " + ShortString(baseName) + " not found");
        const auto* unconstrained = AsUnconstrained(base);
        if (unconstrained == nullptr)
            throw EWaveTypeLoaderException("Type " + ShortString(baseName) +
                                           " is not an unconstrained array type");
        auto subtype = MakeSubtype(*unconstrained);
        subtype->SetName(name);
        const int32_t left = text.NextInteger();
        subtype->SetBounds(left, text.NextInteger());
        type = std::move(subtype);
    } else {
        type = NewOfKind(kind);
        type->SetName(name);
        try {
            type->ParseDescription(text, *this);
        } catch (...) {
            std::erase(Pending, type.get());
            throw;
        }
    }
    type->SetUniqueID(uid);
    Add(std::move(type));
}

std::unique_ptr<TWaveDataType> TWaveDataTypeStore::CreateOfKind(int32_t kind,
                                                                std::string_view baseTypeName) {
    if (kind != TypeKind::SubtypeArrayConstraint)
        return NewOfKind(kind);
    const auto* base = AsUnconstrained(FindByName(baseTypeName));
    if (base == nullptr)
        return nullptr;
    return MakeSubtype(*base);
}

IWaveDataType* TWaveDataTypeStore::CreateForHost(const char* name, int32_t kind) {
    const std::string_view text = InterfaceText(name);
    if (text.empty() || kind < 0 || kind >= TypeKind::SubtypeArrayConstraint)
        return nullptr;
    auto type = NewOfKind(kind);
    type->SetName(text);
    type->SetUniqueID(FIdAllocator.AllocateLow());
    return Add(std::move(type));
}

TWaveDataType* TWaveDataTypeStore::Add(std::unique_ptr<TWaveDataType> type) {
    Types.push_back(std::move(type));
    FSorted = false;
    return Types.back().get();
}

TWaveDataType* TWaveDataTypeStore::AddAnonymous(std::unique_ptr<TWaveDataType> type) {
    Anonymous.push_back(std::move(type));
    return Anonymous.back().get();
}

TWaveDataType* TWaveDataTypeStore::AddConstrainedCopy(const TBasicUnconstrainedWaveType& open,
                                                      int32_t left, int32_t right) {
    auto copy = open.CloneForConstraint();
    copy->SetConstrained(true);
    copy->SetBounds(left, right);
    return AddAnonymous(std::move(copy));
}

void TWaveDataTypeStore::AddPendingAccessType(TAccessWaveType* type) {
    Pending.push_back(type);
}

void TWaveDataTypeStore::ResolveAccessTypes() {
    for (TAccessWaveType* access : std::exchange(Pending, {}))
        access->ResolvePending();
    for (size_t i = 0; i < Types.size(); ++i) {
        TWaveDataType& type = *Types[i];
        if (type.IsAccess()) {
            TSelfReferenceWalk visited;
            type.ReplaceSelfReference(type.UniqueID(), visited);
        }
    }
}

void TWaveDataTypeStore::SortByDependency() {
    const size_t count = Types.size();
    std::unordered_map<const TWaveDataType*, size_t> position;
    std::unordered_map<int32_t, size_t> positionOfUID;
    for (size_t i = 0; i < count; ++i) {
        position.emplace(Types[i].get(), i);
        positionOfUID.emplace(Types[i]->UniqueID(), i);
    }
    // References by position. An anonymous copy stands for the type it was copied from, which
    // shares its identifier.
    std::vector<std::vector<size_t>> references(count);
    for (size_t i = 0; i < count; ++i) {
        for (const TWaveDataType* referenced : Types[i]->ReferencedTypes()) {
            if (referenced == nullptr)
                continue;
            if (auto it = position.find(referenced); it != position.end())
                references[i].push_back(it->second);
            else if (auto byUID = positionOfUID.find(referenced->UniqueID());
                     byUID != positionOfUID.end())
                references[i].push_back(byUID->second);
        }
    }
    // Depth-first: a type is numbered after every type it refers to.
    std::vector<bool> visited(count, false);
    std::vector<size_t> order;
    order.reserve(count);
    std::vector<std::pair<size_t, size_t>> stack; // type, next reference to enter
    for (size_t start = 0; start < count; ++start) {
        if (visited[start])
            continue;
        visited[start] = true;
        stack.emplace_back(start, 0);
        while (!stack.empty()) {
            auto& [type, next] = stack.back();
            if (next < references[type].size()) {
                const size_t referenced = references[type][next++];
                if (!visited[referenced]) {
                    visited[referenced] = true;
                    stack.emplace_back(referenced, 0);
                }
            } else {
                order.push_back(type);
                stack.pop_back();
            }
        }
    }
    std::vector<std::unique_ptr<TWaveDataType>> sorted;
    sorted.reserve(count);
    for (size_t i : order)
        sorted.push_back(std::move(Types[i]));
    Types = std::move(sorted);
    FSorted = true;
}

void TWaveDataTypeStore::Clear() {
    Pending.clear();
    Types.clear();
    Anonymous.clear();
    FIdAllocator.Clear();
    FPredefinedCount = 0;
}
