#pragma once

#include "library/outcome.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vellumo {

// Registry keys and string values by full key path ("HKEY_CURRENT_USER\Software\..."), kept in a per-user
// key-store file that stands in for the registry (the module General). The file is INI text: one section
// per existing key, named by its full path, holding that key's string values. Names match without regard
// to case, as in the registry. Every change rewrites the file atomically.

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, PerformanceData, CurrentConfig, DynData };

// How the window shows a message box with the program name as title and an OK button.
using ShowMessage = std::function<void(const std::string& text)>;

// The root key of exactly that name (case-sensitive), if any.
std::optional<RootKey> RootKeyFromName(std::string_view name);
std::string_view RootKeyName(RootKey root);

struct RegistryPath {
    std::optional<RootKey> root; // none: format error or unknown root name
    std::string subKey;          // everything after the first backslash
};

// "Incorrect Format:", two line feeds and the path.
std::string IncorrectFormatMessage(std::string_view path);

// Splits a path at its first backslash. A path that does not begin with "HKEY_" or ends with a backslash
// shows the format message and gives no root; an unknown root name gives no root silently.
RegistryPath ParseRegistryPath(std::string_view path, const ShowMessage& showMessage);

// Creates the key and any missing parent keys, or leaves them as they are. Success when the key exists
// afterwards; nothing is reported to the seller beyond the format message. A path with no root key fails
// as an invalid argument.
Outcome CreateRegistryKey(const std::string& storeFile, std::string_view path,
                          const ShowMessage& showMessage);

// Sets a string value under an existing key; never creates a key (a missing one fails as no such file).
Outcome SetRegistryString(const std::string& storeFile, std::string_view path, std::string_view valueName,
                          std::string_view text, const ShowMessage& showMessage);

} // namespace vellumo
