// The simple (scalar) types: their values are TSimpleValue cells.
#pragma once

#include "model/types/WaveDataType.h"

#include <optional>
#include <span>

// Base of the scalar types. Adds the text and byte forms of values.
class TWaveSimpleType : public TWaveDataType {
public:
    using TWaveDataType::TWaveDataType;

    bool IsCompound() const override;
    // A copy of the cell.
    TValue CloneValue(TValueRef value) const override;
    // Same Empty flag and same Ordinal.
    bool ValuesEqual(TValueRef a, TValueRef b) const override;

    // The value of a text of the file form; nil when the text is not a value of the type.
    // Numbers that do not convert raise EConvertError.
    virtual std::optional<TSimpleValue> ValueFromText(std::string_view text) const;
    // The file form of a value (a short string).
    virtual std::string ValueToText(const TSimpleValue& value) const;
    // The value of ValueByteSize bytes; nil when they are not a value of the type.
    virtual std::optional<TSimpleValue> ValueFromBytes(std::span<const uint8_t> bytes) const;
    // Writes ValueByteSize bytes and returns their count.
    virtual int32_t ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const;
    virtual bool IsEnumeration() const;
};

// An enumeration: values are positions in the literal list.
class TEnumWaveType : public TWaveSimpleType {
public:
    using TWaveSimpleType::TWaveSimpleType;

    void ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store) override;
    std::string GetDescription() const override;
    int32_t KindCode() const override;
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    int32_t ValueByteSize() const override;
    int32_t MaxTextWidth(int32_t left, int32_t right) const override;
    std::string ValueText(TValueRef value) const override;
    HResult AddLiteral(const char* name) override;
    std::optional<TSimpleValue> ValueFromText(std::string_view text) const override;
    std::string ValueToText(const TSimpleValue& value) const override;
    std::optional<TSimpleValue> ValueFromBytes(std::span<const uint8_t> bytes) const override;
    int32_t ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const override;
    bool IsEnumeration() const override;

    const TEnumList& Literals() const { return FLiterals; }
    int32_t MaxLiteralLength() const { return FMaxLiteralLength; }
    // Appends a literal and updates MaxLiteralLength.
    void AppendLiteral(std::string_view literal);
    // The literal at a position; empty when the position is out of range.
    std::string_view LiteralAt(int32_t position) const;

protected:
    void ClearLiterals();

private:
    TEnumList FLiterals;
    int32_t FMaxLiteralLength = 0;
};

// `character`: an enumeration of 256 generated literals.
class TCharacterWaveType : public TEnumWaveType {
public:
    explicit TCharacterWaveType(TWaveDataTypeStore* store);

    // Ignores the text and generates the literals.
    void ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store) override;
    std::string GetDescription() const override;
    int32_t KindCode() const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;

    // Replaces the literals by the 256 character names.
    void GenerateLiterals();
};

// `std_logic`, `std_ulogic`: the nine logic values, coded 0 U, 1 X, 2 0, 3 1, 4 Z, 5 W, 6 L, 7 H,
// 8 -.
class TStdLogicWaveType : public TWaveSimpleType {
public:
    using TWaveSimpleType::TWaveSimpleType;

    static constexpr std::string_view Letters = "UX01ZWLH-";
    // The letter of a code; U for a code that is not one of the nine.
    static char Letter(int32_t code);

    int32_t KindCode() const override;
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    bool IsLogicLevel() const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    void InitRowOptions(TRowFormat& format) const override;
    int32_t ValueByteSize() const override;
    bool IsSingleCharacter() const override;
    int32_t MaxTextWidth(int32_t left, int32_t right) const override;
    std::string ValueText(TValueRef value) const override;
    std::optional<TSimpleValue> ValueFromText(std::string_view text) const override;
    std::string ValueToText(const TSimpleValue& value) const override;
    std::optional<TSimpleValue> ValueFromBytes(std::span<const uint8_t> bytes) const override;
    int32_t ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const override;
};

// `bit`: the std_logic codes 2 (0) and 3 (1).
class TBitWaveType : public TStdLogicWaveType {
public:
    using TStdLogicWaveType::TStdLogicWaveType;

    int32_t KindCode() const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    std::optional<TSimpleValue> ValueFromText(std::string_view text) const override;
    std::string ValueToText(const TSimpleValue& value) const override;
    int32_t ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const override;
};

// `integer`: signed 32-bit values.
class TIntegerWaveType : public TWaveSimpleType {
public:
    using TWaveSimpleType::TWaveSimpleType;

