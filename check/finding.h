#pragma once

#include "generator/field_ref.h"

#include <optional>
#include <string>

namespace vellumo {

enum class Severity {
    BlocksListing,    // eBay refuses the description or removes the listing
    HiddenFromBuyers, // the listing goes up, but buyers miss part of it
    Advice,
};

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

// The field as the seller knows it, as messages begin: "Title", "Second Picture", "Borders colour".
std::string FieldName(FieldRef field);

} // namespace vellumo
