#pragma once

#include <string>
#include <string_view>

namespace vellumo {

// The SHA-256 of the bytes: 32 bytes.
std::string Sha256(std::string_view bytes);
std::string HexDigits(std::string_view bytes);
// Standard base64 with its "=" padding.
std::string Base64(std::string_view bytes);
// The bytes of standard base64; empty for text that is not.
std::string FromBase64(std::string_view text);

} // namespace vellumo
