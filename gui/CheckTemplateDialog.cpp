#include "CheckTemplateDialog.h"

#include "QtText.h"
#include "check/PackageCheck.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quorlex {

CheckTemplateDialog::CheckTemplateDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CheckTemplateDialog"));
    resize(900, 420);
    m_summary = new QLabel;
    m_summary->setWordWrap(true);
    m_table = new QTableWidget(0, 4);
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("File"), QStringLiteral("Line"), QStringLiteral("Finding"), QStringLiteral("Fix")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(true);
    m_table->setAlternatingRowColors(true);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(1, 50);
    m_table->setColumnWidth(2, 400);
    // Wrapped rows take their height from the columns' widths.
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, m_table, &QTableWidget::resizeRowsToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
}

void CheckTemplateDialog::ShowFindings(const QString& templateTitle, const CheckFindings& findings) {
    setWindowTitle(QStringLiteral("Check template: ") + templateTitle);
    m_summary->setText(ToQt(CheckSummary(findings)));
    m_table->setRowCount(static_cast<int>(findings.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const CheckFinding& finding = findings[static_cast<size_t>(row)];
        const QString line = finding.line ? QString::number(finding.line) : QString();
        const QStringList cells{ToQt(finding.file), line, ToQt(finding.text), ToQt(finding.fix)};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->resizeColumnToContents(0);
    m_table->resizeRowsToContents();
}

void CheckTemplateDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_table->resizeRowsToContents();
}

} // namespace quorlex
