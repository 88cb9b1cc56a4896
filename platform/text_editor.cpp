#include "platform/text_editor.h"

#include "library/ini_file.h"
#include "text/letter_case.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vellumo {

namespace {

constexpr const char* kPlainText = "text/plain";

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(separator), text.size());
        if (end > 0) {
            parts.emplace_back(text.substr(0, end));
        }
        text.remove_prefix(std::min(text.size(), end + 1));
    }
    return parts;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The mimeapps.list files in the order the desktop consults them, desktop-specific ones first in each
// folder.
std::vector<std::string> mimeAppsLists(const DesktopFolders& desktop) {
    std::vector<std::string> folders = desktop.configFolders;
    for (const std::string& data : desktop.dataFolders) {
        folders.push_back(data + "/applications");
    }
    std::vector<std::string> lists;
    for (const std::string& folder : folders) {
        for (const std::string& name : desktop.currentDesktops) {
            lists.push_back(folder + "/" + name + "-mimeapps.list");
        }
        lists.push_back(folder + "/mimeapps.list");
    }
    return lists;
}

// The programs a group of an INI file names for plain text ("a.desktop;b.desktop;").
std::vector<std::string> namedPrograms(const IniDocument& document, std::string_view group) {
    return split(document.find(group, kPlainText).value_or(""), ';');
}

// A desktop file id names applications/<id>; "kde-editor.desktop" may also be applications/kde/editor.
std::optional<IniDocument> desktopEntry(const DesktopFolders& desktop, const std::string& id) {
    for (const std::string& data : desktop.dataFolders) {
        std::string relative = id;
        for (;;) {
            if (auto entry = LoadIniDocument(data + "/applications/" + relative)) {
                return entry;
            }
            const std::size_t dash = relative.find('-');
            if (dash == std::string::npos) {
                break;
            }
            relative[dash] = '/';
        }
    }
    return std::nullopt;
}

bool isExecutable(const DesktopFolders& desktop, const std::string& program) {
    if (program.find('/') != std::string::npos) {
        return ::access(program.c_str(), X_OK) == 0;
    }
    return std::ranges::any_of(desktop.executableFolders, [&](const std::string& folder) {
        return ::access((folder + "/" + program).c_str(), X_OK) == 0;
    });
}

// The string escapes every desktop entry value may hold.
std::string unescapeValue(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            text += ' ';
            break;
        case 'n':
            text += '\n';
            break;
        case 't':
            text += '\t';
            break;
        case 'r':
            text += '\r';
            break;
        default:
            text += value[i];
            break;
        }
    }
    return text;
}

// The Exec line split into arguments: blanks separate them, double quotes group them ("\" \` \$ \\"
// escaped inside); a field code for files or addresses becomes the file, the others go.
std::vector<std::string> commandFromExec(std::string_view exec, const std::string& file) {
    std::vector<std::string> command;
    std::string argument;
    bool inArgument = false;
    bool quoted = false;
    bool fileGiven = false;
    const auto finish = [&] {
        if (inArgument) {
            command.push_back(argument);
        }
        argument.clear();
        inArgument = false;
    };
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if ((c == '\\' || (c == '%' && exec.substr(i, 2) == "%%")) && i + 1 < exec.size()) {
                argument += exec[++i];
            } else {
                argument += c;
            }
        } else if (c == ' ' || c == '\t') {
            finish();
        } else if (c == '"') {
            quoted = true;
            inArgument = true;
        } else if (c == '%' && i + 1 < exec.size()) {
            const char code = exec[++i];
            if (code == '%') {
                argument += '%';
                inArgument = true;
            } else if (std::string_view("fFuU").find(code) != std::string_view::npos) {
                argument += file;
                inArgument = true;
                fileGiven = true;
            }
        } else {
            argument += c;
            inArgument = true;
        }
    }
    finish();
    if (!command.empty() && !fileGiven) {
        command.push_back(file);
    }
    return command;
}

