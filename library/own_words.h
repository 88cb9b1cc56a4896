#pragma once

#include "library/app_paths.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// The seller's own words for spelling ("Add to dictionary"): a UTF-8 text file in the data folder, one word a
// line. A file edited on Windows reads as well (a byte order mark, CR LF); a line that is not UTF-8 is left
// out rather than misread. No file yet means no words.
Result<std::vector<std::string>> LoadOwnWords(const AppPaths& paths);

// Adds a word to the file, written whole in one atomic step; a word already there changes nothing. A word
// holding a line break or not in UTF-8 is refused (invalid_argument).
Outcome AddOwnWord(const AppPaths& paths, std::string_view word);

} // namespace vellumo
