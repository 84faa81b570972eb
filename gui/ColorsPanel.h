#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace quorlex {

class Ui;

class ColorsPage;
class PresetPanel;
class SwatchList;

// "Colors & Backgrounds:": title list, color field, swatches and the color presets.
class ColorsPanel : public QWidget {
    Q_OBJECT
public:
    ColorsPanel(ColorsPage& page, Ui& ui, QWidget* parent = nullptr);

    // A package was loaded: titles and presets again.
    void Reload(const QStringList& titles);
    // Shows the page's state.
    void Render();

    QListWidget* titleList() const { return m_titles; }
    QLineEdit* colorField() const { return m_field; }
    SwatchList* swatchList() const { return m_swatches; }
    PresetPanel* presetPanel() const { return m_presets; }

private:
    QWidget* BuildColorColumn();
    void TitleClicked();
    void Act(void (ColorsPage::*action)());

    ColorsPage& m_page;
    Ui& m_ui;
    QListWidget* m_titles;
    QLineEdit* m_field = nullptr;
    SwatchList* m_swatches = nullptr;
    PresetPanel* m_presets;
};

} // namespace quorlex
