#pragma once

#include "colour_palette.h"

namespace vellumo {

// A value of the listing as the seller knows it: "Title", "Second Picture", the border colour, the credit
// footer that F12 puts in.
struct FieldRef {
    enum class Kind { Title, Picture, Paragraph, Background, Colour, Footer, Summary };
    Kind kind;
    int index = 0;                              // 0-based row for pictures and paragraphs
    ColourTarget colour = ColourTarget::Border; // which of the three, for Kind::Colour
    bool operator==(const FieldRef&) const = default;
};

} // namespace vellumo
