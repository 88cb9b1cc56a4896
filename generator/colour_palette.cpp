#include "colour_palette.h"

#include <algorithm>
#include <cctype>

namespace vellumo {

const std::array<PaletteEntry, kPaletteSize>& ColourPalette() {
    // Six names write another colour into the listing than their swatch shows (Olive, Navy, Purple,
    // Teal, Gray, Aqua); listings made with them depend on those values, so they stay.
    static constexpr std::array<PaletteEntry, kPaletteSize> kPalette = {{
        {"White", "#FFFFFF", 16777215},
        {"Maroon", "#800000", 128},
        {"Green", "#008000", 32768},
        {"Olive", "#008080", 32896},
        {"Navy", "#333399", 8388608},
        {"Purple", "#9900FF", 8388736},
        {"Teal", "#00CC99", 8421376},
        {"Gray", "#999999", 8421504},
        {"Silver", "#C0C0C0", 12632256},
        {"Red", "#FF0000", 255},
        {"Lime", "#00FF00", 65280},
        {"Yellow", "#FFFF00", 65535},
        {"Blue", "#0000FF", 16711680},
        {"Fuchsia", "#FF00FF", 16711935},
        {"Aqua", "#66CCFF", 16776960},
        {"Black", "#000000", 0},
    }};
    return kPalette;
}

const PaletteEntry* PaletteEntryByHtmlValue(std::string_view htmlValue) {
    const auto& palette = ColourPalette();
    const auto found = std::ranges::find(palette, htmlValue, &PaletteEntry::htmlValue);
    return found == palette.end() ? nullptr : &*found;
}

ColourTarget ChooseColourTarget(bool borderSelected, bool backgroundSelected) {
    if (borderSelected) {
        return ColourTarget::Border;
    }
    return backgroundSelected ? ColourTarget::Background : ColourTarget::Font;
}

std::optional<ColourChoice> PaletteChoice(int index) {
    if (index < 0 || index >= kPaletteSize) {
        return std::nullopt;
    }
    const PaletteEntry& entry = ColourPalette()[static_cast<std::size_t>(index)];
    return ColourChoice{std::string(entry.htmlValue), entry.displayColour};
}

bool IsHtmlColour(std::string_view text) {
    return text.size() == 7 && text.front() == '#' && std::ranges::all_of(text.substr(1), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c));
           });
}

std::string_view DefaultColour(ColourTarget target) {
    return target == ColourTarget::Background ? "#FFFFFF" : "#000000";
}

ColourChoice DefaultColourChoice(ColourTarget target) {
    const std::string_view value = DefaultColour(target);
    return {std::string(value), PaletteEntryByHtmlValue(value)->displayColour};
}

std::string_view ColourAttribute(ColourTarget target) {
    switch (target) {
    case ColourTarget::Border:
        return "bordercolor=";
    case ColourTarget::Font:
        return "font color=";
    case ColourTarget::Background:
        return "bgcolor=";
    }
    return {};
}

std::string ColourMarker(ColourTarget target, std::string_view colour) {
    std::string marker(ColourAttribute(target));
    marker += '"';
    marker += colour;
    return marker;
}

} // namespace vellumo
