#pragma once

#include "library/app_paths.h"

#include <string>
#include <string_view>

namespace vellumo {

inline constexpr std::string_view kPreviewPageName = "mssetup2.htm";

// The page the preview browser shows: the preview folder, "/" and the page name.
std::string PreviewPagePath(const AppPaths& paths);

// Replaces the page with the code and one CR LF, in one atomic step. The preview folder is made private
// first (recreated when it vanished); a symbolic link planted at the page's path is replaced, never
// followed. The reason when the folder is refused or the page cannot be written.
Outcome WritePreviewPage(const AppPaths& paths, std::string_view code);

// Deletes the page if it exists (a link at its path is removed, not its target). Success when no page is
// left, including when there was none.
Outcome DeletePreviewPage(const AppPaths& paths);

} // namespace vellumo
