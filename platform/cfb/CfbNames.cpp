#include "platform/cfb/CfbNames.h"

#include "platform/cfb/CfbError.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace {
void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at pos; 0 when the bytes there are not one.
size_t DecodeUtf8(std::string_view text, size_t pos, char32_t& c) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (lead >= 0xF5 || length == 0 || pos + length > text.size())
        return 0;
    c = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    return c < least || c > 0x10FFFF ? 0 : length;
}

locale_t UnicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return locale;
}
} // namespace

std::u16string CfbNameFromUtf8(std::string_view text) {
    std::u16string name;
    for (size_t pos = 0; pos < text.size();) {
        char32_t c = static_cast<unsigned char>(text[pos]);
        const size_t length = c < 0x80 ? 1 : DecodeUtf8(text, pos, c);
        pos += length == 0 ? 1 : length;
        if (c >= 0x10000) {
            c -= 0x10000;
            name += static_cast<char16_t>(0xD800 + (c >> 10));
            name += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            name += static_cast<char16_t>(c);
        }
    }
    return name;
}

std::string CfbNameToUtf8(std::u16string_view name) {
    std::string text;
    for (size_t i = 0; i < name.size(); ++i) {
        char32_t c = name[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < name.size() && name[i + 1] >= 0xDC00 &&
            name[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (name[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(text, c);
    }
    return text;
}

std::u16string CfbNameKey(std::u16string_view name) {
    std::u16string key(name);
    const locale_t locale = UnicodeLocale();
    for (char16_t& unit : key) {
        if (unit >= u'a' && unit <= u'z') {
            unit = static_cast<char16_t>(unit - 0x20);
        } else if (unit >= 0x80 && (unit < 0xD800 || unit >= 0xE000) && locale) {
            const wint_t upper = towupper_l(unit, locale);
            if (upper <= 0xFFFF)
                unit = static_cast<char16_t>(upper);
        }
    }
    return key;
}

void CfbCheckName(std::u16string_view name, std::string_view shownName) {
    if (name.empty() || name.size() > CfbMaxNameLength ||
        name.find_first_of(u"/\\:!") != std::u16string_view::npos)
        throw ECfbError(STG_E_INVALIDNAME, shownName);
}
