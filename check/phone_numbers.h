#pragma once

#include "contact_text.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vellumo {

// Finds phone numbers in text as the telephone system of a country reads them (Google's libphonenumber):
// "020 7946 0018" in Britain, "+49 30 1234567" anywhere. Sizes, prices, dates, years, measurements, model and
// part numbers are no numbers one can ring, and a run of digits that is an EAN or UPC barcode (its check
// digit fits) is taken for the barcode. Only stretches of digits long enough for a phone number are handed
// to the library, each different one once.
class PhoneNumberFinder {
public:
    // region: the country as phone numbers know it, "GB".
    explicit PhoneNumberFinder(std::string_view region);

    std::vector<TextMatch> numbersIn(std::string_view text);

private:
    std::vector<TextMatch> numbersInStretch(const std::string& stretch);

    std::string m_region;
    std::unordered_map<std::string, std::vector<TextMatch>> m_found; // by stretch, positions within it
};

} // namespace vellumo