    int32_t KindCode() const override;
    // By radix: binary or hexadecimal digits of the 32-bit pattern, otherwise signed decimal.
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    bool HasRadixChoice() const override;
    bool HasNumericFormat() const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    void InitRowOptions(TRowFormat& format) const override;
    int32_t ValueByteSize() const override;
    int32_t MaxTextWidth(int32_t left, int32_t right) const override;
    std::string ValueText(TValueRef value) const override;
    std::optional<TSimpleValue> ValueFromText(std::string_view text) const override;
    std::string ValueToText(const TSimpleValue& value) const override;
    std::optional<TSimpleValue> ValueFromBytes(std::span<const uint8_t> bytes) const override;
    int32_t ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const override;
};

// `real`: 64-bit floating-point values.
class TRealWaveType : public TWaveSimpleType {
public:
    using TWaveSimpleType::TWaveSimpleType;

    int32_t KindCode() const override;
    // General form with 15 significant digits.
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    bool HasNumericFormat() const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    void InitRowOptions(TRowFormat& format) const override;
    bool ValuesEqual(TValueRef a, TValueRef b) const override;
    int32_t ValueByteSize() const override;
    int32_t MaxTextWidth(int32_t left, int32_t right) const override;
    // General form with 6 significant digits (fewer when needed to fit 12 characters).
    std::string ValueText(TValueRef value) const override;
    std::optional<TSimpleValue> ValueFromText(std::string_view text) const override;
    // The shortest text that reads back to the same double.
    std::string ValueToText(const TSimpleValue& value) const override;
    std::optional<TSimpleValue> ValueFromBytes(std::span<const uint8_t> bytes) const override;
    int32_t ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const override;
};

// `CUPL`: a level (0 L, 1 H, 2 U) in Ordinal and a drive kind (0 S, 1 D, 2 R, 3 Z) in Drive.
class TCUPLWaveType : public TWaveSimpleType {
public:
    using TWaveSimpleType::TWaveSimpleType;

    static constexpr std::string_view LevelLetters = "LHU";
    static constexpr std::string_view DriveLetters = "SDRZ";
    // The letters of a level and a drive; U and Z for codes out of range.
    static char LevelLetter(int32_t level);
    static char DriveLetter(int32_t drive);

    int32_t KindCode() const override;
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    bool IsLogicLevel() const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    void InitRowOptions(TRowFormat& format) const override;
    bool ValuesEqual(TValueRef a, TValueRef b) const override;
    int32_t ValueByteSize() const override;
    std::optional<TSimpleValue> ValueFromText(std::string_view text) const override;
    std::string ValueToText(const TSimpleValue& value) const override;
    std::optional<TSimpleValue> ValueFromBytes(std::span<const uint8_t> bytes) const override;
    int32_t ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const override;
};

// One unit of a physical type.
struct TPhysicalUnit {
    std::string Name;       // short string
    int32_t Multiplier = 1; // base units in one of this unit
    int32_t BaseUnit = -1;  // index of the unit it is defined from; -1 for the primary unit
};

// `time` and user physical types: a magnitude in Real and a unit index in Unit.
class TPhysicalWaveType : public TWaveSimpleType {
public:
    using TWaveSimpleType::TWaveSimpleType;

    void ParseDescription(TDescriptionReader& text, TWaveDataTypeStore& store) override;
    std::string GetDescription() const override;
    int32_t KindCode() const override;
    // Magnitude, a blank, the unit's name.
    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    TTypeTreeNode* AddToTypeTree(TTypeTreeNode& parent) const override;
    bool ValuesEqual(TValueRef a, TValueRef b) const override;
    int32_t ValueByteSize() const override;
    HResult AddUnit(const char* name, int32_t multiplier, const char* baseUnitName) override;
    std::optional<TSimpleValue> ValueFromText(std::string_view text) const override;
    std::string ValueToText(const TSimpleValue& value) const override;
    std::optional<TSimpleValue> ValueFromBytes(std::span<const uint8_t> bytes) const override;
    int32_t ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const override;

    const std::vector<TPhysicalUnit>& Units() const { return FUnits; }
    // Appends a unit; the base unit is found by exact name among the units so far (-1 if none).
    void AppendUnit(std::string_view name, int32_t multiplier, std::string_view baseUnitName);
    // Index of the first unit of that name; -1 when there is none.
    int32_t IndexOfUnit(std::string_view name) const;

private:
    std::vector<TPhysicalUnit> FUnits;
};

// The type of the end-of-display row's signal.
class TWavePlaceHolderType : public TWaveSimpleType {
public:
    using TWaveSimpleType::TWaveSimpleType;

    std::string FormatValue(TValueRef value, const TRowFormat& format) const override;
    bool IsPlaceHolder() const override;
    TValue CloneValue(TValueRef value) const override;
    bool ValuesEqual(TValueRef a, TValueRef b) const override;
    std::optional<TSimpleValue> ValueFromText(std::string_view text) const override;
    std::string ValueToText(const TSimpleValue& value) const override;
    std::optional<TSimpleValue> ValueFromBytes(std::span<const uint8_t> bytes) const override;
    int32_t ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const override;
};
