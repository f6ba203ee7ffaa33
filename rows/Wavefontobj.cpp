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
