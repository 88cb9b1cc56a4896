#pragma once

#include "colour_palette.h"
#include "listing_fields.h"

#include <string>

namespace vellumo {

// What one saved template holds: the fields of one photo count and the looks of the listing.
struct TemplateValues {
    FieldGroup group;           // its photo count is the file's
    int stylePosition = 0;      // the style picker's position; 0 when the file names none
    int backgroundPosition = 0; // the background picker's position of a built-in entry; 0 when it names none
    std::string borderColour = "#000000";
    std::string fontColour = "#000000";
    std::string backgroundColour = "#FFFFFF";
    DisplayColour borderSwatch = 0, fontSwatch = 0, backgroundSwatch = 16777215;
    std::string summary;       // eBay's phone summary as typed; empty for none
    std::string ownBackground; // the https address of "Your own picture…"; empty when not chosen
    bool operator==(const TemplateValues&) const = default;
};

} // namespace vellumo
