#include "SplashWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace quorlex {

SplashWindow::SplashWindow(const QString& resourceFolder) : QWidget(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen) {
    setWindowTitle(QStringLiteral("Starting Tamblor..."));
    setFixedSize(488, 559);
    auto* picture = new QLabel(this);
    picture->setGeometry(rect());
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(QPixmap(resourceFolder + QStringLiteral("/splash.png")));
    picture->setStyleSheet(QStringLiteral("background: #10233f;"));
    m_status = new QLabel(QStringLiteral("Loading ..."), this);
    m_status->setGeometry(0, height() - 44, width(), 20);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setStyleSheet(QStringLiteral("color: silver; background: transparent;"));
    m_progress = new QProgressBar(this);
    m_progress->setGeometry(0, height() - 14, width(), 14);
    m_progress->setTextVisible(false);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashWindow::SetRange(int minimum, int maximum, int position, int step) {
    m_progress->setRange(minimum, maximum);
    m_progress->setValue(position);
    m_step = step;
}

void SplashWindow::SetStatus(const QString& text) {
    m_status->setText(text);
    Repaint();
}

void SplashWindow::StepIt() {
    const int next = m_progress->value() + m_step;
    m_progress->setValue(next > m_progress->maximum() ? m_progress->minimum() + (next - m_progress->maximum()) : next);
    Repaint();
}

void SplashWindow::Finish() {
    m_progress->setValue(m_progress->maximum());
    Repaint();
    hide();
}

int SplashWindow::position() const { return m_progress->value(); }

QString SplashWindow::status() const { return m_status->text(); }

void SplashWindow::Repaint() {
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace quorlex
