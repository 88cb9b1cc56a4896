#pragma once

#include <string>
#include <string_view>

namespace vellumo {

// Letter case is folded for ASCII letters only: file names, INI names, HTML names and palette names are
// compared that way, never by the machine's locale.
char AsciiLower(char c);
std::string AsciiLower(std::string_view text);

bool EqualIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);

// Alphabetical order without regard to case; texts that differ only in case keep a fixed order.
bool LessIgnoringCase(std::string_view a, std::string_view b);

} // namespace vellumo
