#pragma once

#include <string_view>

namespace vellumo {

// True for eBay's own sites and servers: a host that is one of eBay's domains (the country sites, the
// picture, static and description servers) or ends in "." and one of them. "ebay.shop", "www.ebay.com.ru"
// and "ebay.com.evil.net" are not eBay. The host is as ResolveAddress gives it.
bool IsEbayHost(std::string_view host);

} // namespace vellumo
