#include "design.h"

#include "assembly.h"
#include "line_breaks.h"
#include "promotional_footer.h"
#include "template_style.h"

#include <tuple>

namespace vellumo {

namespace {

constexpr std::array kColourTargets = {ColourTarget::Border, ColourTarget::Font, ColourTarget::Background};

std::size_t indexOf(ColourTarget target) {
    return static_cast<std::size_t>(target);
}

// A template's three colours with their swatches, by what they colour.
template <typename Values> auto templateColours(Values& values) {
    return std::array{std::tie(values.borderColour, values.borderSwatch),
                      std::tie(values.fontColour, values.fontSwatch),
                      std::tie(values.backgroundColour, values.backgroundSwatch)};
}

} // namespace

bool Design::State::operator==(const State& other) const {
    // The own address alone, while another background is chosen, changes no listing.
    const auto ownInUse = [](const State& state) {
        return state.background.kind == BackgroundChoice::Kind::Own ? state.ownBackground : std::string();
    };
    return std::tie(style, fields, colours, background, summary) ==
               std::tie(other.style, other.fields, other.colours, other.background, other.summary) &&
           ownInUse(*this) == ownInUse(other);
}

Design::Design() {
    for (const ColourTarget target : kColourTargets) {
        colourOf(target) = DefaultColourChoice(target);
    }
    m_saved = m_state;
}

int Design::photoCount() const {
    return PhotoCountOfStyle(m_state.style);
}

void Design::pickStyle(int position) {
    if (StyleAt(position) != nullptr) {
        m_state.style = position;
        m_footer.clear();
    }
}

void Design::setField(int photoCount, FieldRef field, std::string text) {
    if (!IsPhotoCount(photoCount)) {
        return;
    }
    FieldGroup& group = m_state.fields.of(photoCount);
    const auto row = static_cast<std::size_t>(field.index);
    switch (field.kind) {
    case FieldRef::Kind::Title:
        group.title = std::move(text);
        break;
    case FieldRef::Kind::Picture:
        if (row < group.pictures.size()) {
            group.pictures[row] = std::move(text);
        }
        break;
    case FieldRef::Kind::Paragraph:
        if (row < group.paragraphs.size()) {
            group.paragraphs[row] = std::move(text);
        }
        break;
    default:
        break;
    }
}

const ColourChoice& Design::colour(ColourTarget target) const {
    return m_state.colours.at(indexOf(target));
}

ColourChoice& Design::colourOf(ColourTarget target) {
    return m_state.colours.at(indexOf(target));
}

void Design::pickColour(ColourTarget target, int paletteIndex) {
    if (const std::optional<ColourChoice> choice = PaletteChoice(paletteIndex)) {
        colourOf(target) = *choice;
    }
}

bool Design::pickBackground(BackgroundChoice choice) {
    if (choice.kind == BackgroundChoice::Kind::Own && m_state.ownBackground.empty()) {
        return false;
    }
    m_state.background = choice;
    return true;
}

bool Design::chooseOwnBackground(std::string_view typed) {
    const std::optional<std::string> address = OwnBackgroundAddress(typed);
    if (!address) {
        return false;
    }
    m_state.ownBackground = *address;
    m_state.background = {BackgroundChoice::Kind::Own};
    return true;
}

std::string Design::backgroundAddress() const {
    switch (m_state.background.kind) {
    case BackgroundChoice::Kind::BuiltIn:
        return BuiltInBackgroundAddress(m_state.background.number);
    case BackgroundChoice::Kind::Own:
        return m_state.ownBackground;
    case BackgroundChoice::Kind::None:
        break;
    }
    return kNoBackground;
}

void Design::insertFooter() {
    if (photoCount() != 0 && m_footer.empty()) {
        m_footer = PromotionalFooter();
    }
}

void Design::applyFix(FieldRef field, std::string_view newValue) {
    switch (field.kind) {
    case FieldRef::Kind::Title:
    case FieldRef::Kind::Picture:
        setField(photoCount(), field, std::string(newValue));
        break;
    case FieldRef::Kind::Paragraph:
        if (IsPhotoCount(photoCount())) {
            const auto& paragraphs = m_state.fields.of(photoCount()).paragraphs;
            const auto row = static_cast<std::size_t>(field.index);
            if (row < paragraphs.size()) {
                setField(photoCount(), field, TypedAgain(paragraphs[row], newValue));
            }
        }
        break;
    case FieldRef::Kind::Background:
        // A fixed address is the seller's own picture from now on.
        m_state.ownBackground = std::string(newValue);
        m_state.background = {BackgroundChoice::Kind::Own};
        break;
    case FieldRef::Kind::Colour:
        if (const PaletteEntry* entry = PaletteEntryByHtmlValue(newValue)) {
            colourOf(field.colour) = {std::string(entry->htmlValue), entry->displayColour};
        }
        break;
    case FieldRef::Kind::Footer:
        if (!m_footer.empty()) {
            m_footer = std::string(newValue);
        }
        break;
    case FieldRef::Kind::Summary:
        m_state.summary = std::string(newValue);
        break;
    }
}

ListingFields Design::listingFields() const {
    ListingFields fields;
    fields.style = m_state.style;
    fields.fields = ShowLineBreaks(m_state.fields);
    fields.background = backgroundAddress();
    fields.borderColour = colour(ColourTarget::Border).htmlValue;
    fields.fontColour = colour(ColourTarget::Font).htmlValue;
    fields.backgroundColour = colour(ColourTarget::Background).htmlValue;
    fields.layoutForm = m_layoutForm;
    fields.summary = m_state.summary;
    return fields;
}

std::string Design::listing() const {
    return BuildListing(listingFields(), m_footer);
}

TemplateValues Design::templateValues(int photoCount) const {
    TemplateValues values;
    values.group = IsPhotoCount(photoCount) ? m_state.fields.of(photoCount) : FieldGroup();
    values.stylePosition = m_state.style;
    // "Image" keeps naming a built-in entry, so a reader that knows no own pictures shows none.
    const bool own = m_state.background.kind == BackgroundChoice::Kind::Own;
    values.backgroundPosition = own ? 1 : PickerEntryOf(m_state.background);
    values.ownBackground = own ? m_state.ownBackground : std::string();
    values.summary = m_state.summary;
    auto colours = templateColours(values);
    for (const ColourTarget target : kColourTargets) {
        colours.at(indexOf(target)) = std::tie(colour(target).htmlValue, colour(target).swatch);
    }
    return values;
}

void Design::applyTemplate(int photoCount, const TemplateValues& values) {
    if (IsPhotoCount(photoCount) && values.group.photoCount() == photoCount) {
        m_state.fields.of(photoCount) = values.group;
    }
    // Loading picks the style again, the one chosen included.
    pickStyle(StyleAt(values.stylePosition) != nullptr ? values.stylePosition : m_state.style);
    if (!values.ownBackground.empty()) {
        m_state.ownBackground = values.ownBackground;
        m_state.background = {BackgroundChoice::Kind::Own};
    } else if (const auto choice = BackgroundAtEntry(values.backgroundPosition);
               choice && choice->kind != BackgroundChoice::Kind::Own) {
        // Only the own background's key names the own picture.
        m_state.background = *choice;
    }
    m_state.summary = values.summary;
    const auto colours = templateColours(values);
    for (const ColourTarget target : kColourTargets) {
        const auto& [html, swatch] = colours.at(indexOf(target));
        colourOf(target) = {html, swatch};
    }
    markSaved();
}

} // namespace vellumo
