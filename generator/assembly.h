#pragma once

#include "field_ref.h"
#include "listing_fields.h"
#include "placed_values.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// One replacement of an assembly: every occurrence of the text standing in a slot becomes the field's
// current value. The first valueStart bytes of the new text are the layout's own (a colour's attribute).
struct SlotReplacement {
    FieldRef field;
    std::string placed;
    std::string current;
    std::size_t valueStart = 0;
};

// The replacements AssembleListing makes, in its order; none with no style chosen.
std::vector<SlotReplacement> AssemblyReplacements(const ListingFields& fields, const PlacedValues& placed);

// Puts the current values into the code where the placed values stand, then records what now stands
// there. The phone summary's block is the code's start: the placed one is taken off first, so no other
// slot's replacement reaches into it, and the current one put in front. With no style chosen nothing is
// replaced, but the values are still recorded.
void AssembleListing(std::string& code, const ListingFields& fields, PlacedValues& placed);

// The listing of the values built afresh from the style's pristine layout in their form, so no slot emptied
// earlier stays behind, with a credit footer (as F12 puts it in) where the layout keeps room for one when
// one is given. Empty with no style chosen.
std::string BuildListing(const ListingFields& fields, std::string_view footer = {});

} // namespace vellumo
