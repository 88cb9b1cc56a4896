#pragma once

#include "generator/colour_palette.h"
#include "generator/listing_fields.h"
#include "generator/template_values.h"
#include "library/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

inline constexpr const char* kTemplateSection = "STYLE";
inline constexpr const char* kMissingKeyText = "Default"; // what a missing text key reads as
inline constexpr const char* kMissingTitleText = "My Title";
// Keys of the program's own, written only when they hold something; other readers ignore them.
inline constexpr const char* kSummaryKey = "Summary";
inline constexpr const char* kOwnBackgroundKey = "OwnBackground";

enum class TemplateReadStatus {
    Read,           // values holds what the file says
    FileMissing,    // the file has gone: values is the current values, unchanged
    Unreadable,     // the file is there but cannot be read (error says why): values unchanged
    NotAPhotoCount, // the photo count is not 2 to 5: nothing read, values unchanged
    NotATemplate,   // the file holds no template (no [STYLE] section): values unchanged
};

// A colour the file held that is not one a listing can carry, and what stood there.
struct ReplacedColour {
    ColourTarget target;
    std::string text;
    bool operator==(const ReplacedColour&) const = default;
};

struct TemplateReadResult {
    TemplateReadStatus status = TemplateReadStatus::Read;
    TemplateValues values;
    std::error_code error;                       // why a file that is there could not be read
    std::vector<ReplacedColour> replacedColours; // read as the default colour instead
};

// The whole text of a template file, keys in reading order, "[STYLE]" first (UTF-8, CR LF line ends). Line
// breaks in a value are kept as "&#13;" and "&#10;", which a browser renders as the line breaks themselves.
// None when the values are not for a photo count of 2 to 5 or hold text that is not UTF-8.
std::optional<std::string> TemplateFileText(const TemplateValues& values);

// Reads a template file for a photo count (its entry's last digit). Missing text keys give "Default"
// ("My Title" for the title). A colour that is not "#" and six hexadecimal digits never reaches a listing:
// it reads as the default colour, and unless it was "Default" it is listed in replacedColours. A swatch key
// that is missing or not a whole number takes the display colour of the palette entry named by the colour
// text just read, else keeps the current swatch. "Template" and "Image" name picker positions by the whole
// number they start with (PickerPosition). A file without a summary or an own background (one
// written before they existed, or by another program) has none; an own background that is no https
// address counts as none. Fields the file does not cover keep their current values.
TemplateReadResult ReadTemplateFile(const std::string& path, int photoCount, const TemplateValues& current);

// The same, from the bytes of a template file.
TemplateReadResult ReadTemplateText(std::string_view bytes, int photoCount, const TemplateValues& current);

// The picker position a "Template" or "Image" value names: the whole number at its start, after any
// blanks ("7 Inline" names 7); 0 when the text does not start with one ("Default", "", "-") or the number
// is too large to name any position.
int PickerPosition(std::string_view positionText);

} // namespace vellumo
