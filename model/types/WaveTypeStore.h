// The type store of a waveform document.
#pragma once

#include "model/signals/WaveUniqueIDMaster.h"
#include "model/types/WaveDataType.h"

#include <memory>
#include <string_view>
#include <vector>

class TAccessWaveType;
class TBasicUnconstrainedWaveType;
class TWaveDocument;

// The data types of one document, in order of addition, beginning with the 16 predefined
// types (identifiers 1 to 16). Owns its types, the anonymous constrained copies and an
// identifier allocator of its own.
class TWaveDataTypeStore {
public:
    explicit TWaveDataTypeStore(TWaveDocument* document = nullptr);
    TWaveDataTypeStore(const TWaveDataTypeStore&) = delete;
    TWaveDataTypeStore& operator=(const TWaveDataTypeStore&) = delete;
    ~TWaveDataTypeStore();

    int32_t Count() const { return static_cast<int32_t>(Types.size()); }
    TWaveDataType* Item(int32_t index) const { return Types[static_cast<size_t>(index)].get(); }
    int32_t IndexOf(const TWaveDataType* type) const;

    // First type of the main list with exactly this name (a short string; case matters).
    TWaveDataType* FindByName(std::string_view name) const;
    // First type of the main list with this identifier.
    TWaveDataType* FindByUID(int32_t uid) const;

    // Builds a type from a full description, names it, gives it the identifier (a new one when
    // uid is -1) and appends it. Raises EWaveTypeLoaderException or the conversion errors; the
    // failing type is then not added.
    void AddFromDescription(std::string_view description, std::string_view name, int32_t uid);
    // A new, empty, unnamed type of a kind, for a reader that fills it and appends it with Add.
    // Kind 16 copies the named base type (nil when there is none); other kinds outside 0 to 15
    // give nil.
    std::unique_ptr<TWaveDataType> CreateOfKind(int32_t kind, std::string_view baseTypeName);
    // The host's way to define a type: a new named type of a kind with a new identifier,
    // appended. Nil for an empty name and for kinds outside 0 to 15 (a named subtype comes
    // into being when the host sets bounds on an unconstrained array).
    IWaveDataType* CreateForHost(const char* name, int32_t kind);

    // Appends a type to the main list and clears Sorted.
    TWaveDataType* Add(std::unique_ptr<TWaveDataType> type);
    // Takes an anonymous type (constrained copy, unresolved access copy) into AnonymousTypes.
    TWaveDataType* AddAnonymous(std::unique_ptr<TWaveDataType> type);
    // An anonymous copy of an unconstrained array with these bounds.
    TWaveDataType* AddConstrainedCopy(const TBasicUnconstrainedWaveType& open, int32_t left,
                                      int32_t right);
    // A named subtype of an unconstrained array: its copy, constrained, with the base's name as
    // BaseTypeName; the caller names it and sets its bounds and identifier.
    static std::unique_ptr<TBasicUnconstrainedWaveType>
    MakeSubtype(const TBasicUnconstrainedWaveType& base);

    void AddPendingAccessType(TAccessWaveType* type);
    // Resolves the designated types of the pending access types, then lets every access type
    // replace references back to itself.
    void ResolveAccessTypes();
    // Reorders the main list so that every type follows the types it refers to.
    void SortByDependency();
    // Frees every type and empties the allocator; the predefined types are not recreated.
    void Clear();

    int32_t PredefinedCount() const { return FPredefinedCount; }
    void CountPredefined() { ++FPredefinedCount; }
    bool Sorted() const { return FSorted; }
    TWaveDocument* Document() const { return FDocument; }
    TUniqueIDMaster& IdAllocator() { return FIdAllocator; }
    const std::vector<std::unique_ptr<TWaveDataType>>& AnonymousTypes() const { return Anonymous; }
    const std::vector<TAccessWaveType*>& PendingAccessTypes() const { return Pending; }

private:
    void AddPredefined();
    std::unique_ptr<TWaveDataType> NewOfKind(int32_t kind);

    std::vector<std::unique_ptr<TWaveDataType>> Types;
    int32_t FPredefinedCount = 0;
    std::vector<std::unique_ptr<TWaveDataType>> Anonymous;
    bool FSorted = false;
    std::vector<TAccessWaveType*> Pending;
    TWaveDocument* FDocument;
    TUniqueIDMaster FIdAllocator;
};
