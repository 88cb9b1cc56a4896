#pragma once

#include <string>
#include <string_view>

// Hex digest of SHA-256, for pinning the layout texts byte for byte.
std::string Sha256Hex(std::string_view data);
