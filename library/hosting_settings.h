#pragma once

#include "library/app_paths.h"
#include "library/outcome.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellumo {

// How photos reach the seller's web space. Only protocols that encrypt the password and the photos.
enum class HostingProtocol { WebDav, Sftp, Ftps };

// Where uploaded photos go and the https address buyers load them from. The password is not part of it:
// it lives in the desktop's keyring.
struct HostingSettings {
    HostingProtocol protocol = HostingProtocol::WebDav;
    std::string host; // a bare host name or address
    int port = 0;     // 0: the protocol's usual port
    std::string user;
    std::string folder;        // on the server, "/" separated; empty for the account's top folder
    std::string publicAddress; // https address that serves that folder, ending in "/"
    bool operator==(const HostingSettings&) const = default;
};

std::string_view ProtocolName(HostingProtocol protocol);
int UsualPort(HostingProtocol protocol);
int PortOf(const HostingSettings& settings);

// The settings as the seller typed them, tidied: a scheme typed before the host that matches the protocol
// ("https://", "sftp://", "ftps://") and a trailing "/" are dropped, blanks trimmed, the folder without
// outer "/", the public address ending in "/". A scheme that does not match is kept, so the check below
// names it.
HostingSettings TidiedHostingSettings(HostingSettings typed);

// Why settings cannot be used. Plain FTP and http are refused because passwords and photos would travel
// unencrypted, and eBay shows only pictures from https addresses.
enum class HostingSettingsFault {
    PlainFtp,  // ftp:// typed before the server
    PlainHttp, // http:// typed before the server
    NoServer,
    NotAServerName, // the server holds blanks, a path, a port or a user
    BadPort,
    NoUser,
    HttpPublicAddress, // the public address begins with http://
    NoPublicAddress,   // none, or not an https address
};

// The first thing that keeps the settings from being used; none when they can be.
std::optional<HostingSettingsFault> HostingSettingsProblem(const HostingSettings& settings);

// Kept in Settings.ini, section "PictureHosting"; missing: empty settings (no host).
HostingSettings LoadHostingSettings(const AppPaths& paths);
Outcome SaveHostingSettings(const AppPaths& paths, const HostingSettings& settings);

} // namespace vellumo
