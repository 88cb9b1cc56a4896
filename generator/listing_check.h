#pragma once

#include "listing_fields.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

enum class Severity {
    BlocksListing,    // eBay refuses the description or removes the listing
    HiddenFromBuyers, // the listing goes up, but buyers miss part of it
    Advice,
};

// A field of the listing as the seller knows it: "Title", "Second Picture", "Background Picture".
struct FieldRef {
    enum class Kind { Title, Picture, Paragraph, Background };
    Kind kind;
    int index = 0; // 0-based row for pictures and paragraphs
    bool operator==(const FieldRef&) const = default;
};

std::string FieldName(FieldRef field);

// A change to one field that cures the finding; the listing is rebuilt from the fields afterwards.
struct FieldFix {
    FieldRef field;
    std::string newValue;
    std::string caption; // what the offer says, e.g. "Use https://pics.example/1.jpg"
};

struct Finding {
    Severity severity;
    std::optional<FieldRef> field; // none for findings about the whole description
    std::string message;
    std::optional<FieldFix> fix;
};

inline constexpr std::size_t kEbayDescriptionLimit = 500000;

// Looks at the listing HTML and the values of the current style's photo count for what eBay blocks or
// buyers never see. The listing itself is never changed. An empty result means nothing was found.
std::vector<Finding> CheckListing(std::string_view html, const ListingFields& fields);

// True when a finding is serious enough to stop and ask before the listing leaves the program.
bool NeedsConfirmation(const std::vector<Finding>& findings);

} // namespace vellumo
