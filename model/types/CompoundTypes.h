// The compound types: arrays, unconstrained arrays and their named subtypes, the predefined
// vectors, records, access types and their holders, and the editor's group and comparison types.
//
// CompoundTypes.cpp gives them their structure: fields, kind codes, descriptions, element and
// referenced types, constrained copies, access resolution and the structural interface methods.
// CompoundValues.cpp gives the behaviour of their values (display, short text, equality,
// cloning), CompoundTypeTree.cpp their type-tree entries.
#pragma once

#include "model/types/WaveDataType.h"

#include <memory>

class TWaveCompoundType : public TWaveDataType {
public:
    using TWaveDataType::TWaveDataType;

    bool IsCompound() const override;
    // Same Empty flag, same element count and every element equal by its ElementType.
    bool ValuesEqual(TValueRef a, TValueRef b) const override;
    // A compound value of the same shape that owns copies of all elements.
    TValue CloneValue(TValueRef value) const override;

    virtual TWaveDataType* ElementType(int32_t index) const;
    virtual bool IsConstrainedArray() const;
    virtual bool IsRecord() const;
    // An unconstrained array that is not a named subtype.
    virtual bool IsOpen() const;
    virtual bool IsUnconstrainedArray() const;
    virtual bool IsGroup() const;
};

// Element count of a range: |left - right| + 1.
int64_t RangeCount(int32_t left, int32_t right);
// Most elements an array may have: a damaged bound must not make millions of signals.
constexpr int64_t MaxArrayElements = int64_t{1} << 20;
// RangeCount, refused with EWaveTypeLoaderException above MaxArrayElements.
int32_t CheckedRangeCount(int32_t left, int32_t right);
// "left to right" when left is less than right, otherwise "left downto right".
std::string RangeText(int32_t left, int32_t right);

// Constrained array (kind 0).
class TBasicArrayWaveType : public TWaveCompoundType {
public:
    using TWaveCompoundType::TWaveCompoundType;

    void ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store) override;
    std::string GetDescription() const override;
    int32_t KindCode() const override;
    std::vector<TWaveDataType*> ElementTypes() const override;
    std::vector<TWaveDataType*> ReferencedTypes() const override;
    TWaveDataType* ElementType(int32_t index) const override;
    bool IsConstrainedArray() const override;
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    std::string ValueText(TValueRef value) const override;
    int32_t MaxTextWidth(int32_t left, int32_t right) const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    HResult SetLeftBound(int32_t bound) override;
    HResult SetRightBound(int32_t bound) override;
    HResult SetElementType(const char* name) override;
    HResult SetConstrainedElementType(const char* name, int32_t left, int32_t right) override;

    TWaveDataType* Element() const { return FElementType; }
    void SetElement(TWaveDataType* element) { FElementType = element; }
    TWaveDataType* IndexType() const { return FIndexType; }
    void SetIndexType(TWaveDataType* index) { FIndexType = index; }
    int32_t LeftBound() const { return FLeftBound; }
    int32_t RightBound() const { return FRightBound; }
    void SetBounds(int32_t left, int32_t right) {
        FLeftBound = left;
        FRightBound = right;
    }

private:
    TWaveDataType* FElementType = nullptr;
    int32_t FLeftBound = 0;
    int32_t FRightBound = 0;
    TWaveDataType* FIndexType = nullptr;
};

// Unconstrained array (kind 1), or a named subtype with an array constraint (kind 16). The
// predefined vector classes answer their own kind, or 16 for a named subtype of them.
class TBasicUnconstrainedWaveType : public TWaveCompoundType {
public:
    using TWaveCompoundType::TWaveCompoundType;

