#include "ClassNameDialog.h"

#include "QtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlex {

ClassNameDialog::ClassNameDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ClassNameDialog"));
    setWindowTitle(QStringLiteral("CSS Class Name:"));
    m_field = new QLineEdit;
    m_field->setObjectName(QStringLiteral("ClassNameField"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    m_help->setObjectName(QStringLiteral("ClassNameHelp"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter class name (WITHOUT the dot):")));
    layout->addWidget(m_field);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

std::optional<std::string> ClassNameDialog::Ask(const std::string& text) {
    m_field->setText(ToQt(text));
    m_field->selectAll();
    m_field->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return FromQt(m_field->text());
}

} // namespace quorlex
