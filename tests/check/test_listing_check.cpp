#include "check/listing_check.h"
#include "check/readable_colours.h"
#include "check/speller.h"
#include "generator/backgrounds.h"
#include "generator/generator_test_support.h"
#include "generator/promotional_footer.h"
#include "test_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>

namespace vellumo {
namespace {

template <typename Case> std::string caseNumber(const testing::TestParamInfo<Case>& info) {
    return "Case" + std::to_string(info.index);
}

const FieldRef kTitle{FieldRef::Kind::Title};
const FieldRef kFooter{FieldRef::Kind::Footer};

FieldRef paragraph(int row) {
    return {FieldRef::Kind::Paragraph, row};
}

FieldRef picture(int row) {
    return {FieldRef::Kind::Picture, row};
}

// A 3-photo listing with clean values, assembled as Save rebuilds it; tests spoil one field at a time.
struct CheckedListing : ListingUnderTest {
    std::optional<std::string> footer; // the footer F12 put in, if any
    CheckOptions options;

    CheckedListing()
        : ListingUnderTest(4) {
        fillGroup();
    }

    std::vector<Finding> check() {
        chooseStyle(fields.style);
        assemble();
        if (footer) {
            code = InsertFooter(code, *footer);
        }
        return CheckListing(code, fields, options);
    }

