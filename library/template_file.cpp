#include "library/template_file.h"

#include "generator/backgrounds.h"
#include "library/file_search.h"
#include "library/ini_file.h"
#include "text/numbers.h"

#include <cstdint>
#include <tuple>

namespace vellumo {

namespace {

constexpr std::string_view kCarriageReturnReference = "&#13;";
constexpr std::string_view kLineFeedReference = "&#10;";
constexpr std::string_view kAmpersandReference = "&amp;";

// The texts after "&" that a reading would take for one of ours: a typed one has its "&" escaped, so it
// comes back as typed. Any other "&" is written as it stands, so files differ from plain ones only
// where a value holds such a text.
bool startsLikeOurReference(std::string_view text) {
    for (const std::string_view reference :
         {kCarriageReturnReference, kLineFeedReference, kAmpersandReference}) {
        if (text.starts_with(reference.substr(1))) {
            return true;
        }
    }
    return false;
}

// One value is one line in the file; a paragraph's line breaks travel as character references.
std::string encodeLineBreaks(std::string_view text) {
    std::string encoded;
    encoded.reserve(text.size());
    for (std::size_t position = 0; position < text.size(); ++position) {
        const char c = text[position];
        if (c == '\r') {
            encoded += kCarriageReturnReference;
        } else if (c == '\n') {
            encoded += kLineFeedReference;
        } else if (c == '&' && startsLikeOurReference(text.substr(position + 1))) {
            encoded += kAmpersandReference;
        } else {
            encoded += c;
        }
    }
    return encoded;
}

std::string decodeLineBreaks(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const std::string_view rest = text.substr(position);
        if (rest.starts_with(kCarriageReturnReference)) {
            decoded += '\r';
            position += kCarriageReturnReference.size();
        } else if (rest.starts_with(kLineFeedReference)) {
            decoded += '\n';
            position += kLineFeedReference.size();
        } else if (rest.starts_with(kAmpersandReference) &&
                   startsLikeOurReference(rest.substr(kAmpersandReference.size()))) {
            decoded += '&';
            position += kAmpersandReference.size();
        } else {
            decoded += text[position++];
        }
    }
    return decoded;
}

// Written as the signed 32-bit number the reader takes, so every swatch that was read is written back.
std::string swatchText(DisplayColour colour) {
    return std::to_string(static_cast<std::int32_t>(colour));
}

// An unreadable swatch follows its colour text when the palette knows it, else stays as it was.
DisplayColour swatchFromText(std::string_view swatch, std::string_view colourText, DisplayColour current) {
    if (const auto number = ParseWholeNumber(swatch)) {
        return static_cast<DisplayColour>(*number);
    }
    if (const PaletteEntry* entry = PaletteEntryByHtmlValue(colourText)) {
        return entry->displayColour;
    }
    return current;
}

bool isWellFormedGroup(const FieldGroup& group) {
    return IsPhotoCount(group.photoCount()) && group.paragraphs.size() == group.pictures.size();
}

} // namespace

std::optional<std::string> TemplateFileText(const TemplateValues& values) {
    const FieldGroup& group = values.group;
    if (!isWellFormedGroup(group)) {
        return std::nullopt;
    }
    std::vector<std::pair<std::string, std::string>> keyValues;
    keyValues.emplace_back("Title", group.title);
    for (int k = 0; k < group.photoCount(); ++k) {
        keyValues.emplace_back("Text" + std::to_string(k + 1), group.paragraphs[k]);
    }
    for (int k = 0; k < group.photoCount(); ++k) {
        keyValues.emplace_back("Pic" + std::to_string(k + 1), group.pictures[k]);
    }
    keyValues.emplace_back("Template", std::to_string(values.stylePosition));
    keyValues.emplace_back("Image", std::to_string(values.backgroundPosition));
    keyValues.emplace_back("TBack", values.borderColour);
    keyValues.emplace_back("LBack", swatchText(values.borderSwatch));
    keyValues.emplace_back("TFore", values.fontColour);
    keyValues.emplace_back("LFore", swatchText(values.fontSwatch));
    keyValues.emplace_back("TBkgrnd", values.backgroundColour);
    keyValues.emplace_back("LBkgrnd", swatchText(values.backgroundSwatch));
    for (const auto& [key, value] :
         {std::pair{kSummaryKey, &values.summary}, std::pair{kOwnBackgroundKey, &values.ownBackground}}) {
        if (!value->empty()) {
            keyValues.emplace_back(key, *value);
        }
    }

    IniDocument document;
    for (const auto& [key, value] : keyValues) {
        if (!document.set(kTemplateSection, key, encodeLineBreaks(value))) {
            return std::nullopt;
        }
    }
    return document.text();
}

