#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vellumo {

struct TextStretch {
    std::size_t begin;
    std::size_t end;
    bool operator==(const TextStretch&) const = default;
};

// The stretches of markup, as it stands inside a page's body, that a browser reads as flowing text: not
// inside a tag, a comment, nor an element whose content it takes as text or shows with its line breaks
// (title, textarea, xmp, noscript, iframe, pre...), nor SVG or MathML. A "<br>" put into one is read as a
// line break. In order, not overlapping.
std::vector<TextStretch> FlowingText(std::string_view markup);

} // namespace vellumo
