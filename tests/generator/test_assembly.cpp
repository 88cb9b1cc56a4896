#include "generator/assembly.h"
#include "generator/phone_layout.h"
#include "generator/placed_values.h"
#include "generator/promotional_footer.h"
#include "generator_test_support.h"
#include "text/replace.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vellumo {
namespace {

class CompleteFillTest : public testing::TestWithParam<int> {};

TEST_P(CompleteFillTest, LeavesNoTokenAndWritesTheThreeColours) {
    ListingUnderTest listing(GetParam());
    listing.fillGroup();
    listing.assemble();

    const int photoCount = PhotoCountOfStyle(GetParam());
    const FieldGroup& tokens = LayoutTokens(photoCount);
    const std::string& code = listing.code;
    EXPECT_EQ(CountOf(code, tokens.title), 0u);
    for (int k = 0; k < photoCount; ++k) {
        EXPECT_EQ(CountOf(code, tokens.pictures[k]), 0u);
        EXPECT_EQ(CountOf(code, tokens.paragraphs[k]), 0u);
        EXPECT_EQ(CountOf(code, listing.group().pictures[k]), 2u);
        EXPECT_EQ(CountOf(code, listing.group().paragraphs[k]), 1u);
    }
    for (std::string_view token : {"FntClr", "BrdrClr", "BkGrnd"}) {
        EXPECT_EQ(CountOf(code, token), 0u) << token;
    }
    EXPECT_EQ(CountOf(code, "font color=\"#000000\""), static_cast<std::size_t>(photoCount + 1));
    EXPECT_EQ(CountOf(code, "bordercolor=\"#000000\""), 2u);
    EXPECT_EQ(CountOf(code, "bgcolor=\"#FFFFFF\""), 1u);
    EXPECT_EQ(CountOf(code, " background=\""), 0u) << "no picture asked for in the phone-friendly form";
}

TEST_P(CompleteFillTest, SecondAssemblyWithoutChangesIsANoOp) {
    ListingUnderTest listing(GetParam());
    listing.fillGroup();
    listing.fields.borderColour = "#800000";
    listing.assemble();
    const std::string first = listing.code;
    const PlacedValues placed = listing.placed;
    listing.assemble();
    EXPECT_EQ(listing.code, first);
    EXPECT_EQ(listing.placed, placed);
}

TEST_P(CompleteFillTest, ChoosingTheStyleAgainRestoresThePristineLayout) {
    ListingUnderTest listing(GetParam());
    listing.fillGroup();
    listing.assemble();
    listing.code = InsertFooter(listing.code);
    listing.chooseStyle(GetParam());
    EXPECT_EQ(listing.code, LayoutText(GetParam(), listing.fields.layoutForm));
    EXPECT_EQ(listing.placed, ResetPlacedValues());
    EXPECT_EQ(listing.group().title, "Blue teapot") << "style selection changes no field";
}

INSTANTIATE_TEST_SUITE_P(AllStyles, CompleteFillTest, testing::Range(2, 10));

TEST(AssembleListing, ChangingOnlyTheTitleChangesOnlyTitleText) {
    ListingUnderTest listing(4);
    listing.fillGroup();
    listing.assemble();
    std::string expected = listing.code;
    ReplaceAll(expected, "Blue teapot", "Green vase");

    listing.group().title = "Green vase";
    listing.assemble();
    EXPECT_EQ(listing.code, expected);
}

TEST(AssembleListing, EmptiedSlotStaysEmptyUntilFreshLayout) {
    ListingUnderTest listing(2);
    listing.fillGroup();
    listing.group().pictures[1].clear();
    listing.assemble();
    EXPECT_EQ(CountOf(listing.code, "href=\"\""), 1u);
    EXPECT_EQ(CountOf(listing.code, "src=\"\""), 1u);
    EXPECT_EQ(listing.placed.fields.of(2).pictures[1], "");

    listing.group().pictures[1] = "https://pics.example.com/late.jpg";
    listing.assemble();
    EXPECT_EQ(CountOf(listing.code, "late.jpg"), 0u) << "an empty placed value finds nothing";

    listing.chooseStyle(2);
    listing.assemble();
    EXPECT_EQ(CountOf(listing.code, "late.jpg"), 2u);
}

TEST(AssembleListing, TwoSlotsWithTheSameTextShareTheirFate) {
    ListingUnderTest listing(2);
    listing.fillGroup();
    listing.group().pictures = {"https://a.example/A.jpg", "https://a.example/A.jpg"};
    listing.assemble();
    EXPECT_EQ(CountOf(listing.code, "A.jpg"), 4u);

    listing.group().pictures[1] = "https://a.example/B.jpg";
    listing.assemble();
    // Picture 1 still stands in its field, but its text in the code went with picture 2's.
    EXPECT_EQ(CountOf(listing.code, "A.jpg"), 0u);
    EXPECT_EQ(CountOf(listing.code, "B.jpg"), 4u);
}

TEST(AssembleListing, ColoursAreFoundOnlyInTheirOwnAttribute) {
    ListingUnderTest listing(6); // 4 Alternating Photos holds the fixed "#000080" line breaks
    listing.fillGroup();
    listing.assemble();
    const std::size_t fixedNavy = CountOf(listing.code, "\"#000080\"");
    ASSERT_GT(fixedNavy, 0u);

    // Border and font are both "#000000"; changing the font leaves the borders alone.
    listing.fields.fontColour = "#333399";
    listing.assemble();
    EXPECT_EQ(CountOf(listing.code, "bordercolor=\"#000000\""), 2u);
    EXPECT_EQ(CountOf(listing.code, "font color=\"#333399\""), 5u);

    // Same colour for border and background, then only the border changes.
    listing.fields.borderColour = "#FFFFFF";
    listing.assemble();
    listing.fields.borderColour = "#FF0000";
    listing.assemble();
    EXPECT_EQ(CountOf(listing.code, "bordercolor=\"#FF0000\""), 2u);
    EXPECT_EQ(CountOf(listing.code, "bgcolor=\"#FFFFFF\""), 1u);
    EXPECT_EQ(CountOf(listing.code, "\"#000080\""), fixedNavy);
}

TEST(AssembleListing, WithoutAStyleReplacesNothingButStillRecords) {
    ListingUnderTest listing(1);
    listing.code = "kept as it was";
    listing.fields.fields.of(3).title = "Recorded";
    listing.fields.background = "https://bg.example/001.jpg";
    listing.fields.fontColour = "#FF0000";
    listing.assemble();

    EXPECT_EQ(listing.code, "kept as it was");
    EXPECT_EQ(listing.placed.fields.of(3).title, "Recorded");
    EXPECT_EQ(listing.placed.background, "https://bg.example/001.jpg");
    EXPECT_EQ(listing.placed.fontMarker, "font color=\"#FF0000");
}

TEST(AssembleListing, InsertsValuesAsTypedAndSeesEarlierInsertions) {
    ListingUnderTest listing(2);
    listing.fillGroup();
    listing.group().title = "Best PicAlt21 <b>&</b>";
    listing.group().paragraphs[0] = "  line one\r\nline two  ";
    listing.assemble();

    // The title went in first; the picture step then replaced its token text too.
    EXPECT_EQ(CountOf(listing.code, "Best https://pics.example.com/teapot1.jpg <b>&</b>"), 1u);
    EXPECT_EQ(CountOf(listing.code, "<b>  line one\r\nline two  </b>"), 1u);
}

TEST(AssembleListing, AFreshLayoutOfTheOtherArrangementGetsTheSameValues) {
    ListingUnderTest listing(2);
    listing.fillGroup();
    listing.assemble();
    listing.chooseStyle(3);
    listing.assemble();
    EXPECT_EQ(CountOf(listing.code, "Blue teapot</b>"), 1u);
    EXPECT_EQ(CountOf(listing.code, "teapot2.jpg"), 2u);
}

TEST(AssembleListing, RecordsEveryGroupNotOnlyTheCurrentOne) {
    ListingUnderTest listing(2);
    listing.fields.fields.of(5).paragraphs[4] = "five-five";
    listing.assemble();
    EXPECT_EQ(listing.placed.fields.of(5).paragraphs[4], "five-five");
    EXPECT_EQ(listing.placed.fields.of(4).title, "");
}

TEST(BuildListing, FillsEverySlotFromThePristineLayout) {
    ListingUnderTest listing(4);
    listing.fillGroup();
    listing.group().pictures[1].clear();
    listing.assemble();
    listing.group().pictures[1] = "https://pics.example.com/late.jpg";
    listing.assemble(); // an emptied slot finds nothing in place

    ListingUnderTest fresh(4);
    fresh.fields = listing.fields;
    fresh.assemble();
    EXPECT_EQ(BuildListing(listing.fields), fresh.code);
    EXPECT_EQ(CountOf(BuildListing(listing.fields), "late.jpg"), 2u);
}

TEST(BuildListing, PutsTheFooterWhereTheLayoutKeepsRoom) {
    ListingUnderTest listing(7);
    listing.fillGroup();
    listing.assemble();
    EXPECT_EQ(BuildListing(listing.fields), listing.code);
    const std::string withFooter = BuildListing(listing.fields, PromotionalFooter());
    EXPECT_EQ(withFooter, InsertFooter(listing.code));
    EXPECT_EQ(CountOf(withFooter, PromotionalFooter()), 1u);
    EXPECT_EQ(CountOf(withFooter, kCommentMarker), 0u);
}

TEST(BuildListing, WithoutAStyleThereIsNoListing) {
    ListingUnderTest listing(1);
    EXPECT_EQ(BuildListing(listing.fields, PromotionalFooter()), "");
}

} // namespace
} // namespace vellumo
