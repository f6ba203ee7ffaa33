// The display options of one row: font (with its colour), radix, value format, disassembler,
// name depth and the bold flag painting sets from the signal's highlight.
#pragma once

#include "model/types/RowFormat.h"
#include "rows/Wavefontobj.h"

#include <cstdint>
#include <string>
#include <string_view>

// Radix codes as rows store them.
namespace RowRadix {
constexpr int32_t Default = 0;
constexpr int32_t Decimal = 1;
constexpr int32_t Binary = 2;
constexpr int32_t Hex = 3;
constexpr int32_t Disassembly = 4;
} // namespace RowRadix

// Value-format codes as rows store them.
namespace RowValueFormat {
constexpr int32_t Default = 0;
constexpr int32_t Literal = 1;
constexpr int32_t Numeric = 2;
constexpr int32_t SignedNumeric = 3;
} // namespace RowValueFormat

struct TWaveRowOptions {
    TWaveFont Font;
    int32_t Radix = RowRadix::Default;
    std::string DisassemblerName; // a short string
    int32_t Format = RowValueFormat::Default;
    int32_t NameDepth = -1; // -1 full name, 0 no hierarchy, n keeps n levels
    bool Bold = false;

    bool operator==(const TWaveRowOptions&) const = default;

    // Cut to 255 characters.
    void SetDisassemblerName(std::string_view name);

    // What the data type reads when it turns a value into text.
    TRowFormat ToRowFormat() const;
    // Takes radix, format, disassembler and font colour set by a type.
    void TakeRowFormat(const TRowFormat& format);
};
