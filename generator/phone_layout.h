#pragma once

#include "listing_fields.h"

#include <string>
#include <string_view>

namespace vellumo {

// The layout text of a style in the given form; empty for "Select Template" and unknown positions.
const std::string& LayoutText(int position, LayoutForm form);

// A layout text in the phone-friendly form: its pictures scale down to the width there is and keep
// their 4:3 shape and have a slot for their description (see picture_alt_text.h), and long words and
// addresses in the title and paragraph cells wrap instead of widening the page. Inline styles only, as eBay
// may drop a style block; every token, attribute and line of the layout stays, so assembly fills it exactly
// as the designed one. From a viewport of about 900 px (the designed layout needs 865) it looks exactly as
// designed, pictures 400 x 300.
std::string PhoneFriendlyForm(std::string_view layoutText);

// What stands for the background in a layout of the given form, so assembly finds it: the address itself
// as designed; in the phone-friendly form the attribute with it, and with no background chosen an
// attribute that is no address, so buyers' browsers ask for no picture "No Background" next to the item.
std::string BackgroundMarker(LayoutForm form, std::string_view background);

} // namespace vellumo
