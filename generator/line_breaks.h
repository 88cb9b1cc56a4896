#pragma once

#include "listing_fields.h"

#include <string>
#include <string_view>

namespace vellumo {

// A paragraph as the listing shows it: HTML ignores a typed line break in text, so each one there gets a
// "<br>" in front of it. Where the paragraph is read as a browser reads it, a break that is not in flowing
// text is left alone: inside a tag or its attribute values, a comment, a style sheet or script, an element
// that shows its lines as typed or takes its content as text (pre, textarea, title...), and SVG or MathML.
// So is a break beside block-level markup the seller typed (a line that ends with, or a line that starts
// with, a tag such as <li>, </tr> or <br>), so a typed list or table gets no stray blank lines. CR LF, LF
// and a lone CR each count as one break and stay as typed. Since <br> is itself block-level, showing a
// shown paragraph again changes nothing.
std::string ShowLineBreaks(std::string_view paragraph);

// A change made to the shown form of a typed paragraph (a fix of the listing check), brought back to the
// typed form: the "<br>" that showing put before a line break comes off again, one the seller typed stays.
// The change must keep the paragraph's lines; shown is what ShowLineBreaks(typed) became after it.
std::string TypedAgain(std::string_view typed, std::string_view shown);

// Every paragraph of every field group shown that way; titles and picture addresses stay as they are.
FieldGroups ShowLineBreaks(FieldGroups fields);

} // namespace vellumo
