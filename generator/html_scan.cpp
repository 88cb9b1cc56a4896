#include "html_scan.h"

#include "text/letter_case.h"
#include "text/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <set>

namespace vellumo {

namespace {

// Elements eBay rejects as active content ("Disallowed JavaScript/HTML Syntax").
constexpr std::array<std::string_view, 12> kActiveElements = {
    "script", "iframe",   "object", "embed", "form", "input",
    "button", "textarea", "select", "meta",  "link", "base",
};

// Decodes the character references a browser decodes inside an attribute value, so that
// "&#106;avascript&colon;" is seen for what it is. Unknown references stay as they are.
std::string decodeCharacterReferences(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 10> kNamed = {{
        {"colon", ':'},
        {"tab", '\t'},
        {"newline", '\n'},
        {"lpar", '('},
        {"rpar", ')'},
        {"amp", '&'},
        {"lt", '<'},
        {"gt", '>'},
        {"quot", '"'},
        {"apos", '\''},
    }};
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            decoded += text[i];
            continue;
        }
        std::size_t end = i + 1;
        if (end < text.size() && text[end] == '#') {
            const bool hex = end + 1 < text.size() && AsciiLower(text[end + 1]) == 'x';
            const std::size_t digitsAt = end + (hex ? 2 : 1);
            unsigned long codePoint = 0;
            const auto [stop, error] =
                std::from_chars(text.data() + digitsAt, text.data() + text.size(), codePoint, hex ? 16 : 10);
            if (error == std::errc() && stop != text.data() + digitsAt && codePoint <= 0x10FFFF) {
                AppendUtf8(decoded, static_cast<std::uint32_t>(codePoint));
                i = static_cast<std::size_t>(stop - text.data());
                if (i < text.size() && text[i] == ';') {
                    continue;
                }
                --i;
                continue;
            }
        } else {
            while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) {
                ++end;
            }
            const std::string name = AsciiLower(text.substr(i + 1, end - i - 1));
            const auto named = std::ranges::find(kNamed, name, &std::pair<std::string_view, char>::first);
            if (named != kNamed.end()) {
                decoded += named->second;
                i = (end < text.size() && text[end] == ';') ? end : end - 1;
                continue;
            }
        }
        decoded += '&';
    }
    return decoded;
}

// True when a browser would run the address as script: blanks, control characters and character
// references inside the scheme do not hide it.
bool isScriptAddress(std::string_view address) {
    std::string squeezed;
    for (char c : decodeCharacterReferences(address)) {
        if (static_cast<unsigned char>(c) > ' ') {
            squeezed += AsciiLower(c);
        }
    }
    return squeezed.starts_with("javascript:") || squeezed.starts_with("vbscript:");
}

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':';
}

} // namespace

bool IsHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::vector<std::string> ActiveContentIn(std::string_view html) {
    std::vector<std::string> problems;
    std::set<std::string> seen;
    const auto report = [&](std::string what) {
        if (seen.insert(what).second) {
            problems.push_back(std::move(what));
        }
    };
    std::size_t i = html.find('<');
    while (i != std::string_view::npos) {
        std::size_t at = i + 1;
        if (at < html.size() && html[at] == '/') {
            ++at;
        }
        const std::size_t nameStart = at;
        while (at < html.size() && isNameChar(html[at])) {
            ++at;
        }
        if (at == nameStart || !std::isalpha(static_cast<unsigned char>(html[nameStart]))) {
            i = html.find('<', i + 1);
            continue;
        }
        const std::string element = AsciiLower(html.substr(nameStart, at - nameStart));
        if (std::ranges::find(kActiveElements, element) != kActiveElements.end()) {
            report("a <" + element + "> element");
        }
        // Attributes up to the end of the tag.
        while (at < html.size() && html[at] != '>') {
            if (IsHtmlSpace(html[at]) || html[at] == '/') {
                ++at;
                continue;
            }
            const std::size_t attributeStart = at;
            while (at < html.size() && !IsHtmlSpace(html[at]) && html[at] != '=' && html[at] != '>' &&
                   html[at] != '/') {
                ++at;
            }
            const std::string attribute = AsciiLower(html.substr(attributeStart, at - attributeStart));
            if (attribute.size() > 2 && attribute.starts_with("on")) {
                report("an " + attribute + "= attribute");
            }
            while (at < html.size() && IsHtmlSpace(html[at])) {
                ++at;
            }
            if (at >= html.size() || html[at] != '=') {
                continue;
            }
            ++at;
            while (at < html.size() && IsHtmlSpace(html[at])) {
                ++at;
            }
            std::string_view value;
            if (at < html.size() && (html[at] == '"' || html[at] == '\'')) {
                const std::size_t close = html.find(html[at], at + 1);
                const std::size_t valueEnd = close == std::string_view::npos ? html.size() : close;
                value = html.substr(at + 1, valueEnd - at - 1);
                at = valueEnd == html.size() ? valueEnd : valueEnd + 1;
            } else {
                const std::size_t valueStart = at;
                while (at < html.size() && !IsHtmlSpace(html[at]) && html[at] != '>') {
                    ++at;
                }
                value = html.substr(valueStart, at - valueStart);
            }
            if (isScriptAddress(value)) {
                report("a javascript: address");
            }
        }
        i = html.find('<', at);
    }
    return problems;
}

