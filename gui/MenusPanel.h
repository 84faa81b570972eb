#pragma once

#include "QtMenuDialogs.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorlex {

class MenuTreeView;
class MenusPage;
class Ui;

// "Menus:": the menu list, the editor tree with its commands, structure files, the class name
// and the menu presets.
class MenusPanel : public QWidget {
    Q_OBJECT
public:
    MenusPanel(MenusPage& page, Ui& ui, QWidget* parent = nullptr);
    ~MenusPanel() override;

    // A package was loaded: titles, presets and whether it offers the class name.
    void Reload(const QStringList& titles, bool classNameOffered);
    // What gives the site's pages for the item dialog's link choice.
    void SetPageFiles(std::function<QStringList()> pages) { m_pageFiles = std::move(pages); }
    void RenderTree();
    void RenderPresets();

    QListWidget* titleList() const { return m_titles; }
    MenuTreeView* tree() const { return m_tree; }
    QListWidget* presetList() const { return m_presetList; }
    QLineEdit* nameField() const { return m_name; }
    // A button by object name ("MenuAdd", "PresetLoad", "ClassName", ...).
    QPushButton* button(const QString& name) const;
    QtMenuDialogs& dialogs() { return m_dialogs; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildTreeColumn();
    QWidget* BuildPresetColumn();
    QPushButton* AddButton(const QString& caption, const QString& name, const std::function<void()>& action);
    // Runs a page command; an unexpected failure is shown, never passed to Qt.
    void Act(const std::function<void()>& command);
    void Add();
    void Edit();

    MenusPage& m_page;
    Ui& m_ui;
    QtMenuDialogs m_dialogs;
    QListWidget* m_titles;
    MenuTreeView* m_tree;
    QListWidget* m_presetList;
    QLineEdit* m_name;
    QPushButton* m_className = nullptr;
    unsigned m_shownLoads = 0;
    std::function<QStringList()> m_pageFiles;
};

} // namespace quorlex
