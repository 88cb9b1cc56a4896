#pragma once

#include "listing_fields.h"

#include <string>

namespace vellumo {

// The text that currently stands in the code for each of the 36 slots, and the phone summary's block at
// the start of the code. The colour slots hold the whole marker (attribute, quote, colour) so a colour is
// only ever found in its own attribute.
struct PlacedValues {
    FieldGroups fields;
    std::string background;
    std::string borderMarker;
    std::string fontMarker;
    std::string backgroundColourMarker;
    std::string summaryBlock; // empty: the code starts with the layout
    bool operator==(const PlacedValues&) const = default;
};

// Every slot back to the token the pristine layouts hold.
PlacedValues ResetPlacedValues();

// The placeholder tokens of one photo count as they stand in its layouts ("My Title3", "txtPicAlt31", ...).
const FieldGroup& LayoutTokens(int photoCount);

} // namespace vellumo
