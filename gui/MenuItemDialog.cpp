#include "MenuItemDialog.h"

#include "QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlex {

MenuItemDialog::MenuItemDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("mnuEditor"));
    setWindowTitle(QStringLiteral("mnuEditor"));
    m_caption = new QLineEdit;
    m_caption->setObjectName(QStringLiteral("ItemCaption"));
    m_link = new QLineEdit;
    m_link->setObjectName(QStringLiteral("ItemLink"));
    m_pages = new QComboBox;
    m_pages->setObjectName(QStringLiteral("ItemPages"));
    m_pages->setToolTip(QStringLiteral("Link a page of the site"));
    connect(m_pages, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            m_link->setText(m_pages->itemText(index));
        m_pages->setCurrentIndex(0);
    });
    m_target = new QComboBox;
    m_target->setObjectName(QStringLiteral("ItemTarget"));
    m_target->setEditable(true);
    m_target->setInsertPolicy(QComboBox::NoInsert);
    m_target->addItems(
        {QStringLiteral("_self"), QStringLiteral("_blank"), QStringLiteral("_parent"), QStringLiteral("_top")});

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    m_help->setObjectName(QStringLiteral("ItemHelp"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(3);
    layout->addWidget(new QLabel(QStringLiteral("Menu Item Caption:")));
    layout->addWidget(m_caption);
    layout->addWidget(new QLabel(QStringLiteral("Link (href=\"...\"):")));
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(m_link, 1);
    linkRow->addWidget(m_pages);
    layout->addLayout(linkRow);
    layout->addWidget(new QLabel(QStringLiteral("Target (target=\"...\"):")));
    layout->addWidget(m_target);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

void MenuItemDialog::SetPages(const QStringList& pages) {
    m_pages->clear();
    m_pages->addItem(QStringLiteral("pages..."));
    m_pages->addItems(pages);
    m_pages->setVisible(pages.size() > 1);
}

std::optional<MenuItemFields> MenuItemDialog::Ask(const MenuItemFields& fields) {
    m_caption->setText(ToQt(fields.caption));
    m_link->setText(ToQt(fields.link));
    m_target->setCurrentText(ToQt(fields.target));
    m_caption->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return MenuItemFields{FromQt(m_caption->text()), FromQt(m_link->text()), FromQt(m_target->currentText())};
}

} // namespace quorlex
