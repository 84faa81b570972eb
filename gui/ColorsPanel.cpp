#include "ColorsPanel.h"

#include "GuardedCall.h"
#include "ListRows.h"
#include "PresetPanel.h"
#include "QtText.h"
#include "RowChoice.h"
#include "SwatchList.h"
#include "customize/ColorsPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace quorlex {

namespace {

QPushButton* Button(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

} // namespace

ColorsPanel::ColorsPanel(ColorsPage& page, Ui& ui, QWidget* parent) : QWidget(parent), m_page(page), m_ui(ui) {
    m_titles = NewRowList();
    m_titles->setObjectName(QStringLiteral("ColorTitles"));
    m_presets = new PresetPanel(page.presets(), m_ui);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_titles, 3);
    layout->addWidget(BuildColorColumn(), 4);
    layout->addWidget(m_presets, 3);

    new RowChoice(m_titles, Guarded(m_ui, [this] { TitleClicked(); }));
    connect(m_titles, &QListWidget::itemDoubleClicked, this, Guarded(m_ui, [this] { Act(&ColorsPage::ChooseColor); }));
    connect(m_presets, &PresetPanel::valuesChanged, this, &ColorsPanel::Render);
    Render();
}

QWidget* ColorsPanel::BuildColorColumn() {
    auto* column = new QWidget;
    m_field = new QLineEdit;
    m_field->setObjectName(QStringLiteral("ColorField"));
    m_swatches = new SwatchList;
    QPushButton* apply = Button(QStringLiteral("apply"), QStringLiteral("ApplyColor"));
    QPushButton* choose = Button(QStringLiteral("&Color"), QStringLiteral("ChooseColor"));
    QPushButton* transparent = Button(QStringLiteral("transparent"), QStringLiteral("Transparent"));
    QPushButton* help = Button(QStringLiteral("Help"), QStringLiteral("ColorsHelp"));
    connect(help, &QPushButton::clicked, this, Guarded(m_ui, [this] { m_page.Help(); }));

    auto* layout = new QGridLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Color:")), 0, 0);
    layout->addWidget(m_field, 0, 1, 1, 2);
    layout->addWidget(apply, 0, 3);
    layout->addWidget(choose, 1, 0);
    layout->addWidget(transparent, 1, 1);
    layout->addWidget(help, 1, 3);
    layout->addWidget(m_swatches, 2, 0, 1, 4);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);

    connect(m_field, &QLineEdit::textEdited, this, Guarded(m_ui, [this](const QString& text) {
                m_page.ColorFieldEdited(FromQt(text));
                m_swatches->Show(m_page.swatches(), m_page.selectedSwatch());
            }));
    connect(m_field, &QLineEdit::returnPressed, this, Guarded(m_ui, [this] { Act(&ColorsPage::ApplyField); }));
    connect(apply, &QPushButton::clicked, this, Guarded(m_ui, [this] { Act(&ColorsPage::ApplyField); }));
    connect(choose, &QPushButton::clicked, this, Guarded(m_ui, [this] { Act(&ColorsPage::ChooseColor); }));
    connect(transparent, &QPushButton::clicked, this, Guarded(m_ui, [this] { Act(&ColorsPage::Transparent); }));
    connect(m_swatches, &QListWidget::itemClicked, this, Guarded(m_ui, [this](QListWidgetItem* item) {
                m_page.SwatchClicked(static_cast<size_t>(m_swatches->row(item)));
                Render();
            }));
    connect(m_swatches, &SwatchList::movedByKey, this, Guarded(m_ui, [this](int row) {
                m_page.SwatchClicked(static_cast<size_t>(row));
                Render();
            }));
    connect(m_swatches, &SwatchList::enterPressed, this, Guarded(m_ui, [this](int row) {
                if (row >= 0)
                    m_page.SwatchEnter(static_cast<size_t>(row));
                Render();
            }));
    return column;
}

void ColorsPanel::TitleClicked() {
    m_page.TitleClicked(SelectedRow(m_titles));
    Render();
}

void ColorsPanel::Act(void (ColorsPage::*action)()) {
    (m_page.*action)();
    Render();
}

void ColorsPanel::Reload(const QStringList& titles) {
    FillList(m_titles, titles);
    m_presets->Render();
    Render();
}

void ColorsPanel::Render() {
    ShowSelectedRow(m_titles, m_page.selected());
    const QString field = ToQt(m_page.colorField());
    if (m_field->text() != field)
        m_field->setText(field);
    m_swatches->Show(m_page.swatches(), m_page.selectedSwatch());
}

} // namespace quorlex