    void ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store) override;
    std::string GetDescription() const override;
    int32_t KindCode() const override;
    std::vector<TWaveDataType*> ElementTypes() const override;
    std::vector<TWaveDataType*> ReferencedTypes() const override;
    TWaveDataType* ElementType(int32_t index) const override;
    bool IsOpen() const override;
    bool IsUnconstrainedArray() const override;
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    std::string ValueText(TValueRef value) const override;
    // With the type's own bounds when Constrained, otherwise with the given (the signal's).
    int32_t MaxTextWidth(int32_t left, int32_t right) const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    HResult SetLeftBound(int32_t bound) override;
    HResult SetRightBound(int32_t bound) override;
    HResult SetElementType(const char* name) override;
    HResult SetConstrainedElementType(const char* name, int32_t left, int32_t right) override;

    // A new object of the same class sharing name, element type, index type and identifier.
    virtual std::unique_ptr<TBasicUnconstrainedWaveType> CloneForConstraint() const;
    // Copies name, element type, index type and identifier.
    virtual void CopyTo(TBasicUnconstrainedWaveType& target) const;

    const std::string& BaseTypeName() const { return FBaseTypeName; }
    void SetBaseTypeName(std::string_view name);
    TWaveDataType* Element() const { return FElementType; }
    void SetElement(TWaveDataType* element) { FElementType = element; }
    TWaveDataType* IndexType() const { return FIndexType; }
    void SetIndexType(TWaveDataType* index) { FIndexType = index; }
    bool Constrained() const { return FConstrained; }
    void SetConstrained(bool constrained) { FConstrained = constrained; }
    bool IsSubtype() const { return FIsSubtype; }
    void SetIsSubtype(bool subtype) { FIsSubtype = subtype; }
    int32_t LeftBound() const { return FLeftBound; }
    int32_t RightBound() const { return FRightBound; }
    void SetBounds(int32_t left, int32_t right) {
        FLeftBound = left;
        FRightBound = right;
    }

private:
    // The bound-setting interface methods make the type a named subtype of its own name.
    void BecomeSubtype();

    std::string FBaseTypeName;
    TWaveDataType* FElementType = nullptr;
    TWaveDataType* FIndexType = nullptr;
    bool FConstrained = false;
    bool FIsSubtype = false;
    int32_t FLeftBound = 0;
    int32_t FRightBound = 0;
};

// The type as an open unconstrained array (one that IsOpen), or nil.
const TBasicUnconstrainedWaveType* OpenArray(const TWaveDataType* type);

// `std_logic_vector` and `bit_vector` (kind 10; kind 11 reads as this class).
class TStdLogicVectorType : public TBasicUnconstrainedWaveType {
public:
    using TBasicUnconstrainedWaveType::TBasicUnconstrainedWaveType;

    int32_t KindCode() const override;
    bool HasRadixChoice() const override;
    bool HasNumericFormat() const override;
    void InitRowOptions(TRowFormat& format) const override;
    std::unique_ptr<TBasicUnconstrainedWaveType> CloneForConstraint() const override;
};

// `CUPL_vector` (kind 12).
class TCUPLVectorType : public TBasicUnconstrainedWaveType {
public:
    using TBasicUnconstrainedWaveType::TBasicUnconstrainedWaveType;

    int32_t KindCode() const override;
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    bool HasRadixChoice() const override;
    bool HasNumericFormat() const override;
    void InitRowOptions(TRowFormat& format) const override;
    std::unique_ptr<TBasicUnconstrainedWaveType> CloneForConstraint() const override;
};

// `string` (kind 13).
class TStringWaveType : public TBasicUnconstrainedWaveType {
public:
    using TBasicUnconstrainedWaveType::TBasicUnconstrainedWaveType;

    int32_t KindCode() const override;
    // The characters in double quotes; control codes as "/" and three digits.
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    std::unique_ptr<TBasicUnconstrainedWaveType> CloneForConstraint() const override;
};

// Record (kind 2): named fields in order. Field types are not owned.
class TBasicRecordWaveType : public TWaveCompoundType {
public:
    using TWaveCompoundType::TWaveCompoundType;

    void ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store) override;
    std::string GetDescription() const override;
    int32_t KindCode() const override;
    std::vector<TWaveDataType*> ElementTypes() const override;
    std::vector<TWaveDataType*> ReferencedTypes() const override;
    // Fields whose type is the access type `uid` get an unresolved copy of it instead; the
    // other fields pass the walk on.
    void ReplaceSelfReference(int32_t uid, TSelfReferenceWalk& visited) override;
    TWaveDataType* ElementType(int32_t index) const override;
    bool IsRecord() const override;
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    std::string ValueText(TValueRef value) const override;
    int32_t MaxTextWidth(int32_t left, int32_t right) const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    HResult AddField(const char* typeName, const char* fieldName) override;
    HResult AddConstrainedField(const char* typeName, const char* fieldName, int32_t left,
                                int32_t right) override;

    int32_t FieldCount() const { return static_cast<int32_t>(FFieldTypes.size()); }
    const std::vector<TWaveDataType*>& FieldTypes() const { return FFieldTypes; }
    const std::vector<std::string>& FieldNames() const { return FFieldNames; }
    void AppendField(std::string_view name, TWaveDataType* type);

