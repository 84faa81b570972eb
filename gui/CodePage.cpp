#include "CodePage.h"

#include "GuardedCall.h"
#include "QtText.h"
#include "app/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

namespace quorlex {

namespace {

QsciScintilla* CodeEditor(QsciLexer* lexer) {
    auto* editor = new QsciScintilla;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (lexer) {
        lexer->setParent(editor);
        lexer->setFont(fixed);
        editor->setLexer(lexer);
        editor->setMarginType(0, QsciScintilla::NumberMargin);
        editor->setMarginWidth(0, QStringLiteral("000000"));
    } else {
        editor->setFont(fixed);
        editor->setMarginWidth(1, 0);
        editor->setReadOnly(true);
    }
    editor->setUtf8(true);
    editor->setEolMode(QsciScintilla::EolWindows);
    editor->setWrapMode(QsciScintilla::WrapNone);
    return editor;
}

} // namespace

CodePage::CodePage(Session& session, const std::function<void()>& splashStep, QWidget* parent)
    : QWidget(parent), m_session(session) {
    m_editors[0] = CodeEditor(new QsciLexerHTML);
    splashStep();
    m_editors[1] = CodeEditor(new QsciLexerCSS);
    splashStep();
    m_editors[2] = CodeEditor(nullptr);
    m_sheets = new QComboBox;
    m_sheets->setObjectName(QStringLiteral("StyleSheetChoice"));
    m_sheets->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_sheets->setToolTip(QStringLiteral("The finished stylesheet to show"));
    connect(m_sheets, &QComboBox::currentIndexChanged, this, &CodePage::ShowStyleSheet);
    m_tabs = new QTabWidget;
    m_pageChoice = new QComboBox;
    m_pageChoice->setObjectName(QStringLiteral("PageChoice"));
    m_pageChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pageChoice->setToolTip(QStringLiteral("The finished page to show"));
    connect(m_pageChoice, &QComboBox::currentIndexChanged, this, &CodePage::ShowPage);
    m_tabs->addTab(BuildTab(CodeTab::Html, m_pageChoice), QStringLiteral("XHTML Code"));
    m_tabs->addTab(BuildTab(CodeTab::Css, m_sheets), QStringLiteral("CSS Code"));
    m_tabs->addTab(BuildTab(CodeTab::Hover, new QLabel(QStringLiteral("csshover2.htc"))),
                   QStringLiteral("cssHover2.htc"));
    connect(m_tabs, &QTabWidget::currentChanged, this,
            Guarded(m_session.ui(), [this](int index) { m_session.CodeTabChanged(index); }));
    m_wrap = new QCheckBox(QStringLiteral("wordwrap"));
    connect(m_wrap, &QCheckBox::toggled, this, &CodePage::SetWrapping);
    m_tabs->setCornerWidget(m_wrap, Qt::TopRightCorner);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

QWidget* CodePage::BuildTab(CodeTab tab, QWidget* heading) {
    auto* copy = new QPushButton(QStringLiteral("Copy to Clipboard"));
    connect(copy, &QPushButton::clicked, this, Guarded(m_session.ui(), [this, tab] { CopyToClipboard(tab); }));
    auto* save = new QPushButton(QStringLiteral("Save File"));
    connect(save, &QPushButton::clicked, this, Guarded(m_session.ui(), [this, tab] { SaveFile(tab); }));
    auto* help = new QPushButton(QStringLiteral("Help"));
    connect(help, &QPushButton::clicked, this,
            Guarded(m_session.ui(), [this, tab] { m_session.HelpRequested(HelpTopicOf(tab)); }));
    auto* bar = new QHBoxLayout;
    bar->addWidget(heading);
    bar->addStretch();
    bar->addWidget(copy);
    bar->addWidget(save);
    bar->addWidget(help);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(bar);
    layout->addWidget(editor(tab), 1);
    return page;
}

void CodePage::SetWrapping(bool wrap) {
    for (QsciScintilla* view : m_editors)
        view->setWrapMode(wrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
}

void CodePage::CopyToClipboard(CodeTab tab) {
    editor(tab)->selectAll();
    editor(tab)->copy();
}

void CodePage::SaveFile(CodeTab tab) {
    const QComboBox* choice = tab == CodeTab::Css ? m_sheets : tab == CodeTab::Html ? m_pageChoice : nullptr;
    const std::string shown = choice ? FromQt(choice->currentText()) : std::string();
    SaveCodeFile(tab, FromQt(editor(tab)->text()), m_session.PackageEncoding(), m_session.ui(), shown);
}

void CodePage::ShowGeneration() {
    const GenerationResult& generation = m_session.filesPage().generation();
    QStringList pages{QStringLiteral("index.html")};
    for (const GeneratedText& page : generation.pages)
        pages << ToQt(page.name);
    Refill(m_pageChoice, pages, 0);
    ShowPage(m_pageChoice->currentIndex());
    QStringList sheets;
    for (const GeneratedText& sheet : generation.styleSheets)
        sheets << ToQt(sheet.name);
    Refill(m_sheets, sheets, static_cast<int>(sheets.size()) - 1);
    ShowStyleSheet(m_sheets->currentIndex());
}

// New entries keep the one the user chose while it is still there.
void CodePage::Refill(QComboBox* choice, const QStringList& entries, int fallback) {
    const QString chosen = choice->currentText();
    const QSignalBlocker blocker(choice);
    choice->clear();
    choice->addItems(entries);
    const int kept = choice->findText(chosen);
    choice->setCurrentIndex(kept >= 0 ? kept : fallback);
}

void CodePage::ShowPage(int index) {
    const GenerationResult& generation = m_session.filesPage().generation();
    const auto page = static_cast<size_t>(index);
    const std::string& text =
        index <= 0 || page > generation.pages.size() ? generation.htmlCode : generation.pages[page - 1].text;
    editor(CodeTab::Html)->setText(ToQt(text));
}

void CodePage::ShowStyleSheet(int index) {
    const std::vector<GeneratedText>& sheets = m_session.filesPage().generation().styleSheets;
    const bool shown = index >= 0 && static_cast<size_t>(index) < sheets.size();
    editor(CodeTab::Css)->setText(shown ? ToQt(sheets[static_cast<size_t>(index)].text) : QString());
}

void CodePage::ShowWorkspace() {
    const TemplateWorkspace* ws = m_session.workspace();
    editor(CodeTab::Hover)->setText(ToQt(ws ? ws->hoverFile.value_or(std::string()) : std::string()));
    const WorkflowState& state = m_session.workflow();
    m_tabs->setTabVisible(2, state.hoverTabVisible);
    m_tabs->setTabEnabled(2, state.hoverTabVisible);
    m_tabs->setCurrentIndex(state.activeCodeTab);
}

} // namespace quorlex
