#include "TextColorProbe.h"

#include "LocalContentPolicy.h"
#include "QtText.h"

#include <QUrlQuery>
#include <QVariantList>
#include <QVariantMap>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>
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

} // namespace

TextColorProbe::TextColorProbe(QObject* parent) : QObject(parent), m_view(std::make_unique<QWebEngineView>()) {
    RestrictToLocalContent(m_view.get());
    m_view->resize(1280, 1024);
    connect(m_view->page(), &QWebEnginePage::loadingChanged, this, &TextColorProbe::LoadingChanged);
}

// A page that goes away answers its scripts with nothing: drop the request before the view.
TextColorProbe::~TextColorProbe() {
    m_done = nullptr;
    m_view.reset();
}

void TextColorProbe::MeasureText(const std::filesystem::path& page, Done done) {
    m_done = std::move(done);
    m_url = QUrl::fromLocalFile(PathToQt(page));
    m_url.setQuery(QStringLiteral("check=%1").arg(++m_request));
    m_view->load(m_url);
}

void TextColorProbe::LoadingChanged(const QWebEngineLoadingInfo& info) {
    if (info.url() != m_url || info.status() == QWebEngineLoadingInfo::LoadStartedStatus || !m_done)
        return;
    if (info.status() != QWebEngineLoadingInfo::LoadSucceededStatus || info.isErrorPage()) {
        std::exchange(m_done, nullptr)(std::nullopt);
        return;
    }
    const unsigned request = m_request;
    m_view->page()->runJavaScript(kReadColors, QWebEngineScript::ApplicationWorld, [this, request](const QVariant& value) {
        if (request == m_request && m_done)
            std::exchange(m_done, nullptr)(Samples(value));
    });
}

} // namespace quorlex
