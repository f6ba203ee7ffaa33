// Typed access to the section "Wave Preferences" of the module's options storage in the host.
// Every failure of the host's storage becomes an exception.
#pragma once

#include "platform/com/Com.h"
#include "plugin/RT_ClientServerInterface.h"

#include <cstdint>
#include <string>

class TPreferencesReader {
public:
    // Opens the storage named "Wave" for reading.
    explicit TPreferencesReader(IClient& client);

    bool Exists(const std::string& key) const;
    std::string ReadString(const std::string& key, const std::string& defaultValue) const;
    int32_t ReadInteger(const std::string& key, int32_t defaultValue) const;
    bool ReadBoolean(const std::string& key, bool defaultValue) const;
    // Reals are stored as text; a text that is not a finite number keeps the default.
    double ReadReal(const std::string& key, double defaultValue) const;

private:
    TComPtr<IOptionsReader> Reader;
};

class TPreferencesWriter {
public:
    // Opens the storage named "Wave" for writing and starts the section.
    explicit TPreferencesWriter(IClient& client);

    void WriteString(const std::string& key, const std::string& value);
    void WriteInteger(const std::string& key, int32_t value);
    void WriteBoolean(const std::string& key, bool value);
    void WriteReal(const std::string& key, double value);
    // Makes what was written permanent.
    void Commit();

private:
    TComPtr<IOptionsWriter> Writer;
};
