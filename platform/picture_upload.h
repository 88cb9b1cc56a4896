#pragma once

#include "library/hosting_settings.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

// Publishing a prepared photo on the seller's web space through libcurl (WebDAV over https, SFTP, FTP with
// TLS): written under a temporary name, renamed when complete, then fetched back from its public address
// and compared with what was sent. Runs on the calling thread; the window calls it from a worker.

struct UploadAccount {
    HostingSettings settings;
    std::string password; // passed to libcurl only, never part of an address or a message
};

// How uploads trust and reach servers beyond the system's own settings.
struct UploadConnection {
    std::string knownHostsFile; // the SFTP servers the seller has trusted
    // The fingerprint of an unknown SFTP server's key that the seller has just agreed to trust: pinned
    // when the server still offers that key.
    std::string acceptedHostKey;
    std::string extraCertificates;    // a PEM file trusted besides the system's certificates; tests only
    std::vector<std::string> resolve; // "host:port:address" pairs, as libcurl takes them; tests only
    long connectSeconds = 20;
    long stallSeconds = 30; // no byte moving for this long ends the transfer
};

enum class UploadFailure {
    UnusableSettings, // which: in settingsFault
    NotStarted,       // libcurl did not initialise
    WrongPassword,
    UnknownHostKey,
    ChangedHostKey,
    HostKeyNotKept, // the key the seller agreed to trust could not be written to the known hosts file
    UntrustedCertificate,
    Unreachable,
    TimedOut,
    ServerFull,
    NotPublished,   // the public address answers 404
    DifferentBytes, // the public address answers with something else
    Cancelled,
    Refused, // any other refusal, with the server's reason
};

// What went wrong, with what the window needs to say so: the server, user and folder come from settings.
struct UploadProblem {
    UploadFailure kind = UploadFailure::Refused;
    HostingSettings settings = {};
    std::optional<HostingSettingsFault> settingsFault = {};
    std::string reason = {};             // libcurl's or the system's own words; empty when there are none
    long answer = 0;                     // Refused: the server's answer number, 0 when it gave none
    std::string hostKeyFingerprint = {}; // the key an SFTP server offered (unknown or changed key)
    std::string knownHostsFile = {};     // ChangedHostKey, HostKeyNotKept: where trusted keys are kept
    // The photo's public address: for NotPublished and DifferentBytes, and when the photo went to the server
    // but its public address could not be loaded, which kind then tells why.
    std::string publicAddress = {};
    bool publicAddressUnloadable = false;
};

// The public address of the published file, or why there is none.
struct UploadResult {
    std::string address;
    std::optional<UploadProblem> problem;
    explicit operator bool() const { return !problem; }
};

// The share of the work done (0 to 1); returning false cancels.
using UploadProgress = std::function<bool(double done)>;

// The first 16 hex digits of the SHA-256 of the bytes and ".jpg": the same photo gets the same address.
std::string PictureFileName(std::string_view jpegBytes);

UploadResult UploadPicture(const UploadAccount& account, const UploadConnection& connection,
                           std::string_view jpegBytes, const UploadProgress& progress);

// What "Test" does: uploads a small text file, fetches it back from the public address and removes it.
UploadResult TestHosting(const UploadAccount& account, const UploadConnection& connection);

} // namespace vellumo
