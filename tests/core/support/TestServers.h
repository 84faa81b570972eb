#pragma once

#include "publish/PublishTarget.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <thread>

namespace quorlex::test {

namespace fs = std::filesystem;

// A server program run by a test on 127.0.0.1 at a free port, stopped with the object.
class ServerProcess {
public:
    ServerProcess() = default;
    ~ServerProcess() { Stop(); }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Starts the program; a non-zero `fileSizeLimit` caps each file it writes (as a full disk
    // does: writes beyond fail). Waits until the port takes connections.
    void Start(const std::vector<std::string>& command, int port, std::uint64_t fileSizeLimit = 0);
    void Stop();
    // Ends the server's connections; the server goes on listening.
    void DropConnections() const;

private:
    pid_t m_pid = 0;
};

// sshd with its own host key, serving SFTP to the current user with a key made for the test.
class SftpTestServer {
public:
    explicit SftpTestServer(const fs::path& folder, std::uint64_t fileSizeLimit = 0);

    PublishTarget Target(const std::string& name) const;
    // The folder the target publishes into.
    const fs::path& remote() const { return m_remote; }
    // A known_hosts file of the test's own, empty at first.
    const fs::path& knownHosts() const { return m_knownHosts; }
    // The server starts again on the same port with another host key.
    void ChangeHostKey();
    void DropConnections() const { m_process.DropConnections(); }
    int port() const { return m_port; }

private:
    void Start();

    fs::path m_folder;
    fs::path m_remote;
    fs::path m_knownHosts;
    std::uint64_t m_fileSizeLimit;
    int m_port;
    ServerProcess m_process;
};

// vsftpd with anonymous uploads into "site", plain or with TLS required.
class FtpTestServer {
public:
    struct Options {
        bool tls = false;
        bool refuseRename = false;
        std::uint64_t fileSizeLimit = 0;
    };
    FtpTestServer(const fs::path& folder, Options options);

    PublishTarget Target(const std::string& name) const;
    const fs::path& remote() const { return m_remote; }
    void DropConnections() const { m_process.DropConnections(); }

private:
    fs::path m_folder;
    fs::path m_remote;
    Options m_options;
    int m_port;
    ServerProcess m_process;
};

// Takes connections, sends `greeting` (nothing: stays silent) and then reads without answering.
class ScriptedServer {
public:
    explicit ScriptedServer(std::string greeting);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;
    int port() const { return m_port; }

private:
    int m_socket;
    int m_port;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// A port on 127.0.0.1 that nothing listens on at the moment.
int FreePort();

} // namespace quorlex::test
