#include "html/html_reading.h"

#include "text/letter_case.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>

namespace vellumo {

namespace {

bool endsTagName(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == '/' || c == '>';
}

// Where the parser follows older rules than browsers do, it is given another tag name of the same length, so
// positions stay as they are; element names are read from the html itself.
struct RenamedTag {
    std::string_view name;
    std::string_view givenAs;
};
constexpr std::array<RenamedTag, 2> kRenamedTags = {{
    // With scripting on, a browser reads what stands in a noscript element as text, as it reads a noembed
    // element's; the parser reads with scripting off.
    {"noscript", "noembed "},
    // Browsers no longer turn isindex into a form; to them it is an element like any unknown one.
    {"isindex", "isindez"},
}};

std::string withTagsRenamed(std::string_view html) {
    std::string renamed(html);
    for (std::size_t at = renamed.find('<'); at != std::string::npos; at = renamed.find('<', at + 1)) {
        const std::size_t name = at + (at + 1 < renamed.size() && renamed[at + 1] == '/' ? 2 : 1);
        for (const RenamedTag& tag : kRenamedTags) {
            const std::size_t nameEnd = name + tag.name.size();
            if (nameEnd <= renamed.size() &&
                EqualIgnoringCase(renamed.substr(name, tag.name.size()), tag.name) &&
                (nameEnd == renamed.size() || endsTagName(renamed[nameEnd]))) {
                renamed.replace(name, tag.name.size(), tag.givenAs);
            }
        }
    }
    return renamed;
}

struct GumboOutputDeleter {
    void operator()(GumboOutput* output) const { gumbo_destroy_output(&kGumboDefaultOptions, output); }
};

class Reader {
public:
    Reader(std::string_view original, std::string_view parsed)
        : m_original(original)
        , m_parsed(parsed) {}

    std::size_t positionOf(const char* data) const {
        return data == nullptr ? kNoPosition : static_cast<std::size_t>(data - m_parsed.data());
    }

    std::string elementName(const GumboElement& element) const {
        const bool mayBeRenamed = element.tag == GUMBO_TAG_NOEMBED || element.tag == GUMBO_TAG_UNKNOWN;
        if (!mayBeRenamed || element.original_tag.data == nullptr) {
            return AsciiLower(gumbo_normalized_tagname(element.tag));
        }
        // The tag name runs to the first HTML blank, "/" or ">": a vertical tab is part of it.
        const std::string_view tag =
            m_original.substr(positionOf(element.original_tag.data), element.original_tag.length);
        std::size_t end = 1;
        while (end < tag.size() && !endsTagName(tag[end])) {
            ++end;
        }
        return AsciiLower(tag.substr(1, end - 1));
    }

    void readElement(const GumboNode& node) {
        const GumboElement& source = node.v.element;
        HtmlElement element;
        element.name = elementName(source);
        element.space = source.tag_namespace == GUMBO_NAMESPACE_SVG      ? Namespace::Svg
                        : source.tag_namespace == GUMBO_NAMESPACE_MATHML ? Namespace::MathMl
                                                                         : Namespace::Html;
        element.copy = (node.parse_flags & (GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT |
                                            GUMBO_INSERTION_ADOPTION_AGENCY_CLONED)) != 0;
        if (source.original_tag.data != nullptr) {
            element.at = positionOf(source.original_tag.data);
            element.tagEnd = element.at + source.original_tag.length;
        }
        element.contentEnd = source.end_pos.offset;
        for (unsigned i = 0; i < source.attributes.length; ++i) {
            const auto& attribute = *static_cast<const GumboAttribute*>(source.attributes.data[i]);
            std::string name = AsciiLower(attribute.name);
            if (attribute.attr_namespace == GUMBO_ATTR_NAMESPACE_XLINK) {
                name = "xlink:" + name;
            } else if (attribute.attr_namespace == GUMBO_ATTR_NAMESPACE_XML) {
                name = "xml:" + name;
            }
            const std::size_t nameAt = positionOf(attribute.original_name.data);
            if (nameAt == kNoPosition) {
                continue;
            }
            const std::size_t valueAt = attribute.original_value.length == 0
                                            ? nameAt + attribute.original_name.length
                                            : positionOf(attribute.original_value.data);
            element.attributes.push_back({std::move(name), attribute.value, nameAt, valueAt,
                                          valueAt + attribute.original_value.length});
        }
        m_reading.elements.push_back(std::move(element));
    }

