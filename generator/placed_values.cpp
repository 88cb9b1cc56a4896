#include "placed_values.h"

#include "colour_palette.h"

#include <array>
#include <string>

namespace vellumo {

namespace {

FieldGroup tokensOf(int photoCount) {
    FieldGroup tokens = FieldGroup::ForPhotoCount(photoCount);
    const std::string count = std::to_string(photoCount);
    tokens.title = photoCount == 2 ? "My Title" : "My Title" + count;
    // The 2-photo picture tokens have no "txt" in front.
    const std::string picturePrefix = photoCount == 2 ? "PicAlt" : "txtPicAlt";
    for (int row = 1; row <= photoCount; ++row) {
        tokens.pictures[row - 1] = picturePrefix + count + std::to_string(row);
        tokens.paragraphs[row - 1] = "txtAlt" + count + std::to_string(row);
    }
    return tokens;
}

} // namespace

const FieldGroup& LayoutTokens(int photoCount) {
    static const std::array<FieldGroup, 4> kTokens = {tokensOf(2), tokensOf(3), tokensOf(4), tokensOf(5)};
    return kTokens.at(photoCount - kMinPhotoCount);
}

PlacedValues ResetPlacedValues() {
    PlacedValues placed;
    for (int photoCount = kMinPhotoCount; photoCount <= kMaxPhotoCount; ++photoCount) {
        placed.fields.of(photoCount) = LayoutTokens(photoCount);
    }
    placed.background = kNoBackground;
    placed.borderMarker = ColourMarker(ColourTarget::Border, "BrdrClr");
    placed.fontMarker = ColourMarker(ColourTarget::Font, "FntClr");
    placed.backgroundColourMarker = ColourMarker(ColourTarget::Background, "BkGrnd");
    return placed;
}

} // namespace vellumo
