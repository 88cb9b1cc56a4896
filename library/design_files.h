#pragma once

#include "library/app_paths.h"
#include "library/outcome.h"
#include "library/template_file.h"
#include "library/template_folder.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vellumo {

// The longest template name, in UTF-8 bytes, whose files the template folder can hold: the code file adds
// ".txt" to the name, and the folder's file system limits a name (255 bytes on the usual ones).
std::size_t MaxTemplateNameBytes(const AppPaths& paths);

inline constexpr std::string_view kJournalName = ".vellumo-save";

enum class SaveDesignStatus {
    Saved,
    NoPhotoCount,  // the photo count is not 2 to 5 (no style chosen)
    EmptyName,     // nothing is left of the name once cleaned
    NameTooLong,   // the files' names would be longer than the folder allows (MaxTemplateNameBytes)
    Declined,      // the seller chose not to save after all
    FolderMissing, // "My Templates" could not be created (error says why)
    WriteFailed,   // the files could not be written (error says why); the design saved before is whole
};

// What a Save writes: the template's values and the listing HTML of the code file.
struct DesignContent {
    TemplateValues values;
    std::string code;
};

// Asked once the photo count and the name are fit to save, before anything is written, and told whether a
// design of that name is saved already: what to write, or none to save nothing.
using DesignToWrite = std::function<std::optional<DesignContent>(bool replacesDesign)>;

struct SaveDesignResult {
    SaveDesignStatus status = SaveDesignStatus::Saved;
    std::string templateEntry; // "<name>-<photo count>"
    std::error_code error;
};

// Save: the template file "<name>-<photo count>" and the code file "<name>.txt" holding the code, and a
// template file of the same name with another photo count removed, all or nothing. The photo count is
// checked first, then the name; then the content is asked for. Both new files are
// written to disk under temporary names first; a journal then names the renames and the removal, and
// only after it is on disk are they carried out. A crash at any point leaves the old design whole or,
// once the journal is written, a change that RecoverTemplateFolder completes at the next start. The
// listing is brought up to date with what the folder holds afterwards.
//
// The journal is the hidden file kJournalName in the template folder: one step a line, either
// "move<TAB><temporary file><TAB><file>" or "remove<TAB><file>", names relative to the folder.
SaveDesignResult SaveDesign(const AppPaths& paths, TemplateFolderListing& listing, const TemplateName& name,
                            int photoCount, const DesignToWrite& content);

// Completes a Save that a crash interrupted after its journal was written, and removes temporary files a
// crash left before. Run at start-up, before the lists are filled.
Outcome RecoverTemplateFolder(const AppPaths& paths);

// Delete: removes the template file of templateEntry and the code file of codeEntry (either may be empty).
// A file already gone counts as deleted; the reason of the first removal that failed otherwise.
Outcome DeleteDesign(const AppPaths& paths, std::string_view templateEntry, std::string_view codeEntry);

} // namespace vellumo
