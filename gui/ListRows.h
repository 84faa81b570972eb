#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace quorlex {

// A title list painted by RowDelegate.
QListWidget* NewRowList();

// The selected row of a single-selection list, if any.
std::optional<size_t> SelectedRow(const QListWidget* list);

// Selects the row, or clears the selection, without signals.
void ShowSelectedRow(QListWidget* list, std::optional<size_t> row);

// Replaces the entries (program text) without signals, unless they are the same already.
void FillList(QListWidget* list, const std::vector<std::string>& entries);
void FillList(QListWidget* list, const QStringList& entries);

} // namespace quorlex
