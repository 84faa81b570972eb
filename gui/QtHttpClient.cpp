#include "QtHttpClient.h"

namespace quorlex {

QtHttpClient::QtHttpClient(QObject* parent) : QObject(parent) {
    m_timer.setInterval(15);
    connect(&m_timer, &QTimer::timeout, this, &QtHttpClient::Pump);
}

void QtHttpClient::Start(const HttpRequest& request, HttpListener& listener) {
    m_curl.Start(request, listener);
    m_timer.start();
}

void QtHttpClient::Cancel() {
    m_curl.Cancel();
    m_timer.stop();
}

void QtHttpClient::Pump() {
    if (!m_curl.Pump())
        m_timer.stop();
}

} // namespace quorlex