bool IsEbayHost(std::string_view host) {
    std::vector<std::string_view> labels;
    for (std::size_t start = 0; start <= host.size();) {
        const std::size_t dot = std::min(host.find('.', start), host.size());
        labels.push_back(host.substr(start, dot - start));
        start = dot + 1;
    }
    for (std::size_t k = 0; k + 1 < labels.size(); ++k) {
        const std::string_view label = labels[k];
        if (label != "ebay" && label != "ebayimg" && label != "ebaystatic") {
            continue;
        }
        // What follows is the country ending: "com", "de", "co.uk", "com.au".
        const std::size_t after = labels.size() - k - 1;
        if (after == 1 || (after == 2 && (labels[k + 1] == "co" || labels[k + 1] == "com"))) {
            return true;
        }
    }
    return false;
}

namespace {

bool endsAddress(char c) {
    return IsHtmlSpace(c) || c == '/' || c == '"' || c == '\'' || c == '<' || c == '>' || c == '?' ||
           c == '#' || c == ':' || c == ')' || c == ',' || c == ';';
}

// True when the address starting at i is the value of a src attribute: a picture shown in the
// listing, not a link that takes the buyer elsewhere.
bool isPictureSource(std::string_view lowered, std::size_t i) {
    std::string_view before = lowered.substr(0, i);
    while (!before.empty() && (IsHtmlSpace(before.back()) || before.back() == '"' || before.back() == '\'')) {
        before.remove_suffix(1);
    }
    if (before.empty() || before.back() != '=') {
        return false;
    }
    before.remove_suffix(1);
    while (!before.empty() && IsHtmlSpace(before.back())) {
        before.remove_suffix(1);
    }
    return before.ends_with("src") || before.ends_with("background");
}

} // namespace

std::vector<std::string> WebHostsIn(std::string_view text) {
    std::vector<std::string> hosts;
    const std::string lowered = AsciiLower(decodeCharacterReferences(text));
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        std::size_t hostStart = std::string::npos;
        for (std::string_view scheme : {"https://", "http://", "//"}) {
            if (lowered.compare(i, scheme.size(), scheme) == 0) {
                hostStart = i + scheme.size();
                break;
            }
        }
        const bool wordStart = i == 0 || !std::isalnum(static_cast<unsigned char>(lowered[i - 1]));
        if (hostStart == std::string::npos && wordStart && lowered.compare(i, 4, "www.") == 0) {
            hostStart = i;
        }
        if (hostStart == std::string::npos) {
            continue;
        }
        std::size_t hostEnd = hostStart;
        while (hostEnd < lowered.size() && !endsAddress(lowered[hostEnd])) {
            ++hostEnd;
        }
        if (isPictureSource(lowered, i)) {
            i = hostEnd;
            continue;
        }
        std::string host = lowered.substr(hostStart, hostEnd - hostStart);
        while (!host.empty() && host.back() == '.') {
            host.pop_back();
        }
        if (host.find('.') != std::string::npos && std::ranges::find(hosts, host) == hosts.end()) {
            hosts.push_back(host);
        }
        i = hostEnd;
    }
    return hosts;
}

namespace {

bool isMailChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '%' || c == '+' ||
           c == '-';
}

} // namespace

std::vector<std::string> MailAddressesIn(std::string_view text) {
    std::vector<std::string> addresses;
    const std::string decoded = decodeCharacterReferences(text);
    for (std::size_t at = decoded.find('@'); at != std::string::npos; at = decoded.find('@', at + 1)) {
        std::size_t start = at;
        while (start > 0 && isMailChar(decoded[start - 1])) {
            --start;
        }
        std::size_t end = at + 1;
        while (end < decoded.size() && isMailChar(decoded[end])) {
            ++end;
        }
        std::string_view domain = std::string_view(decoded).substr(at + 1, end - at - 1);
        while (!domain.empty() && domain.back() == '.') {
            domain.remove_suffix(1);
        }
        const std::size_t dot = domain.find('.');
        if (start < at && dot != std::string_view::npos && dot > 0 && dot + 1 < domain.size()) {
            addresses.push_back(decoded.substr(start, at + 1 + domain.size() - start));
        }
    }
    return addresses;
}

} // namespace vellumo
