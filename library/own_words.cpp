#include "library/own_words.h"

#include "library/atomic_file.h"
#include "text/utf8.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vellumo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

Result<std::string> readWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return LastSystemError();
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) {
        return std::errc::io_error;
    }
    return bytes.str();
}

} // namespace

Result<std::vector<std::string>> LoadOwnWords(const AppPaths& paths) {
    const Result<std::string> bytes = readWhole(paths.ownWordsFile());
    if (!bytes) {
        if (bytes.error() == std::errc::no_such_file_or_directory) {
            return std::vector<std::string>();
        }
        return bytes.error();
    }
    std::string_view text = *bytes;
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::string> words;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        if (!line.empty() && IsValidUtf8(line)) {
            words.emplace_back(line);
        }
    }
    return words;
}

Outcome AddOwnWord(const AppPaths& paths, std::string_view word) {
    if (word.empty() || word.find_first_of("\r\n") != std::string_view::npos || !IsValidUtf8(word)) {
        return std::errc::invalid_argument;
    }
    Result<std::vector<std::string>> words = LoadOwnWords(paths);
    if (!words) {
        return words.outcome();
    }
    if (std::ranges::find(*words, word) != words->end()) {
        return {};
    }
    words->emplace_back(word);
    std::string text;
    for (const std::string& known : *words) {
        text += known + "\n";
    }
    if (Outcome folder = CreateFolderIfMissing(paths.appFolder); !folder) {
        return folder;
    }
    return WriteFileAtomically(paths.ownWordsFile(), text);
}

} // namespace vellumo
