#include "TSplash.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace quorlex {

TSplash::TSplash(const QString& resourceFolder) : QWidget(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen) {
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

void TSplash::SetRange(int minimum, int maximum, int position, int step) {
    m_progress->setRange(minimum, maximum);
    m_progress->setValue(position);
    m_step = step;
}

void TSplash::SetStatus(const QString& text) {
    m_status->setText(text);
    Repaint();
}

void TSplash::StepIt() {
    const int next = m_progress->value() + m_step;
    m_progress->setValue(next > m_progress->maximum() ? m_progress->minimum() + (next - m_progress->maximum()) : next);
    Repaint();
}

void TSplash::Finish() {
    m_progress->setValue(m_progress->maximum());
    Repaint();
    hide();
}

int TSplash::position() const { return m_progress->value(); }

QString TSplash::status() const { return m_status->text(); }

void TSplash::Repaint() {
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace quorlex
