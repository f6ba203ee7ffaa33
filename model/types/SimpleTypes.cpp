#include "model/types/SimpleTypes.h"

#include "model/types/ValueText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

void PutUInt(uint8_t* buffer, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        buffer[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t GetUInt(std::span<const uint8_t> bytes, size_t offset, int count) {
    uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= static_cast<uint64_t>(bytes[offset + static_cast<size_t>(i)]) << (8 * i);
    return value;
}

int32_t GetInt32(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<int32_t>(static_cast<uint32_t>(GetUInt(bytes, offset, 4)));
}

double GetDouble(std::span<const uint8_t> bytes, size_t offset) {
    return std::bit_cast<double>(GetUInt(bytes, offset, 8));
}

void PutDouble(uint8_t* buffer, double value) {
    PutUInt(buffer, std::bit_cast<uint64_t>(value), 8);
}

// Same Empty flag, then the type's own comparison of the cells.
template <class F> bool SameCell(TValueRef a, TValueRef b, F&& equal) {
    const TSimpleValue& x = a.Simple();
    const TSimpleValue& y = b.Simple();
    return x.Empty == y.Empty && equal(x, y);
}

// Names of the character literals 0 to 31.
constexpr std::array<std::string_view, 32> ControlNames = {
    "nul", "soh", "stx", "etx", "eot", "enq", "ack", "bel", "bs",  "ht",  "lf",
    "vt",  "ff",  "cr",  "so",  "si",  "dle", "dc1", "dc2", "dc3", "dc4", "nak",
    "syn", "etb", "can", "em",  "sub", "esc", "fsp", "gsp", "rsp", "usp"};

} // namespace

// ---- TWaveSimpleType ----

bool TWaveSimpleType::IsCompound() const {
    return false;
}
TValue TWaveSimpleType::CloneValue(TValueRef value) const {
    return TValue(value.Simple());
}

bool TWaveSimpleType::ValuesEqual(TValueRef a, TValueRef b) const {
    return SameCell(a, b, [](auto& x, auto& y) { return x.Ordinal == y.Ordinal; });
}

std::optional<TSimpleValue> TWaveSimpleType::ValueFromText(std::string_view) const {
    return std::nullopt;
}
std::string TWaveSimpleType::ValueToText(const TSimpleValue&) const {
    return {};
}
std::optional<TSimpleValue> TWaveSimpleType::ValueFromBytes(std::span<const uint8_t>) const {
    return std::nullopt;
}
int32_t TWaveSimpleType::ValueToBytes(const TSimpleValue&, uint8_t*) const {
    return 0;
}
bool TWaveSimpleType::IsEnumeration() const {
    return false;
}

// ---- TEnumWaveType ----

void TEnumWaveType::ParseDescription(TDescriptionReader& text, TWaveDataTypeStore&) {
    // A count beyond the literals present gives only those: a damaged count must not make
    // millions of empty literals.
    const int32_t count = text.NextInteger();
    for (int32_t i = 0; i < count && !text.AtEnd(); ++i)
        AppendLiteral(text.NextField());
}

std::string TEnumWaveType::GetDescription() const {
    std::string text;
    AppendField(text, FLiterals.Count());
    for (const std::string& literal : FLiterals)
        AppendField(text, literal);
    return text;
}

int32_t TEnumWaveType::KindCode() const {
    return TypeKind::Enum;
}

std::string TEnumWaveType::FormatValue(TValueRef value, const TRowFormat&) const {
    const TSimpleValue& v = value.Simple();
    return v.Empty ? std::string() : std::string(LiteralAt(v.Ordinal));
}

TTypeTreeNode* TEnumWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    TTypeTreeNode& node = parent.Add(Name(), true);
    TTypeTreeNode& literals = node.Add("enum");
    for (const std::string& literal : FLiterals)
        literals.Add(literal);
    return &node;
}

