#include "preferences/PreferencesStorage.h"

#include "platform/com/Exception.h"

#include <charconv>
#include <cmath>

namespace {
constexpr const char* cStorageName = "Wave";
constexpr const char* cSection = "Wave Preferences";
// The location names the host's preference root; this host environment keeps a single one.
constexpr const char* cStorageLocation = "#Preferences";

template <class I> TComPtr<I> Required(TComPtr<I> storage) {
    if (!storage)
        throw Exception("The host offers no options storage");
    return storage;
}

TComPtr<IOptionsManager> OptionsManager(IClient& client) {
    TComPtr<IOptionsManager> manager;
    OleCheck(client.GetOptionsManager(manager.Out()));
    return Required(std::move(manager));
}
} // namespace

TPreferencesReader::TPreferencesReader(IClient& client) {
    OleCheck(
        OptionsManager(client)->GetOptionsReader(cStorageName, cStorageLocation, Reader.Out()));
    Reader = Required(std::move(Reader));
}

bool TPreferencesReader::Exists(const std::string& key) const {
    int32_t exists = 0;
    OleCheck(Reader->ValueExists(cSection, key.c_str(), &exists));
    return exists != 0;
}

std::string TPreferencesReader::ReadString(const std::string& key,
                                           const std::string& defaultValue) const {
    TComString value;
    OleCheck(Reader->ReadString(cSection, key.c_str(), defaultValue.c_str(), &value));
    return value.Str();
}

int32_t TPreferencesReader::ReadInteger(const std::string& key, int32_t defaultValue) const {
    int32_t value = defaultValue;
    OleCheck(Reader->ReadInteger(cSection, key.c_str(), defaultValue, &value));
    return value;
}

bool TPreferencesReader::ReadBoolean(const std::string& key, bool defaultValue) const {
    int32_t value = defaultValue;
    OleCheck(Reader->ReadBoolean(cSection, key.c_str(), defaultValue, &value));
    return value != 0;
}

double TPreferencesReader::ReadReal(const std::string& key, double defaultValue) const {
    const std::string text = ReadString(key, "");
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return defaultValue;
    return value;
}

TPreferencesWriter::TPreferencesWriter(IClient& client) {
    OleCheck(OptionsManager(client)->GetOptionsWriter(cStorageName, Writer.Out()));
    Writer = Required(std::move(Writer));
    OleCheck(Writer->BeginSection(cSection));
}

void TPreferencesWriter::WriteString(const std::string& key, const std::string& value) {
    OleCheck(Writer->WriteString(key.c_str(), value.c_str()));
}

void TPreferencesWriter::WriteInteger(const std::string& key, int32_t value) {
    OleCheck(Writer->WriteInteger(key.c_str(), value));
}

void TPreferencesWriter::WriteBoolean(const std::string& key, bool value) {
    OleCheck(Writer->WriteBoolean(key.c_str(), value));
}

// The shortest text that reads back as the same number, independent of the locale.
void TPreferencesWriter::WriteReal(const std::string& key, double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    WriteString(key, std::string(text, result.ptr));
}

void TPreferencesWriter::Commit() {
    OleCheck(Writer->EndSection());
}
