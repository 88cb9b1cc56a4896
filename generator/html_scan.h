#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// The blanks a browser skips around attribute values and addresses.
bool IsHtmlSpace(char c);

// What a browser would run in a piece of HTML: elements eBay rejects as active content, on... event
// attributes and script addresses, however they are cased, spaced or hidden in character references.
// Each kind is named once: "a <script> element", "an onclick= attribute", "a javascript: address".
std::vector<std::string> ActiveContentIn(std::string_view html);

// Hosts of the web addresses written in a text, as typed or in its links; picture sources left out.
std::vector<std::string> WebHostsIn(std::string_view text);

// eBay's own sites and picture servers: ebay.com, www.ebay.co.uk, pages.ebay.de, i.ebayimg.com...
bool IsEbayHost(std::string_view host);

// The e-mail addresses written in a text.
std::vector<std::string> MailAddressesIn(std::string_view text);

} // namespace vellumo
