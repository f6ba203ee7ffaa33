// The host's options storage: sections of keys in the host's INI file. Integers are decimal
// texts, Booleans "true" or "false".
#pragma once

#include "host/IniFile.h"
#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

class THostOptionsStore : public TInterfacedObject<IOptionsReader, IOptionsWriter> {
public:
    explicit THostOptionsStore(TIniFile& file) : File(file) {}

    HResult ValueExists(const char* section, const char* key, int32_t* exists) override;
    HResult ReadString(const char* section, const char* key, const char* defaultValue,
                       TComString* value) override;
    // A stored text that is not a number of that kind reads as the default.
    HResult ReadInteger(const char* section, const char* key, int32_t defaultValue,
                        int32_t* value) override;
    HResult ReadBoolean(const char* section, const char* key, int32_t defaultValue,
                        int32_t* value) override;

    HResult BeginSection(const char* section) override;
    HResult WriteString(const char* key, const char* value) override;
    HResult WriteInteger(const char* key, int32_t value) override;
    HResult WriteBoolean(const char* key, int32_t value) override;
    // Writes the file.
    HResult EndSection() override;

private:
    const std::string* Find(const char* section, const char* key) const;

    TIniFile& File;
    std::string Section;
};
