#pragma once

#include "generator/assembly.h"
#include "generator/listing_fields.h"
#include "generator/phone_layout.h"
#include "generator/placed_values.h"
#include "generator/template_style.h"

#include <string>
#include <string_view>

namespace vellumo {

// How often part stands in text, counting non-overlapping occurrences from the left.
inline std::size_t CountOf(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// A listing as the window holds it: fields, code box and placed values, with the style just chosen.
struct ListingUnderTest {
    ListingFields fields;
    std::string code;
    PlacedValues placed = ResetPlacedValues();

    explicit ListingUnderTest(int style) { chooseStyle(style); }

    // The style's pristine layout goes into the code box and every slot holds its token again.
    void chooseStyle(int style) {
        fields.style = style;
        code = LayoutText(style, fields.layoutForm);
        placed = ResetPlacedValues();
    }

    FieldGroup& group() { return fields.fields.of(PhotoCountOfStyle(fields.style)); }

    // Every field of the current style's group with a distinct, recognisable value.
    void fillGroup() {
        FieldGroup& values = group();
        values.title = "Blue teapot";
        for (int k = 0; k < values.photoCount(); ++k) {
            values.pictures[k] = "https://pics.example.com/teapot" + std::to_string(k + 1) + ".jpg";
            values.paragraphs[k] = "Paragraph " + std::to_string(k + 1) + " about the teapot.";
        }
    }

    void assemble() { AssembleListing(code, fields, placed); }
};

} // namespace vellumo
