#pragma once

// Reads the key store back for tests: the program itself only ever writes it.

#include "library/ini_file.h"
#include "platform/key_store.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellumo::testing {

// The store's section of a key: its full path with the root's exact name; none for a path with no root.
inline std::optional<std::string> KeySection(std::string_view path) {
    const RegistryPath parsed = ParseRegistryPath(path, {});
    if (!parsed.root) {
        return std::nullopt;
    }
    std::string section(RootKeyName(*parsed.root));
    if (!parsed.subKey.empty()) {
        section += "\\" + parsed.subKey;
    }
    return section;
}

// Whether the key exists: the roots always do, a key below them when the store holds its section.
inline bool RegistryKeyExists(const std::string& storeFile, std::string_view path) {
    const auto section = KeySection(path);
    if (!section) {
        return false;
    }
    const auto store = LoadIniDocumentForEdit(storeFile);
    return section->find('\\') == std::string::npos || (store && store->hasSection(*section));
}

inline std::optional<std::string> ReadRegistryString(const std::string& storeFile, std::string_view path,
                                                     std::string_view valueName) {
    const auto section = KeySection(path);
    const auto store = LoadIniDocumentForEdit(storeFile);
    if (!section || !store) {
        return std::nullopt;
    }
    return store->find(*section, valueName);
}

} // namespace vellumo::testing
