#include "generator/backgrounds.h"
#include "check/listing_check.h"
#include "generator/promotional_footer.h"
#include "generator/generator_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

template <typename Case> std::string caseNumber(const testing::TestParamInfo<Case>& info) {
    return "Case" + std::to_string(info.index);
}

// A 3-photo listing with clean values, assembled; tests spoil one field at a time.
struct CheckedListing : ListingUnderTest {
    CheckedListing()
        : ListingUnderTest(4) {
        fillGroup();
    }

    std::vector<Finding> check() {
        chooseStyle(fields.style);
        assemble();
        return CheckListing(code, fields);
    }
};

std::string describe(const std::vector<Finding>& findings) {
    std::string text;
    for (const Finding& finding : findings) {
        text += finding.message + "\n";
    }
    return text;
}

TEST(CheckListing, ACleanListingPassesSilentlyInEveryStyle) {
    for (int style = 2; style <= 9; ++style) {
        ListingUnderTest listing(style);
        listing.fillGroup();
        listing.group().paragraphs[0] =
            "Fine <b>bone</b> china.\r\nSee <a href=\"https://www.ebay.com/str/shop\">my shop</a>.";
        listing.fields.background = PickBackground("007");
        listing.fields.borderColour = "#800000";
        listing.assemble();
        const std::string withFooter = InsertFooter(listing.code);
        EXPECT_EQ(describe(CheckListing(withFooter, listing.fields)), "") << StyleAt(style)->caption;
    }
}

struct AddressCase {
    const char* address;
    const char* messagePart;
    const char* fixedValue; // nullptr when no fix is offered
};

class AddressCheckTest : public testing::TestWithParam<AddressCase> {};

TEST_P(AddressCheckTest, NamesTheFieldAndOffersAFixOnlyWhereOneExists) {
    CheckedListing listing;
    listing.group().pictures[1] = GetParam().address;
    const std::vector<Finding> findings = listing.check();
    ASSERT_FALSE(findings.empty());
    const Finding& finding = findings.front();
    EXPECT_EQ(finding.severity, Severity::HiddenFromBuyers);
    EXPECT_EQ(finding.field, (FieldRef{FieldRef::Kind::Picture, 1}));
    EXPECT_TRUE(finding.message.starts_with("Second Picture ")) << finding.message;
    EXPECT_NE(finding.message.find(GetParam().messagePart), std::string::npos) << finding.message;
    if (GetParam().fixedValue == nullptr) {
        EXPECT_FALSE(finding.fix);
    } else {
        ASSERT_TRUE(finding.fix);
        EXPECT_EQ(finding.fix->newValue, GetParam().fixedValue);
        EXPECT_EQ(finding.fix->field, finding.field);
    }
    EXPECT_TRUE(NeedsConfirmation(findings));
}

INSTANTIATE_TEST_SUITE_P(
    BadPictureAddresses, AddressCheckTest,
    testing::Values(AddressCase{"", "has no address", nullptr}, AddressCase{"   ", "has no address", nullptr},
                    AddressCase{"Default", "\"Default\"", nullptr},
                    AddressCase{"C:\\Users\\Ann\\teapot.jpg", "file on this computer", nullptr},
                    AddressCase{"/home/ann/teapot.jpg", "file on this computer", nullptr},
                    AddressCase{"file:///home/ann/teapot.jpg", "file on this computer", nullptr},
                    AddressCase{"\\\\nas\\photos\\teapot.jpg", "file on this computer", nullptr},
                    AddressCase{"http://pics.example.com/t.jpg", "http://", "https://pics.example.com/t.jpg"},
                    AddressCase{"HTTP://pics.example.com/t.jpg", "http://", "https://pics.example.com/t.jpg"},
                    AddressCase{"pics.example.com/t.jpg", "not a web address",
                                "https://pics.example.com/t.jpg"},
                    AddressCase{"teapot.jpg", "not a web address", nullptr},
                    AddressCase{"https://", "not a web address", nullptr}),
    caseNumber<AddressCase>);

struct MarkupCase {
    const char* html;
    const char* reported;
};

class ActiveContentTest : public testing::TestWithParam<MarkupCase> {};

TEST_P(ActiveContentTest, IsCaughtInAParagraph) {
    CheckedListing listing;
    listing.group().paragraphs[2] = GetParam().html;
    const std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 1u) << describe(findings);
    EXPECT_EQ(findings[0].severity, Severity::BlocksListing);
    EXPECT_EQ(findings[0].field, (FieldRef{FieldRef::Kind::Paragraph, 2}));
    EXPECT_TRUE(findings[0].message.starts_with("Third Paragraph contains ")) << findings[0].message;
    EXPECT_NE(findings[0].message.find(GetParam().reported), std::string::npos) << findings[0].message;
}

