// Spell-checking a paragraph of 5,000 words as the highlighter does on the first look at it (a dictionary
// that has judged nothing yet) and after a keystroke (the words judged before are remembered). The words are
// drawn from the dictionary's own list, 1,500 different ones as often as words are in real text, with a
// typo in every fiftieth.

#include "check/shown_words.h"
#include "check/speller.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace vellumo;

constexpr const char* kDictionaryFolder = "/usr/share/hunspell";
constexpr int kWords = 5000;
constexpr int kDifferentWords = 1500;

std::vector<std::string> vocabularyOf(ListingLanguage language) {
    std::ifstream dictionary(std::string(kDictionaryFolder) + "/" + std::string(InfoOf(language).code) +
                             ".dic");
    std::vector<std::string> all;
    std::string line;
    std::getline(dictionary, line); // the count
    while (std::getline(dictionary, line)) {
        const std::string word = line.substr(0, line.find_first_of("/\t "));
        if (word.size() > 2 && word.find_first_of("0123456789.'") == std::string::npos) {
            all.push_back(word);
        }
    }
    std::vector<std::string> chosen;
    for (int i = 0; i < kDifferentWords && !all.empty(); ++i) {
        chosen.push_back(all[(static_cast<std::size_t>(i) * 7919) % all.size()]);
    }
    return chosen;
}

std::string paragraphOf(ListingLanguage language) {
    const std::vector<std::string> vocabulary = vocabularyOf(language);
    std::mt19937 random(20);
    // Zipf's law: the k-th most common word is used about 1/k as often as the first.
    std::vector<double> weights;
    for (int k = 1; k <= kDifferentWords; ++k) {
        weights.push_back(1.0 / k);
    }
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    std::string paragraph;
    for (int i = 0; i < kWords; ++i) {
        std::string word = vocabulary.at(pick(random));
        if (i % 50 == 0) {
            std::swap(word[1], word[2]);
        }
        paragraph += word + (i % 12 == 11 ? ". " : " ");
    }
    return paragraph;
}

Speller openSpeller(ListingLanguage language) {
    Result<Speller> speller = Speller::Open(kDictionaryFolder, language, {});
    if (!speller) {
        std::abort();
    }
    return std::move(*speller);
}

std::size_t misspelledIn(const std::string& paragraph, const Speller& speller) {
    std::size_t misspelled = 0;
    for (const ShownWord& word : ReadShownText(paragraph).words) {
        misspelled += speller.knows(word.text) ? 0 : 1;
    }
    return misspelled;
}

void FirstLook(benchmark::State& state, ListingLanguage language) {
    const std::string paragraph = paragraphOf(language);
    std::size_t misspelled = 0;
    std::optional<Speller> speller;
    for (auto _ : state) {
        // Opening a dictionary and closing the last are not part of the check.
        state.PauseTiming();
        speller.reset();
        speller = openSpeller(language);
        state.ResumeTiming();
        misspelled = misspelledIn(paragraph, *speller);
    }
    state.counters["misspelled"] = static_cast<double>(misspelled);
    state.SetLabel(std::string(InfoOf(language).caption) + ", 5,000 words");
}
BENCHMARK_CAPTURE(FirstLook, EnglishUs, ListingLanguage::EnglishUs)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(FirstLook, EnglishUk, ListingLanguage::EnglishUk)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(FirstLook, German, ListingLanguage::German)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(FirstLook, French, ListingLanguage::French)->Unit(benchmark::kMillisecond)->Iterations(5);

void AgainAfterAKeystroke(benchmark::State& state) {
    const std::string paragraph = paragraphOf(ListingLanguage::EnglishUk);
    const Speller speller = openSpeller(ListingLanguage::EnglishUk);
    misspelledIn(paragraph, speller);
    std::size_t misspelled = 0;
    for (auto _ : state) {
        misspelled = misspelledIn(paragraph + "x", speller);
    }
    state.counters["misspelled"] = static_cast<double>(misspelled);
    state.SetLabel("English (UK), 5,000 words, one line");
}
BENCHMARK(AgainAfterAKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
