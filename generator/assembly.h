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

// Records the field values of the photo count in fields.photoCount and the shared slots, without
// touching the code. Returns false, recording nothing, when the photo count text is not a number.
bool ResyncPlacedValues(const ListingFields& fields, PlacedValues& placed);

// What choosing a style does to the generator's state.
struct StyleSelection {
    std::string code;
    PlacedValues placed;
    std::string photoCount;       // the new txtTag; unchanged (passed through) for "Select Template"
    std::string designFrameIndex; // the new DesignFrameIndex; unchanged for unknown positions
};

// The style's layout goes into the code in the given form.
StyleSelection SelectStyle(int position, std::string_view currentPhotoCount,
                           std::string_view currentDesignFrameIndex, LayoutForm form);

struct RebuiltListing {
    std::string code;
    PlacedValues placed;
};

// The listing of the current values built afresh from the style's pristine layout, as the preview shows
// it, so no slot emptied earlier stays behind. A credit footer that F12 put into the current code is kept.
RebuiltListing RebuildListing(std::string_view currentCode, const ListingFields& fields);

} // namespace vellumo
