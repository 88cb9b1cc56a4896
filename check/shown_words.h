#pragma once

#include "html/html_reading.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellumo {

// A word a buyer reads: where it stands in the text as written, and how it reads.
struct ShownWord {
    std::size_t at = 0;  // where it starts as written
    std::size_t end = 0; // just after it
    std::string text;    // as the browser reads it: character references decoded
};

// Finds the words worth a spelling check in text as a buyer reads it, by the Unicode rules for word
// boundaries. Numbers and words with digits, words of one letter, words in e-mail and web addresses, and
// names written with capitals inside ("eBay", "iPhone") or in capitals only ("USB", "KX-TG") are left out:
// they are model codes, sizes and names, not words a dictionary can judge. One reader serves many texts.
class WordReader {
public:
    WordReader();
    ~WordReader();
    WordReader(const WordReader&) = delete;
    WordReader& operator=(const WordReader&) = delete;

    // read: a text as the browser reads it; positions: where its characters were written.
    std::vector<ShownWord> wordsIn(std::string_view read, WrittenPositions positions);

private:
    struct Breaker;
    std::unique_ptr<Breaker> m_breaker;
};

// A field's own text read alone as the check reads the listing: tags, attribute values, comments, style
// sheets and scripts are markup, not words; character references read as the characters they stand for.
struct ShownReading {
    std::vector<std::pair<std::size_t, std::size_t>> shown; // the stretches buyers read, as written
    std::vector<ShownWord> words;                           // the words worth a spelling check among them
};
ShownReading ReadShownText(std::string_view fieldText);

// ReadShownText's words alone.
std::vector<ShownWord> WordsToSpell(std::string_view fieldText);

} // namespace vellumo