int32_t TEnumWaveType::ValueByteSize() const {
    const int32_t count = FLiterals.Count();
    return count < 256 ? 1 : count <= 65535 ? 2 : 4;
}

int32_t TEnumWaveType::MaxTextWidth(int32_t, int32_t) const {
    return FMaxLiteralLength;
}

std::string TEnumWaveType::ValueText(TValueRef value) const {
    return std::string(LiteralAt(value.Simple().Ordinal));
}

HResult TEnumWaveType::AddLiteral(const char* name) {
    return GuardCall([&] { AppendLiteral(InterfaceText(name)); });
}

std::optional<TSimpleValue> TEnumWaveType::ValueFromText(std::string_view text) const {
    if (text.empty())
        return TSimpleValue::OfOrdinal(0);
    const int32_t position = StrToInt(text);
    if (position < 0 || position >= FLiterals.Count())
        return std::nullopt;
    return TSimpleValue::OfOrdinal(position);
}

std::string TEnumWaveType::ValueToText(const TSimpleValue& value) const {
    return std::to_string(value.Ordinal);
}

std::optional<TSimpleValue> TEnumWaveType::ValueFromBytes(std::span<const uint8_t> bytes) const {
    const int32_t size = ValueByteSize();
    if (bytes.size() < static_cast<size_t>(size))
        return std::nullopt;
    const uint64_t position = GetUInt(bytes, 0, size);
    if (position >= static_cast<uint64_t>(FLiterals.Count()))
        return std::nullopt;
    return TSimpleValue::OfOrdinal(static_cast<int32_t>(position));
}

int32_t TEnumWaveType::ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const {
    const int32_t size = ValueByteSize();
    PutUInt(buffer, static_cast<uint32_t>(value.Ordinal), size);
    return size;
}

bool TEnumWaveType::IsEnumeration() const {
    return true;
}

void TEnumWaveType::AppendLiteral(std::string_view literal) {
    FLiterals.Add(literal);
    FMaxLiteralLength = std::max(FMaxLiteralLength, static_cast<int32_t>(literal.size()));
}

std::string_view TEnumWaveType::LiteralAt(int32_t position) const {
    if (position < 0 || position >= FLiterals.Count())
        return {};
    return FLiterals[position];
}

void TEnumWaveType::ClearLiterals() {
    FLiterals.Clear();
    FMaxLiteralLength = 0;
}

// ---- TCharacterWaveType ----

TCharacterWaveType::TCharacterWaveType(TWaveDataTypeStore* store) : TEnumWaveType(store) {
    GenerateLiterals();
}

void TCharacterWaveType::ParseDescription(TDescriptionReader&, TWaveDataTypeStore&) {
    GenerateLiterals();
}

std::string TCharacterWaveType::GetDescription() const {
    return {};
}
int32_t TCharacterWaveType::KindCode() const {
    return TypeKind::Character;
}

TTypeTreeNode* TCharacterWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    return AddPredefinedEntry(parent, "character");
}

void TCharacterWaveType::GenerateLiterals() {
    ClearLiterals();
    for (int code = 0; code < 256; ++code) {
        if (code < 32)
            AppendLiteral(ControlNames[static_cast<size_t>(code)]);
        else if (code == 127)
            AppendLiteral("del");
        else if (code >= 128 && code <= 159)
            AppendLiteral("c" + std::to_string(code));
        else
            AppendLiteral(std::string(1, static_cast<char>(code)));
    }
}

// ---- TStdLogicWaveType ----

char TStdLogicWaveType::Letter(int32_t code) {
    return code >= 0 && code < static_cast<int32_t>(Letters.size())
               ? Letters[static_cast<size_t>(code)]
               : 'U';
}

int32_t TStdLogicWaveType::KindCode() const {
    return TypeKind::StdLogic;
}

std::string TStdLogicWaveType::FormatValue(TValueRef value, const TRowFormat&) const {
    const TSimpleValue& v = value.Simple();
    return v.Empty ? std::string() : std::string(1, Letter(v.Ordinal));
}

