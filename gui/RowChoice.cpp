#include "RowChoice.h"

#include <QEvent>
#include <QListWidget>

namespace quorlex {

RowChoice::RowChoice(QListWidget* list, std::function<void()> chosen)
    : QObject(list), m_list(list), m_chosen(std::move(chosen)) {
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this, [this] { m_chosen(); });
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (m_list->row(item) == m_rowBeforePress)
            m_chosen();
    });
}

bool RowChoice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto selected = m_list->selectedItems();
        m_rowBeforePress = selected.isEmpty() ? -1 : m_list->row(selected.first());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorlex
