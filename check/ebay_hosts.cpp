#include "ebay_hosts.h"

#include <algorithm>
#include <array>

namespace vellumo {

namespace {

constexpr std::array<std::string_view, 23> kEbayDomains = {
    "ebay.com", "ebay.ca",     "ebay.co.uk",  "ebay.com.au",    "ebay.de",      "ebay.at",
    "ebay.ch",  "ebay.fr",     "ebay.be",     "ebay.it",        "ebay.es",      "ebay.nl",
    "ebay.ie",  "ebay.pl",     "ebay.com.hk", "ebay.com.sg",    "ebay.com.my",  "ebay.ph",
    "ebay.in",  "ebay.com.tw", "ebayimg.com", "ebaystatic.com", "ebaydesc.com",
};

} // namespace

bool IsEbayHost(std::string_view host) {
    // "www.ebay.com." is the same host as "www.ebay.com".
    if (host.ends_with('.')) {
        host.remove_suffix(1);
    }
    return std::ranges::any_of(kEbayDomains, [host](std::string_view domain) {
        return host == domain || (host.size() > domain.size() && host.ends_with(domain) &&
                                  host[host.size() - domain.size() - 1] == '.');
    });
}

} // namespace vellumo
