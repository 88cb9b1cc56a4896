#pragma once

#include "library/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// Replaces the file at path with bytes so that readers see either the old file or the whole new one:
// a temporary file in the same folder (created exclusively, never through a symbolic link) is written,
// flushed to disk and renamed over the target. A symbolic link at path is replaced, not written through.
// An existing regular file keeps its permission bits; a new file gets 0666 less the umask.
// On any failure the temporary file is removed and the reason returned; the old file is then untouched.
Outcome WriteFileAtomically(const std::string& path, std::string_view bytes);

struct FileContent {
    std::string path;
    std::string_view bytes;
};

// The same for files that belong together: every temporary file is written and flushed before the first
// rename, so a full disk leaves all of the old files in place.
Outcome WriteFilesAtomically(const std::vector<FileContent>& files);

// The pieces of an atomic write, for writes that must survive a crash between renames (see design_files):
// a hidden temporary file beside path holding the bytes on disk, and its rename over path.
Result<std::string> WriteTemporaryFile(const std::string& path, std::string_view bytes);
Outcome CommitTemporaryFile(const std::string& temporaryPath, const std::string& path);

// True for the name (not path) of a temporary file these writes make.
bool IsTemporaryFileName(std::string_view name);

// Removes the temporary files a crash left in a folder. Only for a folder no other process writes into
// (the data folder, held by the one running instance).
Outcome RemoveTemporaryFiles(const std::string& folder);

// Makes renames and removals in a folder durable.
void SyncFolder(const std::string& folder);

} // namespace vellumo
