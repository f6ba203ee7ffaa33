#include "host/HostOptions.h"

#include "platform/com/Exception.h"

namespace {
// Texts of the module are bytes; the INI file keeps them as Latin-1 so they round-trip.
QString Path(const char* section, const char* key) {
    return QString::fromLatin1(section ? section : "") + '/' + QString::fromLatin1(key ? key : "");
}
} // namespace

HResult THostOptionsStore::ValueExists(const char* section, const char* key, int32_t* exists) {
    return GuardCall([&] { *exists = Settings.contains(Path(section, key)); });
}

HResult THostOptionsStore::ReadString(const char* section, const char* key,
                                      const char* defaultValue, TComString* value) {
    return GuardCall([&] {
        const QVariant v = Settings.value(Path(section, key));
        value->Assign(v.isValid() ? v.toString().toLatin1().toStdString()
                                  : std::string(defaultValue ? defaultValue : ""));
    });
}

HResult THostOptionsStore::ReadInteger(const char* section, const char* key, int32_t defaultValue,
                                       int32_t* value) {
    return GuardCall([&] {
        bool ok = false;
        const int stored = Settings.value(Path(section, key)).toInt(&ok);
        *value = ok ? stored : defaultValue;
    });
}

HResult THostOptionsStore::ReadBoolean(const char* section, const char* key, int32_t defaultValue,
                                       int32_t* value) {
    return GuardCall([&] {
        const QVariant v = Settings.value(Path(section, key));
        *value = v.isValid() ? v.toBool() : defaultValue != 0;
    });
}

HResult THostOptionsStore::BeginSection(const char* section) {
    Section = QString::fromLatin1(section ? section : "");
    return S_OK;
}

HResult THostOptionsStore::WriteString(const char* key, const char* value) {
    return GuardCall([&] {
        Settings.setValue(Section + '/' + QString::fromLatin1(key ? key : ""),
                          QString::fromLatin1(value ? value : ""));
    });
}

HResult THostOptionsStore::WriteInteger(const char* key, int32_t value) {
    return GuardCall(
        [&] { Settings.setValue(Section + '/' + QString::fromLatin1(key ? key : ""), value); });
}

HResult THostOptionsStore::WriteBoolean(const char* key, int32_t value) {
    return GuardCall([&] {
        Settings.setValue(Section + '/' + QString::fromLatin1(key ? key : ""), value != 0);
    });
}

HResult THostOptionsStore::EndSection() {
    return GuardCall([&] {
        Settings.sync();
        if (Settings.status() != QSettings::NoError)
            throw Exception("Cannot write the options file " + Settings.fileName().toStdString());
    });
}
