#include "assembly.h"

#include "colour_palette.h"
#include "phone_layout.h"
#include "phone_summary.h"
#include "promotional_footer.h"
#include "template_style.h"
#include "text/numbers.h"
#include "text/replace.h"

#include <optional>
#include <string>

namespace vellumo {

namespace {

void replaceGroup(std::string& code, const FieldGroup& placed, const FieldGroup& current) {
    ReplaceAll(code, placed.title, current.title);
    for (std::size_t k = 0; k < current.pictures.size(); ++k) {
        ReplaceAll(code, placed.pictures[k], current.pictures[k]);
    }
    for (std::size_t k = 0; k < current.paragraphs.size(); ++k) {
        ReplaceAll(code, placed.paragraphs[k], current.paragraphs[k]);
    }
}

void recordSharedSlots(const ListingFields& fields, PlacedValues& placed) {
    placed.background = fields.background;
    placed.borderMarker = ColourMarker(ColourTarget::Border, fields.borderColour);
    placed.fontMarker = ColourMarker(ColourTarget::Font, fields.fontColour);
    placed.backgroundColourMarker = ColourMarker(ColourTarget::Background, fields.backgroundColour);
    placed.summaryBlock = SummaryBlock(fields.summary);
}

} // namespace

void AssembleListing(std::string& code, const ListingFields& fields, PlacedValues& placed) {
    const int photoCount = PhotoCountOfStyle(fields.style);
    if (photoCount != 0) {
        std::string body =
            code.starts_with(placed.summaryBlock) ? code.substr(placed.summaryBlock.size()) : std::move(code);
        replaceGroup(body, placed.fields.of(photoCount), fields.fields.of(photoCount));
        ReplaceAll(body, placed.background, fields.background);
        ReplaceAll(body, placed.borderMarker, ColourMarker(ColourTarget::Border, fields.borderColour));
        ReplaceAll(body, placed.fontMarker, ColourMarker(ColourTarget::Font, fields.fontColour));
        ReplaceAll(body, placed.backgroundColourMarker,
                   ColourMarker(ColourTarget::Background, fields.backgroundColour));
        code = SummaryBlock(fields.summary) + body;
    }
    placed.fields = fields.fields;
    recordSharedSlots(fields, placed);
}

bool ResyncPlacedValues(const ListingFields& fields, PlacedValues& placed) {
    const std::optional<std::int32_t> photoCount = ParseWholeNumber(fields.photoCount);
    if (!photoCount) {
        return false;
    }
    if (IsPhotoCount(*photoCount)) {
        placed.fields.of(*photoCount) = fields.fields.of(*photoCount);
    }
    recordSharedSlots(fields, placed);
    return true;
}

StyleSelection SelectStyle(int position, std::string_view currentPhotoCount,
                           std::string_view currentDesignFrameIndex, LayoutForm form) {
    StyleSelection selection{std::string(), ResetPlacedValues(), std::string(currentPhotoCount),
                             std::string(currentDesignFrameIndex)};
    const TemplateStyle* style = StyleAt(position);
    if (style == nullptr) {
        return selection;
    }
    selection.designFrameIndex = std::to_string(style->frameIndex);
    if (style->photoCount != 0) {
        selection.photoCount = std::to_string(style->photoCount);
        selection.code = LayoutText(position, form);
    }
    return selection;
}

RebuiltListing RebuildListing(std::string_view currentCode, const ListingFields& fields) {
    // Every layout holds the comment marker until F12 replaces it with the footer.
    const bool footerInserted =
        !currentCode.empty() && currentCode.find(kCommentMarker) == std::string_view::npos;
    StyleSelection selection = SelectStyle(fields.style, fields.photoCount, "0", fields.layoutForm);
    AssembleListing(selection.code, fields, selection.placed);
    if (footerInserted && !selection.code.empty()) {
        selection.code = InsertFooter(selection.code);
    }
    return {std::move(selection.code), std::move(selection.placed)};
}

} // namespace vellumo
