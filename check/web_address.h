#pragma once

#include <string>
#include <string_view>

namespace vellumo {

// The page a listing is shown on: relative addresses lead there.
inline constexpr std::string_view kListingPageHost = "www.ebay.com";

// Where an address written in the listing leads, resolved as a browser resolves it on an https eBay page
// (the WHATWG URL rules): blanks, tabs and line breaks dropped, backslashes taken for slashes in web
// addresses, the host percent-decoded, mapped to ASCII (IDNA: full-width dots are dots) and IPv4 numbers
// written as four decimal numbers.
struct ResolvedAddress {
    std::string scheme;          // lower case: "https", "http", "mailto", "javascript", "data", "file"...
    std::string host;            // lower case ASCII for web and file addresses; empty when there is none
    std::string path;            // for addresses that are not web addresses: what follows the scheme
    bool ownScheme = false;      // false: a relative address, completed from the page's
    bool schemeRelative = false; // written as //host/..., taking the page's https:
};

ResolvedAddress ResolveAddress(std::string_view address);

// The scheme ResolveAddress gives an address, found without resolving the rest, for a caller that asks it
// of every attribute of a listing.
std::string AddressScheme(std::string_view address);

// Text with its %XX escapes decoded to the bytes they stand for; malformed escapes stay as written.
std::string PercentDecoded(std::string_view text);

} // namespace vellumo
