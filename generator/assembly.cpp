#include "assembly.h"

#include "colour_palette.h"
#include "promotional_footer.h"
#include "template_style.h"

#include <charconv>
#include <optional>
#include <string>

namespace vellumo {

namespace {

// How common a byte is in listing HTML: lower-case letters, blanks and markup are everywhere, upper-case
// letters and digits are rare. Searching for the rarest byte of a text first makes a search over a
// layout stop far less often than a search for its first byte (most tokens begin with "t").
int commonness(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return 3;
    }
    if (c == ' ' || c == '"' || c == '=' || c == '<' || c == '>' || c == '/' || c == '\r' || c == '\n') {
        return 4;
    }
    if (c >= '0' && c <= '9') {
        return 1;
    }
    return (c >= 'A' && c <= 'Z') ? 0 : 2;
}

std::size_t rarestIndex(std::string_view find) {
    std::size_t rarest = 0;
    for (std::size_t i = 1; i < find.size(); ++i) {
        if (commonness(static_cast<unsigned char>(find[i])) <
            commonness(static_cast<unsigned char>(find[rarest]))) {
            rarest = i;
        }
    }
    return rarest;
}

// The first occurrence of find at or after from, found through its rarest byte.
std::size_t findFrom(std::string_view text, std::string_view find, std::size_t anchor, std::size_t from) {
    const char anchorByte = find[anchor];
    std::size_t hit = text.find(anchorByte, from + anchor);
    while (hit != std::string_view::npos) {
        const std::size_t start = hit - anchor;
        if (start + find.size() > text.size()) {
            return std::string_view::npos;
        }
        if (text.compare(start, find.size(), find) == 0) {
            return start;
        }
        hit = text.find(anchorByte, hit + 1);
    }
    return std::string_view::npos;
}

} // namespace

void ReplaceAll(std::string& text, std::string_view find, std::string_view with) {
    // Replacing a text by itself changes nothing; skipping it keeps an incremental assembly cheap.
    if (find.empty() || find == with) {
        return;
    }
    const std::size_t anchor = rarestIndex(find);
    std::size_t position = findFrom(text, find, anchor, 0);
    if (position == std::string::npos) {
        return;
    }
    std::string result;
    result.reserve(text.size() + (with.size() > find.size() ? 4 * (with.size() - find.size()) : 0));
    std::size_t copiedUpTo = 0;
    while (position != std::string::npos) {
        result.append(text, copiedUpTo, position - copiedUpTo);
        result += with;
        copiedUpTo = position + find.size();
        position = findFrom(text, find, anchor, copiedUpTo);
    }
    result.append(text, copiedUpTo);
    text = std::move(result);
}

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
}

// A whole number with blanks around it allowed; anything else is no number.
std::optional<int> parseWholeNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

void AssembleListing(std::string& code, const ListingFields& fields, PlacedValues& placed) {
    const int photoCount = PhotoCountOfStyle(fields.style);
    if (photoCount != 0) {
        replaceGroup(code, placed.fields.of(photoCount), fields.fields.of(photoCount));
        ReplaceAll(code, placed.background, fields.background);
        ReplaceAll(code, placed.borderMarker, ColourMarker(ColourTarget::Border, fields.borderColour));
        ReplaceAll(code, placed.fontMarker, ColourMarker(ColourTarget::Font, fields.fontColour));
        ReplaceAll(code, placed.backgroundColourMarker,
                   ColourMarker(ColourTarget::Background, fields.backgroundColour));
    }
    placed.fields = fields.fields;
    recordSharedSlots(fields, placed);
}

bool ResyncPlacedValues(const ListingFields& fields, PlacedValues& placed) {
    const std::optional<int> photoCount = parseWholeNumber(fields.photoCount);
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
                           std::string_view currentDesignFrameIndex) {
    StyleSelection selection{std::string(), ResetPlacedValues(), std::string(currentPhotoCount),
                             std::string(currentDesignFrameIndex)};
    const TemplateStyle* style = StyleAt(position);
    if (style == nullptr) {
        return selection;
    }
    selection.designFrameIndex = std::to_string(style->frameIndex);
    if (style->photoCount != 0) {
        selection.photoCount = std::to_string(style->photoCount);
        selection.code = LayoutText(position);
    }
    return selection;
}

RebuiltListing RebuildListing(std::string_view currentCode, const ListingFields& fields) {
    // Every layout holds the comment marker until F12 replaces it with the footer.
    const bool footerInserted =
        !currentCode.empty() && currentCode.find(kCommentMarker) == std::string_view::npos;
    StyleSelection selection = SelectStyle(fields.style, fields.photoCount, "0");
    AssembleListing(selection.code, fields, selection.placed);
    if (footerInserted && !selection.code.empty()) {
        selection.code = InsertFooter(selection.code);
    }
    return {std::move(selection.code), std::move(selection.placed)};
}

} // namespace vellumo
