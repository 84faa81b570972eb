#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorlex {

class Ui;

class PresetStore;

// The preset list, the name field and the buttons "apply", "default", "delete" and "save ".
class PresetPanel : public QWidget {
    Q_OBJECT
public:
    PresetPanel(PresetStore& store, Ui& ui, QWidget* parent = nullptr);

    // Shows the store's list, selection and name field.
    void Render();

    QListWidget* list() const { return m_list; }
    QLineEdit* nameField() const { return m_name; }
    QPushButton* button(const QString& caption) const;

signals:
    // A preset was applied or the defaults reloaded: the page shows new values.
    void valuesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* AddButton(const QString& caption, void (PresetPanel::*action)());
    void Apply();
    void Default();
    void Delete();
    void Save();

    PresetStore& m_store;
    Ui& m_ui;
    QListWidget* m_list;
    QLineEdit* m_name;
};

} // namespace quorlex
