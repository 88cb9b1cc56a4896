#include "speller.h"

#include "text/replace.h"

#include <hunspell/hunspell.hxx>

#include <cstdio>

namespace vellumo {

namespace {

constexpr std::string_view kTypographicApostrophe = "\u2019";

// Hunspell reports an unreadable file on the console only; whether it can be read is found out first.
Outcome readable(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return LastSystemError();
    }
    std::fclose(file);
    return {};
}

} // namespace

Result<Speller> Speller::Open(const std::string& dictionaryFolder, ListingLanguage language,
                              const std::vector<std::string>& ownWords) {
    const std::string base = dictionaryFolder + "/" + std::string(InfoOf(language).code);
    for (const std::string& path : {base + ".aff", base + ".dic"}) {
        if (Outcome opened = readable(path); !opened) {
            return opened.error();
        }
    }
    auto dictionary = std::make_unique<Hunspell>((base + ".aff").c_str(), (base + ".dic").c_str());
    // Words are handed over as UTF-8; a dictionary in another encoding would misread every accented one.
    if (dictionary->get_dict_encoding() != "UTF-8") {
        return std::errc::illegal_byte_sequence;
    }
    Speller speller(language, std::move(dictionary));
    for (const std::string& word : ownWords) {
        speller.addWord(word);
    }
    return speller;
}

Speller::Speller(ListingLanguage language, std::unique_ptr<Hunspell> dictionary)
    : m_language(language)
    , m_dictionary(std::move(dictionary)) {}

Speller::Speller(Speller&&) noexcept = default;
Speller& Speller::operator=(Speller&&) noexcept = default;
Speller::~Speller() = default;

std::string Speller::asListed(std::string_view word) {
    std::string listed(word);
    ReplaceAll(listed, kTypographicApostrophe, "'");
    return listed;
}

bool Speller::knows(std::string_view word) const {
    const std::string listed = asListed(word);
    const auto [entry, inserted] = m_known.try_emplace(listed, false);
    if (inserted) {
        entry->second = m_ignored.contains(listed) || m_dictionary->spell(listed);
    }
    return entry->second;
}

const std::vector<std::string>& Speller::suggestionsFor(std::string_view word) const {
    const std::string listed = asListed(word);
    const auto [entry, inserted] = m_suggestions.try_emplace(listed);
    if (inserted) {
        entry->second = m_dictionary->suggest(listed);
    }
    return entry->second;
}

void Speller::addWord(std::string_view word) {
    const std::string listed = asListed(word);
    m_dictionary->add(listed);
    m_known.insert_or_assign(listed, true);
}

void Speller::ignore(std::string_view word) {
    const std::string listed = asListed(word);
    m_ignored.insert(listed);
    m_known.insert_or_assign(listed, true);
}

} // namespace vellumo
