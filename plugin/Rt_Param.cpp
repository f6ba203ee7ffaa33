#include "plugin/Rt_Param.h"

#include <cstring>

namespace {

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// Trims characters with codes up to 32 (blanks and control characters).
std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32)
        s.remove_suffix(1);
    return s;
}

// Trims control characters only (codes below 32); blanks stay.
std::string_view TrimControls(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) < 32)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) < 32)
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    a = TrimControls(a);
    b = TrimControls(b);
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i]))
            return false;
    return true;
}

const TParameter* FindParameter(const TParameterList& list, std::string_view name) {
    for (const auto& p : list)
        if (SameName(p.Name, name))
            return &p;
    return nullptr;
}

// The module keeps the last parsed text and its list: processes look up several names of the
// same text in a row.
struct TParameterCache {
    std::string Text;
    TParameterList List;
    bool Valid = false;
};
TParameterCache gCache;

const TParameterList& CachedParse(const char* parameters) {
    std::string_view text = parameters ? std::string_view(parameters) : std::string_view();
    if (!gCache.Valid || gCache.Text != text) {
        gCache.List = ParseParameters(text);
        gCache.Text.assign(text);
        gCache.Valid = true;
    }
    return gCache.List;
}

} // namespace

TParameterList ParseParameters(std::string_view text) {
    TParameterList list;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('|', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view segment = text.substr(start, end - start);
        size_t eq = segment.find('=');
        if (eq != std::string_view::npos) {
            std::string_view name = TrimBlanks(segment.substr(0, eq));
            if (!name.empty())
                list.push_back(
                    {std::string(name), std::string(TrimBlanks(segment.substr(eq + 1)))});
        }
        start = end + 1;
    }
    return list;
}

bool GetParameter(const char* parameters, std::string_view name, std::string& value) {
    const TParameter* found = FindParameter(CachedParse(parameters), name);
    value = found ? found->Value : std::string();
    return found != nullptr;
}

std::string GetShortParameter(const char* parameters, std::string_view name) {
    std::string value;
    GetParameter(parameters, name, value);
    if (value.size() > 255)
        value.resize(255);
    return value;
}

void SetParameter(char* buffer, int32_t bufferSize, std::string_view name, std::string_view value) {
    if (buffer == nullptr || bufferSize <= 0)
        return;
    TParameterList list = ParseParameters(std::string_view(buffer, strnlen(buffer, bufferSize)));
    std::string trimmedValue(TrimBlanks(value));
    bool replaced = false;
    for (auto& p : list)
        if (!replaced && SameName(p.Name, name)) {
            p.Value = trimmedValue;
            replaced = true;
        }
    if (!replaced)
        list.push_back({std::string(TrimBlanks(name)), trimmedValue});

    std::string text;
    for (const auto& p : list) {
        if (!text.empty())
            text += '|';
        text += p.Name;
        text += '=';
        text += p.Value.empty() ? std::string(" ") : p.Value;
    }
    const size_t room = static_cast<size_t>(bufferSize) - 1;
    const size_t length = text.size() < room ? text.size() : room;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

bool SameKeyword(std::string_view value, std::string_view keyword) {
    return SameUpperCase(TrimBlanks(value), TrimBlanks(keyword));
}

bool SameUpperCase(std::string_view value, std::string_view keyword) {
    if (value.size() != keyword.size())
        return false;
    for (size_t i = 0; i < value.size(); ++i)
        if (UpperAscii(value[i]) != UpperAscii(keyword[i]))
            return false;
    return true;
}

void ClearParameterCache() {
    gCache = TParameterCache();
}
