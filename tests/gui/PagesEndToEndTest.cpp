#include "CustomizeView.h"
#include "ExportPage.h"
#include "FilesView.h"
#include "GuiFixture.h"
#include "MenuItemDialog.h"
#include "MenuTreeView.h"
#include "MenusPanel.h"
#include "PagesPanel.h"
#include "PreviewBrowser.h"
#include "QtText.h"
#include "SiteCheckPage.h"
#include "util/TextFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeWidget>
#include <Qsci/qsciscintilla.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kMenusTab = 4;
constexpr int kPagesTab = 5;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

void AddPage(PagesPanel* panel, const QString& name) {
    AnswerNextDialog<QInputDialog>([name](QInputDialog& dialog) { dialog.setTextValue(name); });
    QTest::mouseClick(panel->button(QStringLiteral("PageAdd")), Qt::LeftButton);
}

} // namespace

class PagesEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void pagesAreWrittenLinkedFromTheMenuAndExported() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        MainWindow& window = f.window();
        CustomizeView* customize = window.customizeView();
        PreviewBrowser* preview = customize->preview();
        QVERIFY(customize->subPages()->isTabVisible(kPagesTab));
        ClickTab(customize->subPages(), kPagesTab);
        PagesPanel* pages = customize->pagesPanel();

        // Two pages, each with its own Markdown; the preview shows the selected one.
        AddPage(pages, QStringLiteral("About"));
        QTRY_COMPARE(pages->pageList()->count(), 2);
        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        pages->editor()->setFocus();
        QTest::keyClicks(pages->editor(), QStringLiteral("# About us"));
        QTest::keyClick(pages->editor(), Qt::Key_Return);
        QTest::keyClick(pages->editor(), Qt::Key_Return);
        QTest::keyClicks(pages->editor(), QStringLiteral("We **sail** all year."));
        QTRY_VERIFY_WITH_TIMEOUT(RunScript(preview, QStringLiteral("document.body.innerHTML"))
                                     .contains(QStringLiteral("<strong>sail</strong>")),
                                 15000);
        QVERIFY(pages->ownContent()->isChecked());
        SaveScreenshot(window, QStringLiteral("pages-tab.png"));
        AddPage(pages, QStringLiteral("Contact"));
        QTRY_COMPARE(pages->pageList()->count(), 3);
        pages->editor()->setText(QStringLiteral("| Day | Hours |\n|---|---|\n| Mon | 8-18 |\n"));
        QTRY_VERIFY_WITH_TIMEOUT(
            RunScript(preview, QStringLiteral("document.querySelectorAll('td').length")).toInt() >= 2, 15000);

        // The menu links both through the item dialog's page choice.
        ClickTab(customize->subPages(), kMenusTab);
        MenusPanel* menus = customize->menusPanel();
        QListWidget* titles = menus->titleList();
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, titles->visualItemRect(titles->item(0)).center());
        for (const QString& page : {QStringLiteral("About.html"), QStringLiteral("Contact.html")}) {
            AnswerNextDialog<MenuItemDialog>([page](MenuItemDialog& dialog) {
                QComboBox* choice = dialog.pageChoice();
                QVERIFY(choice->isVisibleTo(&dialog));
                const int index = choice->findText(page);
                QVERIFY(index > 0);
                dialog.captionField()->setText(page.section(QLatin1Char('.'), 0, 0));
                emit choice->activated(index);
                QCOMPARE(dialog.linkField()->text(), page);
            });
            QTest::mouseClick(menus->button(QStringLiteral("MenuAdd")), Qt::LeftButton);
        }
        const fs::path menuFile = f.folder().path() / "templates/harbor/menus/main/menu.lyo";
        QVERIFY(Contains(ReadFileBytes(menuFile), "About|About.html|"));

        // A rename follows into the menu, and undo and redo take it back and forth.
        ClickTab(customize->subPages(), kPagesTab);
        QTest::mouseClick(pages->pageList()->viewport(), Qt::LeftButton, {},
                          pages->pageList()->visualItemRect(pages->pageList()->item(1)).center());
        AnswerNextDialog<QInputDialog>([](QInputDialog& dialog) { dialog.setTextValue(QStringLiteral("team")); });
        QTest::mouseClick(pages->button(QStringLiteral("PageRename")), Qt::LeftButton);
        QTRY_COMPARE(pages->pageList()->item(1)->text(), QStringLiteral("team.html"));
        QVERIFY(Contains(ReadFileBytes(menuFile), "About|team.html|"));
        customize->undoAction()->trigger();
        QTRY_COMPARE(pages->pageList()->item(1)->text(), QStringLiteral("About.html"));
        QVERIFY(Contains(ReadFileBytes(menuFile), "About|About.html|"));
        customize->redoAction()->trigger();
        QTRY_COMPARE(pages->pageList()->item(1)->text(), QStringLiteral("team.html"));

        // Generation writes three pages, each with its own menu item marked; the check finds
        // no broken link.
        ClickTab(window.workflowPages(), 2);
        const fs::path site = f.folder().path() / "templates/harbor/template";
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(site / "Contact.html"), 15000);
        const std::string team = ReadFileBytes(site / "team.html");
        QVERIFY(Contains(team, "<strong>sail</strong>"));
        QVERIFY(Contains(team, "<a aria-current=\"page\" class=\"current-page\" href=\"team.html\""));
        QVERIFY(Contains(ReadFileBytes(site / "Contact.html"), "<td>Mon</td>"));
        QVERIFY(Contains(ReadFileBytes(site / "index.html"), "<a aria-current=\"page\" class=\"current-page\" href=\"index.html\""));
        FilesView* files = window.filesView();
        ClickTab(files->outputPages(), 3);
        SiteCheckPage* check = files->siteCheckPage();
        QTRY_VERIFY_WITH_TIMEOUT(!check->status()->text().startsWith(QStringLiteral("Checking")), 30000);
        QVERIFY(check->findingList()->findItems(QStringLiteral("Missing file"), Qt::MatchExactly, 0).isEmpty());

        // Exported, the page shows its menu with its own item current.
        ClickTab(files->outputPages(), 0);
        ExportPage* exportPage = files->exportPage();
        exportPage->newFolderField()->setText(QStringLiteral("published"));
        QTest::mouseClick(exportPage->findChild<QPushButton*>(QStringLiteral("CreateFolderButton")), Qt::LeftButton);
        f.ui().answers = {Answer::Yes, Answer::Yes, Answer::Yes};
        QTest::mouseClick(exportPage->findChild<QPushButton*>(QStringLiteral("ExportButton")), Qt::LeftButton);
        const fs::path exported = f.folder().path() / "published/template/team.html";
        QVERIFY(fs::exists(exported));
        loaded.clear();
        preview->load(QUrl::fromLocalFile(PathToQt(exported)));
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 15000);
        QCOMPARE(RunScript(preview, QStringLiteral("document.querySelector('a[aria-current=page]').textContent")),
                 QStringLiteral("About"));
        QCOMPARE(RunScript(preview, QStringLiteral("Array.from(document.querySelectorAll('h1'))"
                                                   ".some(h => h.textContent == 'About us')")),
                 QStringLiteral("true"));
        ClickTab(window.workflowPages(), 1);
        SaveScreenshot(window, QStringLiteral("exported-page.png"));
        QVERIFY(f.ui().errors.empty());
    }
};

QTEST_MAIN(PagesEndToEndTest)
#include "PagesEndToEndTest.moc"
