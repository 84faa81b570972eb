#include "ListRows.h"

#include "QtText.h"
#include "RowDelegate.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace quorlex {

QListWidget* NewRowList() {
    auto* list = new QListWidget;
    list->setItemDelegate(new RowDelegate(list));
    list->setUniformItemSizes(true);
    return list;
}

std::optional<size_t> SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return static_cast<size_t>(list->row(selected.first()));
}

void ShowSelectedRow(QListWidget* list, std::optional<size_t> row) {
    const QSignalBlocker blocker(list);
    if (row && static_cast<int>(*row) < list->count()) {
        list->setCurrentRow(static_cast<int>(*row));
        list->scrollToItem(list->item(static_cast<int>(*row)));
    } else {
        list->clearSelection();
        list->setCurrentRow(-1);
    }
}

void FillList(QListWidget* list, const std::vector<std::string>& entries) {
    QStringList texts;
    for (const std::string& entry : entries)
        texts << ToQt(entry);
    FillList(list, texts);
}

void FillList(QListWidget* list, const QStringList& entries) {
    QStringList current;
    for (int i = 0; i < list->count(); ++i)
        current << list->item(i)->text();
    if (current == entries)
        return;
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(entries);
}

} // namespace quorlex
