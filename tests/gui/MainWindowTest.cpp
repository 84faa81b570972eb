#include "CatalogView.h"
#include "CustomizeView.h"
#include "FilesView.h"
#include "CodePage.h"
#include "ExportPage.h"
#include "GuiFixture.h"
#include "QtText.h"

#include <Qsci/qsciscintilla.h>
#include <QCheckBox>
#include <QLineEdit>

#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace quorlex;
using namespace quorlex::test;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void freshStartShowsOnlyTheSelectPage() {
        GuiFixture f;
        f.Start();
        QTabWidget* pages = f.window().workflowPages();
        QVERIFY(pages->isTabVisible(0));
        QVERIFY(!pages->isTabVisible(1));
        QVERIFY(!pages->isTabVisible(2));
        QCOMPARE(pages->tabText(0), QStringLiteral("1) Select Template"));
        QVERIFY(!f.window().catalogView()->customizeButton()->isEnabled());
        QCOMPARE(f.window().catalogView()->list()->topLevelItemCount(), 2);
        QCOMPARE(f.window().catalogView()->list()->topLevelItem(0)->text(0), QStringLiteral("Harbor Cafe & Sailing"));
        QCOMPARE(f.window().windowTitle(), QStringLiteral("Quorlex"));
        QVERIFY(f.ui().errors.empty());
    }

    void selectingARowEnablesCustomizeAndShowsTheScreenshot() {
        GuiFixture f;
        f.Start();
        f.window().show();
        QTreeWidget* list = f.window().catalogView()->list();
        list->setCurrentItem(list->topLevelItem(1));
        QVERIFY(f.window().catalogView()->customizeButton()->isEnabled());
        QVERIFY(f.window().catalogView()->screenshotShown());
        QCOMPARE(QString::fromStdString(f.session().catalogPage().templateId()), QStringLiteral("pebble"));
    }

    void keyboardSelectionAndClickOnTheEmptyArea() {
        GuiFixture f;
        f.Start();
        f.window().resize(1000, 800);
        f.window().show();
        QTreeWidget* list = f.window().catalogView()->list();
        list->setFocus();
        list->setCurrentItem(list->topLevelItem(0));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(QString::fromStdString(f.session().catalogPage().templateId()), QStringLiteral("pebble"));
        const QPoint below = list->visualItemRect(list->topLevelItem(1)).bottomLeft() + QPoint(5, 40);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!f.window().catalogView()->customizeButton()->isEnabled());
        QVERIFY(f.session().catalogPage().TemplateRoot().empty());
    }

    void customizeShowsPagesTabsAndTitleLists() {
        GuiFixture f;
        f.Start();
        QTreeWidget* list = f.window().catalogView()->list();
        list->setCurrentItem(list->topLevelItem(1));
        QTest::mouseClick(f.window().catalogView()->customizeButton(), Qt::LeftButton);
        QTabWidget* pages = f.window().workflowPages();
        QVERIFY(pages->isTabVisible(1));
        QVERIFY(pages->isTabVisible(2));
        QCOMPARE(pages->currentIndex(), 1);
        QTabWidget* sub = f.window().customizeView()->subPages();
        QVERIFY(sub->isTabVisible(0));  // colors
        QVERIFY(!sub->isTabVisible(1)); // no images.xml
        QVERIFY(!sub->isTabVisible(3)); // no fonts.xml
        QVERIFY(sub->isTabVisible(5));
        QVERIFY(f.window().customizeView()->titleList(0)->count() >= 4);
        QVERIFY(!f.window().filesView()->codePage()->tabs()->isTabVisible(2));
        QVERIFY(f.window().windowTitle().startsWith(QStringLiteral("Quorlex -- ")));
        QVERIFY(f.ui().errors.empty());

        list->setCurrentItem(list->topLevelItem(0));
        QTest::mouseClick(f.window().catalogView()->customizeButton(), Qt::LeftButton);
        QVERIFY(sub->isTabVisible(1));
        QVERIFY(f.window().filesView()->codePage()->tabs()->isTabVisible(2));
        QCOMPARE(f.window().windowTitle(), QStringLiteral("Quorlex -- Harbor Cafe & Sailing"));
    }

    void largePreviewShrinksTheSubPageArea() {
        GuiFixture f;
        f.Start();
        f.window().resize(1000, 900);
        f.window().show();
        QTreeWidget* list = f.window().catalogView()->list();
        list->setCurrentItem(list->topLevelItem(0));
        f.session().RecalculateTemplate();
        QTabWidget* sub = f.window().customizeView()->subPages();
        sub->setCurrentIndex(5);
        QCOMPARE(f.session().workflow().subPageAreaHeight, 30);
        QCOMPARE(f.window().customizeView()->findChild<QSplitter*>()->sizes().first(), 30);
        sub->setCurrentIndex(0);
        QCOMPARE(f.window().customizeView()->findChild<QSplitter*>()->sizes().first(), 207);
    }

    void filesPageGeneratesAndWiresItsControls() {
        GuiFixture f;
        f.Start();
        QTreeWidget* list = f.window().catalogView()->list();
        list->setCurrentItem(list->topLevelItem(0));
        f.session().RecalculateTemplate();
        f.window().filesView()->outputPages()->setCurrentIndex(2);
        f.window().workflowPages()->setCurrentIndex(2);
        QCOMPARE(f.window().filesView()->outputPages()->currentIndex(), 0);
        ExportPage* exportPage = f.window().filesView()->exportPage();
        QCOMPARE(exportPage->fileList()->item(exportPage->fileList()->count() - 1)->text(), QStringLiteral("index.html"));
        QCOMPARE(exportPage->targetText(), PathToQt(f.folder().path()));

        exportPage->dreamweaverBox()->click();
        QCOMPARE(exportPage->fileList()->item(exportPage->fileList()->count() - 1)->text(),
                 QStringLiteral("index_dw_mx.dwt"));
        QVERIFY(f.folder().Exists("templates/harbor/template/index_dw_mx.dwt"));

        CodePage* code = f.window().filesView()->codePage();
        QVERIFY(code->editor(CodeTab::Html)->text().contains(QStringLiteral("<link rel=\"stylesheet\"")));
        QVERIFY(!code->editor(CodeTab::Css)->text().isEmpty());
        QVERIFY(code->editor(CodeTab::Hover)->isReadOnly());
        QVERIFY(!code->editor(CodeTab::Html)->isReadOnly());
        code->wordWrap()->click();
        for (CodeTab tab : {CodeTab::Html, CodeTab::Css, CodeTab::Hover})
            QCOMPARE(code->editor(tab)->wrapMode(), QsciScintilla::WrapWord);

        exportPage->newFolderField()->setText(QStringLiteral("out\\site"));
        exportPage->CreateFolder();
        QCOMPARE(exportPage->targetText(), PathToQt(f.folder().path() / "out" / "site"));
        QVERIFY(exportPage->newFolderField()->text().isEmpty());
        exportPage->ExportTemplate();
        QVERIFY(f.folder().Exists("out/site/template/index.html"));
        QCOMPARE(exportPage->targetText(), PathToQt(f.folder().path() / "out" / "site"));
        QVERIFY(exportPage->folderList()->isVisibleTo(&f.window()));
        QVERIFY(f.ui().errors.empty());
    }

    void titleBarCloseRemovesTheCatalogFile() {
        GuiFixture f;
        f.Start();
        QVERIFY(f.folder().Exists("templates_tmp.xml"));
        f.window().show();
        f.window().close();
        QVERIFY(!f.folder().Exists("templates_tmp.xml"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
