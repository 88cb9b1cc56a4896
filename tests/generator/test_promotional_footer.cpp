#include "generator/promotional_footer.h"
#include "generator/template_style.h"
#include "generator_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

TEST(PromotionalFooter, IsThreeCentredBoldUnclosedParagraphsWithCrLfLines) {
    const std::string& footer = PromotionalFooter();
    EXPECT_EQ(CountOf(footer, "<p align=\"center\"><b>"), 3u);
    EXPECT_EQ(CountOf(footer, "</p>"), 0u);
    EXPECT_EQ(CountOf(footer, "target=\"_blank\""), 3u);
    EXPECT_EQ(CountOf(footer, "title=\"Get Vellumo\""), 1u);
    EXPECT_EQ(CountOf(footer, "<font color=\"#0000FF\">"), 3u);
    EXPECT_EQ(CountOf(footer, "href=\"https://"), 3u);
    EXPECT_EQ(CountOf(footer, "href=\"http:"), 0u);
    EXPECT_NE(footer.find("This\r\nlisting created with"), std::string::npos);
    EXPECT_NE(footer.find("Visit our website for Brenvik\r\nauthored software"), std::string::npos);
    EXPECT_TRUE(footer.ends_with("\r\n"));
    EXPECT_EQ(CountOf(footer, "\n"), CountOf(footer, "\r\n"));
}

TEST(InsertFooter, ReplacesTheCommentMarkerOnce) {
    const std::string& layout = LayoutText(2);
    const std::string withFooter = InsertFooter(layout);
    EXPECT_EQ(CountOf(withFooter, kCommentMarker), 0u);
    EXPECT_EQ(withFooter.size(), layout.size() - kCommentMarker.size() + PromotionalFooter().size());
    EXPECT_EQ(InsertFooter(withFooter), withFooter) << "a second F12 finds no marker";
    EXPECT_EQ(InsertFooter(""), "");
}

} // namespace
} // namespace vellumo
