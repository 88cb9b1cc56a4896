#pragma once

#include "library/outcome.h"

#include <string>
#include <vector>

namespace vellumo {

// The full-size pictures of the built-in backgrounds (numbers 1..67) written into a folder under the
// names a picture host gets ("background-007.jpg"), through the core's atomic write: every picture is on
// disk before the first one takes its name, so a full disk leaves none of them half-written.
Outcome ExportBackgrounds(const std::string& folder, const std::vector<int>& numbers);

// The paths in the folder the export would replace.
std::vector<std::string> ExistingExportFiles(const std::string& folder, const std::vector<int>& numbers);

} // namespace vellumo
