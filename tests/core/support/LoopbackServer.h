#pragma once

#include <httplib.h>
#include <string>
#include <thread>

namespace quorlex::test {

// An HTTP server on 127.0.0.1 at a free port. Add routes, then Start(); it serves from a
// thread of its own until it is destroyed.
class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& routes() { return m_server; }
    void Start();
    // "http://127.0.0.1:<port>"
    std::string Url() const;

private:
    httplib::Server m_server;
    int m_port;
    std::thread m_thread;
};

// A socket on 127.0.0.1 that takes connections and never answers.
class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;
    std::string Url() const;

private:
    int m_socket;
    int m_port;
};

// An address on 127.0.0.1 where nothing listens.
std::string RefusingUrl();

} // namespace quorlex::test
