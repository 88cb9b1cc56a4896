#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// The addresses a style sheet (or a style attribute) makes the browser fetch: url(...) and @import "...",
// read as a browser reads CSS, so comments and escapes ("\75 rl(") hide none of them.
std::vector<std::string> StyleSheetAddresses(std::string_view css);

} // namespace vellumo
