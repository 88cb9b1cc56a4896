#pragma once

#include <string>
#include <string_view>

namespace vellumo {

inline constexpr std::string_view kCommentMarker = "<!--My Comment-->";

// The credit footer (txtBrenvik): three centred, bold paragraphs with CR LF line ends.
const std::string& PromotionalFooter();

// The footer's first two paragraphs alone, the credit without the link to the maker's web site: eBay allows
// a credit of a few words, but no link that leads buyers off eBay.
const std::string& CreditFooter();

// True once F12 has put a footer into the code: every layout holds the comment marker until then.
bool HoldsFooter(std::string_view code);

// The footer standing in code that holds one: the credit alone once the seller chose it, else the whole one.
const std::string& FooterInCode(std::string_view code);

// What F12 does to the code: every comment marker becomes the footer.
std::string InsertFooter(std::string_view code, std::string_view footer = PromotionalFooter());

} // namespace vellumo
