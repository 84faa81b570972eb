#include "LayoutsPanel.h"

#include "GuardedCall.h"
#include "ListRows.h"
#include "PresetPanel.h"
#include "RowChoice.h"
#include "customize/LayoutsPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace quorlex {

LayoutsPanel::LayoutsPanel(LayoutsPage& page, Ui& ui, QWidget* parent) : QWidget(parent), m_page(page), m_ui(ui) {
    m_titles = NewRowList();
    m_titles->setObjectName(QStringLiteral("LayoutTitles"));
    m_options = new QListWidget;
    m_options->setObjectName(QStringLiteral("LayoutOptions"));
    m_presets = new PresetPanel(page.presets(), m_ui);

    auto* options = new QVBoxLayout;
    options->setSpacing(2);
    options->addWidget(new QLabel(QStringLiteral("Select Option:")));
    options->addWidget(m_options, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_titles, 3);
    layout->addLayout(options, 3);
    layout->addWidget(m_presets, 4);

    auto select = [this] {
        m_page.onLayoutSelected(SelectedRow(m_titles));
        Render();
    };
    new RowChoice(m_titles, select);
    // A row chosen by keyboard is a click on it, so the highlight and the value agree.
    new RowChoice(m_options, Guarded(m_ui, [this] {
                      if (const auto row = SelectedRow(m_options))
                          m_page.OptionClicked(*row);
                      Render();
                  }));
    connect(m_presets, &PresetPanel::valuesChanged, this, &LayoutsPanel::Render);
    Render();
}

void LayoutsPanel::Reload(const QStringList& titles) {
    FillList(m_titles, titles);
    m_presets->Render();
    Render();
}

void LayoutsPanel::Render() {
    ShowSelectedRow(m_titles, m_page.selected());
    FillList(m_options, m_page.options());
    ShowSelectedRow(m_options, m_page.selectedOption());
}

} // namespace quorlex
