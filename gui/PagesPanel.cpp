#include "PagesPanel.h"

#include "GuardedCall.h"
#include "ListRows.h"
#include "QtText.h"
#include "RowChoice.h"
#include "pages/PagesPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <Qsci/qscilexermarkdown.h>
#include <Qsci/qsciscintilla.h>

namespace quorlex {

PagesPanel::PagesPanel(PagesPage& page, Ui& ui, QWidget* parent) : QWidget(parent), m_page(page), m_ui(ui) {
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(kTypingPauseMs);
    connect(m_typing, &QTimer::timeout, this, &PagesPanel::StoreText);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(BuildListColumn(), 2);
    layout->addWidget(BuildEditColumn(), 5);
    Render();
}

QWidget* PagesPanel::BuildListColumn() {
    auto* column = new QWidget;
    m_pages = NewRowList();
    m_pages->setObjectName(QStringLiteral("PageList"));
    new RowChoice(m_pages, [this] {
        if (const auto row = SelectedRow(m_pages)) {
            StoreTyping();
            GuardedCall(m_ui, [&] { m_page.Select(*row); });
        }
        Render();
    });
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(AddButton(QStringLiteral("add"), QStringLiteral("PageAdd"), &PagesPanel::AddPage));
    buttons->addWidget(AddButton(QStringLiteral("rename"), QStringLiteral("PageRename"), &PagesPanel::RenamePage));
    buttons->addWidget(AddButton(QStringLiteral("delete"), QStringLiteral("PageDelete"), &PagesPanel::DeletePage));
    buttons->addWidget(AddButton(QStringLiteral("up"), QStringLiteral("PageUp"), &PagesPanel::MoveUp));
    buttons->addWidget(AddButton(QStringLiteral("down"), QStringLiteral("PageDown"), &PagesPanel::MoveDown));
    buttons->addStretch();
    auto* layout = new QHBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    return column;
}

QWidget* PagesPanel::BuildEditColumn() {
    auto* column = new QWidget;
    m_title = new QLineEdit;
    m_title->setObjectName(QStringLiteral("PageTitle"));
    connect(m_title, &QLineEdit::editingFinished, this, Guarded(m_ui, [this] {
                if (!m_rendering)
                    m_page.SetTitle(FromQt(m_title->text()));
            }));
    m_region = new QComboBox;
    m_region->setObjectName(QStringLiteral("PageRegion"));
    connect(m_region, &QComboBox::activated, this, [this] {
        StoreTyping();
        Render();
    });
    m_own = new QCheckBox(QStringLiteral("own content (else as on the home page)"));
    m_own->setObjectName(QStringLiteral("PageOwnContent"));
    connect(m_own, &QCheckBox::clicked, this, Guarded(m_ui, [this](bool own) {
                StoreTyping();
                m_page.SetRegionOwn(Region(), own);
                Render();
            }));
    m_editor = new QsciScintilla;
    m_editor->setObjectName(QStringLiteral("PageMarkdown"));
    auto* lexer = new QsciLexerMarkdown(m_editor);
    lexer->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor->setLexer(lexer);
    m_editor->setUtf8(true);
    m_editor->setWrapMode(QsciScintilla::WrapWord);
    m_editor->setMarginWidth(1, 0);
    connect(m_editor, &QsciScintilla::textChanged, this, [this] {
        if (!m_rendering)
            m_typing->start();
    });
    const auto key = [this](const QKeySequence& sequence, auto action) {
        auto* shortcut = new QShortcut(sequence, m_editor, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    key(QKeySequence::Bold, [this] { Wrap(QStringLiteral("**"), QStringLiteral("**")); });
    key(QKeySequence::Italic, [this] { Wrap(QStringLiteral("*"), QStringLiteral("*")); });
    key(QKeySequence(Qt::CTRL | Qt::Key_K), [this] { Wrap(QStringLiteral("["), QStringLiteral("](page.html)")); });
    for (int level = 1; level <= 3; ++level)
        key(QKeySequence(Qt::CTRL | (Qt::Key_0 + level)), [this, level] { Heading(level); });
    m_editor->setToolTip(
        QStringLiteral("Markdown. Ctrl+B bold, Ctrl+I italic, Ctrl+K link, Ctrl+1 to Ctrl+3 headings"));

    auto* layout = new QGridLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Title:")), 0, 0);
    layout->addWidget(m_title, 0, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Region:")), 1, 0);
    layout->addWidget(m_region, 1, 1);
    layout->addWidget(m_own, 1, 2);
    layout->addWidget(m_editor, 2, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(2, 1);
    return column;
}

QPushButton* PagesPanel::AddButton(const QString& caption, const QString& name, void (PagesPanel::*action)()) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

QPushButton* PagesPanel::button(const QString& name) const { return findChild<QPushButton*>(name); }

size_t PagesPanel::Region() const { return static_cast<size_t>(std::max(0, m_region->currentIndex())); }

void PagesPanel::AddPage() {
    StoreTyping();
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Add Page"),
                                               QStringLiteral("File name of the new page (e.g. about.html):"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok)
        GuardedCall(m_ui, [&] { m_page.Add(FromQt(name)); });
    Render();
}

void PagesPanel::RenamePage() {
    StoreTyping();
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Rename Page"),
                                               QStringLiteral("New file name (links in the menus follow):"),
                                               QLineEdit::Normal, ToQt(m_page.PageFile(m_page.selected())), &ok);
    if (ok)
        GuardedCall(m_ui, [&] { m_page.Rename(FromQt(name)); });
    Render();
}

void PagesPanel::DeletePage() {
    StoreTyping();
    GuardedCall(m_ui, [&] { m_page.Delete(); });
    Render();
}

void PagesPanel::MoveUp() {
    StoreTyping();
    GuardedCall(m_ui, [&] { m_page.Move(-1); });
    Render();
}

void PagesPanel::MoveDown() {
    StoreTyping();
    GuardedCall(m_ui, [&] { m_page.Move(1); });
    Render();
}

// What was typed before a click elsewhere is stored first.
void PagesPanel::StoreTyping() {
    if (!m_typing->isActive())
        return;
    m_typing->stop();
    StoreText();
}

// What was typed since the last pause becomes one step.
void PagesPanel::StoreText() {
    GuardedCall(m_ui, [&] { m_page.SetRegionText(Region(), FromQt(m_editor->text())); });
    const QSignalBlocker blocker(m_own);
    m_own->setChecked(true);
}

void PagesPanel::Wrap(const QString& before, const QString& after) {
    const QString selected = m_editor->selectedText();
    m_editor->replaceSelectedText(before + (selected.isEmpty() ? QStringLiteral("text") : selected) + after);
}

void PagesPanel::Heading(int level) {
    int line = 0;
    int index = 0;
    m_editor->getCursorPosition(&line, &index);
    m_editor->insertAt(QString(level, QLatin1Char('#')) + QLatin1Char(' '), line, 0);
}

void PagesPanel::Render() {
    m_rendering = true;
    const SitePages site = m_page.Pages();
    QStringList names;
    for (const SitePage& page : site.pages)
        names << ToQt(page.file);
    FillList(m_pages, names);
    const size_t shown = m_page.selected();
    ShowSelectedRow(m_pages, site.pages.empty() ? std::nullopt : std::optional<size_t>(shown));
    const bool home = shown == 0;
    button(QStringLiteral("PageRename"))->setEnabled(!home);
    button(QStringLiteral("PageDelete"))->setEnabled(!home);
    button(QStringLiteral("PageUp"))->setEnabled(shown > 1);
    button(QStringLiteral("PageDown"))->setEnabled(!home && shown + 1 < site.pages.size());
    const size_t regions = m_page.RegionCount();
    const int chosen = m_region->currentIndex();
    m_region->clear();
    for (size_t i = 0; i < regions; ++i)
        m_region->addItem(QString::number(i + 1));
    m_region->setCurrentIndex(chosen >= 0 && chosen < m_region->count() ? chosen : 0);
    const SitePage* page = site.pages.empty() ? nullptr : &site.pages[shown];
    m_title->setText(page && page->title ? ToQt(*page->title) : QString());
    const PageRegion* region = m_page.Region(Region());
    m_own->setChecked(region && region->own);
    m_own->setText(home ? QStringLiteral("own content (else as in the template)")
                        : QStringLiteral("own content (else as on the home page)"));
    if (!m_typing->isActive()) {
        const QString text = region ? ToQt(region->markdown) : QString();
        if (m_editor->text() != text)
            m_editor->setText(text);
    }
    m_rendering = false;
}

} // namespace quorlex
