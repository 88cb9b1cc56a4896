#include "line_breaks.h"

#include "html/flowing_text.h"
#include "text/blanks.h"
#include "text/letter_case.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vellumo {

namespace {

constexpr std::array<std::string_view, 22> kBlockTagNames = {
    "p",  "div", "ul", "ol", "li", "table", "tr", "td", "th",         "thead", "tbody",
    "h1", "h2",  "h3", "h4", "h5", "h6",    "br", "hr", "blockquote", "pre",   "center",
};

// A whole tag, "<" to ">", opening or closing, that names a block-level element.
bool isBlockTag(std::string_view tag) {
    if (tag.size() < 3 || tag.front() != '<' || tag.back() != '>') {
        return false;
    }
    std::string_view name = tag.substr(1, tag.size() - 2);
    if (name.starts_with('/')) {
        name.remove_prefix(1);
    }
    name = name.substr(0, name.find_first_of(" \t\r\n/"));
    const std::string lowerName = AsciiLower(name);
    return std::find(kBlockTagNames.begin(), kBlockTagNames.end(), lowerName) != kBlockTagNames.end();
}

bool endsWithBlockTag(std::string_view line) {
    line = TrimBlanks(line);
    const std::size_t open = line.rfind('<');
    return line.ends_with('>') && open != std::string_view::npos && isBlockTag(line.substr(open));
}

bool startsWithBlockTag(std::string_view line) {
    line = TrimBlanks(line);
    const std::size_t close = line.find('>');
    return line.starts_with('<') && close != std::string_view::npos && isBlockTag(line.substr(0, close + 1));
}

// The length of the line break at the start of text: 2 for CR LF, 1 for LF or a lone CR, else 0.
std::size_t breakLength(std::string_view text) {
    if (text.starts_with("\r\n")) {
        return 2;
    }
    return text.starts_with('\r') || text.starts_with('\n') ? 1 : 0;
}

// Whether each line break, asked for in order, stands in flowing text: not inside a tag, a comment, a
// style sheet, or an element that shows its lines as typed or takes its content as text.
class FlowingBreaks {
public:
    explicit FlowingBreaks(std::string_view paragraph) {
        // Without markup the whole paragraph is flowing text.
        if (paragraph.find('<') == std::string_view::npos) {
            m_stretches.push_back({0, paragraph.size()});
        } else {
            m_stretches = FlowingText(paragraph);
        }
    }

    bool contains(std::size_t position) {
        while (m_next < m_stretches.size() && m_stretches[m_next].end <= position) {
            ++m_next;
        }
        return m_next < m_stretches.size() && m_stretches[m_next].begin <= position;
    }

private:
    std::vector<TextStretch> m_stretches;
    std::size_t m_next = 0;
};

} // namespace

std::string ShowLineBreaks(std::string_view paragraph) {
    constexpr std::string_view kLineBreaks = "\r\n";
    if (paragraph.find_first_of(kLineBreaks) == std::string_view::npos) {
        return std::string(paragraph);
    }
    FlowingBreaks flowing(paragraph);
    std::string shown;
    shown.reserve(paragraph.size());
    std::size_t lineStart = 0;
    for (;;) {
        const std::size_t lineEnd =
            std::min(paragraph.find_first_of(kLineBreaks, lineStart), paragraph.size());
        const std::string_view line = paragraph.substr(lineStart, lineEnd - lineStart);
        shown += line;
        if (lineEnd == paragraph.size()) {
            return shown;
        }
        const std::size_t length = breakLength(paragraph.substr(lineEnd));
        const std::size_t nextStart = lineEnd + length;
        const std::size_t nextEnd =
            std::min(paragraph.find_first_of(kLineBreaks, nextStart), paragraph.size());
        // The break's last byte: of CR LF, the parser places a text that starts with one at its LF.
        if (flowing.contains(nextStart - 1) && !endsWithBlockTag(line) &&
            !startsWithBlockTag(paragraph.substr(nextStart, nextEnd - nextStart))) {
            shown += "<br>";
        }
        shown += paragraph.substr(lineEnd, length);
        lineStart = nextStart;
    }
}

std::string TypedAgain(std::string_view typed, std::string_view shown) {
    constexpr std::string_view kBreak = "<br>";
    std::string result;
    result.reserve(shown.size());
    std::size_t typedLine = 0;
    std::size_t shownLine = 0;
    for (;;) {
        const std::size_t typedEnd = std::min(typed.find_first_of("\r\n", typedLine), typed.size());
        const std::size_t shownEnd = std::min(shown.find_first_of("\r\n", shownLine), shown.size());
        std::string_view line = shown.substr(shownLine, shownEnd - shownLine);
        const bool typedTheBreak = typed.substr(typedLine, typedEnd - typedLine).ends_with(kBreak);
        if (shownEnd < shown.size() && line.ends_with(kBreak) && !typedTheBreak) {
            line.remove_suffix(kBreak.size());
        }
        result += line;
        if (shownEnd == shown.size()) {
            return result;
        }
        const std::size_t length = breakLength(shown.substr(shownEnd));
        result += shown.substr(shownEnd, length);
        shownLine = shownEnd + length;
        typedLine =
            std::min(typed.size(), typedEnd + breakLength(typed.substr(std::min(typedEnd, typed.size()))));
    }
}

FieldGroups ShowLineBreaks(FieldGroups fields) {
    for (FieldGroup& group : fields.groups) {
        for (std::string& paragraph : group.paragraphs) {
            paragraph = ShowLineBreaks(paragraph);
        }
    }
    return fields;
}

} // namespace vellumo
