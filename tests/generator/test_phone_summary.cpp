#include "generator/assembly.h"
#include "generator/phone_layout.h"
#include "generator/phone_summary.h"
#include "generator_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

const std::string kBlockStart =
    R"(<div vocab="https://schema.org/" typeof="Product" style="display:none"><span property="description">)";
const std::string kBlockEnd = "</span></div>";

struct BlockCase {
    const char* name;
    std::string summary;
    std::string block;
};

class SummaryBlockTest : public testing::TestWithParam<BlockCase> {};

TEST_P(SummaryBlockTest, IsEbaysHiddenBlockOnlyWhenTheSellerWroteOne) {
    EXPECT_EQ(SummaryBlock(GetParam().summary), GetParam().block);
}

INSTANTIATE_TEST_SUITE_P(
    Summaries, SummaryBlockTest,
    testing::Values(BlockCase{"None", "", ""}, BlockCase{"OnlyBlanksAndBreaks", " \r\n\t", ""},
                    BlockCase{"PlainText", "Blue teapot, 1.2 litre",
                              kBlockStart + "Blue teapot, 1.2 litre" + kBlockEnd},
                    BlockCase{"LineBreaksShown", "One\r\nTwo", kBlockStart + "One<br>\r\nTwo" + kBlockEnd},
                    BlockCase{"ListAsTyped", "<ul>\r\n<li>Lid</li>\r\n</ul>",
                              kBlockStart + "<ul>\r\n<li>Lid</li>\r\n</ul>" + kBlockEnd}),
    [](const testing::TestParamInfo<BlockCase>& info) { return std::string(info.param.name); });

struct ProblemCase {
    const char* name;
    std::string summary;
    std::size_t length;
    std::vector<SummaryProblem::Kind> problems;
};

class SummaryProblemsTest : public testing::TestWithParam<ProblemCase> {};

TEST_P(SummaryProblemsTest, CountsAsEbayDoesAndNamesWhatItWouldNotTake) {
    EXPECT_EQ(SummaryLength(GetParam().summary), GetParam().length);
    std::vector<SummaryProblem::Kind> kinds;
    for (const SummaryProblem& problem : SummaryProblems(GetParam().summary)) {
        kinds.push_back(problem.kind);
    }
    EXPECT_EQ(kinds, GetParam().problems);
}

using Kind = SummaryProblem::Kind;
INSTANTIATE_TEST_SUITE_P(
    Summaries, SummaryProblemsTest,
    testing::Values(
        ProblemCase{"Empty", "", 0, {}}, ProblemCase{"AccentedLettersCountOnce", "Caf\xC3\xA9", 4, {}},
        // "One<br>", the line break, "Two": the <br> counts, the line break once.
        ProblemCase{"LineBreakWithItsBr", "One\r\nTwo", 11, {}},
        ProblemCase{"AtTheLimit", std::string(800, 'x'), 800, {}},
        ProblemCase{"OverTheLimit", std::string(801, 'x'), 801, {Kind::TooLong}},
        ProblemCase{"AllowedMarkup", "<UL><li>A</li></ul><ol><li>B</ol><br/>C<br />&nbsp;", 51, {}},
        ProblemCase{"TextThatIsNoMarkup", "Tom & Jerry, size < 5 cm", 24, {}},
        ProblemCase{"OtherTag", "<b>Bold</b>", 11, {Kind::OtherMarkup}},
        ProblemCase{"AllowedTagWithAttributes", "<li class=\"x\">A", 15, {Kind::OtherMarkup}},
        ProblemCase{"OtherReference", "Fish &amp; chips", 16, {Kind::OtherMarkup}},
        ProblemCase{"UnclosedTag", "<span", 5, {Kind::OtherMarkup}},
        ProblemCase{"Both", std::string(800, 'x') + "<p>", 803, {Kind::TooLong, Kind::OtherMarkup}}),
    [](const testing::TestParamInfo<ProblemCase>& info) { return std::string(info.param.name); });

TEST(SummaryProblems, NameTheMarkupAndTheLimit) {
    const std::vector<SummaryProblem> problems =
        SummaryProblems(std::string(790, 'x') + "<b>a</b><i>b</i><u>c</u><p>");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].length, 817u);
    EXPECT_EQ(problems[1].markup, (std::vector<std::string>{"<b>", "</b>", "<i>"}));
    EXPECT_EQ(problems[1].markupCount, 7u);
}

// A 2-photo listing with a summary; the title text also stands in the summary.
struct SummarisedListing : ListingUnderTest {
    SummarisedListing()
        : ListingUnderTest(2) {
        fillGroup();
        fields.summary = "Blue teapot\r\nHand painted";
        assemble();
    }
};

TEST(SummaryInTheListing, StandsAtTheVeryStart) {
    SummarisedListing listing;
    EXPECT_TRUE(listing.code.starts_with(kBlockStart + "Blue teapot<br>\r\nHand painted" + kBlockEnd +
                                         LayoutText(2, listing.fields.layoutForm).substr(0, 20)));
}

TEST(SummaryInTheListing, OtherSlotsLeaveItAloneAndAChangeReplacesOnlyIt) {
    SummarisedListing listing;
    listing.group().title = "Green teapot";
    listing.assemble();
    EXPECT_TRUE(listing.code.starts_with(kBlockStart + "Blue teapot<br>"));
    EXPECT_NE(listing.code.find("Green teapot</b>"), std::string::npos);

    const std::string body = listing.code.substr(listing.code.find(kBlockEnd) + kBlockEnd.size());
    listing.fields.summary = "Short";
    listing.assemble();
    EXPECT_EQ(listing.code, kBlockStart + "Short" + kBlockEnd + body);

    listing.fields.summary.clear();
    listing.assemble();
    EXPECT_EQ(listing.code, body);
    listing.assemble();
    EXPECT_EQ(listing.code, body);
}

TEST(SummaryInTheListing, BuildingAfreshKeepsIt) {
    SummarisedListing listing;
    EXPECT_EQ(BuildListing(listing.fields), listing.code);
}

} // namespace
} // namespace vellumo
