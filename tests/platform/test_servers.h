#pragma once

#include "platform/picture_upload.h"

#include <string>
#include <vector>

#include <sys/types.h>

namespace vellumo::testing {

// A server program started by a test on 127.0.0.1 in a process group of its own, stopped with it.
class ServerProcess {
public:
    ServerProcess() = default;
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;
    ~ServerProcess() { stop(); }

    // Runs the command through /bin/sh and waits until the port takes connections; false when it never did.
    [[nodiscard]] bool start(const std::string& shellCommand, int port);
    // Waits until another port of the running command takes connections.
    [[nodiscard]] bool alsoListens(int port) const;
    void stop();

private:
    pid_t m_group = 0;
};

// A port nobody listens on right now.
int FreePort();

// What the upload tests' servers are made with: a certificate for 127.0.0.1, two SFTP host keys.
struct ServerFiles {
    std::string certificate;
    std::string key;
    std::string hostKey;
    std::string otherHostKey;
};
ServerFiles TestServerFiles();

// The seller's web space for one protocol: the upload server and an https server that publishes the same
// folder (rclone serve http), both on 127.0.0.1 over a folder of the test's own. With a room size, the
// folder is a tmpfs of that many kilobytes in a mount namespace of the servers' own, so it fills up.
class WebSpace {
public:
    WebSpace(HostingProtocol protocol, std::string root, int roomKilobytes = 0,
             ServerFiles files = TestServerFiles());
    // Addresses with this host name, which the connection maps to 127.0.0.1 (its certificate must name it).
    void useHostName(std::string name) { m_hostName = std::move(name); }
    [[nodiscard]] bool start(const std::string& hostKey = TestServerFiles().hostKey);
    void stop() { m_servers.stop(); }

    UploadAccount account(const std::string& folder = "photos") const;
    UploadConnection connection() const;
    int uploadPort() const { return m_uploadPort; }
    const std::string& root() const { return m_root; }
    // The names in a folder of the web space.
    std::vector<std::string> files(const std::string& folder = "photos") const;

private:
    HostingProtocol m_protocol;
    std::string m_root;
    int m_roomKilobytes;
    ServerFiles m_files;
    std::string m_hostName = "127.0.0.1";
    int m_uploadPort;
    int m_publicPort;
    ServerProcess m_servers;
};

inline constexpr const char* kTestUser = "seller";
inline constexpr const char* kTestPassword = "correct horse";

} // namespace vellumo::testing
