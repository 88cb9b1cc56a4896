#include "picture_alt_text.h"

#include "text/letter_case.h"

#include <cctype>

namespace vellumo {

namespace {

bool isHtmlBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

// A picture field such as `x.jpg" alt="Blue teapot` closes the src attribute and writes an alt of its own.
bool givesOwnAlt(std::string_view picture) {
    const std::string lower = AsciiLower(picture);
    for (std::size_t at = lower.find("alt"); at != std::string::npos; at = lower.find("alt", at + 1)) {
        const bool startsName = at > 0 && (isHtmlBlank(lower[at - 1]) || lower[at - 1] == '"');
        std::size_t next = at + 3;
        while (next < lower.size() && isHtmlBlank(lower[next])) {
            ++next;
        }
        if (startsName && next < lower.size() && lower[next] == '=') {
            return true;
        }
    }
    return false;
}

// "&amp;", "&#233;" or "&#xE9;" at the start of text: a character reference the seller typed.
bool startsReference(std::string_view text) {
    std::size_t at = 1;
    const bool numeric = at < text.size() && text[at] == '#';
    at += numeric ? 1 : 0;
    const bool hex = numeric && at < text.size() && (text[at] == 'x' || text[at] == 'X');
    at += hex ? 1 : 0;
    const std::size_t nameStart = at;
    while (at < text.size() && (hex       ? std::isxdigit(static_cast<unsigned char>(text[at])) != 0
                                : numeric ? std::isdigit(static_cast<unsigned char>(text[at])) != 0
                                          : std::isalnum(static_cast<unsigned char>(text[at])) != 0)) {
        ++at;
    }
    return at > nameStart && at < text.size() && text[at] == ';';
}

// The title as an attribute value reads it: quotes and angle brackets as text, references as typed. No
// quote is left to close an attribute that markup of the title's own left open.
std::string attributeText(std::string_view title) {
    std::string text;
    for (std::size_t at = 0; at < title.size(); ++at) {
        switch (title[at]) {
        case '"':
            text += "&quot;";
            break;
        case '\'':
            text += "&#39;";
            break;
        case '<':
            text += "&lt;";
            break;
        case '>':
            text += "&gt;";
            break;
        case '&':
            text += startsReference(title.substr(at)) ? "&" : "&amp;";
            break;
        default:
            text += isHtmlBlank(title[at]) ? ' ' : title[at];
            break;
        }
    }
    return text;
}

} // namespace

std::string PictureAltToken(int photoCount, int row) {
    return "txtPhotoAlt" + std::to_string(photoCount) + std::to_string(row + 1);
}

std::string PictureAltAttribute(std::string_view title, std::string_view picture, int row, int photoCount) {
    if (givesOwnAlt(picture)) {
        return {};
    }
    const std::size_t first = title.find_first_not_of(" \t\r\n");
    const std::string place = "photo " + std::to_string(row + 1) + " of " + std::to_string(photoCount);
    const std::string description =
        first == std::string_view::npos
            ? "P" + place.substr(1)
            : attributeText(title.substr(first, title.find_last_not_of(" \t\r\n") - first + 1)) + " \u2014 " +
                  place;
    return " alt=\"" + description + "\"";
}

} // namespace vellumo
