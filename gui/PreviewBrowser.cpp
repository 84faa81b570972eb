#include "PreviewBrowser.h"

#include "LocalContentPolicy.h"
#include "QtText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEnginePage>

namespace quorlex {

namespace {

// Replaces the text of style blocks by their index, when the page has `count` of them.
QString PatchScript(qint64 count, const QJsonArray& changes) {
    return QStringLiteral(
               "(function (count, changes) {"
               "  var blocks = document.querySelectorAll('style');"
               "  if (blocks.length !== count) return false;"
               "  for (var i = 0; i < changes.length; ++i) blocks[changes[i][0]].textContent = changes[i][1];"
               "  return true;"
               "})(%1, %2)")
        .arg(count)
        .arg(QString::fromUtf8(QJsonDocument(changes).toJson(QJsonDocument::Compact)));
}

} // namespace

PreviewBrowser::PreviewBrowser(QWidget* parent) : QWebEngineView(parent) {
    RestrictToLocalContent(this);
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_loading = true; });
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_loading = false;
        RestoreScroll(ok);
    });
}

bool PreviewBrowser::PatchStyles(const QUrl& url, const StylePatch& patch) {
    if (m_loading || url != this->url())
        return false;
    if (patch.changes.empty())
        return true;
    QJsonArray changes;
    for (const StyleBlockChange& change : patch.changes) {
        // The page's parser stores line ends as LF; the patch does the same.
        QString css = ToQt(change.css);
        css.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        changes.append(QJsonArray{static_cast<int>(change.index), css});
    }
    page()->runJavaScript(PatchScript(static_cast<qint64>(patch.blockCount), changes),
                          [this, url](const QVariant& patched) {
                              if (!patched.toBool())
                                  Show(url);
                          });
    return true;
}

void PreviewBrowser::Show(const QUrl& url) {
    m_pendingRestore = url == this->url();
    if (m_pendingRestore)
        m_restore = page()->scrollPosition();
    load(url);
}

void PreviewBrowser::RestoreScroll(bool ok) {
    if (!ok || !m_pendingRestore)
        return;
    m_pendingRestore = false;
    page()->runJavaScript(QStringLiteral("window.scrollTo(%1, %2);").arg(m_restore.x()).arg(m_restore.y()));
}

} // namespace quorlex
