#pragma once

#include <optional>
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

// The whole content of a file, hidden ones included; none when it is missing, unreadable or absurdly large.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The same for a normal file only: a hidden file reads as missing.
std::optional<std::string> ReadNormalFile(const std::string& path);

} // namespace vellumo
