#include "FontsPanel.h"

#include "DropDownComboBox.h"
#include "GuardedCall.h"
#include "ListRows.h"
#include "QtText.h"
#include "RowChoice.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace quorlex {

namespace {

constexpr FontBox kBoxes[] = {FontBox::Family, FontBox::Size,  FontBox::Unit,
                              FontBox::Weight, FontBox::Style, FontBox::Decoration};

QStringList Texts(const std::vector<std::string>& entries) {
    QStringList texts;
    for (const std::string& entry : entries)
        texts << ToQt(entry);
    return texts;
}

QLabel* Label(const QString& caption) {
    auto* label = new QLabel(caption);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

FontsPanel::FontsPanel(FontsPage& page, Ui& ui, QWidget* parent) : QWidget(parent), m_page(page), m_ui(ui) {
    m_titles = NewRowList();
    m_titles->setObjectName(QStringLiteral("FontTitles"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_titles, 3);
    layout->addWidget(BuildBoxes(), 7);

    auto select = [this] {
        m_page.onFontSelected(SelectedRow(m_titles));
        Render();
    };
    new RowChoice(m_titles, select);
    Render();
}

QWidget* FontsPanel::BuildBoxes() {
    auto* boxes = new QWidget;
    for (FontBox which : kBoxes)
        AddBox(which);
    auto* grid = new QGridLayout(boxes);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    grid->addWidget(Label(QStringLiteral("Font-family:")), 0, 0);
    grid->addWidget(box(FontBox::Family), 0, 1, 1, 5);
    grid->addWidget(ApplyButton(FontBox::Family), 0, 6);
    grid->addWidget(Label(QStringLiteral("Font-size:")), 1, 0);
    grid->addWidget(box(FontBox::Size), 1, 1);
    grid->addWidget(box(FontBox::Unit), 1, 2);
    grid->addWidget(ApplyButton(FontBox::Size), 1, 3);
    grid->addWidget(Label(QStringLiteral("Font-weight:")), 1, 4);
    grid->addWidget(box(FontBox::Weight), 1, 5);
    grid->addWidget(ApplyButton(FontBox::Weight), 1, 6);
    grid->addWidget(Label(QStringLiteral("Font-style:")), 2, 0);
    grid->addWidget(box(FontBox::Style), 2, 1, 1, 2);
    grid->addWidget(ApplyButton(FontBox::Style), 2, 3);
    grid->addWidget(Label(QStringLiteral("Text-decoration:")), 2, 4);
    grid->addWidget(box(FontBox::Decoration), 2, 5);
    grid->addWidget(ApplyButton(FontBox::Decoration), 2, 6);

    m_default = new QPushButton(QStringLiteral("default"));
    m_default->setObjectName(QStringLiteral("FontsDefault"));
    m_default->setToolTip(QStringLiteral("Put every font back as the template ships it"));
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("FontsHelp"));
    connect(help, &QPushButton::clicked, this, Guarded(m_ui, [this] { m_page.Help(); }));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_default);
    bottom->addWidget(help);
    bottom->addStretch();
    m_sizeWarning = new QLabel;
    m_sizeWarning->setObjectName(QStringLiteral("FontSizeWarning"));
    m_sizeWarning->setStyleSheet(QStringLiteral("color: #a03000;"));
    bottom->addWidget(m_sizeWarning);
    grid->addLayout(bottom, 3, 0, 1, 7);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(5, 2);
    connect(m_default, &QPushButton::clicked, this, Guarded(m_ui, [this] {
                m_page.Default();
                Render();
            }));
    return boxes;
}

DropDownComboBox* FontsPanel::AddBox(FontBox which) {
    auto* box = new DropDownComboBox;
    m_boxes[static_cast<size_t>(which)] = box;
    box->SetBeforePopup([this, which, box] {
        m_page.DropDown(which);
        box->Show(Texts(m_page.box(which).entries), ToQt(m_page.box(which).text));
    });
    connect(box->lineEdit(), &QLineEdit::textEdited, this,
            Guarded(m_ui, [this, which](const QString& text) {
                m_page.EditBox(which, FromQt(text));
                m_sizeWarning->setText(ToQt(m_page.SizeWarning()));
            }));
    connect(box, &QComboBox::activated, this, Guarded(m_ui, [this, which, box](int index) {
                m_page.EditBox(which, FromQt(box->itemText(index)));
                Store(which);
            }));
    connect(box, &DropDownComboBox::entered, this, Guarded(m_ui, [this, which] { Store(which); }));
    if (which == FontBox::Family)
        box->OpenWhileTyping();
    return box;
}

QPushButton* FontsPanel::ApplyButton(FontBox which) {
    auto* button = new QPushButton(QStringLiteral("apply"));
    button->setObjectName(QStringLiteral("Apply%1").arg(static_cast<int>(which)));
    connect(button, &QPushButton::clicked, this, Guarded(m_ui, [this, which] {
                m_page.Apply(which);
                Render();
            }));
    return button;
}

void FontsPanel::Store(FontBox which) {
    m_page.Store(which);
    Render();
}

void FontsPanel::Reload(const QStringList& titles) {
    FillList(m_titles, titles);
    Render();
}

void FontsPanel::Render() {
    ShowSelectedRow(m_titles, m_page.selected());
    for (FontBox which : kBoxes)
        box(which)->Show(Texts(m_page.box(which).entries), ToQt(m_page.box(which).text));
    m_sizeWarning->setText(ToQt(m_page.SizeWarning()));
}

} // namespace quorlex
