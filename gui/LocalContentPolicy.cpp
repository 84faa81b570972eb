#include "LocalContentPolicy.h"

#include <QDir>
#include <QFileInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace quorlex {
namespace {

bool IsLocalScheme(const QString& scheme) {
    return scheme == QLatin1String("data") || scheme == QLatin1String("about") || scheme == QLatin1String("blob") ||
           scheme == QLatin1String("qrc");
}

bool IsWebScheme(const QString& scheme) { return scheme == QLatin1String("http") || scheme == QLatin1String("https"); }

// The file with its links resolved; a file that does not exist keeps its cleaned path.
QString Resolved(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

} // namespace

bool LocalContentPolicy::Allows(const QUrl& firstParty, const QUrl& request) {
    const QString scheme = request.scheme();
    if (IsLocalScheme(scheme))
        return true;
    if (IsWebScheme(firstParty.scheme()))
        return IsWebScheme(scheme);
    if (scheme != QLatin1String("file") || !firstParty.isLocalFile())
        return false;
    const QString folder = Resolved(QFileInfo(firstParty.toLocalFile()).absolutePath());
    const QString file = Resolved(request.toLocalFile());
    return file == folder || file.startsWith(folder + QLatin1Char('/'));
}

void LocalContentPolicy::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const bool topLevel = info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame;
    // What the program itself navigates to is its choice; what pages load is checked.
    if (!topLevel && !Allows(info.firstPartyUrl(), info.requestUrl()))
        info.block(true);
}

void RestrictToLocalContent(QWebEngineView* view) {
    static LocalContentPolicy* const policy = [] {
        auto* made = new LocalContentPolicy(QWebEngineProfile::defaultProfile());
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(made);
        return made;
    }();
    Q_UNUSED(policy);
    QWebEngineSettings* settings = view->page()->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    settings->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
}

} // namespace quorlex
