#include "readable_colours.h"

#include "generator/background_luminance.h"
#include "generator/backgrounds.h"
#include "generator/colour_palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace vellumo {

namespace {

struct Backdrop {
    Found shown; // the background colour's value, or the built-in background picture's number
    double luminance;
};

std::array<double, 3> linearRgb(std::string_view htmlColour) {
    std::array<double, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double value = std::stoi(std::string(htmlColour.substr(1 + 2 * i, 2)), nullptr, 16) / 255.0;
        channels[i] = value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    }
    return channels;
}

// CIE L*a*b* (D65), where the distance between two colours is how different they look.
std::array<double, 3> lab(std::string_view htmlColour) {
    const auto [r, g, b] = linearRgb(htmlColour);
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double distance(std::string_view first, std::string_view second) {
    const auto a = lab(first);
    const auto b = lab(second);
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// What stands behind the text: the background colour, and over it the background picture once it loads.
std::optional<std::vector<Backdrop>> backdropsOf(const ListingFields& fields) {
    const std::optional<double> background = RelativeLuminance(fields.backgroundColour);
    if (!background) {
        return std::nullopt;
    }
    std::vector<Backdrop> backdrops{{{.text = fields.backgroundColour}, *background}};
    if (const int number = BackgroundNumberAt(fields.background); number != 0) {
        backdrops.push_back({{.as = Found::As::BackgroundPicture, .text = BackgroundEntryText(number + 1)},
                             BuiltInBackgroundLuminance(number)});
    }
    return backdrops;
}

double worstContrast(double text, const std::vector<Backdrop>& backdrops) {
    double worst = std::numeric_limits<double>::max();
    for (const Backdrop& backdrop : backdrops) {
        worst = std::min(worst, ContrastRatio(text, backdrop.luminance));
    }
    return worst;
}

} // namespace

std::optional<double> RelativeLuminance(std::string_view htmlColour) {
    if (!IsHtmlColour(htmlColour)) {
        return std::nullopt;
    }
    const auto [r, g, b] = linearRgb(htmlColour);
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

double ContrastRatio(double first, double second) {
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

double ShownContrast(double ratio) {
    return std::floor(ratio * 10) / 10;
}

std::optional<double> TextContrast(const ListingFields& fields) {
    const std::optional<double> text = RelativeLuminance(fields.fontColour);
    const std::optional<std::vector<Backdrop>> backdrops = backdropsOf(fields);
    if (!text || !backdrops) {
        return std::nullopt;
    }
    return worstContrast(*text, *backdrops);
}

std::optional<Finding> ContrastAdvice(const ListingFields& fields) {
    const std::optional<double> text = RelativeLuminance(fields.fontColour);
    const std::optional<std::vector<Backdrop>> found = backdropsOf(fields);
    if (!text || !found) {
        return std::nullopt;
    }
    const std::vector<Backdrop>& backdrops = *found;
    const auto worst = std::ranges::min_element(
        backdrops, {}, [&](const Backdrop& backdrop) { return ContrastRatio(*text, backdrop.luminance); });
    const double ratio = ContrastRatio(*text, worst->luminance);
    if (ratio >= kReadableContrast) {
        return std::nullopt;
    }
    const FieldRef field{FieldRef::Kind::Colour, 0, ColourTarget::Font};
    Finding finding{.kind = FindingKind::HardToRead,
                    .severity = Severity::Advice,
                    .field = field,
                    .found = {{.text = fields.fontColour}, worst->shown},
                    .contrast = ratio};
    const PaletteEntry* nearest = nullptr;
    for (const PaletteEntry& entry : ColourPalette()) {
        if (worstContrast(*RelativeLuminance(entry.htmlValue), backdrops) >= kReadableContrast &&
            (nearest == nullptr || distance(entry.htmlValue, fields.fontColour) <
                                       distance(nearest->htmlValue, fields.fontColour))) {
            nearest = &entry;
        }
    }
    if (nearest != nullptr) {
        finding.fix = FieldFix{.field = field,
                               .newValue = std::string(nearest->htmlValue),
                               .kind = FixKind::UseColour,
                               .shown = {std::string(nearest->name)}};
    }
    return finding;
}

} // namespace vellumo
