#include "support/TestServers.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quorlex::test {

namespace {

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool Accepts(int port) {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = Loopback(port);
    const bool open = connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(probe);
    return open;
}

void Run(const std::string& command) {
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("Failed: " + command);
}

void WriteText(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

std::string UserName() {
    const passwd* account = getpwuid(getuid());
    return account ? account->pw_name : "root";
}

// The children of a process, from /proc.
std::vector<pid_t> ChildrenOf(pid_t parent) {
    std::vector<pid_t> children;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        std::getline(stat, line);
        const size_t close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        char state = 0;
        int ppid = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &ppid) == 2 && ppid == parent)
            children.push_back(static_cast<pid_t>(std::stoi(name)));
    }
    return children;
}

} // namespace

int FreePort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    close(s);
    return ntohs(address.sin_port);
}

void ServerProcess::Start(const std::vector<std::string>& command, int port, std::uint64_t fileSizeLimit) {
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    const rlimit limit{fileSizeLimit, fileSizeLimit};
    const std::string log = command.back() + ".log";
    m_pid = fork();
    if (m_pid == 0) {
        const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(output, 1);
        dup2(output, 2);
        if (fileSizeLimit) {
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!Accepts(port)) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = 0;
            throw std::runtime_error("The server " + command.front() + " ended at its start.");
        }
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("The server " + command.front() + " does not listen.");
        usleep(20000);
    }
}

void ServerProcess::Stop() {
    if (!m_pid)
        return;
    DropConnections();
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
    m_pid = 0;
}

void ServerProcess::DropConnections() const {
    if (!m_pid)
        return;
    for (const pid_t child : ChildrenOf(m_pid)) {
        for (const pid_t grandchild : ChildrenOf(child))
            kill(grandchild, SIGKILL);
        kill(child, SIGKILL);
    }
}

SftpTestServer::SftpTestServer(const fs::path& folder, std::uint64_t fileSizeLimit)
    : m_folder(folder / "sftp"), m_remote(m_folder / "remote"), m_knownHosts(m_folder / "known_hosts"),
      m_fileSizeLimit(fileSizeLimit), m_port(FreePort()) {
    fs::create_directories(m_remote);
    fs::create_directories("/run/sshd");
    Run("ssh-keygen -q -t ed25519 -N '' -f " + (m_folder / "client_key").string());
    fs::copy_file(m_folder / "client_key.pub", m_folder / "authorized_keys");
    WriteText(m_knownHosts, "");
    ChangeHostKey();
}

void SftpTestServer::ChangeHostKey() {
    m_process.Stop();
    fs::remove(m_folder / "host_key");
    fs::remove(m_folder / "host_key.pub");
    Run("ssh-keygen -q -t ed25519 -N '' -f " + (m_folder / "host_key").string());
    Start();
}

void SftpTestServer::Start() {
    const fs::path config = m_folder / "sshd_config";
    WriteText(config, "Port " + std::to_string(m_port) + "\nListenAddress 127.0.0.1\nHostKey " +
                          (m_folder / "host_key").string() + "\nPidFile " + (m_folder / "sshd.pid").string() +
                          "\nAuthorizedKeysFile " + (m_folder / "authorized_keys").string() +
                          "\nStrictModes no\nPasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                          "UsePAM no\nPermitRootLogin prohibit-password\nSubsystem sftp internal-sftp\n"
                          "LogLevel ERROR\n");
    m_process.Start({"/usr/sbin/sshd", "-D", "-e", "-f", config.string()}, m_port, m_fileSizeLimit);
}

PublishTarget SftpTestServer::Target(const std::string& name) const {
    PublishTarget target;
    target.name = name;
    target.protocol = PublishProtocol::Sftp;
    target.host = "127.0.0.1";
    target.port = m_port;
    target.user = UserName();
    target.remoteFolder = m_remote.string();
    target.keyFile = m_folder / "client_key";
    return target;
}

FtpTestServer::FtpTestServer(const fs::path& folder, Options options)
    : m_folder(folder / "ftp"), m_remote(m_folder / "root" / "site"), m_options(options), m_port(FreePort()) {
    fs::create_directories(m_remote);
    fs::create_directories("/var/run/vsftpd/empty");
    fs::permissions(m_folder / "root", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                           fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const passwd* ftp = getpwnam("ftp");
    if (!ftp || chown(m_remote.c_str(), ftp->pw_uid, ftp->pw_gid) != 0)
        throw std::runtime_error("The test FTP server needs the account \"ftp\" and root.");
    std::string config = "listen=YES\nlisten_address=127.0.0.1\nlisten_port=" + std::to_string(m_port) +
                         "\nanonymous_enable=YES\nlocal_enable=NO\nwrite_enable=YES\nanon_upload_enable=YES\n"
                         "anon_mkdir_write_enable=YES\nanon_umask=022\nno_anon_password=NO\n"
                         "anon_root=" +
                         (m_folder / "root").string() +
                         "\npasv_enable=YES\npasv_address=127.0.0.1\nseccomp_sandbox=NO\n"
                         "secure_chroot_dir=/var/run/vsftpd/empty\nbackground=NO\n"
                         "anon_other_write_enable=YES\n";
    if (options.refuseRename)
        config += "cmds_denied=RNFR,RNTO\n";
    if (options.tls) {
        const fs::path key = m_folder / "server.key";
        const fs::path certificate = m_folder / "server.crt";
        Run("openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -addext "
            "subjectAltName=IP:127.0.0.1 -keyout " +
            key.string() + " -out " + certificate.string() + " 2>/dev/null");
        config += "ssl_enable=YES\nallow_anon_ssl=YES\nforce_anon_logins_ssl=YES\nforce_anon_data_ssl=YES\n"
                  "require_ssl_reuse=NO\nrsa_cert_file=" +
                  certificate.string() + "\nrsa_private_key_file=" + key.string() + "\n";
    }
    WriteText(m_folder / "vsftpd.conf", config);
    m_process.Start({"/usr/sbin/vsftpd", (m_folder / "vsftpd.conf").string()}, m_port, options.fileSizeLimit);
}

PublishTarget FtpTestServer::Target(const std::string& name) const {
    PublishTarget target;
    target.name = name;
    target.protocol = m_options.tls ? PublishProtocol::Ftps : PublishProtocol::Ftp;
    target.host = "127.0.0.1";
    target.port = m_port;
    target.user = "anonymous";
    target.remoteFolder = "site";
    if (m_options.tls)
        target.caFile = m_folder / "server.crt";
    return target;
}

ScriptedServer::ScriptedServer(std::string greeting) : m_socket(socket(AF_INET, SOCK_STREAM, 0)), m_port(FreePort()) {
    const int yes = 1;
    setsockopt(m_socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    const sockaddr_in address = Loopback(m_port);
    if (bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(m_socket, 8) != 0)
        throw std::runtime_error("The scripted server cannot listen.");
    m_thread = std::thread([this, greeting = std::move(greeting)] {
        std::vector<int> clients;
        while (!m_stop) {
            const int client = accept(m_socket, nullptr, nullptr);
            if (client < 0)
                break;
            if (!greeting.empty() && send(client, greeting.data(), greeting.size(), MSG_NOSIGNAL) < 0)
                close(client);
            else
                clients.push_back(client);
        }
        for (const int client : clients)
            close(client);
    });
}

ScriptedServer::~ScriptedServer() {
    m_stop = true;
    shutdown(m_socket, SHUT_RDWR);
    close(m_socket);
    m_thread.join();
}

} // namespace quorlex::test
