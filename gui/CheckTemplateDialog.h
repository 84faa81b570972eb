#pragma once

#include "check/CheckFinding.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace quorlex {

// The findings of a template check: file, line, finding and fix, one row each.
class CheckTemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit CheckTemplateDialog(QWidget* parent = nullptr);

    void ShowFindings(const QString& templateTitle, const CheckFindings& findings);
    QTableWidget* table() const { return m_table; }
    QLabel* summary() const { return m_summary; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_summary;
    QTableWidget* m_table;
};

} // namespace quorlex
