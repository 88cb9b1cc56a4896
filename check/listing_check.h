#pragma once

#include "finding.h"
#include "generator/listing_fields.h"
#include "listing_language.h"

#include <string_view>
#include <vector>

namespace vellumo {

struct HtmlReading;

inline constexpr std::size_t kEbayDescriptionLimit = 500000;

class Speller;

// What the check knows beyond the listing: the language it is written in, whose eBay site's country its phone
// numbers are read for, and the speller of that language, without which spelling is not checked.
struct CheckOptions {
    ListingLanguage language = ListingLanguage::EnglishUs;
    const Speller* speller = nullptr;
};

// Looks at the listing HTML, parsed as a buyer's browser parses it, and at the values of the current
// style's photo count, for what eBay blocks or buyers never see. The listing is checked as one document and
// each finding names the field its text came from, so markup split over two fields is caught too. The
// listing itself is never changed. An empty result means nothing was found.
std::vector<Finding> CheckListing(std::string_view html, const ListingFields& fields,
                                  const CheckOptions& options = {});

// The same check of a listing already read with ReadHtml(html), for a caller that reads it for its own ends
// too: the reading is the larger part of a check's work.
std::vector<Finding> CheckListing(std::string_view html, const HtmlReading& reading,
                                  const ListingFields& fields, const CheckOptions& options = {});

// True when a finding is serious enough to stop and ask before the listing leaves the program.
bool NeedsConfirmation(const std::vector<Finding>& findings);

} // namespace vellumo
