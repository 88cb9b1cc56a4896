#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// A piece of text found in a longer one, and where it starts there.
struct TextMatch {
    std::size_t at = 0;
    std::string text;
};

// E-mail addresses written in text: a name, "@" and a domain of two or more labels whose last is letters,
// so "12@0.99 each" is a price, not an address.
std::vector<TextMatch> MailAddressesIn(std::string_view text);

// Web addresses typed in text: "http://", "https://" or "www." where a word starts, up to the next blank,
// quote or angle bracket. "sizes 10//10.5" holds none.
std::vector<TextMatch> WebAddressesIn(std::string_view text);

} // namespace vellumo
