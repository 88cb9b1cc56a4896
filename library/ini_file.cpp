#include "library/ini_file.h"

#include "library/atomic_file.h"
#include "library/file_search.h"
#include "text/blanks.h"
#include "text/letter_case.h"
#include "text/utf8.h"

#include <array>
#include <cstdint>

namespace vellumo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}
bool isBlank(char c) {
    return kBlanks.find(c) != std::string_view::npos;
}
bool isQuote(char c) {
    return c == '"' || c == '\'';
}

enum class LineKind { Section, Key, Other };

// One non-blank line of the text: where its content lies and what it says.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0; // the content ends here; a line break or the end of the text follows
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name, trimmed
    std::string_view value; // trimmed, quotes still on
};

std::vector<Line> scanLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t position = 0;
    while (position < text.size()) {
        if (isLineBreak(text[position])) {
            ++position;
            continue;
        }
        Line line;
        line.begin = position;
        while (position < text.size() && !isLineBreak(text[position])) {
            ++position;
        }
        line.end = position;
        const std::string_view content = TrimBlanks(text.substr(line.begin, line.end - line.begin));
        if (content.empty()) {
            continue;
        }
        if (content.front() == '[') {
            line.kind = LineKind::Section;
            line.name = TrimBlanks(content.substr(1, content.find(']') - 1));
        } else if (content.front() != ';') {
            const auto equals = content.find('=');
            if (equals != std::string_view::npos) {
                line.kind = LineKind::Key;
                line.name = TrimBlanks(content.substr(0, equals));
                line.value = TrimBlanks(content.substr(equals + 1));
            }
        }
        lines.push_back(line);
    }
    return lines;
}

struct SectionRange {
    std::size_t header = 0; // index of the section line
    std::size_t end = 0;    // index of the next section line, or the line count
};

