#pragma once

#include "finding.h"
#include "generator/listing_fields.h"

#include <optional>
#include <string_view>

namespace vellumo {

// WCAG 2.1: text needs a contrast of at least 4.5 : 1 against what stands behind it to be read.
inline constexpr double kReadableContrast = 4.5;

// The relative luminance (0 black .. 1 white) of a colour written "#RRGGBB"; none for anything else.
std::optional<double> RelativeLuminance(std::string_view htmlColour);
// The contrast ratio of two relative luminances, 1 .. 21.
double ContrastRatio(double first, double second);

// The lowest contrast of the text colour against the background colour and the built-in background picture
// behind it; none when a colour is not a colour.
std::optional<double> TextContrast(const ListingFields& fields);
// A contrast as the seller reads it, to a tenth and rounded down, so that a ratio short of 4.5 never shows
// as 4.5.
double ShownContrast(double ratio);

// Advice when the text colour is hard to read against the background colour or the built-in background
// picture behind it, with a fix that picks the palette colour nearest to the text colour that reads well
// against both; none when the text reads well (or a colour is not a colour, which is told elsewhere).
std::optional<Finding> ContrastAdvice(const ListingFields& fields);

} // namespace vellumo
