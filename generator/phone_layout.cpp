#include "phone_layout.h"

#include "picture_alt_text.h"
#include "placed_values.h"
#include "template_style.h"
#include "text/replace.h"

#include <array>

namespace vellumo {

namespace {

// Every layout picture is written with this size.
constexpr std::string_view kPictureSize = R"(width="400" height="300")";
// The picture fills its cell but keeps the designed 400 px for as long as a row of two such cells fits
// the viewport (half the viewport less 48 px: each picture's share of the paddings, borders, spacing,
// margin cells and a scroll bar), so the table widens as the designed one does rather than squeezing the
// pictures. A browser that knows no min() simply fits the pictures to their cells.
constexpr std::string_view kPictureStyle =
    R"( style="max-width:100%;min-width:min(400px,calc(50vw - 48px));height:auto;aspect-ratio:4/3")";
// Both cells of a photo row, and the title cell.
constexpr std::array<std::string_view, 2> kTextCells = {R"(<td width="50%")",
                                                        R"(<td width="100%" height="6" colspan="2")"};
constexpr std::string_view kWrappingStyle = R"( style="overflow-wrap:anywhere;word-break:break-word")";
// How the outer table of every layout names its background.
constexpr std::string_view kBackgroundAttribute = R"(background=")";

} // namespace

std::string BackgroundMarker(LayoutForm form, std::string_view background) {
    if (form == LayoutForm::AsDesigned) {
        return std::string(background);
    }
    return (background == kNoBackground ? "data-" : "") + std::string(kBackgroundAttribute) +
           std::string(background);
}

std::string PhoneFriendlyForm(std::string_view layoutText) {
    std::string text(layoutText);
    ReplaceAll(text, std::string(kBackgroundAttribute) + kNoBackground,
               BackgroundMarker(LayoutForm::PhoneFriendly, kNoBackground));
    // Each picture gets the slot of its description, found by the picture's own slot in its src.
    for (int photoCount = kMinPhotoCount; photoCount <= kMaxPhotoCount; ++photoCount) {
        for (int row = 0; row < photoCount; ++row) {
            const std::string picture = "src=\"" + LayoutTokens(photoCount).pictures.at(row) + "\" ";
            ReplaceAll(text, picture + std::string(kPictureSize),
                       picture + std::string(kPictureSize) + std::string(kPictureStyle) +
                           PictureAltToken(photoCount, row));
        }
    }
    for (const std::string_view cell : kTextCells) {
        ReplaceAll(text, cell, std::string(cell) + std::string(kWrappingStyle));
    }
    return text;
}

const std::string& LayoutText(int position, LayoutForm form) {
    if (form == LayoutForm::AsDesigned) {
        return LayoutText(position);
    }
    static const std::array<std::string, kStyleCount + 1> kPhoneFriendly = [] {
        std::array<std::string, kStyleCount + 1> texts;
        for (int style = 1; style <= kStyleCount; ++style) {
            texts.at(style) = PhoneFriendlyForm(LayoutText(style));
        }
        return texts;
    }();
    static const std::string kNone;
    return position >= 1 && position <= kStyleCount ? kPhoneFriendly.at(position) : kNone;
}

} // namespace vellumo