std::optional<SectionRange> findSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section && EqualIgnoringCase(lines[i].name, section)) {
            std::size_t end = i + 1;
            while (end < lines.size() && lines[end].kind != LineKind::Section) {
                ++end;
            }
            return SectionRange{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<Line>& lines, const SectionRange& range,
                                   std::string_view key) {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (lines[i].kind == LineKind::Key && EqualIgnoringCase(lines[i].name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string_view withoutOuterQuotes(std::string_view value) {
    if (value.size() >= 2 && isQuote(value.front()) && value.front() == value.back()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The reader trims blanks and strips one pair of matching quotes; an extra pair protects such values.
std::string storedForm(std::string_view value) {
    const bool outerBlank = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    const bool outerQuotes = value.size() >= 2 && isQuote(value.front()) && value.front() == value.back();
    if (outerBlank || outerQuotes) {
        return "\"" + std::string(value) + "\"";
    }
    return std::string(value);
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of(kLineEnd) != std::string_view::npos;
}

bool hasOuterBlank(std::string_view text) {
    return !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
}

// The profile functions ignore spaces (not tabs) around the names a caller passes.
std::string_view givenName(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

bool isStorableSection(std::string_view section) {
    return !section.empty() && !hasLineBreak(section) && !hasOuterBlank(section) &&
           section.find(']') == std::string_view::npos && IsValidUtf8(section);
}

bool isStorableKey(std::string_view key) {
    return !key.empty() && !hasLineBreak(key) && !hasOuterBlank(key) &&
           key.find('=') == std::string_view::npos && key.front() != ';' && key.front() != '[' &&
           IsValidUtf8(key);
}

std::size_t lineBreakLength(std::string_view text, std::size_t position) {
    if (position >= text.size()) {
        return 0;
    }
    if (text[position] == '\r' && position + 1 < text.size() && text[position + 1] == '\n') {
        return 2;
    }
    return 1;
}

} // namespace

IniDocument IniDocument::FromBytes(std::string_view bytes) {
    IniDocument document;
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        document.m_byteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    document.m_text = AsUtf8(bytes);
    return document;
}

std::optional<std::string> IniDocument::find(std::string_view section, std::string_view key) const {
    section = givenName(section);
    key = givenName(key);
    const std::vector<Line> lines = scanLines(m_text);
    const auto range = findSection(lines, section);
    if (!range || key.empty()) {
        return std::nullopt;
    }
    const auto index = findKey(lines, *range, key);
    if (!index) {
        return std::nullopt;
    }
    return std::string(withoutOuterQuotes(lines[*index].value));
}

std::string IniDocument::value(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    if (auto found = find(section, key)) {
        return std::move(*found);
    }
    const auto last = defaultValue.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view()
                                                      : defaultValue.substr(0, last + 1));
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(scanLines(m_text), givenName(section)).has_value();
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    section = givenName(section);
    key = givenName(key);
    if (!isStorableSection(section) || !isStorableKey(key) || hasLineBreak(value) || !IsValidUtf8(value)) {
        return false;
    }
    const std::vector<Line> lines = scanLines(m_text);
    const auto range = findSection(lines, section);
    if (!range) {
        if (!m_text.empty() && !isLineBreak(m_text.back())) {
            m_text += kLineEnd;
        }
        m_text += "[" + std::string(section) + "]" + std::string(kLineEnd);
        m_text += std::string(key) + "=" + storedForm(value) + std::string(kLineEnd);
        return true;
    }
    if (const auto index = findKey(lines, *range, key)) {
        // The file's own spelling of the key stays.
        const Line& line = lines[*index];
        m_text.replace(line.begin, line.end - line.begin, std::string(line.name) + "=" + storedForm(value));
        return true;
    }
    std::size_t anchor = range->header;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (lines[i].kind == LineKind::Key) {
            anchor = i;
        }
    }
    const std::size_t lineEnd = lines[anchor].end;
    const std::size_t breakLength = lineBreakLength(m_text, lineEnd);
    std::string inserted = std::string(key) + "=" + storedForm(value) + std::string(kLineEnd);
    if (breakLength == 0) {
        inserted.insert(0, kLineEnd);
    }
    m_text.insert(lineEnd + breakLength, inserted);
    return true;
}

bool IniDocument::addSection(std::string_view section) {
    section = givenName(section);
    if (!isStorableSection(section)) {
        return false;
    }
    if (hasSection(section)) {
        return true;
    }
    if (!m_text.empty() && !isLineBreak(m_text.back())) {
        m_text += kLineEnd;
    }
    m_text += "[" + std::string(section) + "]" + std::string(kLineEnd);
    return true;
}

std::string IniDocument::bytes() const {
    return m_byteOrderMark ? std::string(kByteOrderMark) + m_text : m_text;
}

std::optional<IniDocument> LoadIniDocument(const std::string& file) {
    const auto bytes = ReadNormalFile(file);
    if (!bytes) {
        return std::nullopt;
    }
    return IniDocument::FromBytes(*bytes);
}

Result<IniDocument> LoadIniDocumentForEdit(const std::string& file) {
    const auto bytes = ReadWholeFile(file);
    if (bytes) {
        return IniDocument::FromBytes(*bytes);
    }
    if (bytes.error() == std::errc::no_such_file_or_directory) {
        return IniDocument();
    }
    return bytes.error();
}

Outcome SaveIniDocument(const std::string& file, const IniDocument& document) {
    return WriteFileAtomically(file, document.bytes());
}

Outcome WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                      const std::string& file) {
    return WriteIniValues(section, {{std::string(key), std::string(value)}}, file);
}

Outcome WriteIniValues(std::string_view section,
                       const std::vector<std::pair<std::string, std::string>>& keyValues,
                       const std::string& file) {
    auto document = LoadIniDocumentForEdit(file);
    if (!document) {
        return document.outcome();
    }
    for (const auto& [key, value] : keyValues) {
        if (!document->set(section, key, value)) {
            return std::errc::invalid_argument;
        }
    }
    return SaveIniDocument(file, *document);
}

} // namespace vellumo
