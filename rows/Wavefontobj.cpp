#include "rows/Wavefontobj.h"

#include <charconv>

namespace {
// Splits off one blank-separated token, skipping the blanks before it.
std::string_view TakeToken(std::string_view& rest) {
    const size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    const size_t end = rest.find(' ');
    const std::string_view token = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return token;
}

// The whole token must be the number; anything else reads as 0.
template <class T> T NumberOrZero(std::string_view token) {
    T value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        return 0;
    return value;
}

const char* Flag(bool set) {
    return set ? "1" : "0";
}

// Style bits of the binary form.
constexpr uint8_t cUnderline = 1;
constexpr uint8_t cItalic = 2;
constexpr uint8_t cBold = 4;
constexpr uint8_t cStrikeOut = 8;
constexpr size_t cBinaryHeader = 9;
constexpr size_t cShortStringMax = 255;

void PutLittleEndian(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

uint32_t GetLittleEndian(std::string_view bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4 && at + i < bytes.size(); ++i)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
    return value;
}
} // namespace

std::string FontToText(const TWaveFont& font) {
    std::string text = std::to_string(font.Size);
    for (bool flag : {font.Underline, font.Italic, font.Bold, font.StrikeOut})
        (text += ' ') += Flag(flag);
    text += ' ' + std::to_string(font.Color) + ' ';
    return text + font.Name;
}

void FontFromText(std::string_view text, TWaveFont& font) {
    std::string_view rest = text;
    font.Size = NumberOrZero<int32_t>(TakeToken(rest));
    font.Underline = TakeToken(rest) == "1";
    font.Italic = TakeToken(rest) == "1";
    font.Bold = TakeToken(rest) == "1";
    font.StrikeOut = TakeToken(rest) == "1";
    font.Color = static_cast<TColor>(NumberOrZero<int64_t>(TakeToken(rest)));
    const size_t nameStart = rest.find_first_not_of(' ');
    font.Name =
        nameStart == std::string_view::npos ? std::string() : std::string(rest.substr(nameStart));
}

std::string FontToBinary(const TWaveFont& font) {
    std::string binary;
    PutLittleEndian(binary, static_cast<uint32_t>(font.Size));
    const uint8_t style = (font.Underline ? cUnderline : 0) | (font.Italic ? cItalic : 0) |
                          (font.Bold ? cBold : 0) | (font.StrikeOut ? cStrikeOut : 0);
    binary += static_cast<char>(style);
    PutLittleEndian(binary, font.Color);
    return binary + font.Name.substr(0, cShortStringMax - cBinaryHeader);
}

void FontFromBinary(std::string_view binary, TWaveFont& font) {
    font.Size = static_cast<int32_t>(GetLittleEndian(binary, 0));
    const uint8_t style = binary.size() > 4 ? static_cast<uint8_t>(binary[4]) : 0;
    font.Underline = (style & cUnderline) != 0;
    font.Italic = (style & cItalic) != 0;
    font.Bold = (style & cBold) != 0;
    font.StrikeOut = (style & cStrikeOut) != 0;
    font.Color = GetLittleEndian(binary, 5);
    const std::string_view name = binary.size() > cBinaryHeader ? binary.substr(cBinaryHeader) : "";
    const size_t nameStart = name.find_first_not_of(' ');
    font.Name =
        nameStart == std::string_view::npos ? std::string() : std::string(name.substr(nameStart));
}
