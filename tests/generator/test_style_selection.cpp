#include "generator/template_style.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

struct ExpectedStyle {
    int position;
    const char* caption;
    int photoCount;
};

class StyleCatalogue : public testing::TestWithParam<ExpectedStyle> {};

TEST_P(StyleCatalogue, NamesEachPositionsCaptionPhotoCountAndLayout) {
    const ExpectedStyle& expected = GetParam();
    ASSERT_NE(StyleAt(expected.position), nullptr);
    EXPECT_EQ(StyleAt(expected.position)->caption, expected.caption);
    EXPECT_EQ(PhotoCountOfStyle(expected.position), expected.photoCount);
    EXPECT_EQ(LayoutText(expected.position).empty(), expected.photoCount == 0);
}

INSTANTIATE_TEST_SUITE_P(
    AllStyles, StyleCatalogue,
    testing::Values(ExpectedStyle{1, "Select Template", 0}, ExpectedStyle{2, "2 Alternating Photos", 2},
                    ExpectedStyle{3, "2 Inline Photos", 2}, ExpectedStyle{4, "3 Alternating Photos", 3},
                    ExpectedStyle{5, "3 Inline Photos", 3}, ExpectedStyle{6, "4 Alternating Photos", 4},
                    ExpectedStyle{7, "4 Inline Photos", 4}, ExpectedStyle{8, "5 Alternating Photos", 5},
                    ExpectedStyle{9, "5 Inline Photos", 5}),
    [](const testing::TestParamInfo<ExpectedStyle>& info) {
        return "Position" + std::to_string(info.param.position);
    });

TEST(StyleCatalogue, UnknownPositionsNameNoStyle) {
    for (int position : {0, 10, -1}) {
        EXPECT_EQ(StyleAt(position), nullptr);
        EXPECT_EQ(PhotoCountOfStyle(position), 0);
        EXPECT_TRUE(LayoutText(position).empty());
    }
}

TEST(TemplateStyles, ArrangementsFollowTheCaptions) {
    for (const TemplateStyle& style : TemplateStyles()) {
        if (style.photoCount == 0) {
            EXPECT_EQ(style.arrangement, Arrangement::None);
            continue;
        }
        const bool inlineCaption = std::string_view(style.caption).ends_with("Inline Photos");
        EXPECT_EQ(style.arrangement, inlineCaption ? Arrangement::Inline : Arrangement::Alternating);
        EXPECT_EQ(style.caption.front() - '0', style.photoCount);
    }
}

} // namespace
} // namespace vellumo
