#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QsciScintilla;
class QTimer;

namespace quorlex {

class PagesPage;
class Ui;

// "Pages:": the site's pages with add, rename, delete and reorder, the selected page's title,
// and per editable region "own content" with its Markdown. Typing reaches the page a moment
// after it stops, as one step.
class PagesPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTypingPauseMs = 500;

    PagesPanel(PagesPage& page, Ui& ui, QWidget* parent = nullptr);

    // Shows the page's state (a load, an undo, a change).
    void Render();

    QListWidget* pageList() const { return m_pages; }
    QLineEdit* titleField() const { return m_title; }
    QComboBox* regionChoice() const { return m_region; }
    QCheckBox* ownContent() const { return m_own; }
    QsciScintilla* editor() const { return m_editor; }
    QPushButton* button(const QString& name) const;

private:
    QWidget* BuildListColumn();
    QWidget* BuildEditColumn();
    QPushButton* AddButton(const QString& caption, const QString& name, void (PagesPanel::*action)());
    void AddPage();
    void RenamePage();
    void DeletePage();
    void MoveUp();
    void MoveDown();
    void StoreTyping();
    void StoreText();
    void Wrap(const QString& before, const QString& after);
    void Heading(int level);
    size_t Region() const;

    PagesPage& m_page;
    Ui& m_ui;
    QListWidget* m_pages;
    QLineEdit* m_title;
    QComboBox* m_region;
    QCheckBox* m_own;
    QsciScintilla* m_editor;
    QTimer* m_typing;
    bool m_rendering = false;
};

} // namespace quorlex
