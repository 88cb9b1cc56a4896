#pragma once

#include "library/outcome.h"

#include <optional>
#include <string>
#include <vector>

namespace vellumo {

// Where the desktop keeps its settings and programs (the XDG base directories), as the environment of the
// running program gives them; unset ones take their standard defaults.
struct DesktopFolders {
    std::vector<std::string> configFolders;     // $XDG_CONFIG_HOME first, then $XDG_CONFIG_DIRS
    std::vector<std::string> dataFolders;       // $XDG_DATA_HOME first, then $XDG_DATA_DIRS
    std::vector<std::string> currentDesktops;   // $XDG_CURRENT_DESKTOP, lower case ("gnome", "kde")
    std::vector<std::string> executableFolders; // $PATH
};

DesktopFolders DesktopFoldersFromEnvironment();

// The command that opens a file in the seller's program for plain text: the desktop's default for
// text/plain (mimeapps.list), else the first program that says it opens text/plain (mimeinfo.cache),
// with its Exec line's field codes filled in. The file's type is never guessed from its content, so a
// code file holding HTML still opens as text. None when no installed program is set up for plain text.
std::optional<std::vector<std::string>> TextEditorCommand(const DesktopFolders& desktop,
                                                          const std::string& file);

// Starts a command that runs on after this program ends and is never waited for; the reason when it
// cannot be started (the program is missing, for instance).
Outcome StartDetached(const std::vector<std::string>& command);

} // namespace vellumo
