#include "check/shown_words.h"
#include "check/speller.h"
#include "test_paths.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

std::string wordsOf(std::string_view fieldText) {
    std::string words;
    for (const ShownWord& word : WordsToSpell(fieldText)) {
        words += (words.empty() ? "" : " ") + word.text + "@" + std::to_string(word.at);
    }
    return words;
}

struct WordsCase {
    const char* fieldText;
    const char* words; // each as read, with where it is written
};

class WordsToSpellTest : public testing::TestWithParam<WordsCase> {};

TEST_P(WordsToSpellTest, AreTheWordsABuyerReads) {
    EXPECT_EQ(wordsOf(GetParam().fieldText), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, WordsToSpellTest,
    testing::Values(
        WordsCase{"<b class=\"boldtext\">Fine</b> <img alt=\"Teapto\" src=x.jpg>china", "Fine@20 china@57"},
        WordsCase{"<!-- notte --><style>p { colr: red }</style>Tea", "Tea@44"},
        WordsCase{"Caf&eacute; &amp; tea", "Caf\xC3\xA9@0 tea@18"},
        WordsCase{"Mail ann@example.com or see www.shoppe.example/teapots", "Mail@0 or@21 see@24"},
        WordsCase{"Sizes 10x12, 3rd owner, 1950s, \xC2\xA3"
                  "12.99",
                  "Sizes@0 owner@17"},
        WordsCase{"Model KX-TG6812 from NIB USB eBay iPhone GoPro", "Model@0 from@16"},
        WordsCase{"A teapot x 2, don't l\xE2\x80\x99objet", "teapot@2 don't@14 l\xE2\x80\x99objet@20"}),
    [](const testing::TestParamInfo<WordsCase>& info) { return "Case" + std::to_string(info.index); });

Speller open(ListingLanguage language) {
    Result<Speller> speller = Speller::Open(kDictionaryFolder, language, {});
    EXPECT_TRUE(speller) << speller.message();
    return std::move(*speller);
}

struct SpellingCase {
    ListingLanguage language;
    const char* word;
    bool known;
};

class DictionaryTest : public testing::TestWithParam<SpellingCase> {};

TEST_P(DictionaryTest, KnowsTheLanguagesWords) {
    EXPECT_EQ(open(GetParam().language).knows(GetParam().word), GetParam().known) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(DebianDictionaries, DictionaryTest,
                         testing::Values(SpellingCase{ListingLanguage::EnglishUs, "color", true},
                                         SpellingCase{ListingLanguage::EnglishUs, "condtion", false},
                                         SpellingCase{ListingLanguage::EnglishUk, "colour", true},
                                         SpellingCase{ListingLanguage::EnglishUk, "color", false},
                                         SpellingCase{ListingLanguage::German, "Versandkosten", true},
                                         SpellingCase{ListingLanguage::German, "Zustnad", false},
                                         SpellingCase{ListingLanguage::French,
                                                      "l\xE2\x80\x99"
                                                      "appareil",
                                                      true},
                                         SpellingCase{ListingLanguage::Italian, "dell'articolo", true},
                                         SpellingCase{ListingLanguage::Spanish, "env\xC3\xADo", true},
                                         SpellingCase{ListingLanguage::Spanish, "envio", false}),
                         [](const testing::TestParamInfo<SpellingCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

class DesktopLanguageTest : public testing::TestWithParam<std::pair<const char*, ListingLanguage>> {};

TEST_P(DesktopLanguageTest, PicksTheListingLanguage) {
    EXPECT_EQ(LanguageForLocale(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(Locales, DesktopLanguageTest,
                         testing::Values(std::pair{"en_US.UTF-8", ListingLanguage::EnglishUs},
                                         std::pair{"en_IE", ListingLanguage::EnglishUk},
                                         std::pair{"en_GB.UTF-8@euro", ListingLanguage::EnglishUk},
                                         std::pair{"de_AT.UTF-8", ListingLanguage::German},
                                         std::pair{"fr_CA", ListingLanguage::French},
                                         std::pair{"it", ListingLanguage::Italian},
                                         std::pair{"es_MX", ListingLanguage::Spanish},
                                         std::pair{"pt_BR", ListingLanguage::EnglishUs},
                                         std::pair{"C", ListingLanguage::EnglishUs}));

TEST(Speller, SuggestsTheWordMeantFirst) {
    const Speller speller = open(ListingLanguage::EnglishUk);
    ASSERT_FALSE(speller.suggestionsFor("camra").empty());
    EXPECT_EQ(speller.suggestionsFor("camra").front(), "camera");
    EXPECT_EQ(speller.suggestionsFor("Teh").front(), "The");
}

TEST(Speller, OwnAndIgnoredWordsAreKnown) {
    Result<Speller> speller = Speller::Open(kDictionaryFolder, ListingLanguage::EnglishUs, {"Vellumo"});
    ASSERT_TRUE(speller);
    EXPECT_TRUE(speller->knows("Vellumo"));
    EXPECT_FALSE(speller->knows("Teapto"));
    speller->ignore("Teapto");
    EXPECT_TRUE(speller->knows("Teapto"));
    speller->addWord("Brenvik");
    EXPECT_TRUE(speller->knows("Brenvik"));
}

TEST(Speller, AMissingDictionaryGivesItsReason) {
    const Result<Speller> speller = Speller::Open(kTestDataDir, ListingLanguage::German, {});
    ASSERT_FALSE(speller);
    EXPECT_EQ(speller.error(), std::errc::no_such_file_or_directory);
}

} // namespace
} // namespace vellumo
