#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellumo {

// A Windows colour value: 0x00BBGGRR.
using DisplayColour = std::uint32_t;

struct PaletteEntry {
    std::string_view name;
    std::string_view htmlValue;  // what the listing gets
    DisplayColour displayColour; // what the swatch shows
};

inline constexpr int kPaletteSize = 16;

// In the order the colour picker lists them.
const std::array<PaletteEntry, kPaletteSize>& ColourPalette();

// Display colour of a palette name in any letter case; 0 (black) for a name outside the palette.
DisplayColour PaletteColourByName(std::string_view name);

// The palette entry whose HTML value is exactly the given text, if any.
const PaletteEntry* PaletteEntryByHtmlValue(std::string_view htmlValue);

enum class ColourTarget { Border, Font, Background };

// Which of the three colours the option buttons choose: border wins, then background, else font.
ColourTarget ChooseColourTarget(bool borderSelected, bool backgroundSelected);

struct ColourPick {
    std::string valueBoxText;    // the new text of the target's value box
    DisplayColour displayColour; // what the target's swatch shows
    std::string vbText;          // the new txtVB: the display colour as decimal text
};

// A picker text that is exactly a palette name (case-sensitive) gives the new texts; anything else none.
std::optional<ColourPick> PickColour(std::string_view pickerText);

// A colour as the listing writes it: a number sign and six hexadecimal digits, "#80C0FF".
bool IsHtmlColour(std::string_view text);

// The colour a target has before the seller picks one: black borders and text on white.
std::string_view DefaultColour(ColourTarget target);

// The attribute text that marks each colour in the layouts: "bordercolor=", "font color=", "bgcolor=".
std::string_view ColourAttribute(ColourTarget target);

// Attribute, a double quote and the colour: the text assembly finds a colour by.
std::string ColourMarker(ColourTarget target, std::string_view colour);

} // namespace vellumo
