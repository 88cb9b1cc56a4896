#include "text/numbers.h"

#include "text/blanks.h"

#include <algorithm>
#include <charconv>

namespace vellumo {

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

std::optional<std::int32_t> LeadingWholeNumber(std::string_view text) {
    text.remove_prefix(std::min(text.size(), text.find_first_not_of(kBlanks)));
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc()) {
        return std::nullopt;
    }
    return number;
}

} // namespace vellumo