bool TStdLogicWaveType::IsLogicLevel() const {
    return true;
}

TTypeTreeNode* TStdLogicWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    return AddPredefinedEntry(parent, "std_logic");
}

void TStdLogicWaveType::InitRowOptions(TRowFormat& format) const {
    TWaveSimpleType::InitRowOptions(format);
    format.FontColor = WaveColors::Blue;
}

int32_t TStdLogicWaveType::ValueByteSize() const {
    return 1;
}
bool TStdLogicWaveType::IsSingleCharacter() const {
    return true;
}
int32_t TStdLogicWaveType::MaxTextWidth(int32_t, int32_t) const {
    return 1;
}

std::string TStdLogicWaveType::ValueText(TValueRef value) const {
    return std::string(1, Letter(value.Simple().Ordinal));
}

std::optional<TSimpleValue> TStdLogicWaveType::ValueFromText(std::string_view text) const {
    const std::string_view t = TrimLeftControls(text);
    if (t.empty())
        return TSimpleValue::OfOrdinal(0);
    const size_t code = t.size() == 1 ? Letters.find(t[0]) : std::string_view::npos;
    if (code == std::string_view::npos)
        return std::nullopt;
    return TSimpleValue::OfOrdinal(static_cast<int32_t>(code));
}

std::string TStdLogicWaveType::ValueToText(const TSimpleValue& value) const {
    return std::string(1, Letter(value.Ordinal));
}

std::optional<TSimpleValue>
TStdLogicWaveType::ValueFromBytes(std::span<const uint8_t> bytes) const {
    if (bytes.empty() || bytes[0] > 8)
        return std::nullopt;
    return TSimpleValue::OfOrdinal(bytes[0]);
}

int32_t TStdLogicWaveType::ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const {
    buffer[0] = static_cast<uint8_t>(value.Ordinal);
    return 1;
}

// ---- TBitWaveType ----

int32_t TBitWaveType::KindCode() const {
    return TypeKind::Bit;
}

TTypeTreeNode* TBitWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    return AddPredefinedEntry(parent, "bit");
}

std::optional<TSimpleValue> TBitWaveType::ValueFromText(std::string_view text) const {
    const std::string_view t = TrimLeftControls(text);
    if (t.empty() || t == "0")
        return TSimpleValue::OfOrdinal(2);
    if (t == "1")
        return TSimpleValue::OfOrdinal(3);
    return std::nullopt;
}

std::string TBitWaveType::ValueToText(const TSimpleValue& value) const {
    return value.Ordinal == 3 ? "1" : "0";
}

int32_t TBitWaveType::ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const {
    buffer[0] = static_cast<uint8_t>(value.Ordinal == 0 ? 2 : value.Ordinal);
    return 1;
}

// ---- TIntegerWaveType ----

int32_t TIntegerWaveType::KindCode() const {
    return TypeKind::Integer;
}

std::string TIntegerWaveType::FormatValue(TValueRef value, const TRowFormat& format) const {
    const TSimpleValue& v = value.Simple();
    if (v.Empty)
        return {};
    const auto bits = static_cast<uint32_t>(v.Ordinal);
    switch (format.Radix) {
    case TWaveRadix::Binary:
        return BinaryDigits(bits);
    case TWaveRadix::Hex:
    case TWaveRadix::Disassembly:
        return HexDigits(bits);
    default:
        return std::to_string(v.Ordinal);
    }
}

bool TIntegerWaveType::HasRadixChoice() const {
    return true;
}
bool TIntegerWaveType::HasNumericFormat() const {
    return true;
}

TTypeTreeNode* TIntegerWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    return AddPredefinedEntry(parent, "integer");
}

void TIntegerWaveType::InitRowOptions(TRowFormat& format) const {
    TWaveSimpleType::InitRowOptions(format);
    format.FontColor = WaveColors::Purple;
}

