#include "test_servers.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vellumo::testing {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(20);

bool Listening(int port) {
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = ::connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(probe);
    return connected;
}

bool WaitUntilListening(int port, pid_t server) {
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (Listening(port)) {
            return true;
        }
        if (::waitpid(server, nullptr, WNOHANG) == server) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char letter : text) {
        quoted += letter == '\'' ? std::string("'\\''") : std::string(1, letter);
    }
    return quoted + "'";
}

} // namespace

bool ServerProcess::start(const std::string& shellCommand, int port) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setpgid(0, 0);
        // Ends with the test process, even one that crashed or was stopped.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::execl("/bin/sh", "sh", "-c", shellCommand.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (child < 0) {
        return false;
    }
    ::setpgid(child, child);
    m_group = child;
    return WaitUntilListening(port, child);
}

bool ServerProcess::alsoListens(int port) const {
    return m_group > 0 && WaitUntilListening(port, m_group);
}

void ServerProcess::stop() {
    if (m_group > 0) {
        ::kill(-m_group, SIGTERM);
        ::waitpid(m_group, nullptr, 0);
        m_group = 0;
    }
}

int FreePort() {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(socket);
    return ntohs(address.sin_port);
}

ServerFiles TestServerFiles() {
    return {VELLUMO_UPLOAD_CERTIFICATE, VELLUMO_UPLOAD_KEY, VELLUMO_UPLOAD_HOST_KEY,
            VELLUMO_UPLOAD_OTHER_HOST_KEY};
}

WebSpace::WebSpace(HostingProtocol protocol, std::string root, int roomKilobytes, ServerFiles files)
    : m_protocol(protocol)
    , m_root(std::move(root))
    , m_roomKilobytes(roomKilobytes)
    , m_files(std::move(files))
    , m_uploadPort(FreePort())
    , m_publicPort(FreePort()) {
    std::filesystem::create_directories(m_root);
}

bool WebSpace::start(const std::string& hostKey) {
    const ServerFiles& files = m_files;
    // Each server sees what the other wrote at once: no cached folder listings.
    const std::string config = " --dir-cache-time 0s --config " + Quoted(m_root + "/../rclone.conf");
    const std::string user = " --user " + Quoted(kTestUser) + " --pass " + Quoted(kTestPassword);
    const std::string tls = " --cert " + Quoted(files.certificate) + " --key " + Quoted(files.key);
    const std::string root = Quoted(m_root);
    std::string upload;
    switch (m_protocol) {
    case HostingProtocol::WebDav:
        upload = "rclone serve webdav " + root + " --addr 127.0.0.1:" + std::to_string(m_uploadPort) + user +
                 tls + config;
        break;
    case HostingProtocol::Sftp:
        upload = "rclone serve sftp " + root + " --addr 127.0.0.1:" + std::to_string(m_uploadPort) + user +
                 " --key " + Quoted(hostKey) + config;
        break;
    case HostingProtocol::Ftps:
        upload = "/usr/bin/python3 " + Quoted(VELLUMO_FTPS_SERVER) + " " + std::to_string(m_uploadPort) +
                 " " + root + " " + Quoted(kTestUser) + " " + Quoted(kTestPassword) + " " +
                 Quoted(files.certificate) + " " + Quoted(files.key);
        break;
    }
    // The publishing server ends with the upload server, its parent once the shell has become it.
    const std::string publish = "setpriv --pdeathsig TERM rclone serve http " + root +
                                " --addr 127.0.0.1:" + std::to_string(m_publicPort) + tls + config;
    std::string servers = publish + " >/dev/null 2>&1 & exec " + upload + " >/dev/null 2>&1";
    if (m_roomKilobytes > 0) {
        // A folder that fills up: a tmpfs only the servers see.
        servers = "mount -t tmpfs -o size=" + std::to_string(m_roomKilobytes) + "k tmpfs " + root + " && " +
                  servers;
        servers = "exec unshare -rm sh -c " + Quoted(servers);
    }
    return m_servers.start(servers, m_uploadPort) && m_servers.alsoListens(m_publicPort);
}

UploadAccount WebSpace::account(const std::string& folder) const {
    UploadAccount account;
    account.settings.protocol = m_protocol;
    account.settings.host = m_hostName;
    account.settings.port = m_uploadPort;
    account.settings.user = kTestUser;
    account.settings.folder = folder;
    account.settings.publicAddress =
        "https://" + m_hostName + ":" + std::to_string(m_publicPort) + "/" + folder + "/";
    account.password = kTestPassword;
    return account;
}

UploadConnection WebSpace::connection() const {
    UploadConnection connection;
    connection.knownHostsFile = m_root + "/../known_hosts";
    connection.extraCertificates = m_files.certificate;
    for (const int port : {m_uploadPort, m_publicPort}) {
        connection.resolve.push_back(m_hostName + ":" + std::to_string(port) + ":127.0.0.1");
    }
    connection.connectSeconds = 5;
    connection.stallSeconds = 5;
    return connection;
}

std::vector<std::string> WebSpace::files(const std::string& folder) const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_root + "/" + folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

} // namespace vellumo::testing
