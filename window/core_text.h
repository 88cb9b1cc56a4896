#pragma once

#include "text/utf8.h"

#include <QString>

#include <string>
#include <string_view>

namespace vellumo {

// The core holds UTF-8 text; the controls hold QString.
inline QString FromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToCore(const QString& text) {
    return text.toStdString();
}

// A file name as the seller reads it: its bytes as UTF-8 when they are, as Windows-1252 (names copied from
// Windows) when not. The bytes themselves stay with the list entry, so the file is always found.
inline QString NameFromCore(std::string_view bytes) {
    return FromCore(AsUtf8(bytes));
}

// Paragraph boxes hold "\n" line breaks; the core keeps the program's CR LF.
inline std::string ParagraphToCore(QString boxText) {
    boxText.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToCore(boxText);
}

inline QString ParagraphFromCore(std::string_view text) {
    QString boxText = FromCore(text);
    boxText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    boxText.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return boxText;
}

} // namespace vellumo