INSTANTIATE_TEST_SUITE_P(
    EbayRejects, ActiveContentTest,
    testing::Values(MarkupCase{"<script>alert(1)</script>", "<script>"},
                    MarkupCase{"Nice <ScRiPt src=x></sCrIpT>", "<script>"},
                    MarkupCase{"<IFRAME width=1>", "<iframe>"}, MarkupCase{"<object data=x>", "<object>"},
                    MarkupCase{"<embed src=x>", "<embed>"}, MarkupCase{"</FORM>", "<form>"},
                    MarkupCase{"<input type=text>", "<input>"},
                    MarkupCase{"<button>Buy</button>", "<button>"},
                    MarkupCase{"<textarea></textarea>", "<textarea>"}, MarkupCase{"<select>", "<select>"},
                    MarkupCase{"<meta http-equiv=refresh>", "<meta>"}, MarkupCase{"<link rel=x>", "<link>"},
                    MarkupCase{"<base href=x>", "<base>"},
                    MarkupCase{"<img src=x OnError=alert(1)>", "onerror="},
                    MarkupCase{"<b\nonmouseover = \"x()\">hi</b>", "onmouseover="},
                    MarkupCase{"<a href=\"  jAvAsCrIpT:alert(1)\">x</a>", "javascript:"},
                    MarkupCase{"<a href=\"&#106;avascript&colon;alert(1)\">x</a>", "javascript:"},
                    MarkupCase{"<a href='java&#x09;script:alert(1)'>x</a>", "javascript:"},
                    MarkupCase{"<a href=&#x6A&#x61vascript:x>x</a>", "javascript:"},
                    MarkupCase{"<a href=\"java\r\nscript:x\">x</a>", "javascript:"},
                    MarkupCase{"<a href=\"java script:x\">x</a>", "javascript:"}),
    caseNumber<MarkupCase>);

TEST(CheckListing, HarmlessTextThatLooksLikeActiveContentPasses) {
    CheckedListing listing;
    listing.group().title = "Scripture box, online only";
    listing.group().paragraphs[0] = "&lt;script&gt; is shown as text; a < b and c > d.";
    listing.group().paragraphs[1] = "<font color=red size=4>Formal set</font> <p align=center>Buttons</p>";
    listing.group().paragraphs[2] = "javascript: the language, in a sentence.";
    EXPECT_EQ(describe(listing.check()), "");
}

TEST(CheckListing, AQuoteInAPictureAddressThatBreaksOutOfItsAttributeIsCaught) {
    CheckedListing listing;
    listing.group().pictures[0] = "https://pics.example.com/a.jpg\" onerror=\"alert(1)";
    const std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 1u) << describe(findings);
    EXPECT_EQ(findings[0].severity, Severity::BlocksListing);
    EXPECT_NE(findings[0].message.find("onerror="), std::string::npos);
    EXPECT_TRUE(findings[0].message.starts_with("First Picture"));
}

TEST(CheckListing, LinksAndMailAddressesThatLeadOffEbayAreCaught) {
    CheckedListing listing;
    listing.group().title = "Teapot - more at WWW.MyStore.com";
    listing.group().paragraphs[0] = "<a href=\"https://shop.example.org/x\">my shop</a>";
    listing.group().paragraphs[1] = "Questions? seller.ann@example.co.uk";
    listing.group().paragraphs[2] = "Not eBay: https://ebay.com.evil.net/item and //cdn.example.net/x";
    const std::vector<Finding> findings = listing.check();
    const std::string all = describe(findings);
    EXPECT_NE(all.find("Title links to www.mystore.com."), std::string::npos) << all;
    EXPECT_NE(all.find("First Paragraph links to shop.example.org."), std::string::npos) << all;
    EXPECT_NE(all.find("Second Paragraph contains the e-mail address seller.ann@example.co.uk."),
              std::string::npos)
        << all;
    EXPECT_NE(all.find("Third Paragraph links to ebay.com.evil.net."), std::string::npos) << all;
    EXPECT_NE(all.find("Third Paragraph links to cdn.example.net."), std::string::npos) << all;
    EXPECT_EQ(findings.size(), 5u) << all;
    for (const Finding& finding : findings) {
        EXPECT_EQ(finding.severity, Severity::BlocksListing);
    }
}

TEST(CheckListing, LinksToEbayAndPicturesFromElsewhereAreAllowed) {
    CheckedListing listing;
    listing.group().paragraphs[0] =
        "<a href=\"https://www.ebay.co.uk/itm/1\">more</a> <a href='http://pages.ebay.com/help'>help</a>";
    listing.group().paragraphs[1] = "<img src=\"https://pics.example.com/detail.jpg\"> ebay.de/str/x";
    listing.group().paragraphs[2] =
        "Pictures on https://i.ebayimg.com/images/1.jpg, shop at https://www.ebay.com.au";
    EXPECT_EQ(describe(listing.check()), "");
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
    EXPECT_NE(findings[0].message.find("500,001 characters"), std::string::npos) << findings[0].message;
}

TEST(CheckListing, EmptyAndDefaultTextIsOnlyAdvice) {
    CheckedListing listing;
    listing.group().title = "";
    listing.group().paragraphs[1] = "Default";
    const std::vector<Finding> findings = listing.check();
    ASSERT_EQ(findings.size(), 2u) << describe(findings);
    EXPECT_EQ(findings[0].message, "Title is empty.");
    EXPECT_TRUE(findings[1].message.starts_with("Second Paragraph still reads \"Default\""));
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

} // namespace
} // namespace vellumo
