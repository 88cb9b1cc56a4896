#include "spelling_advice.h"

#include "shown_words.h"
#include "speller.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace vellumo {

namespace {

// The dictionary takes about a tenth of a second for each word's suggestions; words past this many in one
// check are named without one, so a listing full of foreign words does not keep the seller waiting.
constexpr std::size_t kWordsSuggested = 8;
constexpr std::size_t kWordsNamed = 6;

bool isSpelledField(FieldRef::Kind kind) {
    return kind == FieldRef::Kind::Title || kind == FieldRef::Kind::Paragraph ||
           kind == FieldRef::Kind::Summary;
}

struct FieldWords {
    FieldRef field;
    std::vector<std::string> words; // each unknown word once, in the order met
    std::unordered_set<std::string> seen;
};

} // namespace

std::string
CorrectedSpelling(std::string_view fieldText,
                  const std::function<std::optional<std::string>(std::string_view)>& correctionOf) {
    std::string corrected;
    std::size_t copied = 0;
    for (const ShownWord& word : WordsToSpell(fieldText)) {
        if (const std::optional<std::string> correction = correctionOf(word.text)) {
            corrected.append(fieldText.substr(copied, word.at - copied));
            corrected += *correction;
            copied = word.end;
        }
    }
    corrected.append(fieldText.substr(copied));
    return corrected;
}

std::vector<Finding> SpellingAdvice(std::string_view html, const HtmlReading& reading, const SourceMap& map,
                                    const Speller& speller,
                                    const std::function<std::string(FieldRef)>& valueOf) {
    std::vector<FieldWords> unknown;
    WordReader reader;
    for (const HtmlText& text : reading.texts) {
        if (text.kind != HtmlText::Kind::Shown) {
            continue;
        }
        const std::string_view written = html.substr(text.at, text.rawEnd - text.at);
        for (ShownWord& word : reader.wordsIn(text.text, WrittenPositions(written, text.at, text.text))) {
            const SourceMap::Origin origin = map.originOf(word.at);
            if (origin.source != SourceMap::Source::Field || !isSpelledField(origin.field.kind) ||
                word.end > origin.end || speller.knows(word.text)) {
                continue;
            }
            auto group = std::ranges::find(unknown, origin.field, &FieldWords::field);
            if (group == unknown.end()) {
                group = unknown.insert(unknown.end(), FieldWords{origin.field, {}, {}});
            }
            if (group->seen.insert(word.text).second) {
                group->words.push_back(std::move(word.text));
            }
        }
    }

    std::unordered_map<std::string, std::string> corrections;
    std::size_t suggested = 0;
    std::vector<Finding> findings;
    for (const FieldWords& group : unknown) {
        Finding finding{.kind = FindingKind::UnknownWords,
                        .severity = Severity::Advice,
                        .field = group.field,
                        .different = group.words.size()};
        std::vector<std::string> used;
        for (const std::string& word : group.words) {
            if (!corrections.contains(word) && suggested < kWordsSuggested) {
                ++suggested;
                if (const std::vector<std::string>& suggestions = speller.suggestionsFor(word);
                    !suggestions.empty()) {
                    corrections.emplace(word, suggestions.front());
                }
            }
            const auto correction = corrections.find(word);
            const std::string suggestion = correction != corrections.end() ? correction->second : "";
            if (finding.found.size() < kWordsNamed) {
                finding.found.push_back({.text = word, .suggestion = suggestion});
            }
            if (!suggestion.empty()) {
                used.push_back(suggestion);
            }
        }
        if (!used.empty()) {
            const std::string value = valueOf(group.field);
            std::string fixed =
                CorrectedSpelling(value, [&](std::string_view word) -> std::optional<std::string> {
                    const auto found = corrections.find(std::string(word));
                    return found == corrections.end() ? std::nullopt : std::optional(found->second);
                });
            const std::size_t count = used.size();
            used.resize(std::min(count, kWordsNamed));
            if (fixed != value) {
                finding.fix = FieldFix{.field = group.field,
                                       .newValue = std::move(fixed),
                                       .kind = FixKind::Correct,
                                       .shown = std::move(used),
                                       .count = count};
            }
        }
        findings.push_back(std::move(finding));
    }
    return findings;
}

} // namespace vellumo
