#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellumo {

// What counts as blank around INI names and values and around numbers: space, tab, vertical tab.
inline constexpr std::string_view kBlanks = " \t\v";

std::string_view TrimBlanks(std::string_view text);

// Letter case is folded for ASCII letters only, as file names and INI names are compared here.
char AsciiLower(char c);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// A signed decimal whole number that fits in 32 bits, blanks around it allowed.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// Well-formed UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

} // namespace vellumo
