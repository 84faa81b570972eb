#include "PresetPanel.h"

#include "GuardedCall.h"
#include "ListRows.h"
#include "QtText.h"
#include "customize/PresetStore.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlex {

PresetPanel::PresetPanel(PresetStore& store, Ui& ui, QWidget* parent) : QWidget(parent), m_store(store), m_ui(ui) {
    const PresetKindInfo& info = InfoOf(store.kind());
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("PresetList"));
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("PresetName"));
    m_name->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    int row = 0;
    if (*info.listLabel)
        layout->addWidget(new QLabel(QString::fromLatin1(info.listLabel)), row++, 0, 1, 2);
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("PresetHelp"));
    connect(help, &QPushButton::clicked, this, Guarded(m_ui, [this] { m_store.Help(); }));
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(AddButton(QStringLiteral("apply"), &PresetPanel::Apply));
    QPushButton* restore = AddButton(QStringLiteral("default"), &PresetPanel::Default);
    restore->setToolTip(QStringLiteral("Put every value of this page back as the template ships it"));
    buttons->addWidget(restore);
    buttons->addWidget(AddButton(QStringLiteral("delete"), &PresetPanel::Delete));
    buttons->addWidget(help);
    buttons->addStretch();
    layout->addWidget(m_list, row, 0);
    layout->addLayout(buttons, row++, 1);
    layout->setRowStretch(row - 1, 1);
    layout->addWidget(new QLabel(QString::fromLatin1(info.nameCaption)), row++, 0, 1, 2);
    layout->addWidget(m_name, row, 0);
    layout->addWidget(AddButton(QStringLiteral("save "), &PresetPanel::Save), row, 1);
    layout->setColumnStretch(0, 1);

    connect(m_list, &QListWidget::itemSelectionChanged, this,
            Guarded(m_ui, [this] { m_store.Select(SelectedRow(m_list)); }));
    connect(m_list, &QListWidget::itemDoubleClicked, this, &PresetPanel::Apply);
    connect(m_name, &QLineEdit::textEdited, this,
            Guarded(m_ui, [this](const QString& text) { m_store.EditName(FromQt(text)); }));
    connect(m_name, &QLineEdit::returnPressed, this, &PresetPanel::Save);
    Render();
}

QPushButton* PresetPanel::AddButton(const QString& caption, void (PresetPanel::*action)()) {
    auto* button = new QPushButton(caption);
    button->setObjectName(caption.trimmed());
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

QPushButton* PresetPanel::button(const QString& caption) const { return findChild<QPushButton*>(caption.trimmed()); }

void PresetPanel::Render() {
    FillList(m_list, m_store.names());
    ShowSelectedRow(m_list, m_store.selected());
    const QString name = ToQt(m_store.nameField());
    if (m_name->text() != name) {
        m_name->setText(name);
        m_name->setCursorPosition(0);
    }
}

bool PresetPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_name && event->type() == QEvent::FocusIn) {
        m_store.NameFieldFocused();
        Render();
    }
    return QWidget::eventFilter(watched, event);
}

void PresetPanel::Apply() {
    m_store.Apply();
    Render();
    emit valuesChanged();
}

void PresetPanel::Default() {
    m_store.Default();
    Render();
    emit valuesChanged();
}

void PresetPanel::Delete() {
    m_store.Delete();
    Render();
}

void PresetPanel::Save() {
    m_store.Save();
    Render();
}

} // namespace quorlex
