#pragma once

#include <string>
#include <string_view>

namespace vellumo {

// Replaces every occurrence of find, left to right and without overlap, comparing exactly; an empty find
// changes nothing.
void ReplaceAll(std::string& text, std::string_view find, std::string_view with);

} // namespace vellumo
