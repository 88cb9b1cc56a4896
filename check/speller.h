#pragma once

#include "library/outcome.h"
#include "listing_language.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class Hunspell;

namespace vellumo {

// A language's Hunspell dictionary with the seller's own words. What it has judged once is remembered, so
// checking text again as the seller types costs little.
class Speller {
public:
    // The dictionary "<code>.aff" and "<code>.dic" in the folder (Debian's is /usr/share/hunspell), with the
    // seller's own words added; the reason when the dictionary cannot be read or is not in UTF-8.
    static Result<Speller> Open(const std::string& dictionaryFolder, ListingLanguage language,
                                const std::vector<std::string>& ownWords);
    Speller(Speller&&) noexcept;
    Speller& operator=(Speller&&) noexcept;
    ~Speller();

    ListingLanguage language() const { return m_language; }
    bool knows(std::string_view word) const;
    // The dictionary's suggestions, best first; none when it has none.
    const std::vector<std::string>& suggestionsFor(std::string_view word) const;
    // The seller's own word, known from now on ("Add to dictionary").
    void addWord(std::string_view word);
    // Known for as long as this speller lives ("Ignore").
    void ignore(std::string_view word);

private:
    Speller(ListingLanguage language, std::unique_ptr<Hunspell> dictionary);
    // The dictionary's form of a word: typographic apostrophes as the plain one it lists.
    static std::string asListed(std::string_view word);

    ListingLanguage m_language;
    std::unique_ptr<Hunspell> m_dictionary;
    std::unordered_set<std::string> m_ignored;
    mutable std::unordered_map<std::string, bool> m_known;
    mutable std::unordered_map<std::string, std::vector<std::string>> m_suggestions;
};

} // namespace vellumo
