#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vellumo {

// A signed decimal whole number that fits in 32 bits, blanks around it allowed; a leading "+" too.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The decimal number at the start of a text, after any blanks ("7 Inline" gives 7); none when the text
// does not start with one or the number does not fit in 32 bits.
std::optional<std::int32_t> LeadingWholeNumber(std::string_view text);

} // namespace vellumo