protected:
    void ReplaceFieldType(size_t index, TWaveDataType* type) { FFieldTypes[index] = type; }
    void RemoveLastField();
    // Replaces the field by an unresolved copy of its access type when the field refers to
    // `uid`; answers whether it did.
    bool ReplaceBackReference(size_t index, int32_t uid);

private:
    std::vector<TWaveDataType*> FFieldTypes;
    std::vector<std::string> FFieldNames;
};

// Access type (kind 15): a record of the field "pointer" (integer) and, once resolved, the field
// "value" of the designated type (or of a holder for an open designated array).
class TAccessWaveType : public TBasicRecordWaveType {
public:
    // Adds the "pointer" field.
    explicit TAccessWaveType(TWaveDataTypeStore* store);

    void ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store) override;
    std::string GetDescription() const override;
    int32_t KindCode() const override;
    bool IsAccess() const override;
    // "{NULL}" for a pointer of 0, otherwise the record display.
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    std::vector<TWaveDataType*> ReferencedTypes() const override;
    HResult SetDesignatedType(const char* name) override;

    // Names the designated type: resolves at once when it exists, otherwise registers the access
    // type as pending with the store.
    void SetDesignatedTypeName(std::string_view name);
    // Resolves a pending access type by its designated name, or by its designated identifier
    // when it has no name; answers whether the designated type was found.
    bool ResolvePending();
    // Adds (or replaces) the "value" field for the designated type and marks the type resolved.
    void Designate(TWaveDataType& designated);
    // A new unresolved access type with the same name, designated name and identifier.
    std::unique_ptr<TAccessWaveType> UnresolvedCopy() const;

    bool Resolved() const { return FResolved; }
    const std::string& DesignatedName() const { return FDesignatedName; }
    int32_t DesignatedUID() const { return FDesignatedUID; }
    void SetDesignatedUID(int32_t uid) { FDesignatedUID = uid; }

private:
    bool FResolved = false;
    std::string FDesignatedName;
    int32_t FDesignatedUID = -1;
};

// Stands for an access to an open unconstrained array: "access to " and the held type's name.
class TUncAccessHolderType : public TWaveCompoundType {
public:
    TUncAccessHolderType(TWaveDataTypeStore* store, TBasicUnconstrainedWaveType& held);

    bool IsAccessHolder() const override;
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    void InitRowOptions(TRowFormat& format) const override;
    bool ValuesEqual(TValueRef a, TValueRef b) const override;
    TValue CloneValue(TValueRef value) const override;
    // The held type's entry.
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;

    TBasicUnconstrainedWaveType& HeldType() const { return *FHeldType; }

private:
    TBasicUnconstrainedWaveType* FHeldType;
};

// The type of a user group (bus): the member signals' types in member order.
class TGroupWaveType : public TWaveCompoundType {
public:
    explicit TGroupWaveType(TWaveDataTypeStore* store);

    std::vector<TWaveDataType*> ElementTypes() const override;
    // The member's type; nil out of range.
    TWaveDataType* ElementType(int32_t index) const override;
    // A vector display when every member is std_logic or bit, otherwise braces.
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    void InitRowOptions(TRowFormat& format) const override;
    bool IsGroup() const override;
    virtual bool IsCompare() const;

    std::vector<TWaveDataType*>& MemberTypes() { return FMemberTypes; }
    const std::vector<TWaveDataType*>& MemberTypes() const { return FMemberTypes; }

private:
    std::vector<TWaveDataType*> FMemberTypes;
};

// The type of a comparison of two signals.
class TCompareWaveType : public TGroupWaveType {
public:
    using TGroupWaveType::TGroupWaveType;

    // "match" when the two members' values are equal, otherwise "diff".
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    void InitRowOptions(TRowFormat& format) const override;
    bool IsCompare() const override;
};
