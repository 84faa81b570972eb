#pragma once

#include "customize/FontsPage.h"

#include <QWidget>
#include <array>

class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;

namespace quorlex {

class Ui;

class DropDownComboBox;

// "Fonts:": title list and the six boxes of the selected font variable.
class FontsPanel : public QWidget {
    Q_OBJECT
public:
    FontsPanel(FontsPage& page, Ui& ui, QWidget* parent = nullptr);

    // A package was loaded: titles again.
    void Reload(const QStringList& titles);
    // Shows the page's state.
    void Render();

    QListWidget* titleList() const { return m_titles; }
    DropDownComboBox* box(FontBox which) const { return m_boxes[static_cast<size_t>(which)]; }
    QPushButton* defaultButton() const { return m_default; }

private:
    QWidget* BuildBoxes();
    DropDownComboBox* AddBox(FontBox which);
    QPushButton* ApplyButton(FontBox which);
    void Store(FontBox which);

    FontsPage& m_page;
    Ui& m_ui;
    QListWidget* m_titles;
    std::array<DropDownComboBox*, kFontBoxCount> m_boxes{};
    QPushButton* m_default = nullptr;
    QLabel* m_sizeWarning = nullptr;
};

} // namespace quorlex
