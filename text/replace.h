#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// Replaces every occurrence of find, left to right and without overlap, comparing exactly; an empty find
// changes nothing. The text is changed in place, so with must not be part of it.
void ReplaceAll(std::string& text, std::string_view find, std::string_view with);

// Where ReplaceAll would replace: every occurrence of find, left to right and without overlap.
std::vector<std::size_t> FindAll(std::string_view text, std::string_view find);

} // namespace vellumo
