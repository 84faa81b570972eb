#pragma once

#include "output/CodeFiles.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QsciScintilla;
class QTabWidget;

namespace quorlex {

class Session;

// "HTML/CSS Code:": the finished page, each finished stylesheet by its name (the last one
// first shown) and the hover behaviour file, each with copy and save.
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

    void CopyToClipboard(CodeTab tab);
    void SaveFile(CodeTab tab);

private:
    QWidget* BuildTab(CodeTab tab, QWidget* heading);
    void SetWrapping(bool wrap);
    void ShowStyleSheet(int index);

    Session& m_session;
    QTabWidget* m_tabs;
    QCheckBox* m_wrap;
    QComboBox* m_sheets;
    QsciScintilla* m_editors[3] = {};
};

} // namespace quorlex