int32_t TIntegerWaveType::ValueByteSize() const {
    return 4;
}
int32_t TIntegerWaveType::MaxTextWidth(int32_t, int32_t) const {
    return 11;
}

std::string TIntegerWaveType::ValueText(TValueRef value) const {
    return std::to_string(value.Simple().Ordinal);
}

std::optional<TSimpleValue> TIntegerWaveType::ValueFromText(std::string_view text) const {
    return TSimpleValue::OfOrdinal(text.empty() ? 0 : StrToInt(text));
}

std::string TIntegerWaveType::ValueToText(const TSimpleValue& value) const {
    return std::to_string(value.Ordinal);
}

std::optional<TSimpleValue> TIntegerWaveType::ValueFromBytes(std::span<const uint8_t> bytes) const {
    if (bytes.size() < 4)
        return std::nullopt;
    return TSimpleValue::OfOrdinal(GetInt32(bytes, 0));
}

int32_t TIntegerWaveType::ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const {
    PutUInt(buffer, static_cast<uint32_t>(value.Ordinal), 4);
    return 4;
}

// ---- TRealWaveType ----

int32_t TRealWaveType::KindCode() const {
    return TypeKind::Real;
}

std::string TRealWaveType::FormatValue(TValueRef value, const TRowFormat&) const {
    const TSimpleValue& v = value.Simple();
    return v.Empty ? std::string() : FloatToGeneral(v.Real(), 15);
}

bool TRealWaveType::HasNumericFormat() const {
    return true;
}

TTypeTreeNode* TRealWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    return AddPredefinedEntry(parent, "real");
}

void TRealWaveType::InitRowOptions(TRowFormat& format) const {
    TWaveSimpleType::InitRowOptions(format);
    format.FontColor = WaveColors::Maroon;
}

bool TRealWaveType::ValuesEqual(TValueRef a, TValueRef b) const {
    return SameCell(a, b, [](auto& x, auto& y) { return x.Real() == y.Real(); });
}

int32_t TRealWaveType::ValueByteSize() const {
    return 8;
}
int32_t TRealWaveType::MaxTextWidth(int32_t, int32_t) const {
    return 12;
}

std::string TRealWaveType::ValueText(TValueRef value) const {
    const double real = value.Simple().Real();
    std::string text = FloatToGeneral(real, 6);
    for (int digits = 5; text.size() > 12 && digits > 0; --digits)
        text = FloatToGeneral(real, digits);
    return text;
}

std::optional<TSimpleValue> TRealWaveType::ValueFromText(std::string_view text) const {
    return TSimpleValue::OfReal(text.empty() ? 0.0 : StrToFloat(text));
}

std::string TRealWaveType::ValueToText(const TSimpleValue& value) const {
    return FloatToShortest(value.Real());
}

std::optional<TSimpleValue> TRealWaveType::ValueFromBytes(std::span<const uint8_t> bytes) const {
    if (bytes.size() < 8)
        return std::nullopt;
    return TSimpleValue::OfReal(GetDouble(bytes, 0));
}

int32_t TRealWaveType::ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const {
    PutDouble(buffer, value.Real());
    return 8;
}

// ---- TCUPLWaveType ----

char TCUPLWaveType::LevelLetter(int32_t level) {
    return level >= 0 && level < 3 ? LevelLetters[static_cast<size_t>(level)] : 'U';
}

char TCUPLWaveType::DriveLetter(int32_t drive) {
    return drive >= 0 && drive < 4 ? DriveLetters[static_cast<size_t>(drive)] : 'Z';
}

int32_t TCUPLWaveType::KindCode() const {
    return TypeKind::CUPL;
}

std::string TCUPLWaveType::FormatValue(TValueRef value, const TRowFormat&) const {
    const TSimpleValue& v = value.Simple();
    if (v.Empty)
        return {};
    return {LevelLetter(v.Ordinal), DriveLetter(v.Drive)};
}