std::optional<std::vector<std::string>> commandOf(const DesktopFolders& desktop, const std::string& id,
                                                  const std::string& file) {
    const auto entry = desktopEntry(desktop, id);
    if (!entry) {
        return std::nullopt;
    }
    constexpr std::string_view kGroup = "Desktop Entry";
    if (EqualIgnoringCase(entry->find(kGroup, "Hidden").value_or(""), "true")) {
        return std::nullopt;
    }
    const std::string tryExec = unescapeValue(entry->find(kGroup, "TryExec").value_or(""));
    if (!tryExec.empty() && !isExecutable(desktop, tryExec)) {
        return std::nullopt;
    }
    std::vector<std::string> command =
        commandFromExec(unescapeValue(entry->find(kGroup, "Exec").value_or("")), file);
    if (command.empty() || !isExecutable(desktop, command.front())) {
        return std::nullopt;
    }
    return command;
}

} // namespace

DesktopFolders DesktopFoldersFromEnvironment() {
    const std::string home = environment("HOME");
    const auto orDefault = [](std::string value, std::string fallback) {
        return value.empty() ? fallback : value;
    };
    DesktopFolders desktop;
    desktop.configFolders.push_back(orDefault(environment("XDG_CONFIG_HOME"), home + "/.config"));
    for (std::string& folder : split(orDefault(environment("XDG_CONFIG_DIRS"), "/etc/xdg"), ':')) {
        desktop.configFolders.push_back(std::move(folder));
    }
    desktop.dataFolders.push_back(orDefault(environment("XDG_DATA_HOME"), home + "/.local/share"));
    for (std::string& folder :
         split(orDefault(environment("XDG_DATA_DIRS"), "/usr/local/share:/usr/share"), ':')) {
        desktop.dataFolders.push_back(std::move(folder));
    }
    for (const std::string& name : split(environment("XDG_CURRENT_DESKTOP"), ':')) {
        desktop.currentDesktops.push_back(AsciiLower(name));
    }
    desktop.executableFolders = split(orDefault(environment("PATH"), "/usr/local/bin:/usr/bin:/bin"), ':');
    return desktop;
}

std::optional<std::vector<std::string>> TextEditorCommand(const DesktopFolders& desktop,
                                                          const std::string& file) {
    std::vector<std::string> candidates;
    std::vector<std::string> removed;
    std::vector<std::string> added;
    for (const std::string& list : mimeAppsLists(desktop)) {
        if (const auto document = LoadIniDocument(list)) {
            for (std::string& id : namedPrograms(*document, "Default Applications")) {
                candidates.push_back(std::move(id));
            }
            for (std::string& id : namedPrograms(*document, "Added Associations")) {
                added.push_back(std::move(id));
            }
            for (std::string& id : namedPrograms(*document, "Removed Associations")) {
                removed.push_back(std::move(id));
            }
        }
    }
    candidates.insert(candidates.end(), added.begin(), added.end());
    for (const std::string& data : desktop.dataFolders) {
        if (const auto cache = LoadIniDocument(data + "/applications/mimeinfo.cache")) {
            for (std::string& id : namedPrograms(*cache, "MIME Cache")) {
                if (std::ranges::find(removed, id) == removed.end()) {
                    candidates.push_back(std::move(id));
                }
            }
        }
    }
    for (const std::string& id : candidates) {
        if (auto command = commandOf(desktop, id, file)) {
            return command;
        }
    }
    return std::nullopt;
}

Outcome StartDetached(const std::vector<std::string>& command) {
    if (command.empty()) {
        return std::errc::invalid_argument;
    }
    std::vector<char*> arguments;
    for (const std::string& argument : command) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    // The grandchild reports a failed exec through the pipe; a successful one closes it unread.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return LastSystemError();
    }
    const pid_t child = ::fork();
    if (child < 0) {
        const Outcome failed = LastSystemError();
        ::close(report[0]);
        ::close(report[1]);
        return failed;
    }
    if (child == 0) {
        // The middle process ends at once, so the program is adopted by init and never becomes a zombie.
        ::setsid();
        if (::fork() == 0) {
            ::execvp(arguments.front(), arguments.data());
            const int reason = errno;
            [[maybe_unused]] const ssize_t written = ::write(report[1], &reason, sizeof reason);
            ::_exit(127);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    int reason = 0;
    ssize_t got = 0;
    do {
        got = ::read(report[0], &reason, sizeof reason);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof reason)) {
        return std::error_code(reason, std::generic_category());
    }
    return {};
}

} // namespace vellumo
