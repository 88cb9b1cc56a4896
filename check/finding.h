#pragma once

#include "generator/field_ref.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vellumo {

enum class Severity {
    BlocksListing,    // eBay refuses the description or removes the listing
    HiddenFromBuyers, // the listing goes up, but buyers miss part of it
    Advice,
};

// What the check found, one kind of problem each. The core says what and where; the window words it in the
// seller's language. The comments name the values each kind fills in.
enum class FindingKind {
    // A picture's or the background's address as the field holds it; found: the address, where named.
    NoAddress,
    DefaultAddress,
    LocalFile,             // found: the address
    HttpAddress,           // the fix uses the address with https:
    SchemeRelativeAddress, // found: the address
    NotAWebAddress,        // found: the address
    // The title or a paragraph.
    EmptyText,
    DefaultText,
    NotAColour,        // found: the value, at most 40 bytes
    BuiltInBackground, // found: the built-in background buyers cannot load yet, none when the address names
                       // none
    SummaryTooLong,    // length: the summary's, as eBay counts it; limit: what eBay shows
    SummaryMarkup,     // found: the first markup eBay does not take there; different: how much in all
    // In the listing as a browser reads it; found: the first few things met, each different one once with how
    // often; different: how many different ones in all.
    ActiveContent,  // found: elements, attributes and addresses
    OffEbayLink,    // found: the host, or the address when it has none
    OffEbayStyling, // found: style sheets and fonts, by host or address
    MailAddress,
    PhoneNumber,
    HttpPicture,
    HttpLink,
    SchemeRelative,
    PictureNotOnWeb,
    HiddenRest,    // found: the opening never closed: "<!--", "<title>", "<xmp>"
    UnfinishedTag, // found: the start of the tag as the field writes it
    // The markup passes what the check reads in bounded time; limit: the limit passed.
    NestedTooDeep,
    TooManyAttributes,
    TooManyNodes,
    // found: the text colour, then the colour or the built-in background picture behind it; contrast: theirs.
    HardToRead,
    // found: the words, each with the dictionary's first suggestion when there is one; different: how many
    // words in all.
    UnknownWords,
    DescriptionTooLong, // length: the description's in characters, tags included; limit: eBay's
};

// One thing the check met, as the listing writes it.
struct Found {
    enum class As {
        Text,              // a text, an address or a host
        Element,           // "<script>"
        Attribute,         // "onclick="
        Address,           // an address by its scheme: "javascript:"
        StyleSheet,        // a style sheet, by its host or address
        Font,              // a font, by its host or address
        BackgroundPicture, // a built-in background by its number: "007"
    };
    As as = As::Text;
    std::string text = {};       // long ones shortened to 60 bytes and "…", never inside a character
    std::size_t count = 1;       // how often it stands in the field
    std::string suggestion = {}; // for an unknown word: the dictionary's first suggestion; empty when none
    bool operator==(const Found&) const = default;
};

// How a fix changes its field, for its offer to say.
enum class FixKind {
    UseAddress,            // shown: the address the field gets
    UseColour,             // shown: the palette name of the colour the field gets
    UseHttps,              // every http: address in the field becomes https:
    PutHttpsInFront,       // every address without a scheme gets https: in front
    TakeOut,               // count: how many phone numbers come out
    CloseWith,             // shown: the closing markup added at the end
    KeepCreditWithoutLink, // the credit footer without its link off eBay
    Correct,               // shown: the first corrections; count: how many in all
};

// A change to one field that cures the finding; the listing is rebuilt from the fields afterwards.
struct FieldFix {
    FieldRef field = {};
    std::string newValue = {};
    FixKind kind = FixKind::UseAddress;
    std::vector<std::string> shown = {};
    std::size_t count = 0;
};

// Every member has a default, so a finding names only what its kind fills in.
struct Finding {
    FindingKind kind = FindingKind::NoAddress;
    Severity severity = Severity::Advice;
    std::optional<FieldRef> field = {}; // none for findings about the whole description
    std::vector<Found> found = {};
    std::size_t different = 0; // of the kinds that name only the first few: how many different ones in all
    std::size_t length = 0;
    std::size_t limit = 0;
    double contrast = 0; // WCAG's contrast ratio, 1 .. 21
    std::optional<FieldFix> fix = {};
};

} // namespace vellumo
