#pragma once

#include "net/CurlHttpClient.h"

#include <QObject>
#include <QTimer>

namespace quorlex {

// The libcurl client moved on by a timer of the event loop, so windows keep painting and
// answering while a request runs.
class QtHttpClient : public QObject, public HttpClient {
    Q_OBJECT
public:
    explicit QtHttpClient(QObject* parent = nullptr);

    void Start(const HttpRequest& request, HttpListener& listener) override;
    void Cancel() override;
    bool Busy() const override { return m_curl.Busy(); }

private:
    void Pump();

    CurlHttpClient m_curl;
    QTimer m_timer;
};

} // namespace quorlex
