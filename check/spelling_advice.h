#pragma once

#include "finding.h"
#include "html/html_reading.h"
#include "source_map.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

class Speller;

// Advice on the words of the title, the paragraphs and the phone summary that the speller does not know, as
// the listing shows them: one finding per field naming its words with the dictionary's first suggestion,
// and a fix that puts those suggestions in. Advice only: a name or a trade word may be right all the same.
// valueOf gives a field's value, to make the fix from.
std::vector<Finding> SpellingAdvice(std::string_view html, const HtmlReading& reading, const SourceMap& map,
                                    const Speller& speller,
                                    const std::function<std::string(FieldRef)>& valueOf);

// A field's text with each word that corrections names replaced by its correction; markup stays as it is.
std::string
CorrectedSpelling(std::string_view fieldText,
                  const std::function<std::optional<std::string>(std::string_view)>& correctionOf);

} // namespace vellumo
