#include "ThelpDialog.h"

#include "LocalContentPolicy.h"
#include "QtText.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace quorlex {

namespace {

// Help pages stay in the viewer; a link to the web opens the desktop's browser instead.
class HelpPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (type != NavigationTypeLinkClicked || url.isLocalFile())
            return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
        QDesktopServices::openUrl(url);
        return false;
    }
};

// Help pages are plain documents: beyond the rules for every view, no scripts and no storage.
void RestrictSettings(QWebEngineView* view) {
    RestrictToLocalContent(view);
    QWebEngineSettings* settings = view->page()->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    settings->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    settings->setAttribute(QWebEngineSettings::WebGLEnabled, false);
}

} // namespace

ThelpDialog::ThelpDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HELP"));
    setWindowTitle(QStringLiteral("Help Info"));
    setWindowModality(Qt::ApplicationModal);
    resize(780, 600);
    m_browser = new QWebEngineView;
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setPage(new HelpPage(m_browser));
    RestrictSettings(m_browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_browser, 1);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 0, 6, 0);
    bar->addWidget(buttons);
    layout->addLayout(bar);
}

void ThelpDialog::ShowHelpFile(const std::filesystem::path& file) { Show(QUrl::fromLocalFile(PathToQt(file))); }

void ThelpDialog::ShowHelp(const std::string& address) { Show(QUrl(ToQt(address))); }

void ThelpDialog::Show(const QUrl& address) {
    m_address = address;
    if (isVisible()) {
        m_browser->load(m_address);
        raise();
        activateWindow();
        return;
    }
    show();
}

void ThelpDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    m_browser->load(m_address);
}

} // namespace quorlex
