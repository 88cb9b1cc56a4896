#pragma once

#include <string_view>

namespace vellumo {

// Elements eBay refuses as active content ("Disallowed JavaScript/HTML Syntax"): scripts, frames, plug-ins,
// forms and their controls, and the head elements that redirect or restyle the page.
bool IsActiveElement(std::string_view name);

// An attribute a browser runs as script: an event handler of the HTML standard (and of the CSS, pointer and
// touch events browsers add to it). "onion" or "online" are just names.
bool IsEventHandlerAttribute(std::string_view name);

// Elements whose content is not shown as the listing: what a browser does with the rest of a listing that
// one of them leaves open.
enum class ContentShown { AsMarkup, Hidden, AsCode };
ContentShown ContentShownOf(std::string_view element);

// How a browser uses the address in an attribute.
enum class AddressUse {
    None,    // not an address
    Link,    // followed when clicked, or a page put in a frame or sent a form
    Picture, // fetched and shown: pictures, backgrounds, media
    Style,   // a style sheet: its url() addresses are fetched
};
AddressUse AddressUseOf(std::string_view element, std::string_view attribute);

} // namespace vellumo
