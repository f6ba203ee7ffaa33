// Text helpers of the value forms: short strings, number conversion with the system's
// conversion errors, and the general and radix forms of numbers.
#pragma once

#include "platform/com/Exception.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Names of types, signals, rows and units are short strings of at most 255 characters.
constexpr size_t ShortStringMax = 255;

// The first 255 characters of a text.
inline std::string ShortString(std::string_view text) {
    return std::string(text.substr(0, ShortStringMax));
}

// A text that is not a number of the requested kind.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Decimal 32-bit integer: leading blanks, an optional sign, then digits only. Raises
// EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, int32_t& value);

// Decimal floating-point number (blanks around it allowed; "INF", "-INF" and "NAN" accepted).
// Raises EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);

// General form with at most `precision` significant digits: fixed notation when the integer
// part has at most `precision` digits and the magnitude is at least 0.00001, otherwise
// scientific with a capital E; trailing zeros and an unneeded decimal point removed.
std::string FloatToGeneral(double value, int precision);

// The shortest text in the same layout that reads back (StrToFloat) to the very same double.
std::string FloatToShortest(double value);

// The text without its leading blanks and control characters (codes up to 32).
std::string_view TrimLeftControls(std::string_view text);

// Upper-case hexadecimal digits of a 32-bit pattern without leading zeros ("0" for zero).
std::string HexDigits(uint32_t bits);
// Binary digits of a 32-bit pattern without leading zeros ("0" for zero).
std::string BinaryDigits(uint32_t bits);
