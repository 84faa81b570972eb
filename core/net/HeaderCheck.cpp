#include "net/HeaderCheck.h"

#include "net/NetTexts.h"
#include "net/StatusLine.h"
#include "ports/Ui.h"

namespace quorlex {

std::string HeaderLineText(std::string_view line) {
    std::string text(line);
    const size_t colon = text.find(": ");
    if (colon != std::string::npos)
        text.replace(colon, 2, "=");
    return text;
}

std::string StatusLineShown(std::string_view line) {
    const auto status = ParseStatusLine(line);
    return status ? StatusLineText(*status) : std::string(line);
}

HeaderCheck::HeaderCheck(HttpClient& http, Ui& ui) : m_http(http), m_ui(ui), m_url(nettexts::kStartUrl) {}

std::string HeaderCheck::UrlLabel() {
    return std::string("Enter the full URL to the file (") + nettexts::kExampleFileUrl + ")";
}

std::string HeaderCheck::FailureMessage() {
    return std::string(
               "Error opening remote file. Please, check the URL for errors. \n\nIt must look like this: \n\n") +
           nettexts::kExampleFileUrl;
}

std::string HeaderCheck::busyText() const { return running() ? nettexts::kHeaderChecking : ""; }

void HeaderCheck::Changed() {
    if (m_changed)
        m_changed();
}

void HeaderCheck::ViewHttpHeaders() {
    m_lines.clear();
    HttpRequest request;
    request.url = m_url;
    request.headersOnly = true;
    m_http.Start(request, *this);
    Changed();
}

void HeaderCheck::HeadersArrived(const std::string& statusLine, const std::vector<std::string>& headers) {
    m_lines.clear();
    if (!statusLine.empty())
        m_lines.push_back(StatusLineShown(statusLine));
    for (const std::string& header : headers)
        m_lines.push_back(HeaderLineText(header));
    Changed();
}

void HeaderCheck::Finished(const HttpResult& result) {
    Changed();
    if (!result.ok)
        m_ui.Inform(FailureMessage());
}

void HeaderCheck::Closed() {
    if (!m_http.Busy())
        return;
    m_http.Cancel();
    Changed();
}

} // namespace quorlex