bool TCUPLWaveType::IsLogicLevel() const {
    return true;
}

TTypeTreeNode* TCUPLWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    return AddPredefinedEntry(parent, "CUPL");
}

void TCUPLWaveType::InitRowOptions(TRowFormat& format) const {
    TWaveSimpleType::InitRowOptions(format);
    format.FontColor = WaveColors::Teal;
}

bool TCUPLWaveType::ValuesEqual(TValueRef a, TValueRef b) const {
    return SameCell(a, b,
                    [](auto& x, auto& y) { return x.Ordinal == y.Ordinal && x.Drive == y.Drive; });
}

int32_t TCUPLWaveType::ValueByteSize() const {
    return 8;
}

std::optional<TSimpleValue> TCUPLWaveType::ValueFromText(std::string_view text) const {
    if (text.empty())
        return TSimpleValue::OfPair(2, 1);
    const std::string_view t = TrimLeftControls(text);
    const char level = t.empty() ? ' ' : t[0];
    const char drive = t.size() < 3 ? 'Z' : t[2];
    const size_t levelCode = LevelLetters.substr(0, 2).find(level);
    const size_t driveCode = DriveLetters.substr(0, 3).find(drive);
    return TSimpleValue::OfPair(
        levelCode == std::string_view::npos ? 2 : static_cast<int32_t>(levelCode),
        driveCode == std::string_view::npos ? 3 : static_cast<int32_t>(driveCode));
}

std::string TCUPLWaveType::ValueToText(const TSimpleValue& value) const {
    return {LevelLetter(value.Ordinal), ' ', DriveLetter(value.Drive)};
}

std::optional<TSimpleValue> TCUPLWaveType::ValueFromBytes(std::span<const uint8_t> bytes) const {
    if (bytes.size() < 8)
        return std::nullopt;
    return TSimpleValue::OfPair(GetInt32(bytes, 0), GetInt32(bytes, 4));
}

int32_t TCUPLWaveType::ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const {
    PutUInt(buffer, static_cast<uint32_t>(value.Ordinal), 4);
    PutUInt(buffer + 4, static_cast<uint32_t>(value.Drive), 4);
    return 8;
}

// ---- TPhysicalWaveType ----

void TPhysicalWaveType::ParseDescription(TDescriptionReader& text, TWaveDataTypeStore&) {
    const int32_t count = text.NextInteger();
    for (int32_t i = 0; i < count; ++i) {
        const std::string_view name = text.NextField();
        const int32_t multiplier = text.NextInteger();
        AppendUnit(name, multiplier, text.NextField());
    }
}

std::string TPhysicalWaveType::GetDescription() const {
    std::string text;
    AppendField(text, static_cast<int32_t>(FUnits.size()));
    for (const TPhysicalUnit& unit : FUnits) {
        AppendField(text, unit.Name);
        AppendField(text, unit.Multiplier);
        const bool derived =
            unit.BaseUnit >= 0 && unit.BaseUnit < static_cast<int32_t>(FUnits.size());
        AppendField(text, derived
                              ? std::string_view(FUnits[static_cast<size_t>(unit.BaseUnit)].Name)
                              : std::string_view(" "));
    }
    return text;
}

int32_t TPhysicalWaveType::KindCode() const {
    return TypeKind::Physical;
}

std::string TPhysicalWaveType::FormatValue(TValueRef value, const TRowFormat&) const {
    const TSimpleValue& v = value.Simple();
    if (v.Empty)
        return {};
    const bool known = v.Unit >= 0 && v.Unit < static_cast<int32_t>(FUnits.size());
    return FloatToGeneral(v.Real(), 15) + " " +
           (known ? FUnits[static_cast<size_t>(v.Unit)].Name : std::string());
}

