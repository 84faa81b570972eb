#include "net/CurlHttpClient.h"

#include "net/StatusLine.h"
#include "net/VersionFile.h"

#include <cctype>
#include <curl/curl.h>
#include <mutex>

namespace quorlex {

namespace {

constexpr long kMaxRedirects = 5;

CURLM* Multi(void* handle) { return static_cast<CURLM*>(handle); }

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

struct CurlHttpClient::Transfer {
    CURL* easy = nullptr;
    HttpRequest request;
    HttpListener* listener = nullptr;
    char errorText[CURL_ERROR_SIZE] = {};
    std::string statusLine;
    std::vector<std::string> headers;
    std::string body;
    bool headersComplete = false; // the final response's headers are all in
    bool headersReported = false;
    long lineStatus = 0; // status of the response whose headers are coming in
    bool bodyTooLong = false;
    std::uint64_t received = 0;
    std::uint64_t total = 0;
    bool progressChanged = false;

    ~Transfer() {
        if (easy)
            curl_easy_cleanup(easy);
    }

    long Status() const {
        long status = 0;
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
        return status;
    }

    bool HasLocation() const {
        for (const std::string& line : headers)
            if (line.size() > 9 && EqualsNoCase(std::string_view(line).substr(0, 9), "location:"))
                return true;
        return false;
    }

    // A response that another one follows: an interim 1xx, or a redirect being followed.
    bool IsInterim() const {
        if (lineStatus >= 100 && lineStatus < 200)
            return true;
        const bool followed =
            lineStatus == 301 || lineStatus == 302 || lineStatus == 303 || lineStatus == 307 || lineStatus == 308;
        return request.followRedirects && followed && HasLocation();
    }

    static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
        auto* t = static_cast<Transfer*>(self);
        std::string_view line(data, size * count);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        if (line.rfind("HTTP/", 0) == 0) {
            const auto status = ParseStatusLine(line);
            t->statusLine = line;
            t->headers.clear();
            t->headersComplete = false;
            t->lineStatus = status ? status->code : 0;
        } else if (line.empty()) {
            t->headersComplete = !t->IsInterim();
        } else {
            t->headers.emplace_back(line);
        }
        return size * count;
    }

    static size_t OnBody(char* data, size_t size, size_t count, void* self) {
        auto* t = static_cast<Transfer*>(self);
        if (t->request.headersOnly)
            return size * count;
        if (t->body.size() + size * count > t->request.maxBodyBytes) {
            t->bodyTooLong = true;
            return 0;
        }
        t->body.append(data, size * count);
        return size * count;
    }

    static int OnProgress(void* self, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) {
        auto* t = static_cast<Transfer*>(self);
        const auto received = static_cast<std::uint64_t>(now);
        const auto expected = static_cast<std::uint64_t>(total);
        if (received != t->received || expected != t->total) {
            t->received = received;
            t->total = expected;
            t->progressChanged = true;
        }
        return 0;
    }
};

CurlHttpClient::CurlHttpClient() {
    InitCurlOnce();
    m_multi = curl_multi_init();
}

CurlHttpClient::~CurlHttpClient() {
    Cancel();
    curl_multi_cleanup(Multi(m_multi));
}

void CurlHttpClient::Start(const HttpRequest& request, HttpListener& listener) {
    Cancel();
    auto t = std::make_unique<Transfer>();
    t->request = request;
    t->listener = &listener;
    t->easy = curl_easy_init();
    CURL* easy = t->easy;
    curl_easy_setopt(easy, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.connectTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(request.totalTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    const std::string userAgent = std::string("Quorlex/") + kRunningVersion;
    curl_easy_setopt(easy, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, t->errorText);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, t.get());
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Transfer::OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, t.get());
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Transfer::OnProgress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, t.get());
    curl_multi_add_handle(Multi(m_multi), easy);
    m_transfer = std::move(t);
}

void CurlHttpClient::Cancel() {
    if (!m_transfer)
        return;
    curl_multi_remove_handle(Multi(m_multi), m_transfer->easy);
    m_transfer.reset();
}

bool CurlHttpClient::Busy() const { return m_transfer != nullptr; }

bool CurlHttpClient::Pump() {
    if (!m_transfer)
        return false;
    int running = 0;
    curl_multi_perform(Multi(m_multi), &running);
    Transfer* current = m_transfer.get();
    // Reports go out after curl has returned: a listener may start or cancel a request.
    if (current->progressChanged) {
        current->progressChanged = false;
        current->listener->Progress(current->received, current->total);
        if (m_transfer.get() != current)
            return Busy();
    }
    if (current->headersComplete && !current->headersReported) {
        current->headersReported = true;
        current->listener->HeadersArrived(current->statusLine, current->headers);
        if (m_transfer.get() != current)
            return Busy();
    }
    int queued = 0;
    const CURLMsg* message = curl_multi_info_read(Multi(m_multi), &queued);
    const bool done = message && message->msg == CURLMSG_DONE;
    if (!done && !(current->request.headersOnly && current->headersComplete))
        return true;

    HttpResult result;
    result.status = current->Status();
    const CURLcode code = done ? message->data.result : CURLE_OK;
    result.ok = code == CURLE_OK && result.status > 0 && result.status < 400;
    if (current->bodyTooLong)
        result.error = "The reply is longer than expected.";
    else if (code != CURLE_OK)
        result.error = *current->errorText ? current->errorText : curl_easy_strerror(code);
    else if (!result.ok)
        result.error = "The server answered with status " + std::to_string(result.status) + ".";
    result.statusLine = std::move(current->statusLine);
    result.headers = std::move(current->headers);
    result.body = std::move(current->body);
    HttpListener* listener = current->listener;
    Cancel();
    listener->Finished(result);
    return Busy();
}

bool CurlHttpClient::Wait(std::chrono::milliseconds wait) {
    if (!m_transfer)
        return false;
    curl_multi_poll(Multi(m_multi), nullptr, 0, static_cast<int>(wait.count()), nullptr);
    return Pump();
}

} // namespace quorlex
