#include "model/types/VectorDisplay.h"

#include "model/types/DisassemblerHook.h"
#include "model/types/WaveDataType.h"

#include <cstdint>

namespace {

constexpr size_t MaxDecimalBits = 32;

bool AllBinary(std::string_view bits) {
    return bits.find_first_not_of("01") == std::string_view::npos;
}

uint64_t BitsValue(std::string_view bits) {
    uint64_t value = 0;
    for (char c : bits)
        value = value << 1 | (c == '1' ? 1 : 0);
    return value;
}

// Letters of the std_logic codes as bits: 0 and L read 0, 1 and H read 1, Z stays Z.
char LogicBit(const TValue& element) {
    switch (TValueRef(element).Simple().Ordinal) {
    case 2:
    case 6:
        return '0';
    case 3:
    case 7:
        return '1';
    case 4:
        return 'Z';
    default:
        return 'U';
    }
}

// CUPL values as bits: drive Z reads Z, otherwise level L 0, level H 1.
char CUPLBit(const TValue& element) {
    const TSimpleValue& v = TValueRef(element).Simple();
    if (v.Drive == 3)
        return 'Z';
    return v.Ordinal == 0 ? '0' : v.Ordinal == 1 ? '1' : 'U';
}

template <class BitOf> std::string BitString(const TCompoundValue& value, BitOf&& bitOf) {
    std::string bits;
    bits.reserve(value.Elements.size());
    for (const TValue& element : value.Elements)
        bits += bitOf(element);
    return bits;
}

std::string Decimal(std::string_view bits, const TRowFormat& format) {
    return format.Format == TWaveFormat::SignedNumeric ? BitsToSigned(bits) : BitsToUnsigned(bits);
}

template <class TypeOf>
std::string Braced(const TCompoundValue& value, const TRowFormat& format, TypeOf&& typeOf) {
    if (value.Empty)
        return {};
    std::string text = "{";
    for (size_t i = 0; i < value.Elements.size(); ++i) {
        if (i > 0)
            text += ", ";
        if (const TWaveDataType* type = typeOf(i))
            text += type->FormatValue(value.Elements[i], format);
    }
    return text + "}";
}

} // namespace

std::string BitsToHex(std::string_view bits) {
    std::string text;
    const size_t first = bits.size() % 4;
    auto digit = [&](std::string_view group) {
        if (!AllBinary(group))
            return '?';
        return "0123456789ABCDEF"[BitsValue(group)];
    };
    if (first > 0)
        text += digit(bits.substr(0, first));
    for (size_t pos = first; pos < bits.size(); pos += 4)
        text += digit(bits.substr(pos, 4));
    return text;
}

std::string BitsToUnsigned(std::string_view bits) {
    if (bits.size() >= MaxDecimalBits)
        return "***";
    if (!AllBinary(bits))
        return "???";
    return std::to_string(BitsValue(bits));
}

std::string BitsToSigned(std::string_view bits) {
    if (bits.size() >= MaxDecimalBits)
        return "***";
    if (!AllBinary(bits))
        return "???";
    auto value = static_cast<int64_t>(BitsValue(bits));
    if (!bits.empty() && bits.front() == '1')
        value -= int64_t{1} << bits.size();
    return std::to_string(value);
}

std::string BitsToInstruction(std::string_view bits, const std::string& disassembler) {
    const TDisassemblerLookup& lookup = DisassemblerLookup();
    if (lookup.WordWidth && lookup.Disassemble &&
        lookup.WordWidth(disassembler) == static_cast<int64_t>(bits.size())) {
        const uint64_t word = AllBinary(bits) ? BitsValue(bits) : 0;
        std::string text = lookup.Disassemble(disassembler, word);
        if (!text.empty())
            return text;
    }
    return BitsToHex(bits);
}

std::string LogicVectorDisplay(const TCompoundValue& value, const TRowFormat& format,
                               const TWaveDataType& element) {
    if (!element.IsSingleCharacter())
        return Braced(value, format, [&](size_t) { return &element; });
    if (value.Empty)
        return {};
    if (format.Format == TWaveFormat::Literal) {
        std::string text;
        for (const TValue& e : value.Elements)
            text += element.FormatValue(e, format);
        return text;
    }
    const std::string bits = BitString(value, LogicBit);
    switch (format.Radix) {
    case TWaveRadix::Decimal:
        return Decimal(bits, format);
    case TWaveRadix::Disassembly:
        return BitsToInstruction(bits, format.Disassembler);
    case TWaveRadix::Binary:
        return bits;
    default:
        return BitsToHex(bits);
    }
}

std::string CUPLVectorDisplay(const TCompoundValue& value, const TRowFormat& format,
                              const TWaveDataType& element) {
    if (value.Empty)
        return {};
    if (format.Format == TWaveFormat::Literal)
        return Braced(value, format, [&](size_t) { return &element; });
    const std::string bits = BitString(value, CUPLBit);
    switch (format.Radix) {
    case TWaveRadix::Decimal:
        return Decimal(bits, format);
    case TWaveRadix::Hex:
    case TWaveRadix::Disassembly:
        return BitsToHex(bits);
    default:
        return bits;
    }
}

std::string BracedDisplay(const TCompoundValue& value, const TRowFormat& format,
                          const TWaveDataType* element) {
    return Braced(value, format, [&](size_t) { return element; });
}

std::string BracedDisplay(const TCompoundValue& value, const TRowFormat& format,
                          const std::vector<TWaveDataType*>& elementTypes) {
    return Braced(value, format,
                  [&](size_t i) { return i < elementTypes.size() ? elementTypes[i] : nullptr; });
}
