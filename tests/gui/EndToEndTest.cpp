#include "CatalogView.h"
#include "CustomizeView.h"
#include "FilesView.h"
#include "GuiFixture.h"
#include "PreviewBrowser.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using namespace quorlex;
using namespace quorlex::test;

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void selectCustomizeAndPreview() {
        GuiFixture f;
        f.Start();
        MainWindow& window = f.window();
        QTRY_VERIFY_WITH_TIMEOUT(RunScript(window.catalogView()->infoBrowser(),
                                           QStringLiteral("document.body ? document.body.innerText : ''"))
                                     .startsWith(QStringLiteral("Please, select menu template from the list above")),
                                 30000);
        window.resize(1280, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTreeWidget* list = window.catalogView()->list();
        QSignalSpy readmeLoaded(window.catalogView()->infoBrowser(), &QWebEngineView::loadFinished);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
        QVERIFY(window.catalogView()->customizeButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!readmeLoaded.isEmpty(), 30000);
        QVERIFY(
            window.catalogView()->infoBrowser()->url().toLocalFile().endsWith(QStringLiteral("harbor/readme.html")));
        SaveScreenshot(window, QStringLiteral("catalog.png"));

        PreviewBrowser* preview = window.customizeView()->preview();
        QSignalSpy previewLoaded(preview, &QWebEngineView::loadFinished);
        QTest::mouseClick(window.catalogView()->customizeButton(), Qt::LeftButton);
        QCOMPARE(window.workflowPages()->currentIndex(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!previewLoaded.isEmpty(), 30000);
        QVERIFY(previewLoaded.takeFirst().at(0).toBool());
        QVERIFY(preview->url().toLocalFile().endsWith(QStringLiteral("harbor/index_temp.html")));
        QCOMPARE(RunScript(preview, QStringLiteral("document.body.innerHTML.indexOf('%%') >= 0 ? 'left' : 'none'")),
                 QStringLiteral("none"));
        QVERIFY(RunScript(preview, QStringLiteral("document.querySelectorAll('li.li_hc').length")).toInt() > 0);
        SaveScreenshot(window, QStringLiteral("customize.png"));

        // Refresh keeps the reader where they were.
        RunScript(preview, QStringLiteral("window.scrollTo(0, 300); window.scrollY"));
        // The view learns the new position from the renderer a frame later, as a user would see it.
        QTRY_VERIFY_WITH_TIMEOUT(preview->page()->scrollPosition().y() > 100, 10000);
        previewLoaded.clear();
        QAction* refresh = nullptr;
        for (QAction* action : window.customizeView()->findChild<QToolBar*>()->actions())
            if (action->text() == QStringLiteral("&Refresh"))
                refresh = action;
        QVERIFY(refresh);
        refresh->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!previewLoaded.isEmpty(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(RunScript(preview, QStringLiteral("window.scrollY")).toDouble() > 100, 10000);
        QVERIFY(f.ui().errors.empty());
    }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
