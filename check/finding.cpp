#include "finding.h"

#include <array>

namespace vellumo {

std::string FieldName(FieldRef field) {
    static constexpr std::array<std::string_view, 5> kOrdinals = {"First", "Second", "Third", "Fourth",
                                                                  "Fifth"};
    switch (field.kind) {
    case FieldRef::Kind::Title:
        return "Title";
    case FieldRef::Kind::Picture:
        return std::string(kOrdinals.at(static_cast<std::size_t>(field.index))) + " Picture";
    case FieldRef::Kind::Paragraph:
        return std::string(kOrdinals.at(static_cast<std::size_t>(field.index))) + " Paragraph";
    case FieldRef::Kind::Background:
        return "Background Picture";
    case FieldRef::Kind::Colour:
        switch (field.colour) {
        case ColourTarget::Border:
            return "Borders colour";
        case ColourTarget::Font:
            return "Text colour";
        case ColourTarget::Background:
            return "Background colour";
        }
        break;
    case FieldRef::Kind::Footer:
        return "The credit footer";
    case FieldRef::Kind::Summary:
        return "Phone Summary";
    }
    return {};
}

} // namespace vellumo
