#pragma once

#include "library/app_paths.h"
#include "library/template_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// The template list (lstPlates): normal files of "My Templates" whose name ends in a decimal digit, sorted
// alphabetically without regard to case. Empty when the folder is missing.
std::vector<std::string> FillTemplateList(const AppPaths& paths);

// The code list (lstCode): normal files ending in ".txt" in any letter case, each with every exact ".txt"
// removed from its name, sorted without regard to case.
std::vector<std::string> FillCodeList(const AppPaths& paths);

// Keeps only the entries ending in "-2", "-3", "-4" or "-5".
std::vector<std::string> PruneTemplateList(std::vector<std::string> entries);

// Removes \ / : * ? " < > |, control characters, and leading dots and blanks: what is left is a visible
// file name. Empty when nothing usable is left.
std::string CleanTemplateName(std::string_view name);

// The template name of a template list entry: the text before its last hyphen ("Blue-teapot-3" gives
// "Blue-teapot"); an entry without a hyphen is its own name.
std::string TemplateNameOfEntry(std::string_view entry);

// The photo count of a template list entry (txtTag): its last character, empty for an empty entry.
std::string PhotoCountOfEntry(std::string_view entry);

// The lists pair by template name: the code entry "Blue teapot" belongs to the template entry
// "Blue teapot-3". The position of the partner in the other list, if it has one.
std::optional<std::size_t> CodeEntryOfTemplate(const std::vector<std::string>& codeList,
                                               std::string_view templateEntry);
std::optional<std::size_t> TemplateEntryOfCode(const std::vector<std::string>& templateList,
                                               std::string_view codeEntry);

// What selecting a template list entry sets (lstPlates_Click).
struct TemplateSelection {
    std::string photoCount;               // txtTag
    std::optional<std::size_t> codeIndex; // the paired code entry to select, if any
    std::optional<std::string> name;      // txtFilename, set only when the entry has a code partner
};
TemplateSelection SelectTemplateEntry(const std::vector<std::string>& templateList,
                                      const std::vector<std::string>& codeList, std::size_t templateIndex);

std::string TemplateFilePath(const AppPaths& paths, std::string_view templateEntry);

// The code file a code list entry stands for: "<entry>.txt" when it exists, otherwise the file that lists
// as the entry (a.txt.txt lists as "a"), otherwise "<entry>.txt". Empty for an entry that is no plain name.
std::string CodeFilePath(const AppPaths& paths, std::string_view codeEntry);

enum class SaveDesignStatus {
    Saved,
    EmptyName,     // nothing is left of the name once cleaned
    NoPhotoCount,  // the values are not for a photo count of 2 to 5 (no style chosen)
    FolderMissing, // "My Templates" could not be created
    WriteFailed,   // a file could not be written; what was there before is still there
};

struct SaveDesignResult {
    SaveDesignStatus status = SaveDesignStatus::Saved;
    std::string name;          // the cleaned template name
    std::string templateEntry; // "<name>-<photo count>"
};

// True when a design of that name (cleaned) is saved already, whatever its photo count; the window asks the
// seller before replacing it.
bool DesignExists(const AppPaths& paths, std::string_view name);

// Save: the template file "<name>-<photo count>" and the code file "<name>.txt" holding the code, each
// written atomically, "My Templates" created when missing. A design of the same name with another photo
// count is removed once both new files are in place.
SaveDesignResult SaveDesign(const AppPaths& paths, std::string_view name, const TemplateValues& values,
                            std::string_view code);

// Delete: removes the template file of templateEntry and the code file of codeEntry (either may be empty).
// True when neither file is left afterwards; a file already gone counts as deleted.
[[nodiscard]] bool DeleteDesign(const AppPaths& paths, std::string_view templateEntry,
                                std::string_view codeEntry);

} // namespace vellumo
