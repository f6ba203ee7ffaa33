// Reading and writing the textual type description: a sequence of fields, each followed by "$".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TDescriptionReader {
public:
    explicit TDescriptionReader(std::string_view text) : Text(text) {}

    // The text up to the next "$"; reading continues after it. When no "$" is left the field is
    // empty and the rest stays unread.
    std::string_view NextField();
    // The next field as a decimal integer; raises the integer conversion error.
    int32_t NextInteger();
    // True when no "$" is left: every further field is empty.
    bool AtEnd() const { return Text.find('$', Pos) == std::string_view::npos; }
    // What is not read yet.
    std::string_view Rest() const { return Text.substr(Pos); }

private:
    std::string_view Text;
    size_t Pos = 0;
};

// Appends one field and its "$".
inline void AppendField(std::string& description, std::string_view field) {
    description += field;
    description += '$';
}
inline void AppendField(std::string& description, int32_t number) {
    AppendField(description, std::to_string(number));
}
