#pragma once

#include "library/outcome.h"

#include <string>
#include <string_view>

namespace vellumo {

// The SFTP servers the seller has trusted, one line per server in the form OpenSSH's known_hosts file
// uses ("[host]:port key-type base64-key"), so that a key can be compared with ssh-keygen's.

enum class HostKeyStatus { Pinned, Unknown, Changed };

// "SHA256:" and the unpadded base64 of the key's SHA-256, as ssh shows it.
std::string HostKeyFingerprint(std::string_view keyBlob);

// The key (in SSH wire form) compared with the one pinned for the server; a missing or unreadable file
// knows no server.
HostKeyStatus CheckHostKey(const std::string& file, std::string_view host, int port,
                           std::string_view keyBlob);

// Pins the key for the server, replacing one pinned before; the file is replaced atomically.
Outcome PinHostKey(const std::string& file, std::string_view host, int port, std::string_view keyBlob);

} // namespace vellumo
