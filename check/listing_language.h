#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vellumo {

// The language a listing is written in, one for each of eBay's big sites: it picks the spelling dictionary
// and the country whose phone numbers the check looks for.
enum class ListingLanguage { EnglishUs, EnglishUk, German, French, Italian, Spanish };

struct LanguageInfo {
    ListingLanguage language;
    std::string_view code;       // kept in Settings.ini and naming the dictionary files: "en_GB"
    std::string_view caption;    // what the language chooser shows: "English (UK)"
    std::string_view region;     // the country of its eBay site, as phone numbers know it: "GB"
    std::string_view dictionary; // the Debian package of its dictionary
};

inline constexpr std::size_t kLanguageCount = 6;

// In the order the chooser lists them.
const std::array<LanguageInfo, kLanguageCount>& ListingLanguages();
const LanguageInfo& InfoOf(ListingLanguage language);
std::optional<ListingLanguage> LanguageByCode(std::string_view code);

// The language for a desktop locale such as "de_AT.UTF-8" or "en_IE": English of Britain and the countries
// that spell as it does, otherwise by the language alone; US English for any other.
ListingLanguage LanguageForLocale(std::string_view locale);

} // namespace vellumo
