#include "CatalogView.h"
#include "GuiFixture.h"
#include "HeaderCheckWindow.h"
#include "Tabout.h"
#include "ThelpDialog.h"
#include "UpdateCheckWindow.h"
#include "net/NetTexts.h"
#include "support/LoopbackServer.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

using namespace quorlex;
using namespace quorlex::test;

class HelpEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void updatesHelpAboutAndHeaders() {
        LoopbackServer server;
        server.routes().Get("/quorlex/version_free.php", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("42\r\n", "text/plain");
        });
        server.routes().Get("/menu/csshover2.htc", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Cache-Control", "max-age=3600");
            res.set_content(std::string(1234, ' '), "text/x-component");
        });
        server.Start();
        qputenv("QUORLEX_UPDATE_URL", server.Url().c_str());
        GuiFixture f;
        f.Start();
        MainWindow& window = f.window();
        window.resize(1280, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // "Check for Updates" against the loopback server.
        UpdateCheckWindow* updates = window.updateWindow();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Check for Updates")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(updates->statusText()->text(), QString::fromLatin1(nettexts::kNewVersion), 15000);
        QVERIFY(updates->getNewVersionButton()->isEnabled());
        QCOMPARE(updates->versionsText()->text(), QStringLiteral("Version 4.2 is available; you have version 4.1."));
        SaveScreenshot(*updates, QStringLiteral("version_check.png"));
        updates->reject();
        QVERIFY(!f.folder().Exists("temp.tmp"));

        // A help button opens the viewer on its page.
        ThelpDialog* viewer = window.helpViewer();
        QSignalSpy loaded(viewer->browser(), &QWebEngineView::loadFinished);
        QTest::mouseClick(window.catalogView()->findChild<QPushButton*>(QStringLiteral("CatalogHelp")), Qt::LeftButton);
        QVERIFY(viewer->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        QVERIFY(loaded.takeFirst().at(0).toBool());
        QTRY_COMPARE(viewer->browser()->title(), QStringLiteral("Quorlex Help: Choosing a template"));
        SaveScreenshot(*viewer, QStringLiteral("help_viewer.png"));
        viewer->accept();

        Tabout* about = window.aboutBox();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("About")), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        SaveScreenshot(*about, QStringLiteral("about.png"));
        QTest::mouseClick(about->okText(), Qt::LeftButton);
        QVERIFY(!about->isVisible());

        HeaderCheckWindow* headers = window.headerWindow();
        headers->show();
        QVERIFY(QTest::qWaitForWindowExposed(headers));
        headers->urlField()->selectAll();
        QTest::keyClicks(headers->urlField(), QString::fromStdString(server.Url() + "/menu/csshover2.htc"));
        QTest::keyClick(headers->urlField(), Qt::Key_Return);
        QCOMPARE(headers->busyText()->text(), QStringLiteral("Checking..."));
        QVERIFY(headers->busyBar()->isVisible());
        QTRY_VERIFY(headers->headerArea()->toPlainText().contains(QStringLiteral("Content-Length=1234")));
        QVERIFY(headers->headerArea()->toPlainText().startsWith(QStringLiteral("HTTP/1.1 200 OK\n")));
        QTRY_VERIFY(!headers->busyBar()->isVisible());
        QCOMPARE(headers->busyText()->text(), QString());
        SaveScreenshot(*headers, QStringLiteral("headers.png"));
        headers->accept();
        QVERIFY(f.ui().messages.empty());
        qunsetenv("QUORLEX_UPDATE_URL");
    }
};

QTEST_MAIN(HelpEndToEndTest)
#include "HelpEndToEndTest.moc"
