#include "generator/promotional_footer.h"
#include "generator/template_style.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

std::size_t countOf(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

TEST(PromotionalFooter, IsThreeCentredBoldUnclosedParagraphsWithCrLfLines) {
    const std::string& footer = PromotionalFooter();
    EXPECT_EQ(countOf(footer, "<p align=\"center\"><b>"), 3u);
    EXPECT_EQ(countOf(footer, "</p>"), 0u);
    EXPECT_EQ(countOf(footer, "target=\"_blank\""), 3u);
    EXPECT_EQ(countOf(footer, "title=\"Get Vellumo\""), 1u);
    EXPECT_EQ(countOf(footer, "<font color=\"#0000FF\">"), 3u);
    EXPECT_EQ(countOf(footer, "href=\"https://"), 3u);
    EXPECT_EQ(countOf(footer, "href=\"http:"), 0u);
    EXPECT_NE(footer.find("This\r\nlisting created with"), std::string::npos);
    EXPECT_NE(footer.find("Visit our website for Brenvik\r\nauthored software"), std::string::npos);
    EXPECT_TRUE(footer.ends_with("\r\n"));
    EXPECT_EQ(countOf(footer, "\n"), countOf(footer, "\r\n"));
}

TEST(InsertFooter, ReplacesTheCommentMarkerOnce) {
    const std::string& layout = LayoutText(2);
    const std::string withFooter = InsertFooter(layout);
    EXPECT_EQ(countOf(withFooter, kCommentMarker), 0u);
    EXPECT_EQ(withFooter.size(), layout.size() - kCommentMarker.size() + PromotionalFooter().size());
    EXPECT_EQ(InsertFooter(withFooter), withFooter) << "a second F12 finds no marker";
    EXPECT_EQ(InsertFooter(""), "");
}

} // namespace
} // namespace vellumo
