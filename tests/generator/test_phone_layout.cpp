#include "generator/assembly.h"
#include "generator/phone_layout.h"
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

TEST(PhoneLayout, NoStyleHasNoLayoutInEitherForm) {
    for (const LayoutForm form : {LayoutForm::AsDesigned, LayoutForm::PhoneFriendly}) {
        for (int position : {0, 1, 10}) {
            EXPECT_TRUE(LayoutText(position, form).empty());
        }
    }
}

} // namespace
} // namespace vellumo
