// What a type needs of a display row's options to show values: radix, value format,
// disassembler and font colour. The row options of the rows area carry these fields.
#pragma once

#include <cstdint>
#include <string>

// A colour in the platform's encoding: red in the low byte, then green, then blue (0x00BBGGRR).
using TColor = uint32_t;

namespace WaveColors {
constexpr TColor Blue = 0x00FF0000;
constexpr TColor Purple = 0x00800080;
constexpr TColor Maroon = 0x00000080;
constexpr TColor Teal = 0x00808000;
constexpr TColor Navy = 0x00800000;
constexpr TColor Green = 0x00008000;
constexpr TColor Fuchsia = 0x00FF00FF;
constexpr TColor Red = 0x000000FF;
constexpr TColor Black = 0x00000000;
} // namespace WaveColors

// Radix codes of a row, as stored in files.
enum class TWaveRadix : int32_t { Default = 0, Decimal = 1, Binary = 2, Hex = 3, Disassembly = 4 };

// Value-format codes of a row, as stored in files.
enum class TWaveFormat : int32_t { Default = 0, Literal = 1, Numeric = 2, SignedNumeric = 3 };

struct TRowFormat {
    TWaveRadix Radix = TWaveRadix::Default;
    TWaveFormat Format = TWaveFormat::Default;
    std::string Disassembler; // name of the disassembler of the Disassembly radix
    TColor FontColor = WaveColors::Black;
};
