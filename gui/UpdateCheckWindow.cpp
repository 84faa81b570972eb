#include "UpdateCheckWindow.h"

#include "GuardedCall.h"
#include "QtText.h"
#include "app/Session.h"
#include "net/NetTexts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <climits>

namespace quorlex {

namespace {

int Clamped(std::uint64_t value) { return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX)); }

} // namespace

UpdateCheckWindow::UpdateCheckWindow(Session& session, HttpClient& http, HelpViewer& help, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_session(session), m_check(http, help, session.platform(), session.ui()) {
    setObjectName(QStringLiteral("VersionCheck"));
    setWindowTitle(QString::fromLatin1(nettexts::kVersionWindowTitle));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(380, 200);
    m_status = new QLabel;
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setWordWrap(true);
    m_versions = new QLabel;
    m_versions->setObjectName(QStringLiteral("VersionsText"));
    m_versions->setAlignment(Qt::AlignCenter);
    m_versions->setWordWrap(true);
    m_progress = new QProgressBar;
    m_progress->setTextVisible(false);
    m_whatsNew = new QPushButton(QStringLiteral("What's New?"));
    m_getNew = new QPushButton(QStringLiteral("Get the new version"));
    auto* close = new QPushButton(QStringLiteral("Close"));
    connect(m_whatsNew, &QPushButton::clicked, this, Guarded(m_session.ui(), [this] { m_check.WhatsNew(); }));
    connect(m_getNew, &QPushButton::clicked, this, Guarded(m_session.ui(), [this] {
                m_check.GetNewVersion();
                reject();
            }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* middle = new QHBoxLayout;
    middle->addStretch();
    middle->addWidget(m_whatsNew);
    middle->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_getNew);
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status, 1);
    layout->addWidget(m_versions);
    layout->addWidget(m_progress);
    layout->addLayout(middle);
    layout->addLayout(bottom);
    m_check.SetListener([this] { Render(); });
    Render();
}

bool UpdateCheckWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        m_check.Activated(m_session.AppFolder(), PathFromQt(cache));
    }
    return QDialog::event(event);
}

void UpdateCheckWindow::done(int result) {
    m_check.Closed();
    QDialog::done(result);
}

void UpdateCheckWindow::Render() {
    const UpdateCheckState& state = m_check.state();
    m_status->setText(ToQt(state.status));
    m_versions->setText(ToQt(state.versions));
    m_versions->setVisible(!state.versions.empty());
    m_progress->setVisible(state.progressVisible);
    m_progress->setRange(0, Clamped(state.progressMaximum));
    m_progress->setValue(Clamped(state.progressPosition));
    m_whatsNew->setVisible(state.whatsNewVisible);
    m_getNew->setEnabled(state.getNewVersionEnabled);
}

} // namespace quorlex
