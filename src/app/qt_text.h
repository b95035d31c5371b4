#pragma once
// The one crossing between the editor's Windows-1252 text and Qt's strings.

#include <QString>
#include <string>
#include <string_view>

#include "platform/text_encoding.h"

namespace torvale {

inline QString FromCp1252(std::string_view text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
inline std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace torvale
