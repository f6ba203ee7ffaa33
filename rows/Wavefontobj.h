// A font of the waveform display: name, size, colour and styles, the text form in which row
// files and the preferences store it, and the binary form of older binary files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A colour in the platform's encoding: red in the low byte, then green, then blue (0x00BBGGRR).
using TColor = uint32_t;

struct TWaveFont {
    std::string Name;
    int32_t Size = 0; // points
    TColor Color = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const TWaveFont&) const = default;
};

// "SIZE UNDERLINE ITALIC BOLD STRIKEOUT COLOUR NAME", flags "1" or "0", colour in decimal.
std::string FontToText(const TWaveFont& font);
// Reads the text form into the font: name, size, colour and exactly the styles whose flag is
// "1". A size or colour that is not a number reads as 0; missing tokens read as empty.
void FontFromText(std::string_view text, TWaveFont& font);

// A short string: the size (4 bytes, little-endian), a style byte (1 underline, 2 italic, 4 bold,
// 8 strikeout), the colour (4 bytes, little-endian), then the name, cut so that the whole stays
// within 255 characters.
std::string FontToBinary(const TWaveFont& font);
// Reads the binary form: leading blanks of the name are removed; bytes missing from a short text
// read as 0.
void FontFromBinary(std::string_view binary, TWaveFont& font);
