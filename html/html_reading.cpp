#include "html/html_reading.h"

#include "text/letter_case.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <csetjmp>
#include <cstddef>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <type_traits>

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

// Control bytes that the parser turns into U+FFFD where a browser keeps them (and an address parser then
// drops them from the ends of an address): each is given to the parser as a character reference to itself,
// which it keeps, so what it reads holds the bytes a browser sees. A table, as every byte of a listing is
// looked up.
constexpr std::array<bool, 256> kKeptControlBytes = [] {
    std::array<bool, 256> kept{};
    for (std::size_t c = 0x01; c <= 0x1F; ++c) {
        kept[c] = c <= 0x08 || c == 0x0B || c >= 0x0E;
    }
    kept[0x7F] = true;
    return kept;
}();

// An object rather than a function, so that the searches below call it inline.
constexpr auto isKeptControlByte = [](char c) { return kKeptControlBytes[static_cast<unsigned char>(c)]; };

constexpr std::size_t kReferenceLength = 6; // "&#x01;"

// The html as the parser is given it, and where each of its positions stands in the html.
class ParserInput {
public:
    explicit ParserInput(std::string_view html)
        : m_text(withTagsRenamed(html)) {
        const auto firstKept = std::ranges::find_if(m_text, isKeptControlByte) - m_text.begin();
        if (firstKept == std::ssize(m_text)) {
            return;
        }
        const std::string renamed = std::move(m_text);
        m_text.clear();
        m_text.reserve(renamed.size());
        std::size_t copied = 0;
        for (auto at = renamed.begin() + firstKept; at != renamed.end();
             at = std::find_if(at + 1, renamed.end(), isKeptControlByte)) {
            const auto position = static_cast<std::size_t>(at - renamed.begin());
            m_text.append(renamed, copied, position - copied);
            constexpr std::string_view kDigits = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(*at);
            m_referencesAt.push_back(m_text.size());
            m_text += "&#x";
            m_text += kDigits[byte >> 4];
            m_text += kDigits[byte & 15];
            m_text += ';';
            copied = position + 1;
        }
        m_text.append(renamed, copied);
    }

    std::string_view text() const { return m_text; }

    std::size_t originalOf(std::size_t position) const {
        const auto before = std::lower_bound(m_referencesAt.begin(), m_referencesAt.end(), position);
        return position - static_cast<std::size_t>(before - m_referencesAt.begin()) * (kReferenceLength - 1);
    }

private:
    std::string m_text;
    std::vector<std::size_t> m_referencesAt;
};

// The parser's memory, served from large blocks and freed all at once: the parser makes many small
// allocations, and a listing full of elements parses several times faster so. It also watches the tree as
// it grows: the parser allocates one node at a time and has put the last one in its place before it asks
// for the next, so the depth of that one tells how deep the open elements go. Past a browser's limits the
// parse is abandoned (the parser is C and keeps all its state in this memory, so nothing is lost).
class ParseGuard {
    static_assert(sizeof(GumboNode) != sizeof(GumboAttribute), "nodes and attributes are told by their size");

public:
    explicit ParseGuard(std::string_view input)
        : m_input(input) {}
    ParseGuard(const ParseGuard&) = delete;
    ParseGuard& operator=(const ParseGuard&) = delete;
    // The blocks are kept for the next parse, up to a bound: memory fresh from the system costs a page fault
    // for every page the parser touches.
    ~ParseGuard() {
        std::vector<Block>& spare = spareBlocks();
        for (Block& block : m_blocks) {
            if (spare.size() < kSpareBlocks) {
                spare.push_back(std::move(block));
            }
        }
    }

    static void* allocate(void* guard, std::size_t size) {
        return static_cast<ParseGuard*>(guard)->take(size);
    }
    static void release(void*, void*) {}

    // The tree of the text, or none when the parse went past a limit (then limit() tells which and where).
    GumboOutput* parse(GumboOptions options, std::string_view text) {
        options.allocator = &ParseGuard::allocate;
        options.deallocator = &ParseGuard::release;
        options.userdata = this;
        std::jmp_buf escape;
        m_escape = &escape;
        if (setjmp(escape) != 0) {
            return nullptr;
        }
        return gumbo_parse_with_options(&options, text.data(), text.size());
    }

