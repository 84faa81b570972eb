#include "MenusPanel.h"

#include "ClassNameDialog.h"
#include "GuardedCall.h"
#include "ListRows.h"
#include "MenuItemDialog.h"
#include "MenuTreeView.h"
#include "QtText.h"
#include "RowChoice.h"
#include "menus/MenusPage.h"
#include "ports/Ui.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlex {

MenusPanel::MenusPanel(MenusPage& page, Ui& ui, QWidget* parent)
    : QWidget(parent), m_page(page), m_ui(ui), m_dialogs(this, ui) {
    m_page.SetDialogs(&m_dialogs);
    m_titles = NewRowList();
    m_titles->setObjectName(QStringLiteral("MenuTitles"));
    m_tree = new MenuTreeView;
    m_tree->setObjectName(QStringLiteral("MenuTree"));
    m_tree->setToolTip(QStringLiteral("Drag an item to move it. Alt+Up / Alt+Down: move among its siblings; "
                                      "Alt+Right: into the item above; Alt+Left: out of its parent."));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_titles, 2);
    layout->addWidget(m_tree, 4);
    layout->addWidget(BuildTreeColumn());
    layout->addWidget(BuildPresetColumn(), 3);

    new RowChoice(m_titles, Guarded(m_ui, [this] { Act([this] { m_page.onMenuSelected(SelectedRow(m_titles)); }); }));
    connect(m_dialogs.itemDialog()->helpButton(), &QPushButton::clicked, this,
            Guarded(m_ui, [this] { m_page.ItemDialogHelp(); }));
    connect(m_dialogs.classNameDialog()->helpButton(), &QPushButton::clicked, this,
            Guarded(m_ui, [this] { m_page.ClassNameHelp(); }));
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this,
            Guarded(m_ui, [this] { m_page.SelectNode(m_tree->selectedPath()); }));
    connect(m_tree, &MenuTreeView::addRequested, this, &MenusPanel::Add);
    connect(m_tree, &MenuTreeView::editRequested, this, &MenusPanel::Edit);
    connect(m_tree, &MenuTreeView::deleteRequested, this, Guarded(m_ui, [this] { Act([this] { m_page.Delete(); }); }));
    connect(m_tree, &MenuTreeView::moveRequested, this,
            Guarded(m_ui, [this](OutlineMove move) { Act([this, move] { m_page.Move(move); }); }));
    connect(m_tree, &MenuTreeView::dropped, this,
            Guarded(m_ui, [this](std::optional<NodePath> target, int pressY, int dropY) {
                Act([&] { m_page.Drop(target, pressY, dropY); });
            }));
    RenderTree();
    RenderPresets();
}

MenusPanel::~MenusPanel() { m_page.SetDialogs(nullptr); }

QWidget* MenusPanel::BuildTreeColumn() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    QPushButton* add = AddButton(QStringLiteral("add"), QStringLiteral("MenuAdd"), [this] { Add(); });
    add->setToolTip(QStringLiteral("Add an item under the selected one (Insert)"));
    QPushButton* edit = AddButton(QStringLiteral("edit"), QStringLiteral("MenuEdit"), [this] { Edit(); });
    edit->setToolTip(QStringLiteral("Change the selected item (F2 or Enter)"));
    QPushButton* remove =
        AddButton(QStringLiteral("delete"), QStringLiteral("MenuDelete"), [this] { Act([this] { m_page.Delete(); }); });
    remove->setToolTip(QStringLiteral("Delete the selected item with its sub-items (Delete)"));
    for (QPushButton* button : {add, edit, remove})
        layout->addWidget(button);
    layout->addWidget(AddButton(QStringLiteral("Help"), QStringLiteral("MenusHelp"), [this] { m_page.Help(); }));
    layout->addSpacing(8);
    layout->addWidget(AddButton(QStringLiteral("Open"), QStringLiteral("MenuOpen"),
                                [this] { Act([this] { m_page.OpenStructure(); }); }));
    layout->addWidget(AddButton(QStringLiteral("Save"), QStringLiteral("MenuSave"),
                                [this] { Act([this] { m_page.SaveStructure(); }); }));
    layout->addStretch();
    return column;
}

