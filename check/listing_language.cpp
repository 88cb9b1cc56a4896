#include "listing_language.h"

#include <algorithm>

namespace vellumo {

namespace {

// Countries whose English follows British spelling.
constexpr std::array<std::string_view, 7> kBritishSpelling = {"GB", "IE", "AU", "NZ", "ZA", "IN", "MT"};

} // namespace

const std::array<LanguageInfo, kLanguageCount>& ListingLanguages() {
    static constexpr std::array<LanguageInfo, kLanguageCount> kLanguages = {{
        {ListingLanguage::EnglishUs, "en_US", "English (US)", "US", "hunspell-en-us"},
        {ListingLanguage::EnglishUk, "en_GB", "English (UK)", "GB", "hunspell-en-gb"},
        {ListingLanguage::German, "de_DE", "Deutsch", "DE", "hunspell-de-de"},
        {ListingLanguage::French, "fr_FR", "Fran\u00E7ais", "FR", "hunspell-fr"},
        {ListingLanguage::Italian, "it_IT", "Italiano", "IT", "hunspell-it"},
        {ListingLanguage::Spanish, "es_ES", "Espa\u00F1ol", "ES", "hunspell-es"},
    }};
    return kLanguages;
}

const LanguageInfo& InfoOf(ListingLanguage language) {
    return ListingLanguages().at(static_cast<std::size_t>(language));
}

std::optional<ListingLanguage> LanguageByCode(std::string_view code) {
    const auto& languages = ListingLanguages();
    const auto found = std::ranges::find(languages, code, &LanguageInfo::code);
    return found == languages.end() ? std::nullopt : std::optional(found->language);
}

ListingLanguage LanguageForLocale(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    const std::string_view language = name.substr(0, name.find_first_of("_-"));
    const std::string_view country = language.size() < name.size() ? name.substr(language.size() + 1) : "";
    if (language == "en") {
        return std::ranges::find(kBritishSpelling, country) != kBritishSpelling.end()
                   ? ListingLanguage::EnglishUk
                   : ListingLanguage::EnglishUs;
    }
    for (const LanguageInfo& info : ListingLanguages()) {
        if (info.code.substr(0, 2) == language) {
            return info.language;
        }
    }
    return ListingLanguage::EnglishUs;
}

} // namespace vellumo
