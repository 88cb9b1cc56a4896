#include "platform/key_store.h"

#include "library/app_paths.h"
#include "library/ini_file.h"

#include <array>
#include <utility>
#include <vector>

namespace vellumo {

namespace {

constexpr std::array<std::pair<std::string_view, RootKey>, 7> kRootKeys = {{
    {"HKEY_CLASSES_ROOT", RootKey::ClassesRoot},
    {"HKEY_CURRENT_USER", RootKey::CurrentUser},
    {"HKEY_LOCAL_MACHINE", RootKey::LocalMachine},
    {"HKEY_USERS", RootKey::Users},
    {"HKEY_PERFORMANCE_DATA", RootKey::PerformanceData},
    {"HKEY_CURRENT_CONFIG", RootKey::CurrentConfig},
    {"HKEY_DYN_DATA", RootKey::DynData},
}};

// The section names of a key and of every key above it below the root, outermost first:
// "HKEY_CURRENT_USER\A", "HKEY_CURRENT_USER\A\B". None when a name in the path is empty.
std::optional<std::vector<std::string>> keyChain(const RegistryPath& path) {
    std::vector<std::string> chain;
    std::string section(RootKeyName(*path.root));
    if (path.subKey.empty()) {
        return chain;
    }
    std::size_t start = 0;
    for (;;) {
        const auto backslash = path.subKey.find('\\', start);
        const std::string_view name = std::string_view(path.subKey).substr(start, backslash - start);
        if (name.empty()) {
            return std::nullopt;
        }
        section += "\\";
        section += name;
        chain.push_back(section);
        if (backslash == std::string::npos) {
            return chain;
        }
        start = backslash + 1;
    }
}

std::string sectionOf(const RegistryPath& path) {
    std::string section(RootKeyName(*path.root));
    if (!path.subKey.empty()) {
        section += "\\" + path.subKey;
    }
    return section;
}

bool keyExists(const IniDocument& store, const RegistryPath& path) {
    // The roots always exist; below them a key exists when its section does.
    return path.subKey.empty() || store.hasSection(sectionOf(path));
}

Outcome saveStore(const std::string& storeFile, const IniDocument& store) {
    const auto slash = storeFile.find_last_of('/');
    if (slash != std::string::npos && slash > 0) {
        if (Outcome folder = CreateFolderIfMissing(storeFile.substr(0, slash)); !folder) {
            return folder;
        }
    }
    return SaveIniDocument(storeFile, store);
}

} // namespace

std::optional<RootKey> RootKeyFromName(std::string_view name) {
    for (const auto& [rootName, root] : kRootKeys) {
        if (rootName == name) {
            return root;
        }
    }
    return std::nullopt;
}

std::string_view RootKeyName(RootKey root) {
    for (const auto& [rootName, candidate] : kRootKeys) {
        if (candidate == root) {
            return rootName;
        }
    }
    return {};
}

RegistryPath ParseRegistryPath(std::string_view path, const TellIncorrectFormat& tellIncorrectFormat) {
    if (!path.starts_with("HKEY_") || path.ends_with('\\')) {
        if (tellIncorrectFormat) {
            tellIncorrectFormat(std::string(path));
        }
        return {};
    }
    const auto backslash = path.find('\\');
    RegistryPath parsed;
    parsed.root = RootKeyFromName(path.substr(0, backslash));
    if (backslash != std::string_view::npos) {
        parsed.subKey = std::string(path.substr(backslash + 1));
    }
    return parsed;
}

Outcome CreateRegistryKey(const std::string& storeFile, std::string_view path,
                          const TellIncorrectFormat& tellIncorrectFormat) {
    const RegistryPath parsed = ParseRegistryPath(path, tellIncorrectFormat);
    if (!parsed.root) {
        return std::errc::invalid_argument;
    }
    const auto chain = keyChain(parsed);
    if (!chain) {
        return std::errc::invalid_argument;
    }
    auto store = LoadIniDocumentForEdit(storeFile);
    if (!store) {
        return store.outcome();
    }
    bool changed = false;
    for (const std::string& section : *chain) {
        if (store->hasSection(section)) {
            continue;
        }
        if (!store->addSection(section)) {
            return std::errc::invalid_argument;
        }
        changed = true;
    }
    // An existing key is only opened and closed: the store is not rewritten.
    if (!changed) {
        return {};
    }
    return saveStore(storeFile, *store);
}

Outcome SetRegistryString(const std::string& storeFile, std::string_view path, std::string_view valueName,
                          std::string_view text, const TellIncorrectFormat& tellIncorrectFormat) {
    const RegistryPath parsed = ParseRegistryPath(path, tellIncorrectFormat);
    if (!parsed.root || !keyChain(parsed)) {
        return std::errc::invalid_argument;
    }
    auto store = LoadIniDocumentForEdit(storeFile);
    if (!store) {
        return store.outcome();
    }
    if (!keyExists(*store, parsed)) {
        return std::errc::no_such_file_or_directory;
    }
    if (!store->set(sectionOf(parsed), valueName, text)) {
        return std::errc::invalid_argument;
    }
    return saveStore(storeFile, *store);
}

} // namespace vellumo
