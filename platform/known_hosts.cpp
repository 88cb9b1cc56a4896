#include "platform/known_hosts.h"

#include "library/atomic_file.h"
#include "platform/digest.h"

#include <fstream>
#include <sstream>

namespace vellumo {

namespace {

std::string HostEntry(std::string_view host, int port) {
    return "[" + std::string(host) + "]:" + std::to_string(port);
}

// The key type named at the start of an SSH key blob: a 32-bit big-endian length and the name.
std::string KeyType(std::string_view keyBlob) {
    if (keyBlob.size() < 4) {
        return "unknown";
    }
    std::size_t length = 0;
    for (int i = 0; i < 4; ++i) {
        length = (length << 8) | static_cast<unsigned char>(keyBlob[static_cast<std::size_t>(i)]);
    }
    return length > 0 && length <= keyBlob.size() - 4 ? std::string(keyBlob.substr(4, length)) : "unknown";
}

std::string ReadWhole(const std::string& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

struct KnownLine {
    std::string host;
    std::string type;
    std::string key;
};

KnownLine SplitLine(const std::string& line) {
    std::istringstream words(line);
    KnownLine known;
    words >> known.host >> known.type >> known.key;
    return known;
}

} // namespace

std::string HostKeyFingerprint(std::string_view keyBlob) {
    std::string text = Base64(Sha256(keyBlob));
    while (!text.empty() && text.back() == '=') {
        text.pop_back();
    }
    return "SHA256:" + text;
}

HostKeyStatus CheckHostKey(const std::string& file, std::string_view host, int port,
                           std::string_view keyBlob) {
    const std::string entry = HostEntry(host, port);
    std::istringstream lines(ReadWhole(file));
    std::string line;
    while (std::getline(lines, line)) {
        const KnownLine known = SplitLine(line);
        if (known.host == entry) {
            return FromBase64(known.key) == keyBlob ? HostKeyStatus::Pinned : HostKeyStatus::Changed;
        }
    }
    return HostKeyStatus::Unknown;
}

Outcome PinHostKey(const std::string& file, std::string_view host, int port, std::string_view keyBlob) {
    const std::string entry = HostEntry(host, port);
    std::istringstream lines(ReadWhole(file));
    std::string kept;
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && SplitLine(line).host != entry) {
            kept += line + "\n";
        }
    }
    kept += entry + " " + KeyType(keyBlob) + " " + Base64(keyBlob) + "\n";
    return WriteFileAtomically(file, kept);
}

} // namespace vellumo
