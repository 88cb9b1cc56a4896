#pragma once

#include "library/outcome.h"

#include <string>
#include <vector>

namespace vellumo {

// A dot-file stands for a hidden file: the normal-file search skips it, FileExists finds it.
// Only regular files (a symbolic link counts by what it points to) are files; folders, pipes and devices
// are not, so nothing ever blocks reading one.

// True when path names a file, hidden ones included.
bool FileExists(const std::string& path);

// True when path names a file whose name does not start with a dot.
bool NormalFileExists(const std::string& path);

// Names (not paths) of the normal files directly inside folder, unsorted; empty when the folder is missing.
std::vector<std::string> ListNormalFiles(const std::string& folder);

// Far beyond any template or settings file; a larger file is not ours to load whole.
inline constexpr long long kMaxReadSize = 64 * 1024 * 1024;

// The whole content of a file, hidden ones included; the reason when it is missing (no such file),
// not a regular file, unreadable, or larger than kMaxReadSize (file too large).
Result<std::string> ReadWholeFile(const std::string& path);

// The same for a normal file only: a hidden file reads as missing.
Result<std::string> ReadNormalFile(const std::string& path);

} // namespace vellumo
