// Element names: UTF-8 at the engine's interface, UTF-16 in the file, ordered as the format's
// sibling trees require (shorter names first, then by upper-cased code units).
#pragma once

#include <string>
#include <string_view>

// Bytes that are not valid UTF-8 are taken as Latin-1 characters, so 8-bit names survive.
std::u16string CfbNameFromUtf8(std::string_view text);
std::string CfbNameToUtf8(std::u16string_view name);

// The comparison key of a name: its code units upper-cased.
std::u16string CfbNameKey(std::u16string_view name);

// Orders comparison keys: length first, then code unit by code unit.
struct TCfbNameOrder {
    bool operator()(const std::u16string& a, const std::u16string& b) const {
        if (a.size() != b.size())
            return a.size() < b.size();
        return a < b;
    }
};

constexpr size_t CfbMaxNameLength = 31;

// Throws STG_E_INVALIDNAME for an empty name, one above 31 code units or one holding / \ : !
void CfbCheckName(std::u16string_view name, std::string_view shownName);
