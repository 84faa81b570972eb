#pragma once

#include "ports/HttpClient.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

class Ui;

// A response header line as the header window lists it: the first ": " becomes "=".
std::string HeaderLineText(std::string_view line);

// The status line as the header window shows it on top of the headers: the line the server
// sent, or as it came when it is no status line.
std::string StatusLineShown(std::string_view line);

// The header window: requests the typed URL and lists the status line and the response
// headers the server sent.
class HeaderCheck : private HttpListener {
public:
    HeaderCheck(HttpClient& http, Ui& ui);

    // The label above the URL field, with an example address.
    static std::string UrlLabel();
    // The one message of every failed request.
    static std::string FailureMessage();

    void SetListener(std::function<void()> changed) { m_changed = std::move(changed); }
    const std::string& url() const { return m_url; }
    void EditUrl(const std::string& text) { m_url = text; }
    // The status line first, then one line per header.
    const std::vector<std::string>& lines() const { return m_lines; }
    bool running() const { return m_http.Busy(); }
    // "Checking..." while the request runs, else empty.
    std::string busyText() const;

    // "View HTTP Headers": the header area empties and the URL is requested as typed.
    void ViewHttpHeaders();
    // The window closes: a running request ends without a message.
    void Closed();

private:
    void HeadersArrived(const std::string& statusLine, const std::vector<std::string>& headers) override;
    void Finished(const HttpResult& result) override;
    void Changed();

    HttpClient& m_http;
    Ui& m_ui;
    std::function<void()> m_changed;
    std::string m_url;
    std::vector<std::string> m_lines;
};

} // namespace quorlex
