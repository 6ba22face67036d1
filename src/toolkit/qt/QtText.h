#pragma once

#include "framework/ClassInfo.h"

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

// Conversions between the framework's UTF-8 texts and colours and Qt's.
namespace fw::qtui {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

inline QColor ToQColor(Color color) { return QColor(color.red, color.green, color.blue); }

// A text shown on a button or in a menu: a single '&' would mark a mnemonic.
inline QString ToLabel(std::string_view text) { return ToQString(text).replace(QLatin1Char('&'), QLatin1String("&&")); }

} // namespace fw::qtui