    const std::optional<HtmlLimit>& limit() const { return m_limit; }
    std::size_t nodes() const { return m_nodes; }

private:
    // Large enough that one parse of an ordinary listing takes a few blocks, small enough to keep some.
    static constexpr std::size_t kBlockSize = std::size_t{1} << 20;
    static constexpr std::size_t kSpareBlocks = 64;
    using Block = std::unique_ptr<std::max_align_t[]>;

    static std::vector<Block>& spareBlocks() {
        thread_local std::vector<Block> spare;
        return spare;
    }

    void* take(std::size_t size) {
        const bool node = size == sizeof(GumboNode);
        if (node) {
            watchLastNode();
            m_attributesSinceNode = 0;
            if (++m_nodes > kMostNodes) {
                stop(HtmlLimit::Kind::Nodes, m_furthest);
            }
        } else if (size == sizeof(GumboAttribute) && ++m_attributesSinceNode > kMostAttributes) {
            stop(HtmlLimit::Kind::Attributes, lastAttributeAt());
        }
        // The parser's structures hold pointers and sizes at most.
        size = (size + alignof(void*) - 1) & ~(alignof(void*) - 1);
        if (size > m_left) {
            std::vector<Block>& spare = spareBlocks();
            if (size <= kBlockSize && !spare.empty()) {
                m_blocks.push_back(std::move(spare.back()));
                spare.pop_back();
            } else {
                const std::size_t units =
                    (std::max(size, kBlockSize) + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t);
                m_blocks.emplace_back(new std::max_align_t[units]);
            }
            m_next = reinterpret_cast<char*>(m_blocks.back().get());
            m_left = std::max(size, kBlockSize);
        }
        void* block = m_next;
        m_next += size;
        m_left -= size;
        if (node) {
            m_lastNode = static_cast<GumboNode*>(block);
        } else if (size == sizeof(GumboAttribute)) {
            m_lastAttribute = static_cast<GumboAttribute*>(block);
        }
        return block;
    }

    // A block of a node's size may hold a string or a list instead: neither starts with the small number
    // of a node's type (a string holds no zero bytes, a list starts with an aligned pointer).
    void watchLastNode() {
        const GumboNode* node = m_lastNode;
        if (node == nullptr) {
            return;
        }
        // Read as a number: in a block that is not a node it is no value of the type.
        std::underlying_type_t<GumboNodeType> type = 0;
        std::memcpy(&type, &node->type, sizeof type);
        const bool element = type == GUMBO_NODE_ELEMENT || type == GUMBO_NODE_TEMPLATE;
        if (node->parent == nullptr ||
            (!element && type != GUMBO_NODE_TEXT && type != GUMBO_NODE_WHITESPACE)) {
            return;
        }
        const bool copy = element && (node->parse_flags & (GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT |
                                                           GUMBO_INSERTION_ADOPTION_AGENCY_CLONED)) != 0;
        const char* written = element ? node->v.element.original_tag.data : node->v.text.original_text.data;
        // A copy stands where its original did; the markup that made it comes after what was read last.
        if (!copy && written != nullptr) {
            m_furthest = std::max(m_furthest, static_cast<std::size_t>(written - m_input.data()));
        }
        std::size_t depth = element ? 1 : 0;
        for (const GumboNode* parent = node->parent; parent != nullptr && depth <= kDeepestNesting;
             parent = parent->parent) {
            depth += parent->type == GUMBO_NODE_DOCUMENT ? 0 : 1;
        }
        if (depth > kDeepestNesting) {
            stop(HtmlLimit::Kind::Nesting, m_furthest);
        }
    }

    // Where the attribute read last stands (in the tag past the limit); a block of its size may be a string.
    std::size_t lastAttributeAt() const {
        const char* name = m_lastAttribute == nullptr ? nullptr : m_lastAttribute->original_name.data;
        const bool inInput =
            std::less_equal<>()(m_input.data(), name) && std::less<>()(name, m_input.data() + m_input.size());
        return inInput ? static_cast<std::size_t>(name - m_input.data()) : m_furthest;
    }

    [[noreturn]] void stop(HtmlLimit::Kind kind, std::size_t at) {
        m_limit = HtmlLimit{kind, at};
        std::longjmp(*m_escape, 1);
    }

    std::string_view m_input;
    std::vector<Block> m_blocks;
    char* m_next = nullptr;
    std::size_t m_left = 0;
    const GumboNode* m_lastNode = nullptr;
    const GumboAttribute* m_lastAttribute = nullptr;
    std::size_t m_attributesSinceNode = 0;
    std::size_t m_nodes = 0;
    std::size_t m_furthest = 0; // where the markup read last starts
    std::jmp_buf* m_escape = nullptr;
    std::optional<HtmlLimit> m_limit;
};

