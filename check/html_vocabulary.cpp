#include "html_vocabulary.h"

#include <algorithm>
#include <array>

namespace vellumo {

namespace {

constexpr std::array<std::string_view, 19> kActiveElements = {
    "applet",  "base", "button", "embed",  "fencedframe", "form",   "frame",  "frameset", "iframe", "input",
    "isindex", "link", "meta",   "object", "portal",      "script", "select", "textarea", "keygen",
};

// Sorted, for a binary search.
constexpr std::array<std::string_view, 151> kEventHandlers = {
    "onabort",
    "onactivate",
    "onafterprint",
    "onanimationcancel",
    "onanimationend",
    "onanimationiteration",
    "onanimationstart",
    "onauxclick",
    "onbeforeactivate",
    "onbeforecopy",
    "onbeforecut",
    "onbeforedeactivate",
    "onbeforeinput",
    "onbeforematch",
    "onbeforepaste",
    "onbeforeprint",
    "onbeforetoggle",
    "onbeforeunload",
    "onbeforexrselect",
    "onbegin",
    "onblur",
    "oncancel",
    "oncanplay",
    "oncanplaythrough",
    "onchange",
    "onclick",
    "onclose",
    "oncommand",
    "oncontentvisibilityautostatechange",
    "oncontextlost",
    "oncontextmenu",
    "oncontextrestored",
    "oncopy",
    "oncuechange",
    "oncut",
    "ondblclick",
    "ondeactivate",
    "ondrag",
    "ondragend",
    "ondragenter",
    "ondragexit",
    "ondragleave",
    "ondragover",
    "ondragstart",
    "ondrop",
    "ondurationchange",
    "onemptied",
    "onencrypted",
    "onend",
    "onended",
    "onenterpictureinpicture",
    "onerror",
    "onfocus",
    "onfocusin",
    "onfocusout",
    "onformdata",
    "onfullscreenchange",
    "onfullscreenerror",
    "ongesturechange",
    "ongestureend",
    "ongesturestart",
    "ongotpointercapture",
    "onhashchange",
    "oninput",
    "oninvalid",
    "onkeydown",
    "onkeypress",
    "onkeyup",
    "onlanguagechange",
    "onleavepictureinpicture",
    "onload",
    "onloadeddata",
    "onloadedmetadata",
    "onloadend",
    "onloadstart",
    "onlostpointercapture",
    "onmessage",
    "onmessageerror",
    "onmousedown",
    "onmouseenter",
    "onmouseleave",
    "onmousemove",
    "onmouseout",
    "onmouseover",
    "onmouseup",
    "onmousewheel",
    "onoffline",
    "ononline",
    "onpagehide",
    "onpagereveal",
    "onpageshow",
    "onpageswap",
    "onpaste",
    "onpause",
    "onplay",
    "onplaying",
    "onpointercancel",
    "onpointerdown",
    "onpointerenter",
    "onpointerleave",
    "onpointermove",
    "onpointerout",
    "onpointerover",
    "onpointerrawupdate",
    "onpointerup",
    "onpopstate",
    "onprogress",
    "onratechange",
    "onrejectionhandled",
    "onrepeat",
    "onreset",
    "onresize",
    "onscroll",
    "onscrollend",
    "onscrollsnapchange",
    "onscrollsnapchanging",
    "onsearch",
    "onsecuritypolicyviolation",
    "onseeked",
    "onseeking",
    "onselect",
    "onselectionchange",
    "onselectstart",
    "onshow",
    "onslotchange",
    "onstalled",
    "onstorage",
    "onsubmit",
    "onsuspend",
    "ontimeupdate",
    "ontoggle",
    "ontouchcancel",
    "ontouchend",
    "ontouchmove",
    "ontouchstart",
    "ontransitioncancel",
    "ontransitionend",
    "ontransitionrun",
    "ontransitionstart",
    "onunhandledrejection",
    "onunload",
    "onvolumechange",
    "onwaiting",
    "onwaitingforkey",
    "onwebkitanimationend",
    "onwebkitanimationiteration",
    "onwebkitanimationstart",
    "onwebkitfullscreenchange",
    "onwebkitfullscreenerror",
    "onwebkittransitionend",
    "onwheel",
};
static_assert(std::ranges::is_sorted(kEventHandlers));
static_assert(std::ranges::all_of(kEventHandlers,
                                  [](std::string_view name) { return name.starts_with("on"); }));

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::ranges::find(names, name) != names.end();
}

} // namespace

bool IsActiveElement(std::string_view name) {
    return std::ranges::find(kActiveElements, name) != kActiveElements.end();
}

bool IsEventHandlerAttribute(std::string_view name) {
    // Every handler's name starts with "on": most attributes are told apart without a search.
    return name.starts_with("on") && std::ranges::binary_search(kEventHandlers, name);
}

ContentShown ContentShownOf(std::string_view element) {
    if (isOneOf(element,
                {"title", "style", "script", "noembed", "noframes", "noscript", "iframe", "template"})) {
        return ContentShown::Hidden;
    }
    if (isOneOf(element, {"xmp", "textarea", "plaintext"})) {
        return ContentShown::AsCode;
    }
    return ContentShown::AsMarkup;
}

AddressUse AddressUseOf(std::string_view element, std::string_view attribute) {
    if (attribute == "style") {
        return AddressUse::Style;
    }
    if (attribute == "background" || attribute == "poster" ||
        (isOneOf(attribute, {"src", "srcset"}) &&
         isOneOf(element, {"img", "input", "video", "audio", "source", "track"}))) {
        return AddressUse::Picture;
    }
    if (attribute == "href" || attribute == "xlink:href") {
        return isOneOf(element, {"image", "use", "feimage"}) ? AddressUse::Picture : AddressUse::Link;
    }
    if (isOneOf(attribute, {"src", "data", "action", "formaction"})) {
        return AddressUse::Link;
    }
    return AddressUse::None;
}

} // namespace vellumo