    // What the window does with a fix: the field takes the new value and the listing is built again.
    std::vector<Finding> checkAfter(const FieldFix& fix) {
        switch (fix.field.kind) {
        case FieldRef::Kind::Title:
            group().title = fix.newValue;
            break;
        case FieldRef::Kind::Picture:
            group().pictures.at(fix.field.index) = fix.newValue;
            break;
        case FieldRef::Kind::Paragraph:
            group().paragraphs.at(fix.field.index) = fix.newValue;
            break;
        case FieldRef::Kind::Background:
            fields.background = fix.newValue;
            break;
        case FieldRef::Kind::Colour:
            (fix.field.colour == ColourTarget::Border ? fields.borderColour
             : fix.field.colour == ColourTarget::Font ? fields.fontColour
                                                      : fields.backgroundColour) = fix.newValue;
            break;
        case FieldRef::Kind::Footer:
            footer = fix.newValue;
            break;
        case FieldRef::Kind::Summary:
            fields.summary = fix.newValue;
            break;
        }
        return check();
    }
};

// The findings as a line each, kind and what was found, for a failure to show; empty when there are none.
std::string describe(const std::vector<Finding>& findings) {
    std::string text;
    for (const Finding& finding : findings) {
        text += "kind " + std::to_string(static_cast<int>(finding.kind)) + ":";
        for (const Found& found : finding.found) {
            text += " " + found.text;
        }
        text += "\n";
    }
    return text;
}

bool named(const Finding& finding, std::string_view text) {
    return std::ranges::any_of(finding.found, [&](const Found& found) { return found.text == text; });
}

// The finding of a kind about a field that names a text among what it found (any, when text is empty);
// nullptr when there is none.
const Finding* findingOf(const std::vector<Finding>& findings, std::optional<FieldRef> field,
                         FindingKind kind, std::string_view text = {}) {
    for (const Finding& finding : findings) {
        if (finding.field == field && finding.kind == kind && (text.empty() || named(finding, text))) {
            return &finding;
        }
    }
    return nullptr;
}

TEST(CheckListing, ACleanListingPassesSilentlyInEveryStyle) {
    for (int style = 2; style <= 9; ++style) {
        ListingUnderTest listing(style);
        listing.fillGroup();
        listing.group().paragraphs[0] =
            "Fine <b>bone</b> china.\r\nSee <a href=\"https://www.ebay.com/str/shop\">my shop</a>.";
        listing.fields.background = "https://i.ebayimg.com/images/g/linen.jpg";
        listing.fields.borderColour = "#800000";
        listing.fields.summary = "Bone china teapot\r\n<ul><li>Holds six cups</li></ul>";
        listing.assemble();
        const std::string withCredit = InsertFooter(listing.code, CreditFooter());
        EXPECT_EQ(describe(CheckListing(withCredit, listing.fields)), "") << StyleAt(style)->caption;
    }
}

// A built-in background is advice (buyers cannot load it yet); a summary eBay would cut or strip is
// something buyers miss. Both name their field, and neither comes with a fix.
TEST(CheckListing, BuiltInBackgroundAndSummaryProblemsAreNamed) {
    ListingUnderTest listing(4);
    listing.fillGroup();
    listing.fields.background = BuiltInBackgroundAddress(7);
    listing.fields.summary = "<b>Bold</b> " + std::string(900, 'x');
    listing.assemble();
    const std::vector<Finding> findings = CheckListing(listing.code, listing.fields);
    const auto of = [&](FieldRef::Kind kind) {
        return std::ranges::count_if(findings, [&](const Finding& finding) {
            return finding.field && finding.field->kind == kind && !finding.fix;
        });
    };
    EXPECT_EQ(of(FieldRef::Kind::Background), 1) << describe(findings);
    EXPECT_EQ(of(FieldRef::Kind::Summary), 2) << describe(findings);
    EXPECT_TRUE(std::ranges::any_of(findings, [](const Finding& finding) {
        return finding.field && finding.field->kind == FieldRef::Kind::Background &&
               finding.severity == Severity::Advice;
    }));
}

struct AddressCase {
    const char* address;
    FindingKind kind;
    const char* fixedValue; // nullptr when no fix is offered
    Severity severity = Severity::HiddenFromBuyers;
};

class AddressCheckTest : public testing::TestWithParam<AddressCase> {};

TEST_P(AddressCheckTest, NamesTheFieldAndOffersAFixOnlyWhereOneExists) {
    CheckedListing listing;
    listing.group().pictures[1] = GetParam().address;
    const std::vector<Finding> findings = listing.check();
    ASSERT_FALSE(findings.empty());
    const Finding& finding = findings.front();
    EXPECT_EQ(finding.severity, GetParam().severity);
    EXPECT_EQ(finding.field, picture(1));
    EXPECT_EQ(finding.kind, GetParam().kind) << describe(findings);
    if (GetParam().fixedValue == nullptr) {
        EXPECT_FALSE(finding.fix);
    } else {
        ASSERT_TRUE(finding.fix);
        EXPECT_EQ(finding.fix->newValue, GetParam().fixedValue);
        EXPECT_EQ(finding.fix->field, finding.field);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadPictureAddresses, AddressCheckTest,
    testing::Values(AddressCase{"", FindingKind::NoAddress, nullptr},
                    AddressCase{"   ", FindingKind::NoAddress, nullptr},
                    AddressCase{"Default", FindingKind::DefaultAddress, nullptr},
                    AddressCase{"C:\\Users\\Ann\\teapot.jpg", FindingKind::LocalFile, nullptr},
                    AddressCase{"/home/ann/teapot.jpg", FindingKind::LocalFile, nullptr},
                    AddressCase{"file:///home/ann/teapot.jpg", FindingKind::LocalFile, nullptr},
                    AddressCase{"\\\\nas\\photos\\teapot.jpg", FindingKind::LocalFile, nullptr},
                    AddressCase{"http://pics.example.com/t.jpg", FindingKind::HttpAddress,
                                "https://pics.example.com/t.jpg"},
                    AddressCase{"HTTP://pics.example.com/t.jpg", FindingKind::HttpAddress,
                                "https://pics.example.com/t.jpg"},
                    AddressCase{"pics.example.com/t.jpg", FindingKind::NotAWebAddress,
                                "https://pics.example.com/t.jpg"},
                    AddressCase{"teapot.jpg", FindingKind::NotAWebAddress, nullptr},
                    AddressCase{"https://", FindingKind::NotAWebAddress, nullptr},
                    AddressCase{"//pics.example.com/t.jpg", FindingKind::SchemeRelativeAddress,
                                "https://pics.example.com/t.jpg", Severity::Advice}),
    caseNumber<AddressCase>);

struct MarkupCase {
    const char* html;
    const char* reported;
};

// Active content however it is written, and where a hand-written scanner would take markup for an
// attribute value: the paragraph is read as a browser reads it.
class ActiveContentTest : public testing::TestWithParam<MarkupCase> {};

TEST_P(ActiveContentTest, IsCaughtInAParagraph) {
    CheckedListing listing;
    listing.group().paragraphs[2] = GetParam().html;
    const std::vector<Finding> findings = listing.check();
    const Finding* finding =
        findingOf(findings, paragraph(2), FindingKind::ActiveContent, GetParam().reported);
    ASSERT_NE(finding, nullptr) << describe(findings);
    EXPECT_EQ(finding->severity, Severity::BlocksListing);
    EXPECT_EQ(std::ranges::count(findings, Severity::BlocksListing, &Finding::severity), 1)
        << describe(findings);
}

INSTANTIATE_TEST_SUITE_P(
    EbayRejects, ActiveContentTest,
    testing::Values(
        MarkupCase{"<script>alert(1)</script>", "<script>"},
        MarkupCase{"Nice <ScRiPt src=x></sCrIpT>", "<script>"},
        MarkupCase{"<IFRAME width=1></iframe>", "<iframe>"},
        MarkupCase{"<object data=x></object>", "<object>"}, MarkupCase{"<embed src=x>", "<embed>"},
        MarkupCase{"<form>Buy</form>", "<form>"}, MarkupCase{"<input type=text>", "<input>"},
        MarkupCase{"<button>Buy</button>", "<button>"}, MarkupCase{"<textarea></textarea>", "<textarea>"},
        MarkupCase{"<select></select>", "<select>"},
        MarkupCase{"<meta http-equiv=refresh content=\"0;url=https://www.ebay.com\">", "<meta>"},
        MarkupCase{"<link rel=x>", "<link>"}, MarkupCase{"<base href=https://www.ebay.com>", "<base>"},
        MarkupCase{"<svg><script>alert(1)</script></svg>", "<script>"},
        MarkupCase{"<img src=https://i.ebayimg.com/1.jpg OnError=alert(1)>", "onerror="},
        MarkupCase{"<b\nonmouseover = \"x()\">hi</b>", "onmouseover="},
        MarkupCase{"<body onload=alert(1)>", "onload="},
        MarkupCase{"<a href=\"  jAvAsCrIpT:alert(1)\">x</a>", "javascript:"},
        MarkupCase{"<a href=\"&#106;avascript&colon;alert(1)\">x</a>", "javascript:"},
        MarkupCase{"<a href='java&#x09;script:alert(1)'>x</a>", "javascript:"},
        MarkupCase{"<a href=&#x6A&#x61vascript:x>x</a>", "javascript:"},
        MarkupCase{"<a href=\"java\r\nscript:x\">x</a>", "javascript:"},
        MarkupCase{"<a href=\"vbscript:x\">x</a>", "vbscript:"},
        MarkupCase{"<a href=\"data:text/html,<script>alert(1)</script>\">x</a>", "data:"},
        // Markup a browser reads where the text looks like an attribute value.
        MarkupCase{"<!--<p title=\"--><img src=x onerror=alert(1)>\">", "onerror="},
        MarkupCase{"<![CDATA[<p title=\"]]><img src=x onerror=alert(1)>\">", "onerror="},
        MarkupCase{"<?xml <p title=\"?><img src=x onerror=alert(1)>\">", "onerror="},
        MarkupCase{"<title><p title=\"</title><img src=x onerror=alert(1)>\">", "onerror="},
        MarkupCase{"<style><p title=\"</style><img src=x onerror=alert(1)>\">", "onerror="},
        MarkupCase{"<noscript><p title=\"</noscript><img src=x onerror=alert(1)>\">", "onerror="},
        MarkupCase{"<xmp><p title=\"</xmp><img src=x onerror=alert(1)>\">", "onerror="},
        MarkupCase{"<p =\"x onclick=alert(1) y='\"'>hi</p>", "onclick="},
        MarkupCase{"<p title=\"a\" onclick\f=alert(1)>hi</p>", "onclick="},
        MarkupCase{"<img src=x src onerror=alert(1)>", "onerror="},
        MarkupCase{"<a href=\"\x01javascript:alert(1)\">x</a>", "javascript:"}),
    caseNumber<MarkupCase>);

TEST(CheckListing, HarmlessTextThatLooksLikeActiveContentPasses) {
    CheckedListing listing;
    listing.group().title = "Scripture box, online only";
    listing.group().paragraphs[0] = "&lt;script&gt; is shown as text; a < b and c > d. </form> ends nothing.";
    listing.group().paragraphs[1] =
        "<font color=red size=4>Formal set</font> <p align=center onion=1>Buttons</p>";
    // Not whitespace to a browser: the attribute is "\vonclick", no event handler.
    listing.group().paragraphs[2] = "javascript: the language. <p title=\"a\"\vonclick=alert(1)>x</p> "
                                    "<a href=\"java script:x\">a relative address</a>";
    EXPECT_EQ(describe(listing.check()), "");
}

// A field that leaves markup open, and the next field or the layout that finishes it.
struct SplitCase {
    const char* title;
    const char* firstParagraph;
    const char* secondParagraph;
    FieldRef field;
    FindingKind kind;
    const char* reported;
};

class SplitMarkupTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitMarkupTest, IsCaughtInTheAssembledListingAndTold) {
    CheckedListing listing;
    listing.group().title = GetParam().title;
    listing.group().paragraphs[0] = GetParam().firstParagraph;
    listing.group().paragraphs[1] = GetParam().secondParagraph;
    const std::vector<Finding> findings = listing.check();
    EXPECT_NE(findingOf(findings, GetParam().field, GetParam().kind, GetParam().reported), nullptr)
        << describe(findings);
}

INSTANTIATE_TEST_SUITE_P(
    OverFields, SplitMarkupTest,
    testing::Values(SplitCase{"Teapot", "Fine china <img src=x alt='", "' onerror=alert(1)>", paragraph(1),
                              FindingKind::ActiveContent, "onerror="},
                    SplitCase{"Teapot", "Fine china <img src=x alt='", "' onerror=alert(1)>", paragraph(0),
                              FindingKind::UnfinishedTag, "<img src=x alt='"},
                    SplitCase{"Teapot <a title='", "x", "' href=\"https://shop.example.org/\">shop</a>",
                              paragraph(1), FindingKind::OffEbayLink, "shop.example.org"},
                    SplitCase{"Teapot <b title='", "' onclick=alert(1)>x</b>", "Ships fast", paragraph(0),
                              FindingKind::ActiveContent, "onclick="},
                    SplitCase{"Teapot <b title='", "' onclick=alert(1)>x</b>", "Ships fast", kTitle,
                              FindingKind::UnfinishedTag, ""}),
    caseNumber<SplitCase>);

TEST(CheckListing, AQuoteInAPictureAddressThatBreaksOutOfItsAttributeIsCaught) {
    CheckedListing listing;
    listing.group().pictures[0] = "https://pics.example.com/a.jpg\" onerror=\"alert(1)";
    const std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 1u) << describe(findings);
    EXPECT_EQ(findings[0].severity, Severity::BlocksListing);
    EXPECT_EQ(findings[0].kind, FindingKind::ActiveContent);
    EXPECT_TRUE(named(findings[0], "onerror="));
    EXPECT_EQ(findings[0].field, picture(0));
}

TEST(CheckListing, AColourThatIsNotAColourIsCaughtWithWhatItBreaksOpen) {
    CheckedListing listing;
    listing.fields.borderColour = "#000000\" onmouseover=\"alert(1)";
    const std::vector<Finding> findings = listing.check();
    const FieldRef border{FieldRef::Kind::Colour, 0, ColourTarget::Border};
    const Finding* notAColour = findingOf(findings, border, FindingKind::NotAColour);
    ASSERT_NE(notAColour, nullptr) << describe(findings);
    EXPECT_NE(findingOf(findings, border, FindingKind::ActiveContent, "onmouseover="), nullptr)
        << describe(findings);
    ASSERT_TRUE(notAColour->fix);
    EXPECT_EQ(describe(listing.checkAfter(*notAColour->fix)), "");
}

struct LinkCase {
    const char* html;
    FieldRef field;
    FindingKind kind;
    const char* reported;
};

// Addresses as a browser resolves them: what leaves eBay is named by the host it really reaches.
class LinkCheckTest : public testing::TestWithParam<LinkCase> {};

TEST_P(LinkCheckTest, NamesWhereItLeads) {
    CheckedListing listing;
    listing.group().paragraphs[0] = GetParam().html;
    const std::vector<Finding> findings = listing.check();
    const Finding* finding = findingOf(findings, GetParam().field, GetParam().kind, GetParam().reported);
    ASSERT_NE(finding, nullptr) << describe(findings);
    EXPECT_EQ(finding->severity, Severity::BlocksListing);
}

INSTANTIATE_TEST_SUITE_P(OffEbay, LinkCheckTest,
                         testing::Values(LinkCase{"<a href=\"https://shop.example.org/x\">my shop</a>",
                                                  paragraph(0), FindingKind::OffEbayLink, "shop.example.org"},
                                         LinkCase{"<a href=\"https:\\\\evil.example\\shop\">x</a>",
                                                  paragraph(0), FindingKind::OffEbayLink, "evil.example"},
                                         LinkCase{"<a href=\"/\\evil.example/\">x</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "evil.example"},
                                         LinkCase{"<a href=\"\\\\evil.example/\">x</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "evil.example"},
                                         LinkCase{"<a href=\"http:evil.example/\">x</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "evil.example"},
                                         LinkCase{"<a href=\"https://evil%2Eexample/\">x</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "evil.example"},
                                         LinkCase{"<a href=\"https://evil\xE3\x80\x82"
                                                  "example/\">x</a>",
                                                  paragraph(0), FindingKind::OffEbayLink, "evil.example"},
                                         LinkCase{"<a href=\"https://EVIL\xEF\xBC\x8E"
                                                  "example/\">x</a>",
                                                  paragraph(0), FindingKind::OffEbayLink, "evil.example"},
                                         LinkCase{"<a href=\"https://3232235777/\">x</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "192.168.1.1"},
                                         LinkCase{"<a href=\"https://0xC0.0250.1.1/\">x</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "192.168.1.1"},
                                         LinkCase{"<a href=\"https://ebay.shop/\">x</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "ebay.shop"},
                                         LinkCase{"<a href=\"https://www.ebay.com.ru/\">x</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "www.ebay.com.ru"},
                                         LinkCase{"<a href=\"https://www.ebay.co.evil/\">x</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "www.ebay.co.evil"},
                                         LinkCase{"<a href=\"https://www.ebay.com@evil.example/\">x</a>",
                                                  paragraph(0), FindingKind::OffEbayLink, "evil.example"},
                                         LinkCase{"<a href=\"tel:+441234567\">call</a>", paragraph(0),
                                                  FindingKind::OffEbayLink, "tel:+441234567"},
                                         LinkCase{"<a href=\"mailto:seller%40example.com\">mail</a>",
                                                  paragraph(0), FindingKind::MailAddress,
                                                  "seller@example.com"},
                                         LinkCase{"Mail <b>ann&#64;example.com</b>", paragraph(0),
                                                  FindingKind::MailAddress, "ann@example.com"},
                                         LinkCase{"More at WWW.MyStore.com today", paragraph(0),
                                                  FindingKind::OffEbayLink, "www.mystore.com"}),
                         caseNumber<LinkCase>);

TEST(CheckListing, LinksAndMailAddressesAreToldByTheFieldTheyStandIn) {
    CheckedListing listing;
    listing.group().title = "Teapot - more at WWW.MyStore.com";
    listing.group().paragraphs[1] = "Questions? seller.ann@example.co.uk";
    listing.group().paragraphs[2] = "Not eBay: https://ebay.com.evil.net/item and https://cdn.example.net/x";
    const std::vector<Finding> findings = listing.check();
    const std::string all = describe(findings);
    EXPECT_NE(findingOf(findings, kTitle, FindingKind::OffEbayLink, "www.mystore.com"), nullptr) << all;
    EXPECT_NE(findingOf(findings, paragraph(1), FindingKind::MailAddress, "seller.ann@example.co.uk"),
              nullptr)
        << all;
    const Finding* offEbay = findingOf(findings, paragraph(2), FindingKind::OffEbayLink);
    ASSERT_NE(offEbay, nullptr) << all;
    EXPECT_EQ(offEbay->found, (std::vector<Found>{{Found::As::Text, "ebay.com.evil.net", 1, {}},
                                                  {Found::As::Text, "cdn.example.net", 1, {}}}));
    EXPECT_EQ(findings.size(), 3u) << all;
}

TEST(CheckListing, RepeatedFindingsAreMergedAndCounted) {
    CheckedListing listing;
    std::string many;
    for (int i = 0; i < 1500; ++i) {
        many += "seller" + std::to_string(i) + "@example.com <img src=\"http://pics.example.com/" +
                std::to_string(i) + ".jpg\"> ";
    }
    listing.group().paragraphs[1] = many;
    const std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 2u) << describe(findings);
    const Finding* mail = findingOf(findings, paragraph(1), FindingKind::MailAddress);
    ASSERT_NE(mail, nullptr) << describe(findings);
    EXPECT_EQ(mail->different, 1500u);
    EXPECT_EQ(mail->found, (std::vector<Found>{{Found::As::Text, "seller0@example.com", 1, {}},
                                               {Found::As::Text, "seller1@example.com", 1, {}},
                                               {Found::As::Text, "seller2@example.com", 1, {}}}));
    const Finding* pictures = findingOf(findings, paragraph(1), FindingKind::HttpPicture);
    ASSERT_NE(pictures, nullptr) << describe(findings);
    EXPECT_EQ(pictures->different, 1500u);
    ASSERT_TRUE(pictures->fix);
    EXPECT_EQ(listing.checkAfter(*pictures->fix).size(), 1u) << "the e-mail addresses remain";
}

struct InsecureCase {
    const char* html;
    FindingKind kind;
    Severity severity;
};

// Every address a buyer's browser fetches or follows over http://, and protocol-relative ones, with the fix.
class InsecureAddressTest : public testing::TestWithParam<InsecureCase> {};

TEST_P(InsecureAddressTest, IsFixedInTheField) {
    CheckedListing listing;
    listing.group().paragraphs[0] = GetParam().html;
    const std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 1u) << describe(findings);
    EXPECT_EQ(findings[0].field, paragraph(0));
    EXPECT_EQ(findings[0].severity, GetParam().severity);
    EXPECT_EQ(findings[0].kind, GetParam().kind);
    ASSERT_TRUE(findings[0].fix);
    EXPECT_EQ(describe(listing.checkAfter(*findings[0].fix)), "");
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, InsecureAddressTest,
    testing::Values(InsecureCase{"<img src=\"http://pics.example.com/1.jpg\">", FindingKind::HttpPicture,
                                 Severity::HiddenFromBuyers},
                    InsecureCase{"<IMG SRC=HTTP://pics.example.com/1.jpg>", FindingKind::HttpPicture,
                                 Severity::HiddenFromBuyers},
                    InsecureCase{"<p style=\"background:url('http://pics.example.com/bg.jpg')\">x</p>",
                                 FindingKind::HttpPicture, Severity::HiddenFromBuyers},
                    InsecureCase{"<style>p { background: url(http://pics.example.com/bg.jpg) }</style>",
                                 FindingKind::HttpPicture, Severity::HiddenFromBuyers},
                    InsecureCase{
                        "<table background=\"http://pics.example.com/bg.jpg\"><tr><td>x</td></tr></table>",
                        FindingKind::HttpPicture, Severity::HiddenFromBuyers},
                    InsecureCase{"<a href='http://pages.ebay.com/help'>help</a>", FindingKind::HttpLink,
                                 Severity::BlocksListing},
                    InsecureCase{"<img src=\"//pics.example.com/1.jpg\">", FindingKind::SchemeRelative,
                                 Severity::Advice}),
    caseNumber<InsecureCase>);

struct StylingCase {
    const char* html;
    std::optional<Found> reported; // none: nothing to report
};

// What a style sheet fetches besides pictures restyles the whole listing: from off eBay it is named.
class StylingTest : public testing::TestWithParam<StylingCase> {};

const Found kStyleSheetFromEvil{Found::As::StyleSheet, "evil.example", 1, {}};

// A style sheet over http:// is refused as an http:// picture is.
TEST(CheckListing, AStyleSheetFromAnHttpAddressIsAnHttpPicture) {
    CheckedListing listing;
    listing.group().paragraphs[0] = "<style>@import url(http://evil.example/x.css);</style>";
    const std::vector<Finding> findings = listing.check();
    EXPECT_NE(findingOf(findings, paragraph(0), FindingKind::HttpPicture, "http://evil.example/x.css"),
              nullptr)
        << describe(findings);
}

TEST_P(StylingTest, FromOffEbayIsNamed) {
    CheckedListing listing;
    listing.group().paragraphs[0] = GetParam().html;
    const std::vector<Finding> findings = listing.check();
    if (!GetParam().reported) {
        EXPECT_EQ(describe(findings), "");
        return;
    }
    const Finding* finding = findingOf(findings, paragraph(0), FindingKind::OffEbayStyling);
    ASSERT_NE(finding, nullptr) << describe(findings);
    EXPECT_EQ(finding->found, std::vector<Found>{*GetParam().reported});
    EXPECT_EQ(finding->severity, Severity::HiddenFromBuyers);
}

INSTANTIATE_TEST_SUITE_P(
    StyleSheets, StylingTest,
    testing::Values(
        StylingCase{"<style>@import url(\"https://evil.example/x.css\");</style>", kStyleSheetFromEvil},
        StylingCase{"<style>@IMPORT 'https://evil.example/x.css' screen;</style>", kStyleSheetFromEvil},
        StylingCase{"<p style=\"x:y;@import url(//evil.example/x.css)\">x</p>", kStyleSheetFromEvil},
        StylingCase{"<style>@font-face{font-family:T;src:url(https://fonts.example/t.woff)}</style>",
                    Found{Found::As::Font, "fonts.example", 1, {}}},
        StylingCase{"<style>@import url(\"https://ir.ebaystatic.com/x.css\");"
                    "p{background:url(https://pics.example.com/bg.jpg)}</style>",
                    std::nullopt}),
    caseNumber<StylingCase>);

TEST(CheckListing, APictureThatIsNotOnTheWebIsCaughtInAParagraph) {
    CheckedListing listing;
    listing.group().paragraphs[0] = "<img src=\"C:\\Users\\Ann\\detail.jpg\"> <img src=\"detail.jpg\">";
    const std::vector<Finding> findings = listing.check();
    const Finding* finding = findingOf(findings, paragraph(0), FindingKind::PictureNotOnWeb);
    ASSERT_NE(finding, nullptr) << describe(findings);
    EXPECT_EQ(finding->different, 2u);
}

struct HidingCase {
    const char* opening;
    const char* reported;
    const char* closer;
};

// Markup a field opens and never closes, which swallows the rest of the listing.
class HiddenRestTest : public testing::TestWithParam<HidingCase> {};

TEST_P(HiddenRestTest, IsToldAndClosedByItsFix) {
    CheckedListing listing;
    listing.group().paragraphs[0] = std::string("Fine china ") + GetParam().opening + " more";
    const std::vector<Finding> findings = listing.check();
    const Finding* finding = findingOf(findings, paragraph(0), FindingKind::HiddenRest, GetParam().reported);
    ASSERT_NE(finding, nullptr) << describe(findings);
    EXPECT_EQ(finding->severity, Severity::HiddenFromBuyers);
    ASSERT_TRUE(finding->fix);
    EXPECT_EQ(finding->fix->shown, std::vector<std::string>{GetParam().closer});
    EXPECT_EQ(findingOf(listing.checkAfter(*finding->fix), paragraph(0), FindingKind::HiddenRest), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Openings, HiddenRestTest,
                         testing::Values(HidingCase{"<!--", "<!--", "-->"},
                                         HidingCase{"<title>", "<title>", "</title>"},
                                         HidingCase{"<STYLE>", "<style>", "</style>"},
                                         HidingCase{"<noembed>", "<noembed>", "</noembed>"},
                                         HidingCase{"<noscript>", "<noscript>", "</noscript>"},
                                         HidingCase{"<template>", "<template>", "</template>"},
                                         HidingCase{"<xmp>", "<xmp>", "</xmp>"}),
                         caseNumber<HidingCase>);

TEST(CheckListing, TheCreditFootersLinkOffEbayIsCaughtAndItsFixKeepsTheCredit) {
    CheckedListing listing;
    listing.footer = PromotionalFooter();
    const std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 1u) << describe(findings);
    EXPECT_EQ(findings[0].kind, FindingKind::OffEbayLink);
    EXPECT_TRUE(named(findings[0], "www.brenvik.com")) << describe(findings);
    EXPECT_EQ(findings[0].field, kFooter);
    ASSERT_TRUE(findings[0].fix);
    EXPECT_EQ(findings[0].fix->newValue, CreditFooter());
    EXPECT_EQ(describe(listing.checkAfter(*findings[0].fix)), "");
}

// Ordinary seller text that a scanner took for contacts, links or script.
class OrdinaryTextTest : public testing::TestWithParam<const char*> {};

TEST_P(OrdinaryTextTest, RaisesNothing) {
    CheckedListing listing;
    listing.group().paragraphs[1] = GetParam();
    EXPECT_EQ(describe(listing.check()), "");
}

INSTANTIATE_TEST_SUITE_P(
    SellerText, OrdinaryTextTest,
    testing::Values("Sold 12@0.99 each, 3 @ 1.50 for the set", "Sizes 10//10.5 and 11//11.5",
                    "Onion-shaped lid, the script on its base reads \"Limoges\"; on and off",
                    "<p onion=\"1\" online=\"yes\" on=\"x\">Nothing runs</p>",
                    "<a href=\"https://www.ebay.com/str/teashop\">my store</a> and "
                    "<a href=\"https://www.ebay.co.uk/itm/1234\">the saucers</a>",
                    "<a href=\"https://www.ebay.com./sch/i.html?_ssn=ann\">more</a> <a href=\"#top\">top</a>",
                    "<img src=\"https://i.ebayimg.com/images/g/abc/s-l1600.jpg\" width=\"600\">",
                    "<img src=\"https://pics.example.com/detail.jpg\"> ebay.de/str/x",
                    "Pictures on https://i.ebayimg.com/images/1.jpg, shop at https://www.ebay.com.au",
                    "<!-- a note to myself --> Fine china"),
    caseNumber<const char*>);

// Markup past what the check reads in bounded time is named, with the field it stands in.
TEST(CheckListing, MarkupPastTheReadingsLimitsIsNamedByItsField) {
    std::string nested;
    std::string attributes = "<p";
    for (int i = 0; i < 600; ++i) {
        nested += "<div>";
        attributes += " a" + std::to_string(i);
    }
    for (const auto& [typed, kind, limit] :
         {std::tuple{nested, FindingKind::NestedTooDeep, std::size_t{512}},
          std::tuple{attributes + ">", FindingKind::TooManyAttributes, std::size_t{256}}}) {
        CheckedListing listing;
        listing.group().paragraphs[1] = typed;
        const std::vector<Finding> findings = listing.check();
        const Finding* finding = findingOf(findings, paragraph(1), kind);
        ASSERT_NE(finding, nullptr) << describe(findings);
        EXPECT_EQ(finding->limit, limit);
        EXPECT_EQ(finding->severity, Severity::HiddenFromBuyers);
    }
}

TEST(CheckListing, ADescriptionOverTheLimitIsCaughtWithItsCount) {
    ListingFields noStyle;
    EXPECT_TRUE(CheckListing(std::string(kEbayDescriptionLimit, 'x'), noStyle).empty());
    // Characters, not bytes: 500,000 two-byte letters are still within the limit.
    std::string accented;
    for (std::size_t i = 0; i < kEbayDescriptionLimit; ++i) {
        accented += "\xC3\xA9";
    }
    EXPECT_TRUE(CheckListing(accented, noStyle).empty());

    const std::vector<Finding> findings = CheckListing(std::string(kEbayDescriptionLimit + 1, 'x'), noStyle);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].severity, Severity::BlocksListing);
    EXPECT_FALSE(findings[0].field);
    EXPECT_EQ(findings[0].kind, FindingKind::DescriptionTooLong);
    EXPECT_EQ(findings[0].length, 500001u);
    EXPECT_EQ(findings[0].limit, kEbayDescriptionLimit);
}

TEST(CheckListing, HtmlThatIsNotTheFieldsListingIsStillCheckedAsAWhole) {
    ListingFields noStyle;
    const std::vector<Finding> findings = CheckListing("<p>Hi <script>x()</script></p>", noStyle);
    ASSERT_EQ(findings.size(), 1u) << describe(findings);
    EXPECT_FALSE(findings[0].field);
    EXPECT_EQ(findings[0].found, (std::vector<Found>{{Found::As::Element, "<script>", 1, {}}}))
        << describe(findings);
}

TEST(CheckListing, EmptyAndDefaultTextIsOnlyAdvice) {
    CheckedListing listing;
    listing.group().title = "";
    listing.group().paragraphs[1] = "Default";
    const std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 2u) << describe(findings);
    EXPECT_EQ(findings[0].kind, FindingKind::EmptyText);
    EXPECT_EQ(findings[0].field, kTitle);
    EXPECT_EQ(findings[1].kind, FindingKind::DefaultText);
    EXPECT_EQ(findings[1].field, paragraph(1));
    for (const Finding& finding : findings) {
        EXPECT_EQ(finding.severity, Severity::Advice);
    }
    EXPECT_FALSE(NeedsConfirmation(findings));
}

TEST(CheckListing, TheBackgroundPictureIsCheckedLikeAPicture) {
    CheckedListing listing;
    listing.fields.background = "http://www.brenvik.com/eBay/Background/001.jpg";
    const std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].field, (FieldRef{FieldRef::Kind::Background}));
    ASSERT_TRUE(findings[0].fix);
    EXPECT_EQ(findings[0].fix->newValue, "https://www.brenvik.com/eBay/Background/001.jpg");
}

TEST(CheckListing, OnlyTheFieldsOfTheChosenStyleCount) {
    CheckedListing listing;
    listing.fields.fields.of(5).pictures[0] = "C:\\elsewhere.jpg";
    EXPECT_EQ(describe(listing.check()), "");
    listing.chooseStyle(1);
    EXPECT_TRUE(CheckListing("", listing.fields).empty());
}

const Speller& britishSpeller() {
    static const Speller speller = [] {
        Result<Speller> opened = Speller::Open(kDictionaryFolder, ListingLanguage::EnglishUk, {});
        if (!opened) {
            ADD_FAILURE() << "no en_GB dictionary: " << opened.message();
            std::abort();
        }
        return std::move(*opened);
    }();
    return speller;
}

// A seller's typos, phone number and unreadable colours: three findings, each with a fix that cures it.
TEST(CheckListing, TyposAPhoneNumberAndWhiteOnWhiteAreThreeFindingsWithWorkingFixes) {
    CheckedListing listing;
    listing.options = {ListingLanguage::EnglishUk, &britishSpeller()};
    listing.group().paragraphs[0] = "Teh camra is in excelent condtion";
    listing.group().paragraphs[1] = "Ring me on 020 7946 0018";
    listing.fields.fontColour = "#FFFFFF";
    std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 3u) << describe(findings);
    const Finding* typos = findingOf(findings, paragraph(0), FindingKind::UnknownWords);
    ASSERT_NE(typos, nullptr) << describe(findings);
    EXPECT_EQ(typos->found.at(0), (Found{Found::As::Text, "Teh", 1, "The"}));
    EXPECT_EQ(typos->found.at(1), (Found{Found::As::Text, "camra", 1, "camera"}));
    EXPECT_NE(findingOf(findings, paragraph(1), FindingKind::PhoneNumber, "020 7946 0018"), nullptr);
    const FieldRef text{FieldRef::Kind::Colour, 0, ColourTarget::Font};
    const Finding* contrast = findingOf(findings, text, FindingKind::HardToRead);
    ASSERT_NE(contrast, nullptr) << describe(findings);
    EXPECT_EQ(ShownContrast(contrast->contrast), 1.0);
    while (!findings.empty()) {
        ASSERT_TRUE(findings.front().fix) << describe(findings);
        const std::size_t before = findings.size();
        findings = listing.checkAfter(*findings.front().fix);
        ASSERT_EQ(findings.size(), before - 1) << describe(findings);
    }
    EXPECT_EQ(listing.group().paragraphs[0], "The camera is in excellent condition");
}

// Listings full of sizes, prices, barcodes, model numbers, dates and measurements, in every site's region.
class OrdinaryListingTest : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(OrdinaryListingTest, RaisesNothingInAnyLanguage) {
    for (const LanguageInfo& language : ListingLanguages()) {
        CheckedListing listing;
        listing.group().title = GetParam().first;
        listing.group().paragraphs[1] = GetParam().second;
        const bool english = language.language == ListingLanguage::EnglishUk;
        listing.options = {language.language, english ? &britishSpeller() : nullptr};
        EXPECT_EQ(describe(listing.check()), "") << language.caption;
    }
}

INSTANTIATE_TEST_SUITE_P(
    SellerListings, OrdinaryListingTest,
    testing::Values(
        std::pair{"Men's leather walking boots, UK size 9 (EU 43)",
                  "Worn twice, as new. Sole 30.5 cm, shaft height 18 cm. EAN 5012345678900. Posted in the "
                  "original box for \xC2\xA3"
                  "4.20, or collect from town."},
        std::pair{"Cordless phone twin set KX-TG6812",
                  "Model KX-TG6812EB, part no. 1K0-615-301-AA. Range 300 m outdoors, 50 m indoors. Tested "
                  "12/05/2024 and working. UPC 036000291452."},
        std::pair{"Vintage tea set, 1950s, 21 pieces",
                  "Six cups, six saucers, six plates, milk jug, sugar bowl and teapot (1.2 litre). Made "
                  "between 1952 and 1958; marked 1955 on the base. Price \xE2\x82\xAC"
                  "45.00 or best offer."},
        std::pair{"Road bike, 56 cm frame, 2x11 speed",
                  "Frame 56 cm, wheels 700x25c, weight 8.9 kg. Serviced 03/2024. Serial WTU123456789X. "
                  "Bought for $1,249.99, selling for $650."},
        std::pair{"Jeans 32W 30L, straight fit",
                  "Waist 32 in (81 cm), leg 30 in (76 cm), rise 10.5 in. Style 00501-0114. Barcode "
                  "4006381333931. 98% cotton, 2% polyester."},
        std::pair{"Laptop charger 65W, 19.5V 3.33A",
                  "Output 19.5 V / 3.33 A, input 100-240 V 50/60 Hz. Part 0A001-00340200. Cable 1.8 m. Fits "
                  "models X540, X541 and X555."},
        std::pair{"Coin set 1971-1981, ten coins",
                  "Ten coins from 1971, 1972, 1975, 1977, 1979, 1980 and 1981. Catalogue KM-123456. Each "
                  "between 18.5 mm and 30 mm across, total weight 84.6 g."},
        std::pair{"Oak dining table 180 x 90 x 76 cm",
                  "Seats 6 to 8. Top 180 x 90 cm, height 76 cm, leg 7.5 x 7.5 cm. Batch 2023-0415-0987. "
                  "Weight 62 kg, two parts for delivery within 30 miles."},
        std::pair{"Printer ink, 4-pack, 2 sets",
                  "Cartridge numbers 301XL and 302XL, 8 ml each, about 480 pages. Order ref 100200300400. "
                  "Best before 31.12.2026. Stock code 78945612."},
        std::pair{"Garden hose 30 m with reel",
                  "Hose 30 m, 12.5 mm (1/2 inch), 20 bar. Reel 45 x 40 x 60 cm. Item 123456789012, "
                  "order 2 for 2 x 15.99 = 31.98."}),
    [](const testing::TestParamInfo<std::pair<const char*, const char*>>& info) {
        return "Listing" + std::to_string(info.index);
    });

struct PhoneCase {
    ListingLanguage language;
    const char* text;
    const char* number;
};

class PhoneNumberTest : public testing::TestWithParam<PhoneCase> {};

TEST_P(PhoneNumberTest, IsAContactDetailTakenOutByItsFix) {
    CheckedListing listing;
    listing.options.language = GetParam().language;
    listing.group().paragraphs[0] = GetParam().text;
    const std::vector<Finding> findings = listing.check();
    const Finding* finding = findingOf(findings, paragraph(0), FindingKind::PhoneNumber, GetParam().number);
    ASSERT_NE(finding, nullptr) << describe(findings);
    EXPECT_EQ(finding->severity, Severity::BlocksListing);
    ASSERT_TRUE(finding->fix);
    EXPECT_EQ(describe(listing.checkAfter(*finding->fix)), "");
}

INSTANTIATE_TEST_SUITE_P(
    Regions, PhoneNumberTest,
    testing::Values(PhoneCase{ListingLanguage::EnglishUk, "Ring me on 020 7946 0018", "020 7946 0018"},
                    PhoneCase{ListingLanguage::EnglishUk, "Call <b>+44 20 7946 0018</b> today",
                              "+44 20 7946 0018"},
                    PhoneCase{ListingLanguage::EnglishUs, "Questions? (202) 555-0143", "(202) 555-0143"},
                    PhoneCase{ListingLanguage::German, "Tel. 030 12345678", "030 12345678"},
                    PhoneCase{ListingLanguage::French, "Appelez le 01 23 45 67 89", "01 23 45 67 89"},
                    PhoneCase{ListingLanguage::Italian, "Chiamare 06 1234 5678", "06 1234 5678"},
                    PhoneCase{ListingLanguage::Spanish, "Llame al 912 345 678", "912 345 678"}),
    caseNumber<PhoneCase>);

struct ContrastCase {
    const char* textColour;
    const char* backgroundColour;
    int background;              // a built-in background, 0 for none
    std::optional<Found> behind; // what the text reads worst on; none when the text reads well
    double shownContrast;
    const char* fixColour; // nullptr when no palette colour reads well on both
};

class ContrastTest : public testing::TestWithParam<ContrastCase> {};

Found colourBehind(const char* value) {
    return {Found::As::Text, value, 1, {}};
}

Found pictureBehind(const char* number) {
    return {Found::As::BackgroundPicture, number, 1, {}};
}

TEST_P(ContrastTest, TextHardToReadIsAdviceWithTheNearestReadableColour) {
    CheckedListing listing;
    listing.fields.fontColour = GetParam().textColour;
    listing.fields.backgroundColour = GetParam().backgroundColour;
    if (GetParam().background != 0) {
        listing.fields.background = BuiltInBackgroundAddress(GetParam().background);
    }
    const std::optional<Finding> advice = ContrastAdvice(listing.fields);
    if (!GetParam().behind) {
        EXPECT_FALSE(advice) << describe({*advice});
        return;
    }
    ASSERT_TRUE(advice);
    EXPECT_EQ(advice->severity, Severity::Advice);
    EXPECT_EQ(advice->kind, FindingKind::HardToRead);
    EXPECT_EQ(advice->found,
              (std::vector<Found>{{Found::As::Text, GetParam().textColour, 1, {}}, *GetParam().behind}));
    EXPECT_EQ(ShownContrast(advice->contrast), GetParam().shownContrast);
    if (GetParam().fixColour == nullptr) {
        EXPECT_FALSE(advice->fix);
        return;
    }
    ASSERT_TRUE(advice->fix);
    EXPECT_EQ(advice->fix->newValue, GetParam().fixColour);
    listing.fields.fontColour = advice->fix->newValue;
    EXPECT_FALSE(ContrastAdvice(listing.fields));
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ContrastTest,
    testing::Values(ContrastCase{"#000000", "#FFFFFF", 0, std::nullopt, 0, nullptr},
                    ContrastCase{"#FFFFFF", "#000000", 0, std::nullopt, 0, nullptr},
                    ContrastCase{"#FFFFFF", "#FFFFFF", 0, colourBehind("#FFFFFF"), 1.0, "#008080"},
                    ContrastCase{"#FFFF00", "#FFFFFF", 0, colourBehind("#FFFFFF"), 1.0, "#008000"},
                    ContrastCase{"#999999", "#FFFFFF", 0, colourBehind("#FFFFFF"), 2.8, "#008080"},
                    ContrastCase{"#000000", "#000000", 45, colourBehind("#000000"), 1.0, "#999999"},
                    ContrastCase{"#000000", "#FFFFFF", 45, pictureBehind("045"), 1.4, nullptr},
                    ContrastCase{"#333399", "#FFFFFF", 4, pictureBehind("004"), 1.0, nullptr}),
    caseNumber<ContrastCase>);

TEST(ReadableColours, LuminanceAndContrastAreWcags) {
    EXPECT_DOUBLE_EQ(*RelativeLuminance("#FFFFFF"), 1.0);
    EXPECT_DOUBLE_EQ(*RelativeLuminance("#000000"), 0.0);
    EXPECT_NEAR(*RelativeLuminance("#808080"), 0.2159, 0.0001);
    EXPECT_FALSE(RelativeLuminance("white"));
    EXPECT_DOUBLE_EQ(ContrastRatio(1.0, 0.0), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0.0, 1.0), 21.0);
}

} // namespace
} // namespace vellumo
