#pragma once

#include <string>
#include <string_view>

namespace vellumo {

inline constexpr std::string_view kCommentMarker = "<!--My Comment-->";

// The credit footer (txtBrenvik): three centred, bold paragraphs with CR LF line ends.
const std::string& PromotionalFooter();

// What F12 does to the code: every comment marker becomes the footer.
std::string InsertFooter(std::string_view code);

} // namespace vellumo
