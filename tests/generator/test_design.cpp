#include "generator/assembly.h"
#include "generator/design.h"
#include "generator/promotional_footer.h"
#include "generator_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vellumo {
namespace {

constexpr int kOlive = 3;
constexpr int kRed = 9;

// A design of style 4 (three photos, alternating) with every field of its group typed.
Design TeapotDesign() {
    Design design;
    design.pickStyle(4);
    design.setField(3, {FieldRef::Kind::Title}, "Blue teapot");
    for (int k = 0; k < 3; ++k) {
        design.setField(3, {FieldRef::Kind::Picture, k},
                        "https://i.ebayimg.com/t" + std::to_string(k) + ".jpg");
        design.setField(3, {FieldRef::Kind::Paragraph, k}, "Line one\r\nLine two");
    }
    return design;
}

TEST(Design, StartsWithoutALayoutInBlackOnWhiteAndUnchanged) {
    const Design design;
    EXPECT_EQ(design.style(), kNoStylePosition);
    EXPECT_EQ(design.photoCount(), 0);
    EXPECT_EQ(design.listing(), "");
    EXPECT_EQ(design.colour(ColourTarget::Border), DefaultColourChoice(ColourTarget::Border));
    EXPECT_EQ(design.colour(ColourTarget::Background).htmlValue, "#FFFFFF");
    EXPECT_EQ(design.backgroundAddress(), kNoBackground);
    EXPECT_FALSE(design.changedSinceSaved());
}

TEST(Design, TheListingIsTheLayoutFilledWithTheValuesAsShown) {
    Design design = TeapotDesign();
    design.pickColour(ColourTarget::Font, kOlive);
    design.pickBackground({BackgroundChoice::Kind::BuiltIn, 7});
    EXPECT_EQ(design.listing(), BuildListing(design.listingFields()));
    EXPECT_EQ(design.listingFields().fields.of(3).paragraphs[0], "Line one<br>\r\nLine two");
    EXPECT_EQ(design.fields().of(3).paragraphs[0], "Line one\r\nLine two")
        << "the design keeps what was typed";
    EXPECT_EQ(CountOf(design.listing(), "font color=\"#008080\""), 4u);
    EXPECT_EQ(CountOf(design.listing(), BuiltInBackgroundAddress(7)), 1u);

    // A slot emptied and typed again is in the next listing: every listing starts from the layout.
    design.setField(3, {FieldRef::Kind::Picture, 1}, "");
    ASSERT_EQ(CountOf(design.listing(), "t1.jpg"), 0u);
    design.setField(3, {FieldRef::Kind::Picture, 1}, "https://i.ebayimg.com/late.jpg");
    EXPECT_EQ(CountOf(design.listing(), "late.jpg"), 2u);
}

TEST(Design, PicksOutsideTheirRangeChangeNothing) {
    Design design = TeapotDesign();
    const std::string listing = design.listing();
    design.pickStyle(10);
    design.pickColour(ColourTarget::Border, kPaletteSize);
    EXPECT_FALSE(design.pickBackground({BackgroundChoice::Kind::Own})) << "no own address given yet";
    EXPECT_FALSE(design.chooseOwnBackground("http://pics.example/linen.jpg"));
    design.setField(7, {FieldRef::Kind::Title}, "seven");
    design.setField(3, {FieldRef::Kind::Picture, 3}, "row four of three");
    EXPECT_EQ(design.listing(), listing);
    EXPECT_EQ(design.style(), 4);
}

TEST(Design, FooterStaysUntilTheListingStartsAfreshFromItsLayout) {
    Design design;
    design.insertFooter();
    EXPECT_EQ(design.footer(), "") << "no layout, no room for a footer";
    design = TeapotDesign();
    design.insertFooter();
    design.pickColour(ColourTarget::Border, kRed);
    EXPECT_EQ(CountOf(design.listing(), PromotionalFooter()), 1u);
    design.applyFix({FieldRef::Kind::Footer}, CreditFooter());
    design.insertFooter();
    EXPECT_EQ(design.footer(), CreditFooter()) << "F12 again brings no second footer";
    design.pickStyle(design.style());
    EXPECT_EQ(CountOf(design.listing(), CreditFooter()), 0u);
}

TEST(Design, OwnBackgroundIsRememberedWhileAnotherIsChosen) {
    Design design = TeapotDesign();
    ASSERT_TRUE(design.chooseOwnBackground("  https://pics.example/linen.jpg\r\n"));
    EXPECT_EQ(design.backgroundAddress(), "https://pics.example/linen.jpg");
    design.markSaved();
    ASSERT_TRUE(design.pickBackground({}));
    EXPECT_EQ(design.backgroundAddress(), kNoBackground);
    ASSERT_TRUE(design.pickBackground({BackgroundChoice::Kind::Own}));
    EXPECT_EQ(design.backgroundAddress(), "https://pics.example/linen.jpg");
    EXPECT_FALSE(design.changedSinceSaved());
}

// Each change a seller can make counts as unsaved; a save or a load sets it back.
TEST(Design, EveryChangeToWhatASaveKeepsCounts) {
    const std::vector<std::pair<const char*, std::function<void(Design&)>>> changes = {
        {"style", [](Design& d) { d.pickStyle(5); }},
        {"title", [](Design& d) { d.setField(3, {FieldRef::Kind::Title}, "Green teapot"); }},
        {"a field of another photo count",
         [](Design& d) {
             d.setField(5, {FieldRef::Kind::Paragraph, 4}, "x");
         }},
        {"colour", [](Design& d) { d.pickColour(ColourTarget::Background, kRed); }},
        {"background",
         [](Design& d) {
             d.pickBackground({BackgroundChoice::Kind::BuiltIn, 3});
         }},
        {"own background", [](Design& d) { (void)d.chooseOwnBackground("https://pics.example/a.jpg"); }},
        {"summary", [](Design& d) { d.setSummary("Hand painted"); }},
    };
    for (const auto& [name, change] : changes) {
        Design design = TeapotDesign();
        design.markSaved();
        change(design);
        EXPECT_TRUE(design.changedSinceSaved()) << name;
        design.markSaved();
        EXPECT_FALSE(design.changedSinceSaved()) << name;
    }
    Design design = TeapotDesign();
    design.markSaved();
    design.setLayoutForm(LayoutForm::AsDesigned);
    design.insertFooter();
    EXPECT_FALSE(design.changedSinceSaved()) << "the form and the footer are no part of a template";
}

TEST(Design, ATemplateSavedAndLoadedGivesTheSameDesign) {
    Design saved = TeapotDesign();
    saved.pickColour(ColourTarget::Border, kOlive);
    saved.setSummary("Hand painted");
    ASSERT_TRUE(saved.chooseOwnBackground("https://pics.example/linen.jpg"));
    const TemplateValues values = saved.templateValues(3);
    EXPECT_EQ(values.stylePosition, 4);
    EXPECT_EQ(values.backgroundPosition, 1) << "\"Image\" names a built-in entry only";
    EXPECT_EQ(values.ownBackground, "https://pics.example/linen.jpg");
    EXPECT_EQ(values.borderColour, "#008080");
    EXPECT_EQ(values.borderSwatch, 32896u);

    Design loaded;
    loaded.pickStyle(9);
    loaded.setField(5, {FieldRef::Kind::Title}, "unsaved");
    loaded.applyTemplate(3, values);
    EXPECT_EQ(loaded.listing(), saved.listing());
    EXPECT_EQ(loaded.templateValues(3), values);
    EXPECT_EQ(loaded.fields().of(5).title, "unsaved") << "other photo counts keep their fields";
    EXPECT_FALSE(loaded.changedSinceSaved());
}

TEST(Design, ATemplateThatNamesNoEntryLeavesThatPickAsItIs) {
    Design design = TeapotDesign();
    ASSERT_TRUE(design.chooseOwnBackground("https://pics.example/linen.jpg"));
    design.insertFooter();
    TemplateValues values = design.templateValues(3);
    values.stylePosition = 12;
    values.ownBackground.clear();
    values.backgroundPosition = kOwnPictureEntry; // only the own key names the own picture
    design.applyTemplate(3, values);
    EXPECT_EQ(design.style(), 4);
    EXPECT_EQ(design.footer(), "") << "loading picks the style again";
    EXPECT_EQ(design.backgroundAddress(), "https://pics.example/linen.jpg");

    values.stylePosition = kNoStylePosition;
    values.backgroundPosition = 8;
    design.applyTemplate(3, values);
    EXPECT_EQ(design.style(), kNoStylePosition);
    EXPECT_EQ(design.backgroundAddress(), BuiltInBackgroundAddress(7));
}

struct FixCase {
    const char* name;
    FieldRef field;
    std::string newValue;
    std::function<std::string(const Design&)> read;
    std::string expected;
};

class DesignFix : public testing::TestWithParam<FixCase> {};

TEST_P(DesignFix, ReachesItsField) {
    Design design = TeapotDesign();
    design.insertFooter();
    design.applyFix(GetParam().field, GetParam().newValue);
    EXPECT_EQ(GetParam().read(design), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, DesignFix,
    testing::Values(FixCase{"Title",
                            {FieldRef::Kind::Title},
                            "Teapot",
                            [](const Design& d) { return d.fields().of(3).title; },
                            "Teapot"},
                    FixCase{"Picture",
                            {FieldRef::Kind::Picture, 2},
                            "https://x.example/2.jpg",
                            [](const Design& d) { return d.fields().of(3).pictures[2]; },
                            "https://x.example/2.jpg"},
                    // The fix was made on the paragraph as shown; the box gets it back as typed.
                    FixCase{"Paragraph",
                            {FieldRef::Kind::Paragraph, 1},
                            "Line 1<br>\r\nLine two",
                            [](const Design& d) { return d.fields().of(3).paragraphs[1]; },
                            "Line 1\r\nLine two"},
                    FixCase{"Colour",
                            {FieldRef::Kind::Colour, 0, ColourTarget::Font},
                            "#FF0000",
                            [](const Design& d) { return d.colour(ColourTarget::Font).htmlValue; },
                            "#FF0000"},
                    FixCase{"Background",
                            {FieldRef::Kind::Background},
                            "https://x.example/bg.jpg",
                            [](const Design& d) { return d.backgroundAddress(); },
                            "https://x.example/bg.jpg"},
                    FixCase{"Footer",
                            {FieldRef::Kind::Footer},
                            CreditFooter(),
                            [](const Design& d) { return d.footer(); },
                            CreditFooter()},
                    FixCase{"Summary",
                            {FieldRef::Kind::Summary},
                            "Short",
                            [](const Design& d) { return d.summary(); },
                            "Short"}),
    [](const testing::TestParamInfo<FixCase>& info) { return info.param.name; });

} // namespace
} // namespace vellumo
