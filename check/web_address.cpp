#include "web_address.h"

#include "text/letter_case.h"
#include "text/utf8.h"

#include <idn2.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace vellumo {

namespace {

constexpr std::array<std::string_view, 5> kSpecialSchemes = {"http", "https", "ws", "wss", "ftp"};

bool isSlash(char c) {
    return c == '/' || c == '\\';
}

bool isAsciiAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isIgnoredInside(char c) {
    return c == '\t' || c == '\n' || c == '\r';
}

std::string_view withoutLeadingBlanks(std::string_view address) {
    while (!address.empty() && static_cast<unsigned char>(address.front()) <= ' ') {
        address.remove_prefix(1);
    }
    return address;
}

// Blanks and control characters around an address and every tab and line break inside it mean nothing.
std::string withoutIgnoredCharacters(std::string_view address) {
    address = withoutLeadingBlanks(address);
    while (!address.empty() && static_cast<unsigned char>(address.back()) <= ' ') {
        address.remove_suffix(1);
    }
    std::string cleaned;
    cleaned.reserve(address.size());
    for (char c : address) {
        if (!isIgnoredInside(c)) {
            cleaned += c;
        }
    }
    return cleaned;
}

// The scheme an address without leading blanks opens with, in lower case and without the tabs and line
// breaks it may hold: a letter, then letters, digits, "+", "-" or ".", up to a ":". Empty when there is none
// and the address is relative.
std::string ownSchemeOf(std::string_view address) {
    std::string scheme;
    for (const char c : address) {
        if (isIgnoredInside(c)) {
            continue;
        }
        if (c == ':') {
            return scheme;
        }
        const bool schemeCharacter =
            isAsciiAlpha(c) || (!scheme.empty() && (std::isdigit(static_cast<unsigned char>(c)) || c == '+' ||
                                                    c == '-' || c == '.'));
        if (!schemeCharacter) {
            break;
        }
        scheme += AsciiLower(c);
    }
    return {};
}

std::optional<std::uint64_t> ipv4Part(std::string_view part) {
    int base = 10;
    if (part.size() >= 2 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X')) {
        base = 16;
        part.remove_prefix(2);
    } else if (part.size() >= 2 && part[0] == '0') {
        base = 8;
        part.remove_prefix(1);
    }
    std::uint64_t value = 0;
    for (char c : part) {
        const int digit = std::isdigit(static_cast<unsigned char>(c))    ? c - '0'
                          : std::isxdigit(static_cast<unsigned char>(c)) ? AsciiLower(c) - 'a' + 10
                                                                         : 99;
        if (digit >= base) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    return value;
}

std::vector<std::string_view> labelsOf(std::string_view host) {
    std::vector<std::string_view> labels;
    for (std::size_t start = 0;;) {
        const std::size_t dot = host.find('.', start);
        labels.push_back(host.substr(start, dot - start));
        if (dot == std::string_view::npos) {
            return labels;
        }
        start = dot + 1;
    }
}

bool endsInANumber(std::string_view host) {
    std::vector<std::string_view> labels = labelsOf(host);
    if (labels.size() > 1 && labels.back().empty()) {
        labels.pop_back();
    }
    const std::string_view last = labels.back();
    if (!last.empty() && std::ranges::all_of(last, [](char c) { return c >= '0' && c <= '9'; })) {
        return true;
    }
    return last.size() >= 2 && last[0] == '0' && (last[1] == 'x' || last[1] == 'X') &&
           std::ranges::all_of(last.substr(2),
                               [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// "3232235777", "0xC0.0250.1.1" and "192.168.1.1" are one address; none when the numbers do not make one.
std::optional<std::string> ipv4Address(std::string_view host) {
    std::vector<std::string_view> parts = labelsOf(host);
    if (parts.size() > 1 && parts.back().empty()) {
        parts.pop_back();
    }
    if (parts.size() > 4) {
        return std::nullopt;
    }
    std::vector<std::uint64_t> numbers;
    for (std::string_view part : parts) {
        const std::optional<std::uint64_t> number = part.empty() ? std::nullopt : ipv4Part(part);
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    std::uint64_t address = 0;
    for (std::size_t i = 0; i + 1 < numbers.size(); ++i) {
        if (numbers[i] > 255) {
            return std::nullopt;
        }
        address += numbers[i] << (8 * (3 - i));
    }
    if (numbers.back() >= (std::uint64_t{1} << (8 * (5 - numbers.size())))) {
        return std::nullopt;
    }
    address += numbers.back();
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 255) + "." +
           std::to_string((address >> 8) & 255) + "." + std::to_string(address & 255);
}

// The host as the browser looks it up. A host the IDNA rules refuse makes the address invalid in a browser;
// it is kept as written (in lower case) so that it still counts as a place off eBay.
std::string hostOf(std::string_view written) {
    if (written.starts_with('[')) {
        return AsciiLower(written);
    }
    std::string host = PercentDecoded(written);
    const bool ascii = std::ranges::all_of(host, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        host = AsciiLower(host);
    } else if (IsValidUtf8(host) && host.find('\0') == std::string::npos) {
        char* mapped = nullptr;
        if (idn2_lookup_u8(reinterpret_cast<const std::uint8_t*>(host.c_str()),
                           reinterpret_cast<std::uint8_t**>(&mapped), IDN2_NONTRANSITIONAL) == IDN2_OK) {
            host = mapped;
        }
        std::free(mapped);
    }
    if (!host.empty() && endsInANumber(host)) {
        if (std::optional<std::string> ipv4 = ipv4Address(host)) {
            return *ipv4;
        }
    }
    return host;
}

// The authority of a web address: user name and password before the last "@", the port after ":".
std::string hostOfAuthority(std::string_view rest) {
    while (!rest.empty() && isSlash(rest.front())) {
        rest.remove_prefix(1);
    }
    const std::size_t end = std::min(rest.find_first_of("/\\?#"), rest.size());
    std::string_view authority = rest.substr(0, end);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
    }
    const std::size_t portColon =
        authority.starts_with('[') ? authority.find(':', authority.find(']')) : authority.find(':');
    return hostOf(authority.substr(0, portColon));
}

// An address without a scheme, completed from the https page: "//host" and "\\host" name another host.
ResolvedAddress resolvedOnPage(std::string_view rest, std::string scheme, bool ownScheme) {
    ResolvedAddress resolved;
    resolved.scheme = std::move(scheme);
    resolved.ownScheme = ownScheme;
    if (rest.size() >= 2 && isSlash(rest[0]) && isSlash(rest[1])) {
        resolved.host = hostOfAuthority(rest);
        resolved.schemeRelative = !ownScheme;
    } else {
        resolved.host = kListingPageHost;
    }
    return resolved;
}

} // namespace

std::string AddressScheme(std::string_view address) {
    std::string scheme = ownSchemeOf(withoutLeadingBlanks(address));
    return scheme.empty() ? "https" : scheme;
}

std::string PercentDecoded(std::string_view text) {
    const auto hexValue = [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : AsciiLower(c) - 'a' + 10;
    };
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

ResolvedAddress ResolveAddress(std::string_view address) {
    const std::string input = withoutIgnoredCharacters(address);
    std::string scheme = ownSchemeOf(input);
    if (scheme.empty()) {
        return resolvedOnPage(input, "https", false);
    }
    const std::string_view rest = std::string_view(input).substr(scheme.size() + 1);
    // The page's own scheme: "https:shop" is a path on the page, "https://host" and "https:\\host" hosts.
    if (scheme == "https") {
        return resolvedOnPage(rest, std::move(scheme), true);
    }
    ResolvedAddress resolved;
    resolved.ownScheme = true;
    if (std::ranges::find(kSpecialSchemes, scheme) != kSpecialSchemes.end()) {
        // Any other web scheme names a host, with or without slashes: "http:host/" is http://host/.
        resolved.host = hostOfAuthority(rest);
    } else if (scheme == "file") {
        resolved.host = rest.size() >= 2 && isSlash(rest[0]) && isSlash(rest[1]) ? hostOfAuthority(rest) : "";
        resolved.path = rest;
    } else {
        resolved.path = rest;
    }
    resolved.scheme = std::move(scheme);
    return resolved;
}

} // namespace vellumo
