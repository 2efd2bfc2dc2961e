// The core's texts are in the Windows-1252 code page; Qt's are Unicode.
#pragma once

#include <QString>
#include <string>

#include "engine/text_format.h"

namespace talvo::ui {

inline QString ToQString(const std::string& cp1252) {
    return QString::fromUtf8(Cp1252ToUtf8(cp1252).c_str());
}

inline std::string FromQString(const QString& text) { return Utf8ToCp1252(text.toUtf8().toStdString()); }

}  // namespace talvo::ui
