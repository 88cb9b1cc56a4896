#pragma once

#include "generator/field_ref.h"
#include "generator/listing_fields.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace vellumo {

// Which of the seller's fields each byte of an assembled listing comes from, so that what the whole listing
// does can be told to the seller by field. What no field put there is the layout's own markup.
class SourceMap {
public:
    enum class Source {
        Layout,  // the program's own markup
        Field,   // a value the seller typed or picked
        Unknown, // the html is not the listing of the fields
    };
    struct Origin {
        Source source = Source::Unknown;
        FieldRef field{FieldRef::Kind::Title};
        std::size_t begin = 0; // the stretch of html the field's value stands in
        std::size_t end = 0;
        bool wholeValue = false; // the stretch holds the field's value whole, so a fix can edit it there
    };

    // A map that knows nothing: every position is Unknown.
    SourceMap() = default;

    Origin originOf(std::size_t position) const;

private:
    struct Span {
        std::size_t begin;
        std::size_t end;
        FieldRef field;
        std::size_t valueSize; // the value's size when it was put in; a later replacement may cut the span
    };
    friend SourceMap MapListing(std::string_view html, const ListingFields& fields);

    bool m_mapped = false;
    std::vector<Span> m_spans; // in order, not overlapping
};

// Assembles the fields' listing again from the style's pristine layout, as BuildListing does (with the
// footer when the html holds one), recording where each replacement puts its value. When the result is not
// the html (no style, or html from elsewhere) the map knows nothing.
SourceMap MapListing(std::string_view html, const ListingFields& fields);

} // namespace vellumo
