#include "contact_text.h"

#include "text/letter_case.h"

#include <array>
#include <cctype>

namespace vellumo {

namespace {

bool isAsciiAlnum(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

bool isMailNameChar(char c) {
    return isAsciiAlnum(c) || c == '.' || c == '_' || c == '%' || c == '+' || c == '-';
}

bool isDomainChar(char c) {
    return isAsciiAlnum(c) || c == '.' || c == '-';
}

// The length of the domain at the start of text: labels of letters, digits and hyphens joined by dots, at
// least two of them, the last all letters; 0 when there is none.
std::size_t domainLength(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && isDomainChar(text[end])) {
        ++end;
    }
    while (end > 0 && (text[end - 1] == '.' || text[end - 1] == '-')) {
        --end;
    }
    const std::string_view domain = text.substr(0, end);
    const std::size_t lastDot = domain.rfind('.');
    if (lastDot == std::string_view::npos || lastDot == 0 || domain.find("..") != std::string_view::npos) {
        return 0;
    }
    const std::string_view topLabel = domain.substr(lastDot + 1);
    for (char c : topLabel) {
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            return 0;
        }
    }
    return topLabel.size() >= 2 ? end : 0;
}

bool endsWebAddress(char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '"' || c == '\'' || c == '<' || c == '>' || c == '`';
}

} // namespace

std::vector<TextMatch> MailAddressesIn(std::string_view text) {
    std::vector<TextMatch> addresses;
    // Each "@" looks back and ahead only as far as name characters go, which never include "@": every
    // character is looked at a bounded number of times however many addresses there are.
    for (std::size_t at = text.find('@'); at != std::string_view::npos; at = text.find('@', at + 1)) {
        std::size_t start = at;
        while (start > 0 && isMailNameChar(text[start - 1])) {
            --start;
        }
        while (start < at && text[start] == '.') {
            ++start;
        }
        const std::size_t domain = domainLength(text.substr(at + 1));
        if (start < at && domain > 0) {
            addresses.push_back({start, std::string(text.substr(start, at + 1 + domain - start))});
        }
    }
    return addresses;
}

std::vector<TextMatch> WebAddressesIn(std::string_view text) {
    static constexpr std::array<std::string_view, 3> kStarts = {"http://", "https://", "www."};
    std::vector<TextMatch> addresses;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != 'h' && c != 'H' && c != 'w' && c != 'W') {
            continue;
        }
        if (i > 0 && isAsciiAlnum(text[i - 1])) {
            continue;
        }
        bool starts = false;
        for (std::string_view start : kStarts) {
            starts = starts || StartsWithIgnoringCase(text.substr(i), start);
        }
        if (!starts) {
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !endsWebAddress(text[end])) {
            ++end;
        }
        addresses.push_back({i, std::string(text.substr(i, end - i))});
        i = end;
    }
    return addresses;
}

} // namespace vellumo
