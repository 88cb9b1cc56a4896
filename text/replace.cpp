#include "text/replace.h"

#include <algorithm>

namespace vellumo {

namespace {

// How common a byte is in listing HTML: lower-case letters, blanks and markup are everywhere, upper-case
// letters and digits are rare. Searching for the rarest byte of a text first makes a search over a
// layout stop far less often than a search for its first byte (most tokens begin with "t").
int commonness(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return 3;
    }
    if (c == ' ' || c == '"' || c == '=' || c == '<' || c == '>' || c == '/' || c == '\r' || c == '\n') {
        return 4;
    }
    if (c >= '0' && c <= '9') {
        return 1;
    }
    return (c >= 'A' && c <= 'Z') ? 0 : 2;
}

std::size_t rarestIndex(std::string_view find) {
    std::size_t rarest = 0;
    for (std::size_t i = 1; i < find.size(); ++i) {
        if (commonness(static_cast<unsigned char>(find[i])) <
            commonness(static_cast<unsigned char>(find[rarest]))) {
            rarest = i;
        }
    }
    return rarest;
}

// The first occurrence of find at or after from, found through its rarest byte.
std::size_t findFrom(std::string_view text, std::string_view find, std::size_t anchor, std::size_t from) {
    const char anchorByte = find[anchor];
    std::size_t hit = text.find(anchorByte, from + anchor);
    while (hit != std::string_view::npos) {
        const std::size_t start = hit - anchor;
        if (start + find.size() > text.size()) {
            return std::string_view::npos;
        }
        if (text.compare(start, find.size(), find) == 0) {
            return start;
        }
        hit = text.find(anchorByte, hit + 1);
    }
    return std::string_view::npos;
}

} // namespace

std::vector<std::size_t> FindAll(std::string_view text, std::string_view find) {
    std::vector<std::size_t> positions;
    if (find.empty()) {
        return positions;
    }
    const std::size_t anchor = rarestIndex(find);
    for (std::size_t position = findFrom(text, find, anchor, 0); position != std::string_view::npos;
         position = findFrom(text, find, anchor, position + find.size())) {
        positions.push_back(position);
    }
    return positions;
}

void ReplaceAll(std::string& text, std::string_view find, std::string_view with) {
    // Replacing a text by itself changes nothing; skipping it keeps an incremental assembly cheap.
    if (find == with) {
        return;
    }
    const std::vector<std::size_t> positions = FindAll(text, find);
    if (positions.empty()) {
        return;
    }
    // In place, so that an assembly of many slots does not copy the whole text for each. A shorter
    // replacement moves the stretches between occurrences towards the front, so they are moved front to back;
    // a longer one moves them towards the back, so back to front once the text has grown.
    const std::size_t oldSize = text.size();
    const auto stretchEnd = [&](std::size_t i) {
        return i + 1 < positions.size() ? positions[i + 1] : oldSize;
    };
    const auto at = [&text](std::size_t index) { return text.begin() + static_cast<std::ptrdiff_t>(index); };
    if (with.size() <= find.size()) {
        auto to = at(positions.front());
        for (std::size_t i = 0; i < positions.size(); ++i) {
            to = std::ranges::copy(with, to).out;
            to = std::copy(at(positions[i] + find.size()), at(stretchEnd(i)), to);
        }
        text.erase(to, text.end());
    } else {
        text.resize(oldSize + positions.size() * (with.size() - find.size()));
        auto to = text.end();
        for (std::size_t i = positions.size(); i-- > 0;) {
            to = std::copy_backward(at(positions[i] + find.size()), at(stretchEnd(i)), to);
            to = std::ranges::copy_backward(with, to).out;
        }
    }
}

} // namespace vellumo