bool isOneOf(GumboTag tag, std::initializer_list<GumboTag> tags) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

// Inside these a <br> is not a line break in flowing text: the browser reads their content as text, shows
// its line breaks as typed, or (SVG and MathML) ends the drawing at it.
bool holdsVerbatimText(const GumboNode& node) {
    const GumboElement& element = node.v.element;
    if (element.tag_namespace == GUMBO_NAMESPACE_HTML) {
        return isOneOf(element.tag, {GUMBO_TAG_PRE, GUMBO_TAG_LISTING, GUMBO_TAG_TEXTAREA, GUMBO_TAG_TITLE,
                                     GUMBO_TAG_XMP, GUMBO_TAG_NOEMBED, GUMBO_TAG_NOFRAMES, GUMBO_TAG_IFRAME,
                                     GUMBO_TAG_PLAINTEXT, GUMBO_TAG_NOSCRIPT});
    }
    // SVG's and MathML's elements that hold HTML take a <br> as HTML does.
    return !isOneOf(element.tag, {GUMBO_TAG_FOREIGNOBJECT, GUMBO_TAG_DESC, GUMBO_TAG_TITLE, GUMBO_TAG_MI,
                                  GUMBO_TAG_MO, GUMBO_TAG_MN, GUMBO_TAG_MS, GUMBO_TAG_MTEXT});
}

class Reader {
public:
    Reader(std::string_view original, const ParserInput& input, std::size_t nodes)
        : m_original(original)
        , m_input(input) {
        m_reading.elements.reserve(nodes);
    }

    std::size_t positionOf(const char* data) const {
        return data == nullptr ? kNoPosition
                               : m_input.originalOf(static_cast<std::size_t>(data - m_input.text().data()));
    }

    // Where a stretch of the parser's input ends in the html.
    std::size_t endOf(const GumboStringPiece& piece) const { return positionOf(piece.data + piece.length); }

    std::string elementName(const GumboElement& element) const {
        const bool mayBeRenamed = element.tag == GUMBO_TAG_NOEMBED || element.tag == GUMBO_TAG_UNKNOWN;
        if (!mayBeRenamed || element.original_tag.data == nullptr) {
            return AsciiLower(gumbo_normalized_tagname(element.tag));
        }
        // The tag name runs to the first HTML blank, "/" or ">": a vertical tab is part of it.
        const std::size_t at = positionOf(element.original_tag.data);
        const std::string_view tag = m_original.substr(at, endOf(element.original_tag) - at);
        std::size_t end = 1;
        while (end < tag.size() && !endsTagName(tag[end])) {
            ++end;
        }
        return AsciiLower(tag.substr(1, end - 1));
    }

    // Where the attribute's name starts, as written. The parser runs a name that follows a repeated
    // attribute without a value into that one's ("<img src=x src onerror=y>" would read "src onerror" and
    // "srconerror"), where a browser reads "onerror": a name ends at a blank or "/", so it is what follows
    // the last of them.
    std::size_t nameStart(const GumboAttribute& attribute) const {
        const std::size_t at = positionOf(attribute.original_name.data);
        const std::string_view written = m_original.substr(at, endOf(attribute.original_name) - at);
        const std::size_t cut = written.find_last_of(" \t\n\f\r/");
        return cut == std::string_view::npos ? at : at + cut + 1;
    }