    void readText(const GumboNode& node) {
        const GumboNode* parent = node.parent;
        const GumboTag parentTag = parent != nullptr && parent->type == GUMBO_NODE_ELEMENT
                                       ? parent->v.element.tag
                                       : GUMBO_TAG_UNKNOWN;
        if (parentTag == GUMBO_TAG_SCRIPT) {
            return;
        }
        const GumboText& text = node.v.text;
        const std::size_t at = positionOf(text.original_text.data);
        // Text the parser writes itself stands nowhere in the listing.
        if (at == kNoPosition) {
            return;
        }
        m_reading.texts.push_back(
            {parentTag == GUMBO_TAG_STYLE ? HtmlText::Kind::StyleSheet : HtmlText::Kind::Shown, text.text, at,
             at + text.original_text.length});
    }

    void readComment(const GumboNode& node) {
        const GumboStringPiece& raw = node.v.text.original_text;
        const std::size_t at = positionOf(raw.data);
        if (at == kNoPosition) {
            return;
        }
        m_reading.comments.push_back(
            {at, at + raw.length, !std::string_view(raw.data, raw.length).starts_with("<!--")});
    }

    // Document order, without recursion: a listing may nest elements very deeply.
    HtmlReading read(const GumboNode& document) {
        std::vector<const GumboNode*> pending{&document};
        while (!pending.empty()) {
            const GumboNode& node = *pending.back();
            pending.pop_back();
            const GumboVector* children = nullptr;
            switch (node.type) {
            case GUMBO_NODE_DOCUMENT:
                children = &node.v.document.children;
                break;
            case GUMBO_NODE_ELEMENT:
            case GUMBO_NODE_TEMPLATE:
                readElement(node);
                children = &node.v.element.children;
                break;
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_CDATA:
                readText(node);
                break;
            case GUMBO_NODE_COMMENT:
                readComment(node);
                break;
            case GUMBO_NODE_WHITESPACE:
                break;
            }
            if (children != nullptr) {
                for (unsigned i = children->length; i > 0; --i) {
                    pending.push_back(static_cast<const GumboNode*>(children->data[i - 1]));
                }
            }
        }
        return std::move(m_reading);
    }

private:
    std::string_view m_original;
    std::string_view m_parsed;
    HtmlReading m_reading;
};

} // namespace

HtmlReading ReadHtml(std::string_view html) {
    const std::string parsed = withTagsRenamed(html);
    GumboOptions options = kGumboDefaultOptions;
    // Parse errors are what a listing is full of; recording them costs time and tells nothing.
    options.max_errors = 0;
    const std::unique_ptr<GumboOutput, GumboOutputDeleter> output(
        gumbo_parse_with_options(&options, parsed.data(), parsed.size()));
    return Reader(html, parsed).read(*output->document);
}

WrittenPositions::WrittenPositions(std::string_view written, std::size_t writtenAt, std::string_view read)
    : m_written(written)
    , m_writtenAt(writtenAt)
    , m_read(read) {}

std::size_t WrittenPositions::of(std::size_t readIndex) {
    const auto isAlnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    while (m_readIndex < readIndex && m_readIndex < m_read.size() && m_writtenIndex < m_written.size()) {
        const char written = m_written[m_writtenIndex];
        const char read = m_read[m_readIndex];
        if (written == '\r') {
            // CR LF and a lone CR are both read as LF.
            m_writtenIndex += m_written.substr(m_writtenIndex, 2) == "\r\n" ? 2 : 1;
            ++m_readIndex;
        } else if (written == '&' && (read != '&' || m_written.substr(m_writtenIndex + 1, 1) == "#" ||
                                      StartsWithIgnoringCase(m_written.substr(m_writtenIndex), "&amp"))) {
            // A character reference: its name or number, then perhaps a semicolon, is one character read.
            std::size_t end = m_writtenIndex + 1;
            end += end < m_written.size() && m_written[end] == '#' ? 1 : 0;
            while (end < m_written.size() && isAlnum(m_written[end])) {
                ++end;
            }
            end += end < m_written.size() && m_written[end] == ';' ? 1 : 0;
            m_writtenIndex = end;
            const auto lead = static_cast<unsigned char>(read);
            m_readIndex += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        } else {
            ++m_writtenIndex;
            ++m_readIndex;
        }
    }
    return m_writtenAt + std::min(m_writtenIndex, m_written.size());
}

} // namespace vellumo
