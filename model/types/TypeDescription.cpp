#include "model/types/TypeDescription.h"

#include "model/types/ValueText.h"

std::string_view TDescriptionReader::NextField() {
    const size_t end = Text.find('$', Pos);
    if (end == std::string_view::npos)
        return {};
    const std::string_view field = Text.substr(Pos, end - Pos);
    Pos = end + 1;
    return field;
}

int32_t TDescriptionReader::NextInteger() {
    return StrToInt(NextField());
}
