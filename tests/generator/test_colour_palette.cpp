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

// Red in the low byte of a display colour: pure red is 255 and pure blue 0xFF0000.
TEST(PaletteChoice, AnIndexGivesItsHtmlValueAndDisplayColour) {
    EXPECT_EQ(PaletteChoice(3), (ColourChoice{"#008080", 32896})) << "Olive";
    EXPECT_EQ(PaletteChoice(4), (ColourChoice{"#333399", 0x800000})) << "Navy: the swatch shows #000080";
    EXPECT_EQ(PaletteChoice(9), (ColourChoice{"#FF0000", 0x0000FF})) << "Red";
    EXPECT_EQ(PaletteChoice(15), DefaultColourChoice(ColourTarget::Border)) << "Black";
    EXPECT_FALSE(PaletteChoice(-1));
    EXPECT_FALSE(PaletteChoice(kPaletteSize));
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
