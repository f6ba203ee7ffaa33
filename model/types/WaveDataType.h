// The base of every data type, the type kinds, the literal list of enumerations and the
// exception of the type readers.
#pragma once

#include "model/signals/WaveValue.h"
#include "model/types/RowFormat.h"
#include "model/types/TypeDescription.h"
#include "model/types/TypeTree.h"
#include "model/types/WaveTypeInterface.h"
#include "platform/com/Exception.h"
#include "platform/com/Interfaced.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class TWaveDataTypeStore;
class TFile_Abstract;     // typed record file of the file formats
struct TSignalEvent;      // one event of a simple signal
struct TWavePaintContext; // view, time panel, row options and rectangle of the row being painted

class TWaveDataType;

// The types one ReplaceSelfReference walk has entered: each type is walked once, which also
// stops the walk at cycles through access types.
using TSelfReferenceWalk = std::unordered_set<const TWaveDataType*>;

// Raised for every error of the type store, of type descriptions and of the type readers.
class EWaveTypeLoaderException : public Exception {
public:
    using Exception::Exception;
};

// Kind codes of the type classes, as stored in files.
namespace TypeKind {
constexpr int32_t Array = 0;
constexpr int32_t Unconstrained = 1;
constexpr int32_t Record = 2;
constexpr int32_t Enum = 3;
constexpr int32_t StdLogic = 4;
constexpr int32_t Bit = 5;
constexpr int32_t Real = 6;
constexpr int32_t Character = 7;
constexpr int32_t Integer = 8;
constexpr int32_t CUPL = 9;
constexpr int32_t StdLogicVector = 10;
constexpr int32_t BitVector = 11; // read as 10
constexpr int32_t CUPLVector = 12;
constexpr int32_t String = 13;
constexpr int32_t Physical = 14;
constexpr int32_t Access = 15;
constexpr int32_t SubtypeArrayConstraint = 16;
constexpr int32_t Other = 17;
} // namespace TypeKind

// The literal names of an enumeration, in position order.
class TEnumList {
public:
    void Add(std::string_view literal) { Items.emplace_back(literal); }
    void Clear() { Items.clear(); }
    int32_t Count() const { return static_cast<int32_t>(Items.size()); }
    const std::string& operator[](int32_t index) const { return Items[static_cast<size_t>(index)]; }
    auto begin() const { return Items.begin(); }
    auto end() const { return Items.end(); }

private:
    std::vector<std::string> Items;
};

// A data type of a waveform document's type store. The store owns its types; the data-type
// interface therefore answers -1 to AddRef and Release. The virtual operations follow the
// system's slot order; the ten interface methods come after them.
class TWaveDataType : public TUncountedObject<IWaveDataType> {
public:
    explicit TWaveDataType(TWaveDataTypeStore* store) : FStore(store) {}
    TWaveDataType(const TWaveDataType&) = delete;
    TWaveDataType& operator=(const TWaveDataType&) = delete;
    ~TWaveDataType() override = default;

    // Reads the type-specific part of a description; base: nothing.
    virtual void ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store);
    // The decimal kind code, "$", then GetDescription.
    virtual std::string GetFullDescription() const;
    // The type-specific part of the description; base: empty.
    virtual std::string GetDescription() const;
    // Binary version-1 form of the type body; base: nothing.
    virtual void WriteBinaryV1(TFile_Abstract& file) const;
    virtual void ReadBinaryV1(TFile_Abstract& file);
    // Parametric-record form of the type body; base: nothing.
    virtual void WriteRecord(TFile_Abstract& file) const;
    virtual void ReadRecord(TFile_Abstract& file);
    virtual int32_t KindCode() const;
    // Paints the value that holds from one event to the next: PaintSpan takes the row's paint
    // context and calls PaintValue. The painting of each type lives with the view.
    virtual void PaintSpan(TWavePaintContext& context, const TSignalEvent& event,
                           const TSignalEvent* nextEvent);
    virtual void PaintValue(TWavePaintContext& context, const TSignalEvent& event,
                            const TSignalEvent* nextEvent);
    // Display text of a value under a row's radix and format.
    virtual std::string FormatValue(TValueRef value, const TRowFormat& format) const;
    virtual bool HasRadixChoice() const;
    virtual bool IsLogicLevel() const;
    virtual bool HasNumericFormat() const;
    virtual bool IsPlaceHolder() const;
    virtual bool IsCompound() const;
    virtual bool IsAccess() const;
    virtual bool IsAccessHolder() const;
    // A new value equal to the given one; nil when the type cannot make one.
    virtual TValue CloneValue(TValueRef value) const;
    // Adds the type's entry under the parent and returns it; nil when the type has no entry.
    virtual TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const;
    // A new row's radix and format Default, no disassembler, the font colour of the type.
    virtual void InitRowOptions(TRowFormat& format) const;
    // One element type per child signal; empty for simple types.
    virtual std::vector<TWaveDataType*> ElementTypes() const;
    virtual bool ValuesEqual(TValueRef a, TValueRef b) const;
    // Bytes of the byte form of a value; base 0.
    virtual int32_t ValueByteSize() const;
    // The types this type refers to, for dependency ordering; empty for simple types.
    virtual std::vector<TWaveDataType*> ReferencedTypes() const;
    // Replaces fields that refer back to the access type `uid` (access-type support).
    virtual void ReplaceSelfReference(int32_t uid, TSelfReferenceWalk& visited);
    // True when every value's text is one character.
    virtual bool IsSingleCharacter() const;
    // Largest number of characters of a value's short text.
    virtual int32_t MaxTextWidth(int32_t left, int32_t right) const;
    // Short text of a value.
    virtual std::string ValueText(TValueRef value) const;

    // Data-type interface: nothing on types that do not implement a method.
    HResult SetLeftBound(int32_t bound) override;
    HResult SetRightBound(int32_t bound) override;
    HResult SetElementType(const char* name) override;
    HResult SetConstrainedElementType(const char* name, int32_t left, int32_t right) override;
    HResult AddField(const char* typeName, const char* fieldName) override;
    HResult AddConstrainedField(const char* typeName, const char* fieldName, int32_t left,
                                int32_t right) override;
    HResult QueryNil(IUnknown** result) override;
    HResult AddLiteral(const char* name) override;
    HResult AddUnit(const char* name, int32_t multiplier, const char* baseUnitName) override;
    HResult SetDesignatedType(const char* name) override;

    // Names are short strings: longer texts are cut to 255 characters.
    const std::string& Name() const { return FName; }
    void SetName(std::string_view name);
    TWaveDataTypeStore* Store() const { return FStore; }
    bool Predefined() const { return FPredefined; }
    void SetPredefined(bool predefined) { FPredefined = predefined; }
    int32_t UniqueID() const { return FUniqueID; }
    void SetUniqueID(int32_t uid) { FUniqueID = uid; }

protected:
    // Adds "name" with the child "pre-defined type", collapsed: the entry of the built-in types.
    TTypeTreeNode* AddPredefinedEntry(TTypeTreeNode& parent, std::string_view name) const;

private:
    std::string FName;
    TWaveDataTypeStore* FStore;
    bool FPredefined = false;
    int32_t FUniqueID = 0;
};

// A text handed in through the interface: nil reads as empty.
inline std::string_view InterfaceText(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}
