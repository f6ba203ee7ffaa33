// Texts and colours between the module and Qt widgets. Module texts are 8-bit; Latin-1 keeps
// them byte for byte. Module colours hold red in the low byte, then green, then blue.
#pragma once

#include "rows/Wavefontobj.h"

#include <QColor>
#include <QString>
#include <string>

inline QString ToQtText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQtText(const QString& text) {
    return text.toLatin1().toStdString();
}

inline QColor ToQtColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

inline TColor FromQtColor(const QColor& color) {
    return static_cast<TColor>(color.red()) | static_cast<TColor>(color.green()) << 8 |
           static_cast<TColor>(color.blue()) << 16;
}
