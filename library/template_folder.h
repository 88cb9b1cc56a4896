#pragma once

#include "library/app_paths.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// The names of the normal files directly in "My Templates", read in one pass; empty when the folder is
// missing. Both lists and the questions a Save asks are answered from one listing.
struct TemplateFolderListing {
    std::vector<std::string> fileNames;
};
TemplateFolderListing ListTemplateFolder(const AppPaths& paths);

// The template list (lstPlates): the files whose name ends in a decimal digit, sorted alphabetically
// without regard to case.
std::vector<std::string> FillTemplateList(const TemplateFolderListing& listing);

// The code list (lstCode): the files ending in ".txt" in any letter case, each with every exact ".txt"
// removed from its name, sorted without regard to case.
std::vector<std::string> FillCodeList(const TemplateFolderListing& listing);

// Removes \ / : * ? " < > |, control characters, and leading dots and blanks: what is left is a visible
// file name. Empty when nothing usable is left.
std::string CleanTemplateName(std::string_view name);

// A template name as Save uses it: cleaned once, when it is made, so no file operation ever sees the
// characters cleaning removes.
class TemplateName {
public:
    explicit TemplateName(std::string_view typed)
        : m_text(CleanTemplateName(typed)) {}
    const std::string& text() const { return m_text; }
    bool empty() const { return m_text.empty(); }

private:
    std::string m_text;
};

// The template name of a template list entry: the text before its last hyphen ("Blue-teapot-3" gives
// "Blue-teapot"); an entry without a hyphen is its own name.
std::string TemplateNameOfEntry(std::string_view entry);

// The photo count a template list entry names: its last character, a digit; none for an empty entry or one
// that ends otherwise.
std::optional<int> PhotoCountOfEntry(std::string_view entry);

// The lists pair by template name: the code entry "Blue teapot" belongs to the template entry
// "Blue teapot-3". The position of the partner in the other list, if it has one.
std::optional<std::size_t> CodeEntryOfTemplate(const std::vector<std::string>& codeList,
                                               std::string_view templateEntry);
std::optional<std::size_t> TemplateEntryOfCode(const std::vector<std::string>& templateList,
                                               std::string_view codeEntry);

// What selecting a template list entry selects beside it.
struct TemplateSelection {
    std::optional<std::size_t> codeIndex; // the paired code entry to select, if any
    std::optional<std::string> name;      // the name to save under, only when the entry has a code partner
};
TemplateSelection SelectTemplateEntry(const std::vector<std::string>& templateList,
                                      const std::vector<std::string>& codeList, std::size_t templateIndex);

std::string TemplateFilePath(const AppPaths& paths, std::string_view templateEntry);

// The code file a code list entry stands for: "<entry>.txt" when it exists, otherwise the file that lists
// as the entry (a.txt.txt lists as "a"), otherwise "<entry>.txt". Empty for an entry that is no plain name.
std::string CodeFilePath(const AppPaths& paths, std::string_view codeEntry);

// True when a design of that name is saved already, whatever its photo count; the window asks the seller
// before replacing it.
bool DesignExists(const TemplateFolderListing& listing, const TemplateName& name);

// True when fileName is a template file of the design: "<name>-<digit>".
bool IsTemplateFileOf(std::string_view fileName, std::string_view name);

// The code file of a design: "<name>.txt".
std::string CodeFileName(std::string_view name);

} // namespace vellumo
