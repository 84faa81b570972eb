#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace quorlex {

// One GET request. A server that accepts the connection and then stays silent ends in a
// failure after the overall limit.
struct HttpRequest {
    std::string url;
    bool followRedirects = false;
    // Ends the transfer once the final response's headers are in; the body is not read.
    bool headersOnly = false;
    // A longer body fails the request.
    std::size_t maxBodyBytes = 1 << 20;
    std::chrono::milliseconds connectTimeout{10000};
    std::chrono::milliseconds totalTimeout{30000};
};

struct HttpResult {
    bool ok = false;                  // the transfer ended and the status is below 400
    long status = 0;                  // 0 when no response came
    std::string statusLine;           // of the last response, "HTTP/1.1 200 OK"
    std::string error;                // why it failed, in the HTTP library's words
    std::vector<std::string> headers; // of the last response, "Name: value", in the order sent
    std::string body;
};

// Reports of a running request; they arrive on the thread that started it.
class HttpListener {
public:
    virtual ~HttpListener() = default;
    virtual void Progress(std::uint64_t received, std::uint64_t total) {
        (void)received;
        (void)total;
    }
    // The status line and the header lines of a response, as soon as all of them are in.
    virtual void HeadersArrived(const std::string& statusLine, const std::vector<std::string>& headers) {
        (void)statusLine;
        (void)headers;
    }
    virtual void Finished(const HttpResult& result) = 0;
};

// An HTTP client that runs one request at a time without blocking its caller.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    // Starts a GET, ending a running one first (which then reports nothing).
    virtual void Start(const HttpRequest& request, HttpListener& listener) = 0;
    // Ends a running request; its listener hears nothing more.
    virtual void Cancel() = 0;
    virtual bool Busy() const = 0;
};

} // namespace quorlex
