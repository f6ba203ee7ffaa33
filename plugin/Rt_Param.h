// Parameter texts of processes: pairs "name=value" separated by "|", names compared without
// regard to letter case, results written back into the caller's buffer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TParameter {
    std::string Name;
    std::string Value;
};
using TParameterList = std::vector<TParameter>;

// Splits a parameter text into trimmed pairs; segments without "=" or with an empty name are
// dropped.
TParameterList ParseParameters(std::string_view text);

// The first pair's value whose name matches; false and an empty value when the name is absent.
// Served from a one-entry cache of the last parsed text.
bool GetParameter(const char* parameters, std::string_view name, std::string& value);
// The same, cut to a short string of at most 255 characters.
std::string GetShortParameter(const char* parameters, std::string_view name);

// Replaces the value of name (or appends the pair) and rewrites the whole buffer, cutting the
// text so that it and its terminator fit in bufferSize bytes.
void SetParameter(char* buffer, int32_t bufferSize, std::string_view name, std::string_view value);

// Keyword values: both sides trimmed of blanks and control characters, compared in upper case.
bool SameKeyword(std::string_view value, std::string_view keyword);
// Compared in upper case only, without trimming.
bool SameUpperCase(std::string_view value, std::string_view keyword);

// Forgets the cached parse; the next lookup parses again.
void ClearParameterCache();
