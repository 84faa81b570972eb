#pragma once

#include <QDialog>

class QLabel;

namespace quorlex {

// The about box: a borderless picture with a white "[ OK ]"; a click on either closes it.
class Tabout : public QDialog {
    Q_OBJECT
public:
    Tabout(const QString& resourceFolder, QWidget* parent = nullptr);

    QLabel* picture() const { return m_picture; }
    QLabel* okText() const { return m_ok; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_picture;
    QLabel* m_ok;
};

} // namespace quorlex
