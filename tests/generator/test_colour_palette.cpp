#include "generator/colour_palette.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vellumo {
namespace {

TEST(ColourPalette, ListsTheSixteenNamesInPickerOrder) {
    std::string names;
    for (const PaletteEntry& entry : ColourPalette()) {
        names += (names.empty() ? "" : ",") + std::string(entry.name);
    }
    EXPECT_EQ(
        names,
        "White,Maroon,Green,Olive,Navy,Purple,Teal,Gray,Silver,Red,Lime,Yellow,Blue,Fuchsia,Aqua,Black");
}

TEST(ColourPalette, HtmlValuesAreSevenCharacterUpperCaseHex) {
    for (const PaletteEntry& entry : ColourPalette()) {
        ASSERT_EQ(entry.htmlValue.size(), 7u) << entry.name;
        EXPECT_EQ(entry.htmlValue.front(), '#');
        for (char c : entry.htmlValue.substr(1)) {
            EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << entry.name;
        }
    }
}

TEST(PaletteColourByName, AcceptsAnyLetterCaseAndGivesBlackForOtherNames) {
    EXPECT_EQ(PaletteColourByName("olive"), 32896u);
    EXPECT_EQ(PaletteColourByName("OLIVE"), 32896u);
    EXPECT_EQ(PaletteColourByName("Olive"), 32896u);
    EXPECT_EQ(PaletteColourByName("wHITE"), 16777215u);
    EXPECT_EQ(PaletteColourByName("Orange"), 0u);
    EXPECT_EQ(PaletteColourByName(""), 0u);
    EXPECT_EQ(PaletteColourByName("Olive "), 0u);
}

TEST(PaletteColourByName, DisplayColoursAreWindowsColourValues) {
    // Red in the low byte: pure red is 255 and pure blue 0xFF0000.
    EXPECT_EQ(PaletteColourByName("Red"), 0x0000FFu);
    EXPECT_EQ(PaletteColourByName("Blue"), 0xFF0000u);
    EXPECT_EQ(PaletteColourByName("Navy"), 0x800000u) << "the swatch shows #000080";
}

TEST(PickColour, APaletteNameGivesItsHtmlValueAndDisplayColour) {
    const auto olive = PickColour("Olive");
    ASSERT_TRUE(olive);
    EXPECT_EQ(olive->valueBoxText, "#008080");
    EXPECT_EQ(olive->vbText, "32896");

    const auto navy = PickColour("Navy");
    ASSERT_TRUE(navy);
    EXPECT_EQ(navy->valueBoxText, "#333399");
    EXPECT_EQ(navy->vbText, "8388608");
}

TEST(PickColour, OtherTextsChangeNothing) {
    EXPECT_FALSE(PickColour("olive")) << "the pick compares case-sensitively";
    EXPECT_FALSE(PickColour("Select Colors"));
    EXPECT_FALSE(PickColour(""));
}

TEST(ChooseColourTarget, BordersWinThenBackgroundElseText) {
    EXPECT_EQ(ChooseColourTarget(true, false), ColourTarget::Border);
    EXPECT_EQ(ChooseColourTarget(true, true), ColourTarget::Border);
    EXPECT_EQ(ChooseColourTarget(false, true), ColourTarget::Background);
    EXPECT_EQ(ChooseColourTarget(false, false), ColourTarget::Font);
}

TEST(PaletteEntryByHtmlValue, FindsTheEntryThatWritesThatValue) {
    ASSERT_NE(PaletteEntryByHtmlValue("#008080"), nullptr);
    EXPECT_EQ(PaletteEntryByHtmlValue("#008080")->name, "Olive");
    EXPECT_EQ(PaletteEntryByHtmlValue("#333399")->displayColour, 8388608u);
    EXPECT_EQ(PaletteEntryByHtmlValue("#000080"), nullptr);
    EXPECT_EQ(PaletteEntryByHtmlValue("#ffffff"), nullptr);
}

TEST(ColourMarker, CarriesTheAttributeAndAnOpeningQuote) {
    EXPECT_EQ(ColourMarker(ColourTarget::Border, "#000000"), "bordercolor=\"#000000");
    EXPECT_EQ(ColourMarker(ColourTarget::Font, "FntClr"), "font color=\"FntClr");
    EXPECT_EQ(ColourMarker(ColourTarget::Background, "BkGrnd"), "bgcolor=\"BkGrnd");
}

} // namespace
} // namespace vellumo
