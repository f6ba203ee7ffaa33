#include "host/HostOptions.h"

#include "platform/com/Exception.h"

#include <charconv>
#include <strings.h>

namespace {
std::string Text(const char* text) {
    return text ? text : "";
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}
} // namespace

const std::string* THostOptionsStore::Find(const char* section, const char* key) const {
    return File.Find(Text(section), Text(key));
}

HResult THostOptionsStore::ValueExists(const char* section, const char* key, int32_t* exists) {
    if (exists == nullptr)
        return E_POINTER;
    *exists = Find(section, key) != nullptr;
    return S_OK;
}

HResult THostOptionsStore::ReadString(const char* section, const char* key,
                                      const char* defaultValue, TComString* value) {
    if (value == nullptr)
        return E_POINTER;
    return GuardCall([&] {
        const std::string* stored = Find(section, key);
        value->Assign(stored ? *stored : Text(defaultValue));
    });
}

HResult THostOptionsStore::ReadInteger(const char* section, const char* key, int32_t defaultValue,
                                       int32_t* value) {
    if (value == nullptr)
        return E_POINTER;
    *value = defaultValue;
    if (const std::string* stored = Find(section, key)) {
        const std::string_view text = Trimmed(*stored);
        int32_t number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (!text.empty() && error == std::errc() && end == text.data() + text.size())
            *value = number;
    }
    return S_OK;
}

HResult THostOptionsStore::ReadBoolean(const char* section, const char* key, int32_t defaultValue,
                                       int32_t* value) {
    if (value == nullptr)
        return E_POINTER;
    *value = defaultValue != 0;
    if (const std::string* stored = Find(section, key)) {
        const std::string text(Trimmed(*stored));
        if (strcasecmp(text.c_str(), "true") == 0 || text == "1")
            *value = 1;
        else if (strcasecmp(text.c_str(), "false") == 0 || text == "0")
            *value = 0;
    }
    return S_OK;
}

HResult THostOptionsStore::BeginSection(const char* section) {
    return GuardCall([&] { Section = Text(section); });
}

HResult THostOptionsStore::WriteString(const char* key, const char* value) {
    return GuardCall([&] { File.Set(Section, Text(key), Text(value)); });
}

HResult THostOptionsStore::WriteInteger(const char* key, int32_t value) {
    return WriteString(key, std::to_string(value).c_str());
}

HResult THostOptionsStore::WriteBoolean(const char* key, int32_t value) {
    return WriteString(key, value ? "true" : "false");
}

HResult THostOptionsStore::EndSection() {
    return GuardCall([&] { File.Save(); });
}
