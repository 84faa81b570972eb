#include "ThelpDialog.h"

#include "LocalContentPolicy.h"
#include "QtText.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWebEngineHistory>
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
    m_back = new QPushButton(QStringLiteral("< Back"));
    m_back->setObjectName(QStringLiteral("HelpBack"));
    m_forward = new QPushButton(QStringLiteral("Forward >"));
    m_forward->setObjectName(QStringLiteral("HelpForward"));
    for (QPushButton* button : {m_back, m_forward})
        button->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("HelpOk"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_back, &QPushButton::clicked, m_browser, &QWebEngineView::back);
    connect(m_forward, &QPushButton::clicked, m_browser, &QWebEngineView::forward);
    connect(m_browser, &QWebEngineView::urlChanged, this, &ThelpDialog::UpdateHistoryButtons);
    connect(m_browser, &QWebEngineView::loadFinished, this, &ThelpDialog::UpdateHistoryButtons);
    // The page has the keyboard; these keys still belong to the window.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QDialog::reject);
    new QShortcut(QKeySequence::Back, this, m_browser, &QWebEngineView::back);
    new QShortcut(QKeySequence::Forward, this, m_browser, &QWebEngineView::forward);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_browser, 1);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 0, 6, 0);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(buttons, 1);
    layout->addLayout(bar);
    UpdateHistoryButtons();
}

void ThelpDialog::UpdateHistoryButtons() {
    const QWebEngineHistory* history = m_browser->history();
    m_back->setEnabled(history->canGoBack());
    m_forward->setEnabled(history->canGoForward());
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
