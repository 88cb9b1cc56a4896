#include "generator/assembly.h"
#include "generator/template_style.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

struct ExpectedStyle {
    int position;
    const char* caption;
    const char* photoCount;
    const char* frameIndex;
};

class StyleSelectionTest : public testing::TestWithParam<ExpectedStyle> {};

TEST_P(StyleSelectionTest, CopiesTheLayoutAndNamesItsPanelAndPhotoCount) {
    const ExpectedStyle& expected = GetParam();
    EXPECT_EQ(StyleAt(expected.position)->caption, expected.caption);

    const StyleSelection selection = SelectStyle(expected.position, "old", "9", LayoutForm::AsDesigned);
    EXPECT_EQ(selection.code, LayoutText(expected.position));
    EXPECT_EQ(selection.photoCount, expected.photoCount);
    EXPECT_EQ(selection.designFrameIndex, expected.frameIndex);
    EXPECT_EQ(selection.placed, ResetPlacedValues());
}

INSTANTIATE_TEST_SUITE_P(AllStyles, StyleSelectionTest,
                         testing::Values(ExpectedStyle{2, "2 Alternating Photos", "2", "0"},
                                         ExpectedStyle{3, "2 Inline Photos", "2", "0"},
                                         ExpectedStyle{4, "3 Alternating Photos", "3", "2"},
                                         ExpectedStyle{5, "3 Inline Photos", "3", "2"},
                                         ExpectedStyle{6, "4 Alternating Photos", "4", "3"},
                                         ExpectedStyle{7, "4 Inline Photos", "4", "3"},
                                         ExpectedStyle{8, "5 Alternating Photos", "5", "4"},
                                         ExpectedStyle{9, "5 Inline Photos", "5", "4"}),
                         [](const testing::TestParamInfo<ExpectedStyle>& info) {
                             return "Position" + std::to_string(info.param.position);
                         });

TEST(StyleSelection, SelectTemplateEmptiesTheCodeAndShowsTheTwoPhotoPanel) {
    const StyleSelection selection = SelectStyle(kNoStylePosition, "4", "3", LayoutForm::PhoneFriendly);
    EXPECT_EQ(StyleAt(kNoStylePosition)->caption, "Select Template");
    EXPECT_TRUE(selection.code.empty());
    EXPECT_EQ(selection.designFrameIndex, "0");
    EXPECT_EQ(selection.photoCount, "4") << "the photo count keeps its previous value";
    EXPECT_EQ(selection.placed, ResetPlacedValues());
}

TEST(StyleSelection, AnUnknownPositionEmptiesTheCodeAndKeepsThePanel) {
    for (int position : {0, 10, -1}) {
        const StyleSelection selection = SelectStyle(position, "4", "3", LayoutForm::PhoneFriendly);
        EXPECT_TRUE(selection.code.empty());
        EXPECT_EQ(selection.designFrameIndex, "3");
        EXPECT_EQ(selection.photoCount, "4");
        EXPECT_EQ(StyleAt(position), nullptr);
        EXPECT_EQ(PhotoCountOfStyle(position), 0);
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