TTypeTreeNode* TPhysicalWaveType::AddToTypeTree(TTypeTreeNode& parent) const {
    TTypeTreeNode& node = parent.Add(Name(), true);
    TTypeTreeNode& units = node.Add("physical");
    for (const TPhysicalUnit& unit : FUnits) {
        if (unit.BaseUnit >= 0 && unit.BaseUnit < static_cast<int32_t>(FUnits.size()))
            units.Add(unit.Name + " = " + std::to_string(unit.Multiplier) + " " +
                      FUnits[static_cast<size_t>(unit.BaseUnit)].Name);
        else
            units.Add(unit.Name);
    }
    return &node;
}

bool TPhysicalWaveType::ValuesEqual(TValueRef a, TValueRef b) const {
    return SameCell(a, b,
                    [](auto& x, auto& y) { return x.Real() == y.Real() && x.Unit == y.Unit; });
}

int32_t TPhysicalWaveType::ValueByteSize() const {
    return 16;
}

HResult TPhysicalWaveType::AddUnit(const char* name, int32_t multiplier, const char* baseUnitName) {
    return GuardCall(
        [&] { AppendUnit(InterfaceText(name), multiplier, InterfaceText(baseUnitName)); });
}

std::optional<TSimpleValue> TPhysicalWaveType::ValueFromText(std::string_view text) const {
    const std::string_view t = TrimLeftControls(text);
    if (t.empty())
        return TSimpleValue::OfPhysical(0.0, 0);
    const size_t blank = t.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const double magnitude = StrToFloat(t.substr(0, blank));
    return TSimpleValue::OfPhysical(magnitude, StrToInt(t.substr(blank + 1)));
}

std::string TPhysicalWaveType::ValueToText(const TSimpleValue& value) const {
    return FloatToShortest(value.Real()) + " " + std::to_string(value.Unit);
}

std::optional<TSimpleValue>
TPhysicalWaveType::ValueFromBytes(std::span<const uint8_t> bytes) const {
    if (bytes.size() < 16)
        return std::nullopt;
    return TSimpleValue::OfPhysical(GetDouble(bytes, 0), GetInt32(bytes, 8));
}

int32_t TPhysicalWaveType::ValueToBytes(const TSimpleValue& value, uint8_t* buffer) const {
    PutDouble(buffer, value.Real());
    PutUInt(buffer + 8, static_cast<uint32_t>(value.Unit), 4);
    PutUInt(buffer + 12, 0, 4);
    return 16;
}

void TPhysicalWaveType::AppendUnit(std::string_view name, int32_t multiplier,
                                   std::string_view baseUnitName) {
    const int32_t base = IndexOfUnit(ShortString(baseUnitName));
    FUnits.push_back({ShortString(name), multiplier, base});
}

int32_t TPhysicalWaveType::IndexOfUnit(std::string_view name) const {
    for (size_t i = 0; i < FUnits.size(); ++i)
        if (FUnits[i].Name == name)
            return static_cast<int32_t>(i);
    return -1;
}

// ---- TWavePlaceHolderType ----

std::string TWavePlaceHolderType::FormatValue(TValueRef, const TRowFormat&) const {
    return " ";
}
bool TWavePlaceHolderType::IsPlaceHolder() const {
    return true;
}
TValue TWavePlaceHolderType::CloneValue(TValueRef) const {
    return {};
}
bool TWavePlaceHolderType::ValuesEqual(TValueRef, TValueRef) const {
    return true;
}

std::optional<TSimpleValue> TWavePlaceHolderType::ValueFromText(std::string_view) const {
    return TSimpleValue();
}

std::string TWavePlaceHolderType::ValueToText(const TSimpleValue&) const {
    return " ";
}

std::optional<TSimpleValue> TWavePlaceHolderType::ValueFromBytes(std::span<const uint8_t>) const {
    return std::nullopt;
}

int32_t TWavePlaceHolderType::ValueToBytes(const TSimpleValue&, uint8_t*) const {
    return 0;
}
