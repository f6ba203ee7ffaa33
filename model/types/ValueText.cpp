#include "model/types/ValueText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

[[noreturn]] void IntegerError(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

[[noreturn]] void FloatError(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits and decimal exponent of a double rounded to `digits` significant digits (0: shortest
// round trip). The digits carry no trailing zeros; value = 0.d1d2d3... * 10^(exponent + 1).
struct TDecimal {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

TDecimal Decompose(double value, int digits) {
    char buffer[64];
    const auto result = digits > 0 ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                   std::chars_format::scientific, digits - 1)
                                   : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                   std::chars_format::scientific);
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    TDecimal d;
    if (!text.empty() && text.front() == '-') {
        d.Negative = true;
        text.remove_prefix(1);
    }
    const size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.')
            d.Digits += c;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    d.Exponent);
    while (d.Digits.size() > 1 && d.Digits.back() == '0')
        d.Digits.pop_back();
    return d;
}

std::string Layout(double value, int digits, int fixedLimit) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0) // the file form keeps the sign of a negative zero
        return digits == 0 && std::signbit(value) ? "-0" : "0";
    const TDecimal d = Decompose(value, digits);
    std::string text = d.Negative ? "-" : "";
    const int count = static_cast<int>(d.Digits.size());
    if (d.Exponent >= -5 && d.Exponent < fixedLimit) {
        if (d.Exponent < 0) {
            text += "0.";
            text.append(static_cast<size_t>(-d.Exponent - 1), '0');
            text += d.Digits;
        } else if (count <= d.Exponent + 1) {
            text += d.Digits;
            text.append(static_cast<size_t>(d.Exponent + 1 - count), '0');
        } else {
            const auto integerDigits = static_cast<size_t>(d.Exponent) + 1;
            text += d.Digits.substr(0, integerDigits);
            text += '.';
            text += d.Digits.substr(integerDigits);
        }
    } else {
        text += d.Digits[0];
        if (count > 1) {
            text += '.';
            text += d.Digits.substr(1);
        }
        text += 'E';
        text += std::to_string(d.Exponent);
    }
    return text;
}

} // namespace

bool TryStrToInt(std::string_view text, int32_t& value) {
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    if (pos == text.size())
        return false;
    int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos]))
            return false;
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > int64_t{2147483648})
            return false;
    }
    const int64_t result = negative ? -magnitude : magnitude;
    if (result > INT32_MAX)
        return false;
    value = static_cast<int32_t>(result);
    return true;
}

int32_t StrToInt(std::string_view text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value))
        IntegerError(text);
    return value;
}

double StrToFloat(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    bool negative = false;
    std::string_view body = t;
    if (!body.empty() && (body.front() == '-' || body.front() == '+')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    if (EqualsNoCase(body, "INF"))
        return negative ? -HUGE_VAL : HUGE_VAL;
    if (EqualsNoCase(body, "NAN"))
        return std::nan("");
    // [digits][.digits][(e|E)[sign]digits] with at least one mantissa digit.
    size_t pos = 0;
    size_t mantissaDigits = 0;
    while (pos < body.size() && IsDigit(body[pos]))
        ++pos, ++mantissaDigits;
    if (pos < body.size() && body[pos] == '.') {
        ++pos;
        while (pos < body.size() && IsDigit(body[pos]))
            ++pos, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        FloatError(text);
    bool negativeExponent = false;
    if (pos < body.size() && (body[pos] == 'e' || body[pos] == 'E')) {
        ++pos;
        if (pos < body.size() && (body[pos] == '-' || body[pos] == '+'))
            negativeExponent = body[pos++] == '-';
        size_t exponentDigits = 0;
        while (pos < body.size() && IsDigit(body[pos]))
            ++pos, ++exponentDigits;
        if (exponentDigits == 0)
            FloatError(text);
    }
    if (pos != body.size())
        FloatError(text);
    double value = 0;
    const auto result = std::from_chars(body.data(), body.data() + body.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (!negativeExponent)
            FloatError(text);
        value = 0; // below the smallest subnormal
    } else if (result.ec != std::errc() || result.ptr != body.data() + body.size()) {
        FloatError(text);
    }
    return negative ? -value : value;
}

std::string FloatToGeneral(double value, int precision) {
    return Layout(value, precision, precision);
}

std::string FloatToShortest(double value) {
    return Layout(value, 0, 15);
}

std::string_view TrimLeftControls(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= 32)
        ++pos;
    return text.substr(pos);
}

std::string HexDigits(uint32_t bits) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, bits, 16);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string BinaryDigits(uint32_t bits) {
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, bits, 2);
    return std::string(buffer, result.ptr);
}
