#include "phone_numbers.h"

#include <phonenumbers/phonenumbermatch.h>
#include <phonenumbers/phonenumbermatcher.h>
#include <phonenumbers/phonenumberutil.h>

#include <algorithm>
#include <array>

namespace vellumo {

namespace {

using i18n::phonenumbers::PhoneNumberMatch;
using i18n::phonenumbers::PhoneNumberMatcher;
using i18n::phonenumbers::PhoneNumberUtil;

// No country's numbers are shorter, written in full; fewer digits are a price, a size or a year.
constexpr int kFewestDigits = 6;
// Each stretch is short; the library gives up on one after so many tries.
constexpr int kTriesPerStretch = 20;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of what may stand between a phone number's digits at the start of text: blanks, brackets,
// dashes, dots, slashes and a plus, also the no-break space and Unicode's dashes; 0 for anything else.
std::size_t separatorLength(std::string_view text) {
    static constexpr std::string_view kAscii = " \t-./()[]~+";
    static constexpr std::array<std::string_view, 8> kWide = {"\u00A0", "\u2010", "\u2011", "\u2012",
                                                              "\u2013", "\u2014", "\u2015", "\u2212"};
    if (kAscii.find(text.front()) != std::string_view::npos) {
        return 1;
    }
    for (std::string_view wide : kWide) {
        if (text.starts_with(wide)) {
            return wide.size();
        }
    }
    return 0;
}

// The length of the UTF-8 character ending just before position, or starting at it.
std::size_t characterBefore(std::string_view text, std::size_t position) {
    std::size_t start = position;
    while (start > 0 && (static_cast<unsigned char>(text[--start]) & 0xC0) == 0x80) {
    }
    return position - start;
}

std::size_t characterAt(std::string_view text, std::size_t position) {
    if (position >= text.size()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[position]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(length, text.size() - position);
}

// An EAN-8, UPC-A, EAN-13 or GTIN-14 barcode: digits only, and the last is the check digit of the others.
bool isBarcode(std::string_view text) {
    if ((text.size() != 8 && text.size() != 12 && text.size() != 13 && text.size() != 14) ||
        !std::ranges::all_of(text, isDigit)) {
        return false;
    }
    int sum = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        // Weights 3 and 1 alternate from the digit next to the check digit.
        const std::size_t fromCheck = text.size() - 1 - i;
        sum += (text[i] - '0') * (fromCheck % 2 == 1 ? 3 : 1);
    }
    return (10 - sum % 10) % 10 == text.back() - '0';
}

} // namespace

PhoneNumberFinder::PhoneNumberFinder(std::string_view region)
    : m_region(region) {}

std::vector<TextMatch> PhoneNumberFinder::numbersIn(std::string_view text) {
    std::vector<TextMatch> numbers;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!isDigit(text[at]) && text[at] != '+') {
            ++at;
            continue;
        }
        const std::size_t start = at;
        int digits = 0;
        while (at < text.size()) {
            if (isDigit(text[at])) {
                ++digits;
                ++at;
            } else if (const std::size_t separator = separatorLength(text.substr(at)); separator > 0) {
                at += separator;
            } else {
                break;
            }
        }
        if (digits < kFewestDigits) {
            continue;
        }
        // One character on either side, for the library's judgement of what stands beside a number.
        const std::size_t from = start - characterBefore(text, start);
        const std::size_t to = at + characterAt(text, at);
        for (const TextMatch& number : numbersInStretch(std::string(text.substr(from, to - from)))) {
            numbers.push_back({from + number.at, number.text});
        }
    }
    return numbers;
}

std::vector<TextMatch> PhoneNumberFinder::numbersInStretch(const std::string& stretch) {
    const auto [entry, inserted] = m_found.try_emplace(stretch);
    if (!inserted) {
        return entry->second;
    }
    PhoneNumberMatcher matcher(*PhoneNumberUtil::GetInstance(), stretch, m_region, PhoneNumberMatcher::VALID,
                               kTriesPerStretch);
    PhoneNumberMatch match;
    while (matcher.HasNext() && matcher.Next(&match)) {
        if (!isBarcode(match.raw_string())) {
            entry->second.push_back({static_cast<std::size_t>(match.start()), match.raw_string()});
        }
    }
    return entry->second;
}

} // namespace vellumo
