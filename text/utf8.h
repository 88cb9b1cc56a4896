#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellumo {

// Well-formed UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Appends the UTF-8 form of a code point (U+0000..U+10FFFF).
void AppendUtf8(std::string& text, std::uint32_t codePoint);

// Single-byte Windows-1252 text (files and names written on Windows) as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-8 bytes as they are when valid, read as Windows-1252 otherwise: every text that comes from outside
// (a file, a file name) reads as something.
std::string AsUtf8(std::string_view bytes);

// The number of characters of a UTF-8 text, as eBay counts a description's length.
std::size_t Utf8CharacterCount(std::string_view text);

} // namespace vellumo
