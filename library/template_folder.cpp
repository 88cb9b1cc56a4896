#include "library/template_folder.h"

#include "library/file_search.h"
#include "text/letter_case.h"

#include <algorithm>

namespace vellumo {

namespace {

constexpr std::string_view kCodeExtension = ".txt";
constexpr std::string_view kForbiddenNameCharacters = "\\/:*?\"<>|";

void sortIgnoringCase(std::vector<std::string>& entries) {
    std::ranges::sort(entries, LessIgnoringCase);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isCodeFileName(std::string_view name) {
    return EndsWithIgnoringCase(name, kCodeExtension);
}

// Every exact ".txt" goes, wherever it stands, in one left-to-right pass.
std::string codeEntryOfFileName(std::string_view name) {
    std::string entry;
    std::size_t position = 0;
    while (position < name.size()) {
        if (name.substr(position, kCodeExtension.size()) == kCodeExtension) {
            position += kCodeExtension.size();
        } else {
            entry += name[position++];
        }
    }
    return entry;
}

// A list entry must name a file directly inside the folder.
bool isPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

bool isControlCharacter(std::string_view text, std::size_t position, std::size_t& length) {
    const auto byte = static_cast<unsigned char>(text[position]);
    length = 1;
    if (byte < 0x20 || byte == 0x7F) {
        return true;
    }
    // The C1 controls U+0080..U+009F, as UTF-8.
    if (byte == 0xC2 && position + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[position + 1]);
        if (next >= 0x80 && next <= 0x9F) {
            length = 2;
            return true;
        }
    }
    return false;
}

} // namespace

TemplateFolderListing ListTemplateFolder(const AppPaths& paths) {
    return {ListNormalFiles(paths.templateFolder())};
}

std::vector<std::string> FillTemplateList(const TemplateFolderListing& listing) {
    std::vector<std::string> entries;
    for (const std::string& name : listing.fileNames) {
        if (isDigit(name.back())) {
            entries.push_back(name);
        }
    }
    sortIgnoringCase(entries);
    return entries;
}

std::vector<std::string> FillCodeList(const TemplateFolderListing& listing) {
    std::vector<std::string> entries;
    for (const std::string& name : listing.fileNames) {
        if (isCodeFileName(name)) {
            entries.push_back(codeEntryOfFileName(name));
        }
    }
    sortIgnoringCase(entries);
    return entries;
}

std::string CleanTemplateName(std::string_view name) {
    std::string cleaned;
    for (std::size_t position = 0; position < name.size();) {
        std::size_t length = 1;
        if (isControlCharacter(name, position, length) ||
            kForbiddenNameCharacters.find(name[position]) != std::string_view::npos) {
            position += length;
            continue;
        }
        cleaned += name[position++];
    }
    // A leading dot would hide the files from both lists.
    const auto visible = cleaned.find_first_not_of(". ");
    return visible == std::string::npos ? std::string() : cleaned.substr(visible);
}

std::string TemplateNameOfEntry(std::string_view entry) {
    const auto hyphen = entry.find_last_of('-');
    return std::string(hyphen == std::string_view::npos ? entry : entry.substr(0, hyphen));
}

std::optional<int> PhotoCountOfEntry(std::string_view entry) {
    if (entry.empty() || entry.back() < '0' || entry.back() > '9') {
        return std::nullopt;
    }
    return entry.back() - '0';
}

std::optional<std::size_t> CodeEntryOfTemplate(const std::vector<std::string>& codeList,
                                               std::string_view templateEntry) {
    const std::string name = TemplateNameOfEntry(templateEntry);
    const auto found = std::find(codeList.begin(), codeList.end(), name);
    if (found == codeList.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - codeList.begin());
}

std::optional<std::size_t> TemplateEntryOfCode(const std::vector<std::string>& templateList,
                                               std::string_view codeEntry) {
    for (std::size_t i = 0; i < templateList.size(); ++i) {
        if (TemplateNameOfEntry(templateList[i]) == codeEntry) {
            return i;
        }
    }
    return std::nullopt;
}

TemplateSelection SelectTemplateEntry(const std::vector<std::string>& templateList,
                                      const std::vector<std::string>& codeList, std::size_t templateIndex) {
    TemplateSelection selection;
    if (templateIndex >= templateList.size()) {
        return selection;
    }
    const std::string& entry = templateList[templateIndex];
    selection.codeIndex = CodeEntryOfTemplate(codeList, entry);
    if (selection.codeIndex) {
        selection.name = TemplateNameOfEntry(entry);
    }
    return selection;
}

std::string TemplateFilePath(const AppPaths& paths, std::string_view templateEntry) {
    if (!isPlainFileName(templateEntry)) {
        return {};
    }
    return paths.templateFolder() + std::string(templateEntry);
}

std::string CodeFilePath(const AppPaths& paths, std::string_view codeEntry) {
    if (!isPlainFileName(codeEntry)) {
        return {};
    }
    const std::string direct = paths.templateFolder() + std::string(codeEntry) + std::string(kCodeExtension);
    if (NormalFileExists(direct)) {
        return direct;
    }
    // a.txt.txt and A.TXT list under other names than their own; find the file behind the entry.
    std::vector<std::string> candidates;
    for (std::string& name : ListNormalFiles(paths.templateFolder())) {
        if (isCodeFileName(name) && codeEntryOfFileName(name) == codeEntry) {
            candidates.push_back(std::move(name));
        }
    }
    if (candidates.empty()) {
        return direct;
    }
    sortIgnoringCase(candidates);
    return paths.templateFolder() + candidates.front();
}

bool IsTemplateFileOf(std::string_view fileName, std::string_view name) {
    return fileName.size() == name.size() + 2 && fileName.substr(0, name.size()) == name &&
           fileName[name.size()] == '-' && isDigit(fileName.back());
}

std::string CodeFileName(std::string_view name) {
    return std::string(name) + std::string(kCodeExtension);
}

bool DesignExists(const TemplateFolderListing& listing, const TemplateName& name) {
    if (name.empty()) {
        return false;
    }
    const std::string codeFile = CodeFileName(name.text());
    return std::ranges::any_of(listing.fileNames, [&](const std::string& file) {
        return file == codeFile || IsTemplateFileOf(file, name.text());
    });
}

} // namespace vellumo
