#include "CatalogView.h"
#include "CodePage.h"
#include "CustomizeView.h"
#include "ExportPage.h"
#include "FilesView.h"
#include "GuiFixture.h"
#include "QtText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <Qsci/qsciscintilla.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

class FilesEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void generateLookAtTheCodeAndExport() {
        GuiFixture f;
        f.Start();
        MainWindow& window = f.window();
        window.resize(1280, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTreeWidget* list = window.catalogView()->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
        QTest::mouseClick(window.catalogView()->customizeButton(), Qt::LeftButton);
        ClickTab(window.workflowPages(), 2);
        QCOMPARE(window.workflowPages()->currentIndex(), 2);

        const fs::path output = f.folder().path() / "templates/harbor/template";
        ExportPage* exportPage = window.filesView()->exportPage();
        const QStringList files = Items(exportPage->fileList());
        QVERIFY(files.contains(QStringLiteral("css/main.css")));
        QCOMPARE(files.last(), QStringLiteral("index.html"));
        for (const QString& file : files)
            QVERIFY2(fs::exists(output / FromQt(file).c_str()) ||
                         fs::exists(output / FromQt(QString(file).replace(QLatin1Char('\\'), QLatin1Char('/')))),
                     qPrintable(file));
        QVERIFY(!f.folder().Read("templates/harbor/template/index.html").empty());
        SaveScreenshot(window, QStringLiteral("export.png"));

        ClickTab(window.filesView()->outputPages(), 2);
        CodePage* code = window.filesView()->codePage();
        QCOMPARE(code->tabs()->currentIndex(), 0);
        QCOMPARE(code->editor(CodeTab::Html)->text(), ToQt(f.folder().Read("templates/harbor/template/index.html")));
        QVERIFY(code->editor(CodeTab::Html)->text().contains(QStringLiteral("href=\"css/")));
        QVERIFY(!code->editor(CodeTab::Css)->text().contains(QStringLiteral("%%")));
        SaveScreenshot(window, QStringLiteral("code.png"));

        // Edits stay in the view: copied and saved, but not exported.
        code->editor(CodeTab::Html)->setText(QStringLiteral("edited\nview"));
        QPushButton* copy = nullptr;
        QPushButton* save = nullptr;
        for (QPushButton* button : code->tabs()->widget(0)->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Copy to Clipboard"))
                copy = button;
            if (button->text() == QStringLiteral("Save File"))
                save = button;
        }
        QVERIFY(copy && save);
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("edited\nview"));
        f.ui().savePaths = {f.folder().path() / "saved.html"};
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(f.folder().Read("saved.html")), QStringLiteral("edited\r\nview\r\n"));
        QCOMPARE(QString::fromStdString(f.ui().saveRequests.back().proposedName), QStringLiteral("index.html"));

        ClickTab(window.filesView()->outputPages(), 0);
        exportPage->newFolderField()->setText(QStringLiteral("exports/first"));
        QTest::mouseClick(exportPage->findChild<QPushButton*>(QStringLiteral("CreateFolderButton")), Qt::LeftButton);
        QCOMPARE(exportPage->targetText(), PathToQt(f.folder().path() / "exports" / "first"));
        QTest::mouseClick(exportPage->findChild<QPushButton*>(QStringLiteral("ExportButton")), Qt::LeftButton);
        const fs::path exported = f.folder().path() / "exports/first/template";
        QVERIFY(fs::exists(exported / "css" / "main.css"));
        QCOMPARE(QString::fromStdString(f.folder().Read("exports/first/template/index.html")),
                 QString::fromStdString(f.folder().Read("templates/harbor/template/index.html")));
        QVERIFY(f.ui().errors.empty());

        auto* external = window.customizeView()->findChild<QAction*>(QStringLiteral("PreviewInIE"));
        QVERIFY(external);
        external->trigger();
        QCOMPARE(f.platform().opened.back(), f.folder().path() / "templates/harbor/index_temp.html");
    }
};

QTEST_MAIN(FilesEndToEndTest)
#include "FilesEndToEndTest.moc"
