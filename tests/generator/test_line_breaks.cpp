#include "generator/line_breaks.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

struct LineBreakCase {
    const char* name;
    std::string typed;
    std::string shown;
};

class ShowLineBreaksTest : public testing::TestWithParam<LineBreakCase> {};

TEST_P(ShowLineBreaksTest, ShowsEveryTypedBreakExceptBesideBlockMarkup) {
    EXPECT_EQ(ShowLineBreaks(GetParam().typed), GetParam().shown);
    EXPECT_EQ(ShowLineBreaks(GetParam().shown), GetParam().shown) << "shown twice is shown once";
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, ShowLineBreaksTest,
    testing::Values(
        LineBreakCase{"OneLine", "Fine china.", "Fine china."},
        LineBreakCase{"PlainLinesCrLf", "One\r\nTwo\r\nThree", "One<br>\r\nTwo<br>\r\nThree"},
        LineBreakCase{"PlainLinesLf", "One\nTwo", "One<br>\nTwo"},
        LineBreakCase{"LoneCr", "One\rTwo", "One<br>\rTwo"},
        LineBreakCase{"BlankLineBetween", "One\r\n\r\nTwo", "One<br>\r\n<br>\r\nTwo"},
        LineBreakCase{"TrailingBreak", "One\r\n", "One<br>\r\n"},
        LineBreakCase{"InlineMarkupStillBreaks", "<b>Bold</b>\r\n<i>next</i>",
                      "<b>Bold</b><br>\r\n<i>next</i>"},
        LineBreakCase{"SellersList",
                      "Includes:\r\n<ul>\r\n  <li>Lid</li>\r\n  <li>Cosy</li>\r\n</ul>\r\nShips fast.",
                      "Includes:\r\n<ul>\r\n  <li>Lid</li>\r\n  <li>Cosy</li>\r\n</ul>\r\nShips fast."},
        LineBreakCase{"SellersListLf", "<ol>\n<li>One\n<li>Two\n</ol>", "<ol>\n<li>One\n<li>Two\n</ol>"},
        LineBreakCase{"SellersTable",
                      "Sizes:\r\n<table border=\"1\">\r\n<tr><td>Height</td><td>20 cm</td></tr>\r\n</table>",
                      "Sizes:\r\n<table border=\"1\">\r\n<tr><td>Height</td><td>20 cm</td></tr>\r\n</table>"},
        LineBreakCase{"UpperCaseAndClosingTags", "<P>One</P>\r\nTwo\r\n<CENTER>Three",
                      "<P>One</P>\r\nTwo\r\n<CENTER>Three"},
        LineBreakCase{"TypedBreaksAndRules", "One<br>\r\nTwo<br />\r\n<hr/>\r\nThree",
                      "One<br>\r\nTwo<br />\r\n<hr/>\r\nThree"},
        LineBreakCase{"HeadingAndQuote", "<h2>Care</h2>\nWash by hand\n<blockquote>Lovely</blockquote>",
                      "<h2>Care</h2>\nWash by hand\n<blockquote>Lovely</blockquote>"},
        LineBreakCase{"NameThatOnlyStartsLikeABlockTag", "<tbodyx>\r\n<pretty>", "<tbodyx><br>\r\n<pretty>"},
        LineBreakCase{"TextAfterTheTag", "<li>Lid</li> and more\r\nnext",
                      "<li>Lid</li> and more<br>\r\nnext"}),
    [](const testing::TestParamInfo<LineBreakCase>& info) { return std::string(info.param.name); });

class BreakOutsideTextTest : public testing::TestWithParam<LineBreakCase> {};

// Markup pasted from elsewhere often spans lines: a break inside a tag, a comment, or an element whose
// content is not flowing text stays as typed, so the markup keeps its meaning.
TEST_P(BreakOutsideTextTest, StaysAsTyped) {
    EXPECT_EQ(ShowLineBreaks(GetParam().typed), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, BreakOutsideTextTest,
    testing::Values(
        LineBreakCase{"PictureAttributes", "<img src=\"https://i.ebayimg.com/a.jpg\"\nalt=\"teapot\">",
                      "<img src=\"https://i.ebayimg.com/a.jpg\"\nalt=\"teapot\">"},
        LineBreakCase{"LinkTarget", "<a href=\"https://www.ebay.com/str/x\"\r\ntarget=\"_blank\">store</a>",
                      "<a href=\"https://www.ebay.com/str/x\"\r\ntarget=\"_blank\">store</a>"},
        LineBreakCase{"StyleValue", "<td style=\"color:red;\npadding:4px\">x",
                      "<td style=\"color:red;\npadding:4px\">x"},
        LineBreakCase{"StyleSheet", "<style>\np{color:red}\n</style>", "<style>\np{color:red}\n</style>"},
        LineBreakCase{"ScriptTag", "<script\n>alert(1)\n</script>", "<script\n>alert(1)\n</script>"},
        LineBreakCase{"Comment", "Note <!-- one\ntwo --> end", "Note <!-- one\ntwo --> end"},
        LineBreakCase{"Preformatted", "<pre>a\n<b>b</b>\nc</pre>", "<pre>a\n<b>b</b>\nc</pre>"},
        LineBreakCase{"TextArea", "<textarea>a\nb</textarea>", "<textarea>a\nb</textarea>"},
        LineBreakCase{"Drawing", "<svg><text>a\nb</text></svg>", "<svg><text>a\nb</text></svg>"},
        LineBreakCase{"TextAroundADroppedTag", "a</span\n>b\nc", "a</span\n>b<br>\nc"},
        LineBreakCase{"TextAroundALongTag", "a\n<b title=\"" + std::string(2000, 'x') + "\"\n>b</b>\nc",
                      "a<br>\n<b title=\"" + std::string(2000, 'x') + "\"\n>b</b><br>\nc"},
        LineBreakCase{"LeadingBreak", "\nOne", "<br>\nOne"}),
    [](const testing::TestParamInfo<LineBreakCase>& info) { return std::string(info.param.name); });

TEST(ShowLineBreaks, OnlyParagraphsChange) {
    FieldGroups fields;
    FieldGroup& group = fields.of(3);
    group.title = "Title";
    group.pictures = {"a\r\nb", "", ""};
    group.paragraphs = {"One\r\nTwo", "", "Three"};
    const FieldGroups shown = ShowLineBreaks(fields);
    FieldGroups expected = fields;
    expected.of(3).paragraphs[0] = "One<br>\r\nTwo";
    EXPECT_EQ(shown, expected);
}

// A fix made to the shown paragraph reaches the seller's box as typed: the added "<br>"s come off, typed
// ones stay, and the fix itself is kept.
TEST(TypedAgain, UndoesOnlyWhatShowingAdded) {
    const std::string typed = "See http://shop.example/a\r\nTyped<br>\nlast http://x.example";
    std::string fixed = ShowLineBreaks(typed);
    for (std::size_t at = fixed.find("http:"); at != std::string::npos; at = fixed.find("http:", at)) {
        fixed.replace(at, 5, "https:");
    }
    EXPECT_EQ(TypedAgain(typed, fixed), "See https://shop.example/a\r\nTyped<br>\nlast https://x.example");
    EXPECT_EQ(TypedAgain("<ul>\r\n<li>a", ShowLineBreaks("<ul>\r\n<li>a") + "</ul>"), "<ul>\r\n<li>a</ul>");
}

} // namespace
} // namespace vellumo
