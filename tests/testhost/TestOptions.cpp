#include "tests/testhost/TestOptions.h"

#include <cstdlib>

const std::string* TTestOptionsStore::Find(const char* section, const char* key) const {
    auto s = Sections.find(section ? section : "");
    if (s == Sections.end())
        return nullptr;
    auto k = s->second.find(key ? key : "");
    return k == s->second.end() ? nullptr : &k->second;
}

HResult TTestOptionsStore::ValueExists(const char* section, const char* key, int32_t* exists) {
    *exists = Find(section, key) != nullptr;
    return S_OK;
}

HResult TTestOptionsStore::ReadString(const char* section, const char* key,
                                      const char* defaultValue, TComString* value) {
    const std::string* found = Find(section, key);
    value->Assign(found ? *found : std::string(defaultValue ? defaultValue : ""));
    return S_OK;
}

HResult TTestOptionsStore::ReadInteger(const char* section, const char* key, int32_t defaultValue,
                                       int32_t* value) {
    const std::string* found = Find(section, key);
    *value = found ? static_cast<int32_t>(std::strtol(found->c_str(), nullptr, 10)) : defaultValue;
    return S_OK;
}

HResult TTestOptionsStore::ReadBoolean(const char* section, const char* key, int32_t defaultValue,
                                       int32_t* value) {
    const std::string* found = Find(section, key);
    *value = found ? (*found == "1" || *found == "true") : defaultValue;
    return S_OK;
}

HResult TTestOptionsStore::BeginSection(const char* section) {
    Section = section ? section : "";
    return S_OK;
}

HResult TTestOptionsStore::WriteString(const char* key, const char* value) {
    Sections[Section][key ? key : ""] = value ? value : "";
    return S_OK;
}

HResult TTestOptionsStore::WriteInteger(const char* key, int32_t value) {
    return WriteString(key, std::to_string(value).c_str());
}

HResult TTestOptionsStore::WriteBoolean(const char* key, int32_t value) {
    return WriteString(key, value ? "1" : "0");
}

HResult TTestOptionsStore::EndSection() {
    return S_OK;
}
