#include "phone_summary.h"

#include "line_breaks.h"
#include "text/letter_case.h"
#include "text/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vellumo {

namespace {

constexpr std::string_view kBlockStart =
    R"(<div vocab="https://schema.org/" typeof="Product" style="display:none"><span property="description">)";
constexpr std::string_view kBlockEnd = "</span></div>";

constexpr std::array<std::string_view, 9> kAllowedTags = {"<ul>",  "</ul>", "<ol>",  "</ol>", "<li>",
                                                          "</li>", "<br>",  "<br/>", "<br />"};
constexpr std::string_view kNonBreakingSpace = "&nbsp;";
// The markup named in a message: enough to find it, not a list of every tag.
constexpr std::size_t kMarkupNamed = 3;

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool isNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '#';
}

// The tags and character references in the summary that eBay does not take, each once, in order.
std::vector<std::string> otherMarkup(std::string_view summary) {
    std::vector<std::string> found;
    const auto note = [&found](std::string_view markup, bool allowed) {
        if (!allowed && std::find(found.begin(), found.end(), markup) == found.end()) {
            found.emplace_back(markup);
        }
    };
    for (std::size_t at = 0; at < summary.size(); ++at) {
        const std::string_view rest = summary.substr(at);
        // What a browser reads as a tag or a comment: "<" then a letter, "/", "!" or "?".
        if (rest.size() > 1 && rest[0] == '<' &&
            (isLetter(rest[1]) || rest[1] == '/' || rest[1] == '!' || rest[1] == '?')) {
            const std::size_t close = rest.find('>');
            const std::string_view tag = close == std::string_view::npos ? rest : rest.substr(0, close + 1);
            const std::string lowerTag = AsciiLower(tag);
            note(tag, std::find(kAllowedTags.begin(), kAllowedTags.end(), lowerTag) != kAllowedTags.end());
            at += tag.size() - 1;
        } else if (rest.size() > 1 && rest[0] == '&' && isNameCharacter(rest[1])) {
            const std::size_t nameEnd =
                std::find_if_not(rest.begin() + 1, rest.end(), isNameCharacter) - rest.begin();
            if (nameEnd < rest.size() && rest[nameEnd] == ';') {
                const std::string_view reference = rest.substr(0, nameEnd + 1);
                note(reference, EqualIgnoringCase(reference, kNonBreakingSpace));
                at += reference.size() - 1;
            }
        }
    }
    return found;
}

} // namespace

std::string SummaryBlock(std::string_view summary) {
    if (summary.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return {};
    }
    std::string block(kBlockStart);
    block += ShowLineBreaks(summary);
    block += kBlockEnd;
    return block;
}

std::size_t SummaryLength(std::string_view summary) {
    const std::string written = ShowLineBreaks(summary);
    std::size_t pairs = 0;
    for (std::size_t at = written.find("\r\n"); at != std::string::npos; at = written.find("\r\n", at + 2)) {
        ++pairs;
    }
    return Utf8CharacterCount(written) - pairs;
}

std::vector<SummaryProblem> SummaryProblems(std::string_view summary) {
    std::vector<SummaryProblem> problems;
    if (const std::size_t length = SummaryLength(summary); length > kSummaryLimit) {
        problems.push_back({SummaryProblem::Kind::TooLong, length, {}, 0});
    }
    if (std::vector<std::string> markup = otherMarkup(summary); !markup.empty()) {
        const std::size_t count = markup.size();
        markup.resize(std::min(count, kMarkupNamed));
        problems.push_back({SummaryProblem::Kind::OtherMarkup, 0, std::move(markup), count});
    }
    return problems;
}

} // namespace vellumo
