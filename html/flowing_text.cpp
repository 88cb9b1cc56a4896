#include "html/flowing_text.h"

#include "html/html_reading.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vellumo {

namespace {

// A "<" that starts markup where the parser reads flowing text: a tag, an end tag, a comment.
bool startsMarkup(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size() || text[at] != '<') {
        return false;
    }
    const char next = text[at + 1];
    return std::isalpha(static_cast<unsigned char>(next)) != 0 || next == '/' || next == '!' || next == '?';
}

// How long the tag at the start of text is. A tag the parser drops (a stray end tag, a second <body>) leaves
// no trace in the tree, so it is read again as the start tag of an element no parser drops: same length,
// same attributes, same end.
std::size_t tagLength(std::string_view text) {
    std::string asElement(text);
    asElement.replace(0, 2, "<z");
    const HtmlReading reading = ReadHtml(asElement, HtmlContext::BodyContent);
    const auto element = std::ranges::find(reading.elements, std::size_t{0}, &HtmlElement::at);
    return element == reading.elements.end() ? text.size() : element->tagEnd;
}

} // namespace

std::vector<TextStretch> FlowingText(std::string_view markup) {
    std::vector<TextStretch> stretches;
    for (const HtmlText& text : ReadHtml(markup, HtmlContext::BodyContent).texts) {
        if (text.kind != HtmlText::Kind::Shown) {
            continue;
        }
        // The parser's text runs over markup it dropped in between.
        std::size_t begin = text.at;
        for (std::size_t at = text.at; at < text.rawEnd; ++at) {
            if (!startsMarkup(markup, at)) {
                continue;
            }
            stretches.push_back({begin, at});
            // A window first, so that many dropped tags in one text cost once each; the rest if the tag is
            // longer.
            constexpr std::size_t kWindow = 1024;
            std::size_t length = tagLength(markup.substr(at, std::min(kWindow, text.rawEnd - at)));
            if (length >= kWindow) {
                length = tagLength(markup.substr(at, text.rawEnd - at));
            }
            at += std::max<std::size_t>(length, 1) - 1;
            begin = at + 1;
        }
        stretches.push_back({begin, text.rawEnd});
    }
    std::erase_if(stretches, [](const TextStretch& stretch) { return stretch.begin >= stretch.end; });
    return stretches;
}

} // namespace vellumo
