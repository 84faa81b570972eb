#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace quorlex {

// The start-up window: picture, status line and progress bar.
class TSplash : public QWidget {
    Q_OBJECT
public:
    explicit TSplash(const QString& resourceFolder);

    void SetRange(int minimum, int maximum, int position, int step);
    void SetStatus(const QString& text);
    void StepIt();
    void Finish();
    int position() const;
    QString status() const;

private:
    void Repaint();

    QLabel* m_status;
    QProgressBar* m_progress;
    int m_step = 10;
};

} // namespace quorlex
