#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// A position in the html that the parser made up rather than read: an element it implied.
inline constexpr std::size_t kNoPosition = std::numeric_limits<std::size_t>::max();

enum class Namespace { Html, Svg, MathMl };

struct HtmlAttribute {
    std::string name;           // lower case; "xlink:href" for an address in the xlink namespace
    std::string value;          // as the browser reads it: character references decoded
    std::size_t nameAt = 0;     // where its name starts in the html
    std::size_t rawValueAt = 0; // its value as written, quotes included; empty when it has none
    std::size_t rawValueEnd = 0;
};

struct HtmlElement {
    std::string name; // lower case
    Namespace space = Namespace::Html;
    std::size_t at = kNoPosition;         // the "<" of its start tag
    std::size_t tagEnd = kNoPosition;     // just after its start tag
    std::size_t contentEnd = kNoPosition; // where the parser closed it: its end tag, or where it gave up
    bool copy = false;                    // a copy the parser made of a formatting element read before
    std::vector<HtmlAttribute> attributes;
};

// A run of text as the document holds it.
struct HtmlText {
    enum class Kind {
        Shown,      // among markup: a line break in it is a blank, a <br> put there breaks the line
        Verbatim,   // read without markup or shown with its line breaks (title, textarea, xmp, noscript,
                    // iframe, pre...), or inside SVG or MathML, where a <br> would end the drawing
        StyleSheet, // a <style> element's
    };
    Kind kind = Kind::Shown;
    std::string text;   // as the browser reads it: character references decoded, line ends as LF
    std::size_t at = 0; // the text as written
    std::size_t rawEnd = 0;
};

inline constexpr std::size_t kDeepestNesting = 512;
inline constexpr std::size_t kMostAttributes = 256;
inline constexpr std::size_t kMostNodes = 120000; // elements and texts: an ordinary listing has a sixth

// Where a reading stopped: about the start of the markup that went past one of the limits.
struct HtmlLimit {
    enum class Kind { Nesting, Attributes, Nodes };
    Kind kind;
    std::size_t at;
    bool operator==(const HtmlLimit&) const = default;
};

// A comment, or what the parser takes for one ("<![CDATA[...>", "<?...>").
struct HtmlComment {
    std::size_t at = 0;
    std::size_t end = 0;
    bool bogus = false; // not opened with "<!--", so it ends at the first ">"
};

// What a browser builds from the html, in document order, parsed by an HTML5 parser as a buyer's browser
// parses it (with scripting on, so "noscript" holds text, not markup; "isindex" is an unknown element).
// Only what stands in the html is listed: text and attributes the parser writes itself are left out.
struct HtmlReading {
    std::vector<HtmlElement> elements;
    std::vector<HtmlText> texts; // script text is left out
    std::vector<HtmlComment> comments;
    // Where the reading stopped short of the end, and why: markup past what a browser shows as written.
    std::optional<HtmlLimit> limit;
};

// Reads a whole document, or markup as it stands inside a page's body (leading blanks are text there).
enum class HtmlContext { Document, BodyContent };

// The parser's work grows with the depth of open elements, with the attributes of one tag and with the size
// of the tree, so a reading stops at the element that would nest deeper than a browser builds its tree
// (Chromium flattens what goes deeper), at a tag with more attributes or at more elements and texts than
// any listing needs; everything before that is read.
HtmlReading ReadHtml(std::string_view html, HtmlContext context = HtmlContext::Document);

// Where the characters of a text as the browser reads it were written in the html: character references
// and CR LF line ends take more bytes there. Asked for positions in increasing order, so that going through
// a long text once costs once.
class WrittenPositions {
public:
    WrittenPositions(std::string_view written, std::size_t writtenAt, std::string_view read);

    // The html position of the byte at readIndex in the text as read.
    std::size_t of(std::size_t readIndex);

private:
    std::string_view m_written;
    std::size_t m_writtenAt;
    std::string_view m_read;
    std::size_t m_writtenIndex = 0;
    std::size_t m_readIndex = 0;
};

} // namespace vellumo
