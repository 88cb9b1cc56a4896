#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// An address a style sheet makes the browser fetch, and what it fetches there.
struct StyleSheetAddress {
    enum class Use {
        Picture,    // url(...) in a property: a background, a list bullet, a cursor...
        StyleSheet, // @import "..." or @import url(...): more rules for the whole page
        Font,       // url(...) in an @font-face rule
    };
    Use use;
    std::string address;
    bool operator==(const StyleSheetAddress&) const = default;
};

// The addresses a style sheet (or a style attribute) makes the browser fetch, in order, read as a browser
// reads CSS, so comments and escapes ("\75 rl(") hide none of them.
std::vector<StyleSheetAddress> StyleSheetAddresses(std::string_view css);

} // namespace vellumo
