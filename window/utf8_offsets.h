#pragma once

#include <QString>

#include <cstddef>

namespace vellumo {

// The core counts a text in UTF-8 bytes, a text box in UTF-16 units: where a byte offset of a QString's
// UTF-8 form stands in the QString, and the other way round.
inline int Utf16Offset(const QString& text, std::size_t utf8Offset) {
    std::size_t bytes = 0;
    int units = 0;
    while (units < text.size() && bytes < utf8Offset) {
        const char16_t unit = text.at(units).unicode();
        const bool pair = QChar::isHighSurrogate(unit) && units + 1 < text.size();
        bytes += pair ? 4 : unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
        units += pair ? 2 : 1;
    }
    return units;
}

inline std::size_t Utf8Offset(const QString& text, int utf16Offset) {
    return static_cast<std::size_t>(text.left(utf16Offset).toUtf8().size());
}

} // namespace vellumo
