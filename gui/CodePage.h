#pragma once

#include "output/CodeFiles.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QsciScintilla;
class QTabWidget;

namespace quorlex {

class Session;

// "HTML/CSS Code:": each finished page and each finished stylesheet by its name (the home page
// and the last stylesheet first shown) and the hover behaviour file, each with copy and save.
class CodePage : public QWidget {
    Q_OBJECT
public:
    CodePage(Session& session, const std::function<void()>& splashStep, QWidget* parent = nullptr);

    // The generated texts.
    void ShowGeneration();
    // A new package: its hover file, the hover tab and the first tab.
    void ShowWorkspace();

    QTabWidget* tabs() const { return m_tabs; }
    QsciScintilla* editor(CodeTab tab) const { return m_editors[static_cast<int>(tab)]; }
    QCheckBox* wordWrap() const { return m_wrap; }
    QComboBox* styleSheetChoice() const { return m_sheets; }
    QComboBox* pageChoice() const { return m_pageChoice; }

    void CopyToClipboard(CodeTab tab);
    void SaveFile(CodeTab tab);

private:
    QWidget* BuildTab(CodeTab tab, QWidget* heading);
    void SetWrapping(bool wrap);
    void ShowStyleSheet(int index);
    void ShowPage(int index);
    static void Refill(QComboBox* choice, const QStringList& entries, int fallback);

    Session& m_session;
    QTabWidget* m_tabs;
    QCheckBox* m_wrap;
    QComboBox* m_sheets;
    QComboBox* m_pageChoice;
    QsciScintilla* m_editors[3] = {};
};

} // namespace quorlex
