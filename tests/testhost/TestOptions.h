// The test host's options storage: sections of keys held as text in a map the test can inspect.
#pragma once

#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

#include <map>
#include <string>

class TTestOptionsStore : public TInterfacedObject<IOptionsReader, IOptionsWriter> {
public:
    using TSections = std::map<std::string, std::map<std::string, std::string>>;
    explicit TTestOptionsStore(TSections& sections) : Sections(sections) {}

    HResult ValueExists(const char* section, const char* key, int32_t* exists) override;
    HResult ReadString(const char* section, const char* key, const char* defaultValue,
                       TComString* value) override;
    HResult ReadInteger(const char* section, const char* key, int32_t defaultValue,
                        int32_t* value) override;
    HResult ReadBoolean(const char* section, const char* key, int32_t defaultValue,
                        int32_t* value) override;

    HResult BeginSection(const char* section) override;
    HResult WriteString(const char* key, const char* value) override;
    HResult WriteInteger(const char* key, int32_t value) override;
    HResult WriteBoolean(const char* key, int32_t value) override;
    HResult EndSection() override;

private:
    const std::string* Find(const char* section, const char* key) const;

    TSections& Sections;
    std::string Section;
};
