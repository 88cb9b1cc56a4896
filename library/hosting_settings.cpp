#include "library/hosting_settings.h"

#include "library/ini_file.h"
#include "text/numbers.h"

#include <array>
#include <utility>

namespace vellumo {

namespace {

constexpr const char* kHostingSection = "PictureHosting";
constexpr int kHighestPort = 65535;

struct ProtocolEntry {
    HostingProtocol protocol;
    const char* keyValue; // as kept in Settings.ini
    const char* name;
    const char* scheme; // what a seller may type before the host
    int usualPort;
};

constexpr std::array<ProtocolEntry, 3> kProtocols = {{
    {HostingProtocol::WebDav, "webdav", "WebDAV", "https://", 443},
    {HostingProtocol::Sftp, "sftp", "SFTP", "sftp://", 22},
    {HostingProtocol::Ftps, "ftps", "FTPS", "ftps://", 21},
}};

const ProtocolEntry& EntryOf(HostingProtocol protocol) {
    for (const ProtocolEntry& entry : kProtocols) {
        if (entry.protocol == protocol) {
            return entry;
        }
    }
    return kProtocols.front();
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char letter =
            text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (letter != prefix[i]) {
            return false;
        }
    }
    return true;
}

std::string WithoutOuterSlashes(std::string text) {
    while (!text.empty() && text.front() == '/') {
        text.erase(0, 1);
    }
    while (!text.empty() && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

} // namespace

std::string_view ProtocolName(HostingProtocol protocol) {
    return EntryOf(protocol).name;
}

int UsualPort(HostingProtocol protocol) {
    return EntryOf(protocol).usualPort;
}

int PortOf(const HostingSettings& settings) {
    return settings.port > 0 ? settings.port : UsualPort(settings.protocol);
}

HostingSettings TidiedHostingSettings(HostingSettings typed) {
    typed.host = Trimmed(typed.host);
    const std::string_view scheme = EntryOf(typed.protocol).scheme;
    if (StartsWithNoCase(typed.host, scheme)) {
        typed.host.erase(0, scheme.size());
    }
    while (!typed.host.empty() && typed.host.back() == '/') {
        typed.host.pop_back();
    }
    typed.user = Trimmed(typed.user);
    typed.folder = WithoutOuterSlashes(Trimmed(typed.folder));
    typed.publicAddress = Trimmed(typed.publicAddress);
    if (!typed.publicAddress.empty() && typed.publicAddress.back() != '/') {
        typed.publicAddress += '/';
    }
    return typed;
}

std::optional<HostingSettingsFault> HostingSettingsProblem(const HostingSettings& settings) {
    if (StartsWithNoCase(settings.host, "ftp://")) {
        return HostingSettingsFault::PlainFtp;
    }
    if (StartsWithNoCase(settings.host, "http://")) {
        return HostingSettingsFault::PlainHttp;
    }
    if (settings.host.empty()) {
        return HostingSettingsFault::NoServer;
    }
    if (settings.host.find_first_of(" /:@?#") != std::string::npos) {
        return HostingSettingsFault::NotAServerName;
    }
    if (settings.port < 0 || settings.port > kHighestPort) {
        return HostingSettingsFault::BadPort;
    }
    if (settings.user.empty()) {
        return HostingSettingsFault::NoUser;
    }
    if (StartsWithNoCase(settings.publicAddress, "http://")) {
        return HostingSettingsFault::HttpPublicAddress;
    }
    if (!StartsWithNoCase(settings.publicAddress, "https://") ||
        settings.publicAddress.size() <= std::string_view("https://").size() + 1 ||
        settings.publicAddress.find_first_of(" \"'<>\\") != std::string::npos) {
        return HostingSettingsFault::NoPublicAddress;
    }
    return std::nullopt;
}

HostingSettings LoadHostingSettings(const AppPaths& paths) {
    HostingSettings settings;
    const auto document = LoadIniDocument(paths.settingsFile());
    if (!document) {
        return settings;
    }
    const std::string protocol = document->value(kHostingSection, "Protocol", "webdav");
    for (const ProtocolEntry& entry : kProtocols) {
        if (protocol == entry.keyValue) {
            settings.protocol = entry.protocol;
        }
    }
    settings.host = document->value(kHostingSection, "Host", "");
    const auto port = ParseWholeNumber(document->value(kHostingSection, "Port", "0"));
    settings.port = port && *port > 0 && *port <= kHighestPort ? static_cast<int>(*port) : 0;
    settings.user = document->value(kHostingSection, "User", "");
    settings.folder = document->value(kHostingSection, "Folder", "");
    settings.publicAddress = document->value(kHostingSection, "PublicAddress", "");
    return settings;
}

Outcome SaveHostingSettings(const AppPaths& paths, const HostingSettings& settings) {
    if (Outcome folder = CreateFolderIfMissing(paths.appFolder); !folder) {
        return folder;
    }
    return WriteIniValues(kHostingSection,
                          {{"Protocol", EntryOf(settings.protocol).keyValue},
                           {"Host", settings.host},
                           {"Port", std::to_string(settings.port)},
                           {"User", settings.user},
                           {"Folder", settings.folder},
                           {"PublicAddress", settings.publicAddress}},
                          paths.settingsFile());
}

} // namespace vellumo
