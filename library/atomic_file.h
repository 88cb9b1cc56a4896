#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// Replaces the file at path with bytes so that readers see either the old file or the whole new one:
// a temporary file in the same folder (created exclusively, never through a symbolic link) is written,
// flushed to disk and renamed over the target. A symbolic link at path is replaced, not written through.
// An existing regular file keeps its permission bits; a new file gets 0666 less the umask.
// On any failure the temporary file is removed and false is returned; the old file is then untouched.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, std::string_view bytes);

struct FileContent {
    std::string path;
    std::string_view bytes;
};

// The same for files that belong together: every temporary file is written and flushed before the first
// rename, so a full disk leaves all of the old files in place.
[[nodiscard]] bool WriteFilesAtomically(const std::vector<FileContent>& files);

} // namespace vellumo