TemplateReadResult ReadTemplateText(std::string_view bytes, int photoCount, const TemplateValues& current) {
    TemplateReadResult result{TemplateReadStatus::Read, current, {}, {}};
    if (!IsPhotoCount(photoCount)) {
        result.status = TemplateReadStatus::NotAPhotoCount;
        return result;
    }
    const IniDocument document = IniDocument::FromBytes(bytes);
    if (!document.hasSection(kTemplateSection)) {
        result.status = TemplateReadStatus::NotATemplate;
        return result;
    }
    const auto text = [&](std::string_view key, std::string_view defaultValue) {
        return decodeLineBreaks(document.value(kTemplateSection, key, defaultValue));
    };

    TemplateValues& values = result.values;
    FieldGroup& group = values.group;
    group.pictures.resize(photoCount);
    group.paragraphs.resize(photoCount);
    group.title = text("Title", kMissingTitleText);
    for (int k = 0; k < photoCount; ++k) {
        group.paragraphs[k] = text("Text" + std::to_string(k + 1), kMissingKeyText);
    }
    for (int k = 0; k < photoCount; ++k) {
        group.pictures[k] = text("Pic" + std::to_string(k + 1), kMissingKeyText);
    }
    values.stylePosition = PickerPosition(text("Template", kMissingKeyText));
    values.backgroundPosition = PickerPosition(text("Image", kMissingKeyText));
    for (const auto& [target, colourKey, swatchKey, colour, swatch, currentSwatch] :
         {std::tuple{ColourTarget::Border, "TBack", "LBack", &values.borderColour, &values.borderSwatch,
                     current.borderSwatch},
          std::tuple{ColourTarget::Font, "TFore", "LFore", &values.fontColour, &values.fontSwatch,
                     current.fontSwatch},
          std::tuple{ColourTarget::Background, "TBkgrnd", "LBkgrnd", &values.backgroundColour,
                     &values.backgroundSwatch, current.backgroundSwatch}}) {
        *colour = text(colourKey, kMissingKeyText);
        if (IsHtmlColour(*colour)) {
            *swatch = swatchFromText(text(swatchKey, ""), *colour, currentSwatch);
            continue;
        }
        // It would stand inside the listing's colour attribute, where a quote starts markup of its own.
        if (*colour != kMissingKeyText) {
            result.replacedColours.push_back({target, *colour});
        }
        *colour = DefaultColour(target);
        *swatch = PaletteEntryByHtmlValue(*colour)->displayColour;
    }
    values.summary = text(kSummaryKey, "");
    values.ownBackground = OwnBackgroundAddress(text(kOwnBackgroundKey, "")).value_or("");
    return result;
}

TemplateReadResult ReadTemplateFile(const std::string& path, int photoCount, const TemplateValues& current) {
    if (!IsPhotoCount(photoCount)) {
        return {TemplateReadStatus::NotAPhotoCount, current, {}, {}};
    }
    const auto bytes = ReadNormalFile(path);
    if (!bytes) {
        const bool missing = bytes.error() == std::errc::no_such_file_or_directory;
        return {missing ? TemplateReadStatus::FileMissing : TemplateReadStatus::Unreadable,
                current,
                bytes.error(),
                {}};
    }
    return ReadTemplateText(*bytes, photoCount, current);
}

int PickerPosition(std::string_view positionText) {
    return LeadingWholeNumber(positionText).value_or(0);
}

} // namespace vellumo
