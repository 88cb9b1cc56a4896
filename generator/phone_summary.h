#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// eBay's phone summary: a short description that eBay's apps and phone pages show first, read from a
// hidden block at the start of the listing. At most 800 characters, markup included; only plain text,
// lists, line breaks and non-breaking spaces.
inline constexpr std::size_t kSummaryLimit = 800;

// The hidden block in eBay's form that carries the summary, its typed line breaks shown; empty when the
// summary holds nothing but blanks and line breaks. The text goes in as typed, as every value does.
std::string SummaryBlock(std::string_view summary);

// The summary's length as eBay counts it: the characters between the block's span tags, as written
// (with the "<br>" of every line break, a line break itself counting once).
std::size_t SummaryLength(std::string_view summary);

struct SummaryProblem {
    enum class Kind { TooLong, OtherMarkup };
    Kind kind;
    std::size_t length = 0;          // TooLong: the summary's length as eBay counts it
    std::vector<std::string> markup; // OtherMarkup: the first few tags and references eBay does not take
    std::size_t markupCount = 0;     // OtherMarkup: how many different ones in all
    bool operator==(const SummaryProblem&) const = default;
};

// What eBay would cut or not show: more than 800 characters, or markup other than <ul>, <ol>, <li>
// (opening and closing, without attributes), <br> and &nbsp;. None for a summary eBay takes as it is.
std::vector<SummaryProblem> SummaryProblems(std::string_view summary);

} // namespace vellumo
