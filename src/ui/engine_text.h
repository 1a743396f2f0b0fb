#pragma once
// Engine text (Windows-1252) to and from the widgets' QString.
#include <QString>
#include <string>

#include "expr/encoding.h"

namespace kurvo {

inline QString EngineToQt(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
inline std::string QtToEngine(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace kurvo
