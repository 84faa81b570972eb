#pragma once

#include <QObject>
#include <functional>

class QListWidget;

namespace quorlex {

// Calls `chosen` once each time the user chooses a row of a list: when the selection changes
// (mouse or keyboard), and on a click on the row that was already selected, which changes
// no selection.
class RowChoice : public QObject {
    Q_OBJECT
public:
    RowChoice(QListWidget* list, std::function<void()> chosen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* m_list;
    std::function<void()> m_chosen;
    int m_rowBeforePress = -1;
};

} // namespace quorlex
