#include "TextColorProbe.h"

#include "LocalContentPolicy.h"
#include "QtText.h"

#include <QVariantList>
#include <QVariantMap>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <utility>

namespace quorlex {
namespace {

// Runs in a world of its own, so the page's scripts cannot change what it reads.
const QString kReadColors = QStringLiteral(R"(
(function () {
  var skip = { SCRIPT: 1, STYLE: 1, NOSCRIPT: 1, TITLE: 1, TEXTAREA: 1, OPTION: 1 };
  var samples = [];
  if (!document.body) return samples;
  var elements = [document.body].concat(Array.prototype.slice.call(document.body.getElementsByTagName('*')));
  for (var i = 0; i < elements.length && samples.length < 5000; ++i) {
    var element = elements[i];
    if (skip[element.tagName]) continue;
    var text = '';
    for (var node = element.firstChild; node; node = node.nextSibling)
      if (node.nodeType === 3) text += node.nodeValue;
    text = text.replace(/\s+/g, ' ').trim();
    if (!text) continue;
    var style = getComputedStyle(element);
    if (style.visibility !== 'visible' || element.getClientRects().length === 0) continue;
    var layers = [];
    for (var up = element; up; up = up.parentElement) {
      var upStyle = getComputedStyle(up);
      layers.push([upStyle.backgroundColor, upStyle.backgroundImage !== 'none']);
    }
    samples.push({ text: text, color: style.color, layers: layers,
                   size: parseFloat(style.fontSize), weight: parseInt(style.fontWeight, 10) || 400 });
  }
  return samples;
})()
)");

std::vector<TextSample> Samples(const QVariant& value) {
    std::vector<TextSample> samples;
    for (const QVariant& item : value.toList()) {
        const QVariantMap map = item.toMap();
        TextSample sample;
        sample.text = FromQt(map.value(QStringLiteral("text")).toString());
        sample.color = FromQt(map.value(QStringLiteral("color")).toString());
        for (const QVariant& layer : map.value(QStringLiteral("layers")).toList()) {
            const QVariantList pair = layer.toList();
            if (pair.size() == 2)
                sample.layers.push_back({FromQt(pair[0].toString()), pair[1].toBool()});
        }
        sample.fontSizePx = map.value(QStringLiteral("size")).toDouble();
        sample.fontWeight = map.value(QStringLiteral("weight")).toInt();
        samples.push_back(std::move(sample));
    }
    return samples;
}

constexpr int kTimeLimitMs = 30000;

// A page that may show only the address the probe asked for, and nothing after it.
class ProbePage : public QWebEnginePage {
public:
    ProbePage(const QUrl* allowed, QObject* parent) : QWebEnginePage(parent), m_allowed(allowed) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        return !isMainFrame || url == *m_allowed;
    }

private:
    const QUrl* m_allowed;
};

} // namespace

TextColorProbe::TextColorProbe(QObject* parent) : QObject(parent) {
    m_timeLimit.setSingleShot(true);
    m_timeLimit.setInterval(kTimeLimitMs);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] { Reply(std::nullopt); });
}

// A page that goes away answers its scripts with nothing: drop the request before the view.
TextColorProbe::~TextColorProbe() {
    m_done = nullptr;
    m_view.reset();
}

// The view is made at the first check, not while the program starts.
void TextColorProbe::MakeView() {
    m_view = std::make_unique<QWebEngineView>();
    m_view->setPage(new ProbePage(&m_url, m_view.get()));
    RestrictToLocalContent(m_view.get());
    // The page's own scripts stay off; the probe's script runs in a world of its own.
    m_view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    m_view->resize(1280, 1024);
    connect(m_view->page(), &QWebEnginePage::loadingChanged, this, &TextColorProbe::LoadingChanged);
}

void TextColorProbe::MeasureText(const std::filesystem::path& page, Done done) {
    if (!m_view)
        MakeView();
    m_done = std::move(done);
    m_url = QUrl::fromLocalFile(PathToQt(page));
    m_url.setQuery(QStringLiteral("check=%1").arg(++m_request));
    m_timeLimit.start();
    m_view->load(m_url);
}

void TextColorProbe::LoadingChanged(const QWebEngineLoadingInfo& info) {
    if (info.url() != m_url || info.status() == QWebEngineLoadingInfo::LoadStartedStatus || !m_done)
        return;
    if (info.status() != QWebEngineLoadingInfo::LoadSucceededStatus || info.isErrorPage()) {
        Reply(std::nullopt);
        return;
    }
    const unsigned request = m_request;
    m_view->page()->runJavaScript(kReadColors, QWebEngineScript::ApplicationWorld,
                                  [this, request](const QVariant& value) {
                                      if (request == m_request && m_done)
                                          Reply(Samples(value));
                                  });
}

void TextColorProbe::Reply(std::optional<std::vector<TextSample>> samples) {
    m_timeLimit.stop();
    // Taken first: stopping a load under way may report it at once, and that must not answer again.
    Done done = std::exchange(m_done, nullptr);
    if (!done)
        return;
    // Leaving the page for a blank one would be a navigation of its own, which can swallow the
    // next request's load when it comes soon after; stopping its loading is enough.
    m_view->triggerPageAction(QWebEnginePage::Stop);
    done(std::move(samples));
}

} // namespace quorlex
