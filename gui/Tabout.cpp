#include "Tabout.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>

namespace quorlex {

Tabout::Tabout(const QString& resourceFolder, QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("about"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(512, 540);
    m_picture = new QLabel(this);
    m_picture->setGeometry(rect());
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setPixmap(QPixmap(resourceFolder + QStringLiteral("/about.png")));
    m_picture->setStyleSheet(QStringLiteral("background: #0b1128;"));
    m_ok = new QLabel(QStringLiteral("  [ OK ]  "), this);
    m_ok->setObjectName(QStringLiteral("AboutOk"));
    QFont font = m_ok->font();
    font.setBold(true);
    font.setPointSize(11);
    m_ok->setFont(font);
    m_ok->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    m_ok->adjustSize();
    m_ok->move((width() - m_ok->width()) / 2, height() - 50);
    for (QLabel* label : {m_picture, m_ok}) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
}

bool Tabout::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (click && (watched == m_picture || watched == m_ok)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tabout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
}

} // namespace quorlex
