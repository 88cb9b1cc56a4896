#include "shown_words.h"

#include "contact_text.h"

#include <unicode/ubrk.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cctype>

namespace vellumo {

namespace {

// Whether a word the boundary rules found is one a dictionary can judge.
bool isWordToSpell(std::string_view word) {
    // Digits make a size or a model number; a dot or an underscore a file name, address or abbreviation.
    if (word.find_first_of("0123456789._@") != std::string_view::npos) {
        return false;
    }
    int letters = 0;
    bool lower = false;
    bool capitalInside = false;
    std::size_t at = 0;
    while (at < word.size()) {
        UChar32 c = 0;
        U8_NEXT(word.data(), at, word.size(), c);
        if (u_isalpha(c) == 0) {
            continue;
        }
        capitalInside = capitalInside || (letters > 0 && u_isupper(c) != 0);
        lower = lower || u_islower(c) != 0;
        ++letters;
    }
    return letters > 1 && lower && !capitalInside;
}

} // namespace

struct WordReader::Breaker {
    UBreakIterator* iterator = nullptr;
    UText* text = nullptr;
};

WordReader::WordReader()
    : m_breaker(std::make_unique<Breaker>()) {
    UErrorCode status = U_ZERO_ERROR;
    m_breaker->iterator = ubrk_open(UBRK_WORD, "", nullptr, 0, &status);
    if (U_FAILURE(status)) {
        m_breaker->iterator = nullptr;
    }
}

WordReader::~WordReader() {
    if (m_breaker->iterator != nullptr) {
        ubrk_close(m_breaker->iterator);
    }
    utext_close(m_breaker->text);
}

std::vector<ShownWord> WordReader::wordsIn(std::string_view read, WrittenPositions positions) {
    std::vector<ShownWord> words;
    // Most texts between tags are blanks and punctuation only: no word, and no need to ask for boundaries.
    const bool mayHoldWord = std::ranges::any_of(read, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 || std::isalpha(byte) != 0;
    });
    if (m_breaker->iterator == nullptr || !mayHoldWord) {
        return words;
    }
    UErrorCode status = U_ZERO_ERROR;
    m_breaker->text =
        utext_openUTF8(m_breaker->text, read.data(), static_cast<int64_t>(read.size()), &status);
    ubrk_setUText(m_breaker->iterator, m_breaker->text, &status);
    if (U_FAILURE(status)) {
        return words;
    }
    // Addresses are looked for only where one can stand.
    std::vector<TextMatch> addresses;
    if (read.find('@') != std::string_view::npos || read.find("://") != std::string_view::npos ||
        read.find("www.") != std::string_view::npos || read.find("WWW.") != std::string_view::npos) {
        addresses = MailAddressesIn(read);
        const std::vector<TextMatch> web = WebAddressesIn(read);
        addresses.insert(addresses.end(), web.begin(), web.end());
        std::ranges::sort(addresses, {}, &TextMatch::at);
    }
    std::size_t nextAddress = 0;
    int32_t start = ubrk_first(m_breaker->iterator);
    for (int32_t end = ubrk_next(m_breaker->iterator); end != UBRK_DONE;
         start = end, end = ubrk_next(m_breaker->iterator)) {
        const int32_t rule = ubrk_getRuleStatus(m_breaker->iterator);
        if (rule < UBRK_WORD_LETTER || rule >= UBRK_WORD_LETTER_LIMIT) {
            continue;
        }
        const auto from = static_cast<std::size_t>(start);
        const auto to = static_cast<std::size_t>(end);
        while (nextAddress < addresses.size() &&
               addresses[nextAddress].at + addresses[nextAddress].text.size() <= from) {
            ++nextAddress;
        }
        const bool inAddress = nextAddress < addresses.size() && addresses[nextAddress].at < to;
        const std::string_view word = read.substr(from, to - from);
        if (inAddress || !isWordToSpell(word)) {
            continue;
        }
        const std::size_t writtenAt = positions.of(from);
        words.push_back({writtenAt, positions.of(to), std::string(word)});
    }
    return words;
}

ShownReading ReadShownText(std::string_view fieldText) {
    ShownReading reading;
    WordReader reader;
    for (const HtmlText& text : ReadHtml(fieldText).texts) {
        if (text.kind != HtmlText::Kind::Shown) {
            continue;
        }
        reading.shown.emplace_back(text.at, text.rawEnd);
        const std::string_view written = fieldText.substr(text.at, text.rawEnd - text.at);
        std::vector<ShownWord> found =
            reader.wordsIn(text.text, WrittenPositions(written, text.at, text.text));
        reading.words.insert(reading.words.end(), std::make_move_iterator(found.begin()),
                             std::make_move_iterator(found.end()));
    }
    return reading;
}

std::vector<ShownWord> WordsToSpell(std::string_view fieldText) {
    return ReadShownText(fieldText).words;
}

} // namespace vellumo
