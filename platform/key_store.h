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

// How the window tells the seller that a key path is not in the registry's format, the path given.
using TellIncorrectFormat = std::function<void(const std::string& path)>;

// The root key of exactly that name (case-sensitive), if any.
std::optional<RootKey> RootKeyFromName(std::string_view name);
std::string_view RootKeyName(RootKey root);

struct RegistryPath {
    std::optional<RootKey> root; // none: format error or unknown root name
    std::string subKey;          // everything after the first backslash
};

// Splits a path at its first backslash. A path that does not begin with "HKEY_" or ends with a backslash
// is told as incorrect and gives no root; an unknown root name gives no root silently.
RegistryPath ParseRegistryPath(std::string_view path, const TellIncorrectFormat& tellIncorrectFormat);

// Creates the key and any missing parent keys, or leaves them as they are. Success when the key exists
// afterwards; nothing is reported to the seller beyond an incorrect format. A path with no root key fails
// as an invalid argument.
Outcome CreateRegistryKey(const std::string& storeFile, std::string_view path,
                          const TellIncorrectFormat& tellIncorrectFormat);

// Sets a string value under an existing key; never creates a key (a missing one fails as no such file).
Outcome SetRegistryString(const std::string& storeFile, std::string_view path, std::string_view valueName,
                          std::string_view text, const TellIncorrectFormat& tellIncorrectFormat);

} // namespace vellumo
