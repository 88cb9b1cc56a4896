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

// The palette entry whose HTML value is exactly the given text, if any.
const PaletteEntry* PaletteEntryByHtmlValue(std::string_view htmlValue);

enum class ColourTarget { Border, Font, Background };

// Which of the three colours the option buttons choose: border wins, then background, else font.
ColourTarget ChooseColourTarget(bool borderSelected, bool backgroundSelected);

// One of the listing's three colours: what the listing writes and what its swatch shows. A pick takes both
// from one palette entry; a template brings them back as it kept them, which may be outside the palette.
struct ColourChoice {
    std::string htmlValue;
    DisplayColour swatch = 0;
    bool operator==(const ColourChoice&) const = default;
};

// The palette entry at an index of ColourPalette() as a choice; none outside 0..15.
std::optional<ColourChoice> PaletteChoice(int index);

// A colour as the listing writes it: a number sign and six hexadecimal digits, "#80C0FF".
bool IsHtmlColour(std::string_view text);

// The colour a target has before the seller picks one: black borders and text on white.
std::string_view DefaultColour(ColourTarget target);
ColourChoice DefaultColourChoice(ColourTarget target);

// The attribute text that marks each colour in the layouts: "bordercolor=", "font color=", "bgcolor=".
std::string_view ColourAttribute(ColourTarget target);

// Attribute, a double quote and the colour: the text assembly finds a colour by.
std::string ColourMarker(ColourTarget target, std::string_view colour);

} // namespace vellumo