    std::string attributeName(const GumboAttribute& attribute, std::size_t nameAt) const {
        if (attribute.attr_namespace == GUMBO_ATTR_NAMESPACE_XLINK) {
            return "xlink:" + AsciiLower(attribute.name);
        }
        if (attribute.attr_namespace == GUMBO_ATTR_NAMESPACE_XML) {
            return "xml:" + AsciiLower(attribute.name);
        }
        return AsciiLower(m_original.substr(nameAt, endOf(attribute.original_name) - nameAt));
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
            element.tagEnd = endOf(source.original_tag);
        }
        element.contentEnd = m_input.originalOf(source.end_pos.offset);
        element.attributes.reserve(source.attributes.length);
        for (unsigned i = 0; i < source.attributes.length; ++i) {
            const auto& attribute = *static_cast<const GumboAttribute*>(source.attributes.data[i]);
            if (attribute.original_name.data == nullptr) {
                continue;
            }
            const std::size_t nameAt = nameStart(attribute);
            const std::size_t valueAt = attribute.original_value.length == 0
                                            ? endOf(attribute.original_name)
                                            : positionOf(attribute.original_value.data);
            const std::size_t valueEnd =
                attribute.original_value.length == 0 ? valueAt : endOf(attribute.original_value);
            element.attributes.push_back(
                {attributeName(attribute, nameAt), attribute.value, nameAt, valueAt, valueEnd});
        }
        m_reading.elements.push_back(std::move(element));
    }

    void readText(const GumboNode& node, bool verbatim) {
        const GumboNode* parent = node.parent;
        const GumboTag parentTag = parent != nullptr && parent->type == GUMBO_NODE_ELEMENT
                                       ? parent->v.element.tag
                                       : GUMBO_TAG_UNKNOWN;
        if (parentTag == GUMBO_TAG_SCRIPT) {
            return;
        }
        const GumboText& text = node.v.text;
        // Text the parser writes itself stands nowhere in the listing.
        if (text.original_text.data == nullptr) {
            return;
        }
        const HtmlText::Kind kind = parentTag == GUMBO_TAG_STYLE ? HtmlText::Kind::StyleSheet
                                    : verbatim                   ? HtmlText::Kind::Verbatim
                                                                 : HtmlText::Kind::Shown;
        m_reading.texts.push_back(
            {kind, text.text, positionOf(text.original_text.data), endOf(text.original_text)});
    }

    void readComment(const GumboNode& node) {
        const GumboStringPiece& raw = node.v.text.original_text;
        if (raw.data == nullptr) {
            return;
        }
        m_reading.comments.push_back(
            {positionOf(raw.data), endOf(raw), !std::string_view(raw.data, raw.length).starts_with("<!--")});
    }

    // Document order, without recursion: a listing may nest elements deeply.
    HtmlReading read(const GumboNode& document) {
        struct Pending {
            const GumboNode* node;
            bool verbatim; // inside an element whose text is verbatim
        };
        std::vector<Pending> pending{{&document, false}};
        while (!pending.empty()) {
            const auto [node, verbatim] = pending.back();
            pending.pop_back();
            const GumboVector* children = nullptr;
            bool childrenVerbatim = verbatim;
            switch (node->type) {
            case GUMBO_NODE_DOCUMENT:
                children = &node->v.document.children;
                break;
            case GUMBO_NODE_ELEMENT:
            case GUMBO_NODE_TEMPLATE:
                readElement(*node);
                children = &node->v.element.children;
                childrenVerbatim = holdsVerbatimText(*node);
                childrenVerbatim =
                    childrenVerbatim || (verbatim && node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML);
                break;
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_CDATA:
            case GUMBO_NODE_WHITESPACE:
                readText(*node, verbatim);
                break;
            case GUMBO_NODE_COMMENT:
                readComment(*node);
                break;
            }
            if (children != nullptr) {
                for (unsigned i = children->length; i > 0; --i) {
                    pending.push_back(
                        {static_cast<const GumboNode*>(children->data[i - 1]), childrenVerbatim});
                }
            }
        }
        return std::move(m_reading);
    }

private:
    std::string_view m_original;
    const ParserInput& m_input;
    HtmlReading m_reading;
};

} // namespace

HtmlReading ReadHtml(std::string_view html, HtmlContext context) {
    const ParserInput input(html);
    GumboOptions options = kGumboDefaultOptions;
    // Parse errors are what a listing is full of; recording them costs time and tells nothing.
    options.max_errors = 0;
    if (context == HtmlContext::BodyContent) {
        options.fragment_context = GUMBO_TAG_BODY;
        options.fragment_namespace = GUMBO_NAMESPACE_HTML;
    }
    std::string_view text = input.text();
    std::optional<HtmlLimit> limit;
    for (;;) {
        ParseGuard guard(text);
        if (const GumboOutput* output = guard.parse(options, text)) {
            HtmlReading reading = Reader(html, input, guard.nodes()).read(*output->document);
            if (limit) {
                reading.limit = HtmlLimit{limit->kind, input.originalOf(limit->at)};
            }
            return reading;
        }
        // Read again up to the markup that went past the limit: what came before parses as it did.
        limit = guard.limit();
        text = text.substr(0, std::min(limit->at, text.size() - 1));
    }
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
