#pragma once

#include <string_view>

namespace vellumo {

// What counts as blank around INI names and values and around numbers: space, tab, vertical tab.
inline constexpr std::string_view kBlanks = " \t\v";

std::string_view TrimBlanks(std::string_view text);

} // namespace vellumo
