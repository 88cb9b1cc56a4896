#include "assembly.h"

#include "colour_palette.h"
#include "phone_layout.h"
#include "phone_summary.h"
#include "picture_alt_text.h"
#include "promotional_footer.h"
#include "template_style.h"
#include "text/replace.h"

#include <string>
#include <tuple>

namespace vellumo {

namespace {

void recordSharedSlots(const ListingFields& fields, PlacedValues& placed) {
    placed.background = fields.background;
    placed.borderMarker = ColourMarker(ColourTarget::Border, fields.borderColour);
    placed.fontMarker = ColourMarker(ColourTarget::Font, fields.fontColour);
    placed.backgroundColourMarker = ColourMarker(ColourTarget::Background, fields.backgroundColour);
    placed.summaryBlock = SummaryBlock(fields.summary);
}

} // namespace

std::vector<SlotReplacement> AssemblyReplacements(const ListingFields& fields, const PlacedValues& placed) {
    const int photoCount = PhotoCountOfStyle(fields.style);
    if (photoCount == 0) {
        return {};
    }
    const FieldGroup& placedGroup = placed.fields.of(photoCount);
    const FieldGroup& current = fields.fields.of(photoCount);
    std::vector<SlotReplacement> replacements;
    // The title, a picture and a paragraph for each photo, the background and the three colours.
    replacements.reserve(2 * photoCount + 5);
    replacements.push_back({{FieldRef::Kind::Title}, placedGroup.title, current.title});
    // The pictures' descriptions are made from the title; they are the layout's own text, not the field.
    if (fields.layoutForm == LayoutForm::PhoneFriendly) {
        for (int k = 0; k < photoCount; ++k) {
            std::string alt = PictureAltAttribute(current.title, current.pictures[k], k, photoCount);
            const std::size_t size = alt.size();
            replacements.push_back(
                {{FieldRef::Kind::Title}, PictureAltToken(photoCount, k), std::move(alt), size});
        }
    }
    for (int k = 0; k < photoCount; ++k) {
        replacements.push_back({{FieldRef::Kind::Picture, k}, placedGroup.pictures[k], current.pictures[k]});
    }
    for (int k = 0; k < photoCount; ++k) {
        replacements.push_back(
            {{FieldRef::Kind::Paragraph, k}, placedGroup.paragraphs[k], current.paragraphs[k]});
    }
    // The background's marker ends with its value, except the phone-friendly form's for no background.
    const std::string background = BackgroundMarker(fields.layoutForm, fields.background);
    const bool valueStands =
        fields.layoutForm == LayoutForm::AsDesigned || fields.background != kNoBackground;
    replacements.push_back({{FieldRef::Kind::Background},
                            BackgroundMarker(fields.layoutForm, placed.background),
                            background,
                            background.size() - (valueStands ? fields.background.size() : 0)});
    for (const auto& [target, marker, colour] :
         {std::tuple{ColourTarget::Border, &placed.borderMarker, &fields.borderColour},
          std::tuple{ColourTarget::Font, &placed.fontMarker, &fields.fontColour},
          std::tuple{ColourTarget::Background, &placed.backgroundColourMarker, &fields.backgroundColour}}) {
        const std::string attribute = ColourMarker(target, "");
        replacements.push_back(
            {{FieldRef::Kind::Colour, 0, target}, *marker, attribute + *colour, attribute.size()});
    }
    return replacements;
}

void AssembleListing(std::string& code, const ListingFields& fields, PlacedValues& placed) {
    if (PhotoCountOfStyle(fields.style) != 0) {
        // The summary stands before the layout, where no slot's replacement can reach into it.
        std::string body =
            code.starts_with(placed.summaryBlock) ? code.substr(placed.summaryBlock.size()) : std::move(code);
        for (const SlotReplacement& replacement : AssemblyReplacements(fields, placed)) {
            ReplaceAll(body, replacement.placed, replacement.current);
        }
        code = SummaryBlock(fields.summary) + body;
    }
    placed.fields = fields.fields;
    recordSharedSlots(fields, placed);
}

std::string BuildListing(const ListingFields& fields, std::string_view footer) {
    std::string code = LayoutText(fields.style, fields.layoutForm);
    PlacedValues placed = ResetPlacedValues();
    AssembleListing(code, fields, placed);
    if (!footer.empty() && !code.empty()) {
        code = InsertFooter(code, footer);
    }
    return code;
}

} // namespace vellumo
