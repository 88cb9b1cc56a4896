#include "colour_palette.h"

#include "text/letter_case.h"

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

DisplayColour PaletteColourByName(std::string_view name) {
    const auto sameIgnoringCase = [name](const PaletteEntry& entry) {
        return EqualIgnoringCase(entry.name, name);
    };
    const auto& palette = ColourPalette();
    const auto found = std::ranges::find_if(palette, sameIgnoringCase);
    return found == palette.end() ? 0 : found->displayColour;
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

std::optional<ColourPick> PickColour(std::string_view pickerText) {
    const auto& palette = ColourPalette();
    const auto found = std::ranges::find(palette, pickerText, &PaletteEntry::name);
    if (found == palette.end()) {
        return std::nullopt;
    }
    return ColourPick{std::string(found->htmlValue), found->displayColour,
                      std::to_string(found->displayColour)};
}

bool IsHtmlColour(std::string_view text) {
    return text.size() == 7 && text.front() == '#' && std::ranges::all_of(text.substr(1), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c));
           });
}

std::string_view DefaultColour(ColourTarget target) {
    return target == ColourTarget::Background ? "#FFFFFF" : "#000000";
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