QWidget* MenusPanel::BuildPresetColumn() {
    MenuPresets* presets = &m_page.presets();
    auto* column = new QWidget;
    m_presetList = new QListWidget;
    m_presetList->setObjectName(QStringLiteral("MenuPresetList"));
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("MenuPresetName"));
    m_name->installEventFilter(this);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    auto load = [this, presets] { Act([presets] { presets->Load(); }); };
    buttons->addWidget(AddButton(QStringLiteral("load"), QStringLiteral("PresetLoad"), load));
    QPushButton* restore =
        AddButton(QStringLiteral("default"), QStringLiteral("PresetDefault"), [this] { Act([this] { m_page.Default(); }); });
    restore->setToolTip(QStringLiteral("Put the selected menu back as the template ships it"));
    buttons->addWidget(restore);
    buttons->addWidget(AddButton(QStringLiteral("delete"), QStringLiteral("PresetDelete"),
                                 [this, presets] { Act([presets] { presets->Delete(); }); }));
    m_className = AddButton(QStringLiteral("class name"), QStringLiteral("ClassName"),
                            [this] { Act([this] { m_page.ClassName(); }); });
    buttons->addWidget(m_className);
    buttons->addWidget(
        AddButton(QStringLiteral("Help"), QStringLiteral("MenuPresetsHelp"), [presets] { presets->Help(); }));
    buttons->addStretch();
    auto save = [this, presets] { Act([presets] { presets->Save(); }); };

    auto* layout = new QGridLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(m_presetList, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->setRowStretch(0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Save Menu Structure as Preset:")), 1, 0, 1, 2);
    layout->addWidget(m_name, 2, 0);
    layout->addWidget(AddButton(QStringLiteral("save "), QStringLiteral("PresetSave"), save), 2, 1);
    layout->setColumnStretch(0, 1);

    connect(m_presetList, &QListWidget::itemSelectionChanged, this,
            Guarded(m_ui, [this, presets] { presets->Select(SelectedRow(m_presetList)); }));
    connect(m_presetList, &QListWidget::itemDoubleClicked, this, load);
    connect(m_name, &QLineEdit::textEdited, this,
            Guarded(m_ui, [presets](const QString& text) { presets->EditName(FromQt(text)); }));
    connect(m_name, &QLineEdit::returnPressed, this, save);
    return column;
}

QPushButton* MenusPanel::AddButton(const QString& caption, const QString& name, const std::function<void()>& action) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

QPushButton* MenusPanel::button(const QString& name) const { return findChild<QPushButton*>(name); }

void MenusPanel::Act(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        m_ui.ShowError(error.what());
    }
    RenderTree();
    RenderPresets();
}

void MenusPanel::Add() {
    if (m_pageFiles)
        m_dialogs.itemDialog()->SetPages(m_pageFiles());
    bool changed = false;
    Act([&] { changed = m_page.Add(); });
    if (!changed)
        return;
    m_tree->ExpandSelected();
    m_tree->setFocus();
}

void MenusPanel::Edit() {
    if (m_pageFiles)
        m_dialogs.itemDialog()->SetPages(m_pageFiles());
    bool changed = false;
    Act([&] { changed = m_page.Edit(); });
    if (changed)
        m_tree->setFocus();
}

void MenusPanel::Reload(const QStringList& titles, bool classNameOffered) {
    FillList(m_titles, titles);
    m_className->setVisible(classNameOffered);
    RenderTree();
    RenderPresets();
}

void MenusPanel::RenderTree() {
    ShowSelectedRow(m_titles, m_page.selected());
    const bool loaded = m_shownLoads != m_page.loads();
    m_shownLoads = m_page.loads();
    m_tree->Show(m_page.tree(), m_page.selectedNode(), loaded);
}

void MenusPanel::RenderPresets() {
    MenuPresets& presets = m_page.presets();
    FillList(m_presetList, presets.names());
    ShowSelectedRow(m_presetList, presets.selected());
    const QString name = ToQt(presets.nameField());
    if (m_name->text() != name) {
        m_name->setText(name);
        m_name->setCursorPosition(0);
    }
}

bool MenusPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_name && event->type() == QEvent::FocusIn) {
        m_page.presets().NameFieldFocused();
        RenderPresets();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorlex
