#pragma once

#include <QWidget>

class QListWidget;

namespace quorlex {

class Ui;

class LayoutsPage;
class PresetPanel;

// "Layout / Objects:": title list, the options of the selected layout variable and the
// layout presets.
class LayoutsPanel : public QWidget {
    Q_OBJECT
public:
    LayoutsPanel(LayoutsPage& page, Ui& ui, QWidget* parent = nullptr);

    // A package was loaded: titles and presets again.
    void Reload(const QStringList& titles);
    // Shows the page's state.
    void Render();

    QListWidget* titleList() const { return m_titles; }
    QListWidget* optionList() const { return m_options; }
    PresetPanel* presetPanel() const { return m_presets; }

private:
    LayoutsPage& m_page;
    Ui& m_ui;
    QListWidget* m_titles;
    QListWidget* m_options;
    PresetPanel* m_presets;
};

} // namespace quorlex
