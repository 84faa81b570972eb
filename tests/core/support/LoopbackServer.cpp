#include "support/LoopbackServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace quorlex::test {

namespace {

// A socket bound to a free port of 127.0.0.1; sets `port`.
int BoundSocket(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no loopback socket");
    port = ntohs(address.sin_port);
    return fd;
}

std::string LoopbackUrl(int port) { return "http://127.0.0.1:" + std::to_string(port); }

} // namespace

// One request per connection: a client that keeps its connection open cannot hold up stop().
LoopbackServer::LoopbackServer() : m_port(0) { m_server.set_keep_alive_max_count(1); }

LoopbackServer::~LoopbackServer() {
    m_server.stop();
    if (m_thread.joinable())
        m_thread.join();
}

void LoopbackServer::Start() {
    m_port = m_server.bind_to_any_port("127.0.0.1");
    if (m_port <= 0)
        throw std::runtime_error("loopback server did not bind");
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    // A stop() that comes before the listening loop runs would be lost, and the join would hang.
    for (int i = 0; i < 5000 && !m_server.is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!m_server.is_running())
        throw std::runtime_error("loopback server did not start");
}

std::string LoopbackServer::Url() const { return LoopbackUrl(m_port); }

SilentServer::SilentServer() : m_socket(BoundSocket(m_port)) { listen(m_socket, 4); }

SilentServer::~SilentServer() { close(m_socket); }

std::string SilentServer::Url() const { return LoopbackUrl(m_port); }

std::string RefusingUrl() {
    int port = 0;
    close(BoundSocket(port));
    return LoopbackUrl(port);
}

} // namespace quorlex::test
