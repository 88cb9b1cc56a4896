#include "generator/assembly.h"
#include "generator/phone_layout.h"
#include "generator/picture_alt_text.h"
#include "generator/template_style.h"
#include "generator_test_support.h"
#include "text/replace.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

constexpr std::string_view kPictureStyle =
    R"( style="max-width:100%;min-width:min(400px,calc(50vw - 48px));height:auto;aspect-ratio:4/3")";
constexpr std::string_view kWrappingStyle = R"( style="overflow-wrap:anywhere;word-break:break-word")";

class PhoneLayoutTest : public testing::TestWithParam<int> {};

TEST_P(PhoneLayoutTest, EveryPictureScalesAndEveryTextCellWraps) {
    const int photoCount = PhotoCountOfStyle(GetParam());
    const std::string& text = LayoutText(GetParam(), LayoutForm::PhoneFriendly);
    EXPECT_EQ(CountOf(text, "<img "),
              CountOf(text, std::string(R"(height="300")") + std::string(kPictureStyle)));
    EXPECT_EQ(CountOf(text, "<img "), static_cast<std::size_t>(photoCount));
    // Both cells of every photo row and the title cell; the closing row holds no text of the seller's.
    EXPECT_EQ(CountOf(text, kWrappingStyle), static_cast<std::size_t>(2 * photoCount + 1));
    EXPECT_EQ(CountOf(text, "<style"), 0u) << "eBay may drop a style block";
}

TEST_P(PhoneLayoutTest, IsTheDesignedLayoutWithInlineStylesAddedOnly) {
    std::string text = LayoutText(GetParam(), LayoutForm::PhoneFriendly);
    ReplaceAll(text, kPictureStyle, "");
    ReplaceAll(text, kWrappingStyle, "");
    ReplaceAll(text, "data-background=", "background=");
    const int photoCount = PhotoCountOfStyle(GetParam());
    for (int row = 0; row < photoCount; ++row) {
        EXPECT_EQ(CountOf(text, PictureAltToken(photoCount, row)), 1u);
        ReplaceAll(text, PictureAltToken(photoCount, row), "");
    }
    EXPECT_EQ(text, LayoutText(GetParam()));
    EXPECT_EQ(LayoutText(GetParam(), LayoutForm::AsDesigned), LayoutText(GetParam()));
}

// With no background chosen the listing asks buyers' browsers for no picture; a chosen one is the table's.
TEST_P(PhoneLayoutTest, NoBackgroundIsNoAddressAndAChosenOneIsTheTables) {
    ListingUnderTest listing(GetParam());
    listing.fillGroup();
    for (const std::string background : {kNoBackground, "https://pics.example.com/bg.jpg", kNoBackground}) {
        listing.fields.background = background;
        listing.assemble();
        EXPECT_EQ(CountOf(listing.code, " background=\""), background == kNoBackground ? 0u : 1u);
        EXPECT_EQ(CountOf(listing.code, " background=\"" + background + "\""),
                  background == kNoBackground ? 0u : 1u);
    }
    EXPECT_EQ(listing.code, BuildListing(listing.fields)) << "a change of background as a rebuild";
}

INSTANTIATE_TEST_SUITE_P(AllStyles, PhoneLayoutTest, testing::Range(2, kStyleCount + 1));

// Every listing picture is described from the title and its place, in the phone-friendly form only.
TEST(PhoneLayout, PicturesAreDescribedFromTheTitle) {
    ListingUnderTest listing(4);
    listing.fillGroup();
    listing.group().title = "Blue teapot, 1950s";
    listing.assemble();
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(
            CountOf(listing.code, "alt=\"Blue teapot, 1950s \u2014 photo " + std::to_string(row) + " of 3\""),
            1u);
    }
    listing.fields.layoutForm = LayoutForm::AsDesigned;
    listing.chooseStyle(4);
    listing.assemble();
    EXPECT_EQ(CountOf(listing.code, "alt="), 0u);
}

struct AltCase {
    const char* title;
    const char* picture;
    const char* attribute;
};

class PictureAltTest : public testing::TestWithParam<AltCase> {};

TEST_P(PictureAltTest, DescribesThePictureAsText) {
    EXPECT_EQ(PictureAltAttribute(GetParam().title, GetParam().picture, 1, 3), GetParam().attribute);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, PictureAltTest,
    testing::Values(
        AltCase{"Blue teapot", "https://pics.example/2.jpg", " alt=\"Blue teapot \u2014 photo 2 of 3\""},
        AltCase{"  ", "https://pics.example/2.jpg", " alt=\"Photo 2 of 3\""},
        AltCase{"12\" record <b>'Rare'</b> R&B &amp; soul", "x.jpg",
                " alt=\"12&quot; record &lt;b&gt;&#39;Rare&#39;&lt;/b&gt; R&amp;B &amp; soul \u2014 "
                "photo 2 of 3\""},
        AltCase{"Blue teapot", "x.jpg\" ALT = \"My own words", ""},
        AltCase{"Blue teapot", "https://pics.example/salt=1.jpg",
                " alt=\"Blue teapot \u2014 photo 2 of 3\""}),
    [](const testing::TestParamInfo<AltCase>& info) { return "Case" + std::to_string(info.index); });

TEST(PhoneLayout, NoStyleHasNoLayoutInEitherForm) {
    for (const LayoutForm form : {LayoutForm::AsDesigned, LayoutForm::PhoneFriendly}) {
        for (int position : {0, 1, 10}) {
            EXPECT_TRUE(LayoutText(position, form).empty());
        }
    }
}

} // namespace
} // namespace vellumo
