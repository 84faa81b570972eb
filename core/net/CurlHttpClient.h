#pragma once

#include "ports/HttpClient.h"

#include <chrono>
#include <memory>

namespace quorlex {

// HttpClient over libcurl's multi interface: nothing blocks, the owner moves the transfer
// on by calling Pump() (from a timer) or Wait() until Busy() turns false. Only http and
// https addresses are fetched; https checks certificates against the system's store.
class CurlHttpClient : public HttpClient {
public:
    CurlHttpClient();
    ~CurlHttpClient() override;
    CurlHttpClient(const CurlHttpClient&) = delete;
    CurlHttpClient& operator=(const CurlHttpClient&) = delete;

    void Start(const HttpRequest& request, HttpListener& listener) override;
    void Cancel() override;
    bool Busy() const override;

    // Does what can be done now and reports to the listener; true while still busy.
    bool Pump();
    // Waits at most `wait` for network activity, then pumps.
    bool Wait(std::chrono::milliseconds wait);

private:
    struct Transfer;

    void* m_multi;
    std::unique_ptr<Transfer> m_transfer;
};

} // namespace quorlex
