#include "style_sheet.h"

#include "text/letter_case.h"
#include "text/utf8.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <tuple>
#include <utility>

namespace vellumo {

namespace {

bool isCssBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// CSS with its comments left out and its escapes decoded.
std::string plainCss(std::string_view css) {
    std::string plain;
    plain.reserve(css.size());
    for (std::size_t i = 0; i < css.size(); ++i) {
        if (css.substr(i, 2) == "/*") {
            const std::size_t close = css.find("*/", i + 2);
            i = close == std::string_view::npos ? css.size() : close + 1;
            continue;
        }
        if (css[i] != '\\' || i + 1 >= css.size()) {
            plain += css[i];
            continue;
        }
        std::size_t digits = 0;
        std::uint32_t codePoint = 0;
        while (digits < 6 && i + 1 + digits < css.size() &&
               std::isxdigit(static_cast<unsigned char>(css[i + 1 + digits]))) {
            const char digit = AsciiLower(css[i + 1 + digits]);
            codePoint =
                codePoint * 16 + static_cast<std::uint32_t>(digit <= '9' ? digit - '0' : digit - 'a' + 10);
            ++digits;
        }
        if (digits == 0) {
            plain += css[++i];
            continue;
        }
        AppendUtf8(plain, codePoint == 0 || codePoint > 0x10FFFF ? 0xFFFD : codePoint);
        i += digits;
        if (i + 1 < css.size() && isCssBlank(css[i + 1])) {
            ++i;
        }
    }
    return plain;
}

// The address that starts at `at`: quoted, or up to the closing parenthesis.
std::string addressAt(std::string_view css, std::size_t at, bool inUrl) {
    while (at < css.size() && isCssBlank(css[at])) {
        ++at;
    }
    if (at < css.size() && (css[at] == '"' || css[at] == '\'')) {
        const std::size_t close = css.find(css[at], at + 1);
        return std::string(
            css.substr(at + 1, close == std::string_view::npos ? std::string_view::npos : close - at - 1));
    }
    if (!inUrl) {
        return {};
    }
    std::size_t end = at;
    while (end < css.size() && css[end] != ')' && !isCssBlank(css[end])) {
        ++end;
    }
    return std::string(css.substr(at, end - at));
}

} // namespace

std::vector<StyleSheetAddress> StyleSheetAddresses(std::string_view css) {
    const std::string plain = plainCss(css);
    const std::string lowered = AsciiLower(plain);
    // Where each at-rule that fetches something other than pictures reaches: an @import to its ";", an
    // @font-face to the end of its block.
    struct RuleSpan {
        StyleSheetAddress::Use use;
        std::size_t begin;
        std::size_t end;
    };
    std::vector<RuleSpan> rules;
    for (const auto& [keyword, use, closer] :
         {std::tuple{std::string_view("@import"), StyleSheetAddress::Use::StyleSheet, ';'},
          std::tuple{std::string_view("@font-face"), StyleSheetAddress::Use::Font, '}'}}) {
        for (std::size_t at = lowered.find(keyword); at != std::string::npos;
             at = lowered.find(keyword, at + keyword.size())) {
            rules.push_back({use, at, std::min(lowered.find(closer, at), lowered.size())});
        }
    }
    const auto useAt = [&](std::size_t at) {
        for (const RuleSpan& rule : rules) {
            if (rule.begin < at && at < rule.end) {
                return rule.use;
            }
        }
        return StyleSheetAddress::Use::Picture;
    };
    std::vector<std::pair<std::size_t, StyleSheetAddress>> found;
    for (std::size_t at = lowered.find("url("); at != std::string::npos; at = lowered.find("url(", at + 4)) {
        found.push_back({at, {useAt(at), addressAt(plain, at + 4, true)}});
    }
    for (const RuleSpan& rule : rules) {
        if (rule.use != StyleSheetAddress::Use::StyleSheet) {
            continue;
        }
        std::string address = addressAt(plain, rule.begin + 7, false);
        if (!address.empty()) {
            found.push_back({rule.begin, {rule.use, std::move(address)}});
        }
    }
    std::ranges::sort(found, {}, &std::pair<std::size_t, StyleSheetAddress>::first);
    std::vector<StyleSheetAddress> addresses;
    for (auto& [at, address] : found) {
        addresses.push_back(std::move(address));
    }
    return addresses;
}

} // namespace vellumo
