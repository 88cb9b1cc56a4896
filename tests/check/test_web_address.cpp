#include "check/ebay_hosts.h"
#include "check/web_address.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

struct AddressCase {
    const char* written;
    const char* scheme;
    const char* host;
    bool ownScheme = true;
    bool schemeRelative = false;
};

void PrintTo(const AddressCase& c, std::ostream* out) {
    *out << c.written;
}

class ResolveAddressTest : public testing::TestWithParam<AddressCase> {};

TEST_P(ResolveAddressTest, LeadsWhereABrowserGoes) {
    const ResolvedAddress resolved = ResolveAddress(GetParam().written);
    EXPECT_EQ(resolved.scheme, GetParam().scheme);
    EXPECT_EQ(resolved.host, GetParam().host);
    EXPECT_EQ(resolved.ownScheme, GetParam().ownScheme);
    EXPECT_EQ(resolved.schemeRelative, GetParam().schemeRelative);
}

TEST_P(ResolveAddressTest, SchemeAloneIsTheResolvedOne) {
    EXPECT_EQ(AddressScheme(GetParam().written), GetParam().scheme);
}

INSTANTIATE_TEST_SUITE_P(
    Written, ResolveAddressTest,
    testing::Values(
        AddressCase{"https://Pics.Example.com/a.jpg", "https", "pics.example.com"},
        AddressCase{"  \tHTTP://pics.example.com:8080/a.jpg\r\n", "http", "pics.example.com"},
        AddressCase{"ht\ttp://pi\ncs.example.com/", "http", "pics.example.com"},
        AddressCase{"https:\\\\evil.example\\shop", "https", "evil.example"},
        AddressCase{"https:shop/item", "https", "www.ebay.com"},
        AddressCase{"http:evil.example/", "http", "evil.example"},
        AddressCase{"http:\\/\\evil.example", "http", "evil.example"},
        AddressCase{"/\\evil.example/", "https", "evil.example", false, true},
        AddressCase{"\\\\evil.example/", "https", "evil.example", false, true},
        AddressCase{"//evil.example", "https", "evil.example", false, true},
        AddressCase{"/itm/1", "https", "www.ebay.com", false},
        AddressCase{"shop.html?x=//evil.example", "https", "www.ebay.com", false},
        AddressCase{"#top", "https", "www.ebay.com", false},
        AddressCase{"https://www.ebay.com@evil.example/", "https", "evil.example"},
        AddressCase{"https://user:pw@evil.example:443/", "https", "evil.example"},
        AddressCase{"https://evil%2Eexample/", "https", "evil.example"},
        AddressCase{"https://evil\xE3\x80\x82"
                    "example/",
                    "https", "evil.example"},
        AddressCase{"https://\xEF\xBD\x85\xEF\xBD\x82\xEF\xBD\x81\xEF\xBD\x99.com/", "https", "ebay.com"},
        AddressCase{"https://b\xC3\xBC"
                    "cher.de/",
                    "https", "xn--bcher-kva.de"},
        AddressCase{"https://3232235777/", "https", "192.168.1.1"},
        AddressCase{"https://0xC0.0250.1.1/", "https", "192.168.1.1"},
        AddressCase{"https://192.168.257/", "https", "192.168.1.1"},
        AddressCase{"https://1.2.3.4.5/", "https", "1.2.3.4.5"},
        AddressCase{"https://[::1]/", "https", "[::1]"}, AddressCase{"JavaScript:alert(1)", "javascript", ""},
        AddressCase{" java\tscript:alert(1)", "javascript", ""},
        AddressCase{"java script:x", "https", "www.ebay.com", false},
        AddressCase{"mailto:seller%40example.com", "mailto", ""},
        AddressCase{"data:image/png;base64,AAAA", "data", ""},
        AddressCase{"file://nas/photos/a.jpg", "file", "nas"}, AddressCase{"C:\\photos\\a.jpg", "c", ""}));

struct HostCase {
    const char* host;
    bool ebay;
};

class EbayHostTest : public testing::TestWithParam<HostCase> {};

TEST_P(EbayHostTest, MatchesEbaysDomainsOnALabelBoundary) {
    EXPECT_EQ(IsEbayHost(GetParam().host), GetParam().ebay) << GetParam().host;
}

INSTANTIATE_TEST_SUITE_P(Hosts, EbayHostTest,
                         testing::Values(HostCase{"ebay.com", true}, HostCase{"www.ebay.com", true},
                                         HostCase{"www.ebay.com.", true}, HostCase{"pages.ebay.co.uk", true},
                                         HostCase{"www.ebay.com.au", true}, HostCase{"i.ebayimg.com", true},
                                         HostCase{"ir.ebaystatic.com", true},
                                         HostCase{"vi.vipr.ebaydesc.com", true}, HostCase{"ebay.shop", false},
                                         HostCase{"www.ebay.com.ru", false},
                                         HostCase{"www.ebay.co.evil", false},
                                         HostCase{"ebay.com.evil.net", false}, HostCase{"myebay.com", false},
                                         HostCase{"notebay.de", false},
                                         HostCase{"ebay.com-shop.example", false},
                                         HostCase{"192.168.1.1", false}, HostCase{"", false}));

} // namespace
} // namespace vellumo
