#pragma once

#include <string>

namespace vellumo {

// Makes path a folder only the current user can enter: creates it (and missing parents, 0700) when
// missing, tightens a looser mode to 0700. Refuses (false) a symbolic link, anything that is not a
// folder, and a folder owned by someone else, leaving them untouched.
bool EnsurePrivateFolder(const std::string& path);

} // namespace vellumo
