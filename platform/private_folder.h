#pragma once

#include "library/outcome.h"

#include <string>

namespace vellumo {

// Makes path a folder only the current user can enter: creates it (and missing parents, 0700) when
// missing, tightens a looser mode to 0700. Refuses a symbolic link (too many levels of symbolic links),
// anything that is not a folder (not a directory) and a folder owned by someone else (operation not
// permitted), leaving them untouched.
Outcome EnsurePrivateFolder(const std::string& path);

} // namespace vellumo
