#include "CodePage.h"

#include "GuardedCall.h"
#include "QtText.h"
#include "app/Session.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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
    m_tabs = new QTabWidget;
    m_tabs->addTab(BuildTab(CodeTab::Html, QStringLiteral("index.html")), QStringLiteral("XHTML Code"));
    m_tabs->addTab(BuildTab(CodeTab::Css, QStringLiteral("style.css")), QStringLiteral("CSS Code"));
    m_tabs->addTab(BuildTab(CodeTab::Hover, QStringLiteral("csshover2.htc")), QStringLiteral("cssHover2.htc"));
    m_wrap = new QCheckBox(QStringLiteral("wordwrap"));
    connect(m_wrap, &QCheckBox::toggled, this, &CodePage::SetWrapping);
    m_tabs->setCornerWidget(m_wrap, Qt::TopRightCorner);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

QWidget* CodePage::BuildTab(CodeTab tab, const QString& heading) {
    auto* copy = new QPushButton(QStringLiteral("Copy to Clipboard"));
    connect(copy, &QPushButton::clicked, this, Guarded(m_session.ui(), [this, tab] { CopyToClipboard(tab); }));
    auto* save = new QPushButton(QStringLiteral("Save File"));
    connect(save, &QPushButton::clicked, this, Guarded(m_session.ui(), [this, tab] { SaveFile(tab); }));
    auto* help = new QPushButton(QStringLiteral("Help"));
    connect(help, &QPushButton::clicked, this,
            Guarded(m_session.ui(), [this, tab] { m_session.HelpRequested(HelpTopicOf(tab)); }));
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(heading));
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

void CodePage::SaveFile(CodeTab tab) { SaveCodeFile(tab, FromQt(editor(tab)->text()), m_session.PackageEncoding(), m_session.ui()); }

void CodePage::ShowGeneration() {
    editor(CodeTab::Html)->setText(ToQt(m_session.filesPage().generation().htmlCode));
    editor(CodeTab::Css)->setText(ToQt(m_session.filesPage().generation().cssCode));
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
