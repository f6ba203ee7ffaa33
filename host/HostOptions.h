// The host's options storage: sections of keys in an INI file.
#pragma once

#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

#include <QSettings>
#include <QString>

class THostOptionsStore : public TInterfacedObject<IOptionsReader, IOptionsWriter> {
public:
    explicit THostOptionsStore(QSettings& settings) : Settings(settings) {}

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
    QSettings& Settings;
    QString Section;
};
