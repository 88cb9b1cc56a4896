#include "generator/placed_values.h"
#include "generator/template_style.h"
#include "generator_test_support.h"
#include "sha256.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vellumo {
namespace {

struct PinnedLayout {
    int position;
    std::string_view name;
    std::size_t length;
    std::string_view sha256;
};

class LayoutTextTest : public testing::TestWithParam<PinnedLayout> {};

TEST_P(LayoutTextTest, MatchesThePinnedBytes) {
    const PinnedLayout& pinned = GetParam();
    ASSERT_EQ(StyleAt(pinned.position)->layoutName, pinned.name);
    const std::string& text = LayoutText(pinned.position);
    EXPECT_EQ(text.size(), pinned.length);
    EXPECT_EQ(Sha256Hex(text), pinned.sha256);
}

TEST_P(LayoutTextTest, IsPlainAsciiWithCrLfAfterEveryLine) {
    const std::string& text = LayoutText(GetParam().position);
    ASSERT_FALSE(text.empty());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        ASSERT_LT(c, 0x80) << "at " << i;
        ASSERT_NE(c, '\t') << "at " << i;
        if (c == '\r') {
            ASSERT_EQ(text[i + 1], '\n') << "lone CR at " << i;
        }
        if (c == '\n') {
            ASSERT_EQ(text[i - 1], '\r') << "lone LF at " << i;
        }
    }
    EXPECT_TRUE(text.ends_with("\r\n"));
}

TEST_P(LayoutTextTest, HoldsEveryTokenAsOftenAsAssemblyExpects) {
    const int position = GetParam().position;
    const int photoCount = PhotoCountOfStyle(position);
    const std::string& text = LayoutText(position);
    const FieldGroup& tokens = LayoutTokens(photoCount);

    EXPECT_EQ(CountOf(text, tokens.title), 1u);
    for (int row = 0; row < photoCount; ++row) {
        EXPECT_EQ(CountOf(text, tokens.pictures[row]), 2u) << tokens.pictures[row];
        EXPECT_EQ(CountOf(text, tokens.paragraphs[row]), 1u) << tokens.paragraphs[row];
    }
    EXPECT_EQ(CountOf(text, "font color=\"FntClr\""), static_cast<std::size_t>(photoCount + 1));
    EXPECT_EQ(CountOf(text, "FntClr"), static_cast<std::size_t>(photoCount + 1));
    EXPECT_EQ(CountOf(text, "bordercolor=\"BrdrClr\""), 2u);
    EXPECT_EQ(CountOf(text, "bgcolor=\"BkGrnd\""), 1u);
    EXPECT_EQ(CountOf(text, "background=\"No Background\""), 1u);
    EXPECT_EQ(CountOf(text, "<!--My Comment-->"), 1u);
    // Rows beyond the photo count must not exist.
    EXPECT_EQ(CountOf(text, "<tr>"), static_cast<std::size_t>(photoCount + 2));
}

INSTANTIATE_TEST_SUITE_P(
    AllStyles, LayoutTextTest,
    testing::Values(
        PinnedLayout{2, "txt2Alt", 2171, "7fb5c8de8c4324c58d5aca21a70f081cb9e95a73f70c6156b73626a689557869"},
        PinnedLayout{3, "txt2Line", 2238, "a2832da0617f24d3988482210a7e0691a96d4bdae6ea9b56b553c9a83ca4294f"},
        PinnedLayout{4, "txt3Alt", 2620, "252ddb7ec2942c5e6c77611f4e57c48d9a3e457f26788952b3442f5e1dbd3533"},
        PinnedLayout{5, "txt3Line", 2712, "c7a850f0b866db0f5b4da7706af403797d5079c718835b6189553794c402f934"},
        PinnedLayout{6, "txt4Alt", 3189, "659d2ed196be66764c7468f935ff8720ab33e666bb1ecb58497ad93207df4504"},
        PinnedLayout{7, "txt4Line", 3311, "de0948743d7597744a1467bc7f577ca3e2a2fcdeac8d23289987a7d13998aeee"},
        PinnedLayout{8, "txt5Alt", 3508, "17b54682a28a54277f3ae3d4dc0efcac55855007fcfe0836b15151a680f64f79"},
        PinnedLayout{9, "txt5Line", 3794,
                     "9f2ebd6e4d522946af985b63311f60d2f98eeffeb6419cce7b45b7438c271902"}),
    [](const testing::TestParamInfo<PinnedLayout>& info) { return std::string(info.param.name); });

TEST(LayoutText, IsEmptyWithoutAStyle) {
    EXPECT_TRUE(LayoutText(1).empty());
    EXPECT_TRUE(LayoutText(0).empty());
    EXPECT_TRUE(LayoutText(10).empty());
}

TEST(Sha256, MatchesKnownDigests) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex(std::string(1000, 'a')),
              "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3");
}

} // namespace
} // namespace vellumo
