#include "HeaderCheckWindow.h"

#include "QtText.h"
#include "net/NetTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace quorlex {

HeaderCheckWindow::HeaderCheckWindow(HttpClient& http, Ui& ui, QWidget* parent) : QDialog(parent), m_check(http, ui) {
    setObjectName(QStringLiteral("HeaderCheck"));
    setWindowTitle(QString::fromLatin1(nettexts::kHeaderWindowTitle));
    setWindowModality(Qt::ApplicationModal);
    resize(560, 420);
    m_url = new QLineEdit(ToQt(m_check.url()));
    m_url->setObjectName(QStringLiteral("UrlField"));
    m_view = new QPushButton(QStringLiteral("View HTTP Headers"));
    m_view->setDefault(true);
    m_headers = new QPlainTextEdit;
    m_headers->setObjectName(QStringLiteral("HeaderArea"));
    m_headers->setReadOnly(true);
    m_headers->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_busyText = new QLabel;
    m_busyText->setObjectName(QStringLiteral("HeaderBusyText"));
    m_busyBar = new QProgressBar;
    m_busyBar->setObjectName(QStringLiteral("HeaderBusyBar"));
    m_busyBar->setRange(0, 0);
    m_busyBar->setTextVisible(false);
    m_busyBar->setMaximumWidth(120);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setAutoDefault(false);
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    connect(m_url, &QLineEdit::textEdited, this, [this](const QString& text) { m_check.EditUrl(FromQt(text)); });
    connect(m_view, &QPushButton::clicked, this, [this] { m_check.ViewHttpHeaders(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(ToQt(HeaderCheck::UrlLabel())), 0, 0, 1, 2);
    top->addWidget(m_url, 1, 0);
    top->addWidget(m_view, 1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_busyText);
    bottom->addWidget(m_busyBar);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_headers, 1);
    layout->addLayout(bottom);
    m_check.SetListener([this] { Render(); });
    Render();
}

void HeaderCheckWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_url->setFocus();
}

void HeaderCheckWindow::done(int result) {
    m_check.Closed();
    QDialog::done(result);
}

void HeaderCheckWindow::Render() {
    QStringList lines;
    for (const std::string& line : m_check.lines())
        lines << ToQt(line);
    m_headers->setPlainText(lines.join(QLatin1Char('\n')));
    m_view->setEnabled(!m_check.running());
    m_busyText->setText(ToQt(m_check.busyText()));
    m_busyBar->setVisible(m_check.running());
}

} // namespace quorlex
