#include "GuiFixture.h"
#include "HeaderCheckWindow.h"
#include "ThelpDialog.h"
#include "UpdateCheckWindow.h"
#include "net/NetTexts.h"
#include "support/LoopbackServer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// Serves the version file and a file with a few headers.
struct Server {
    Server() {
        server.routes().Get("/quorlex/version_free.php", [this](const httplib::Request&, httplib::Response& res) {
            res.set_content(version, "text/plain");
        });
        server.routes().Get("/menu/csshover2.htc", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string(1234, ' '), "text/x-component");
        });
        server.Start();
        qputenv("QUORLEX_UPDATE_URL", server.Url().c_str());
    }
    ~Server() { qunsetenv("QUORLEX_UPDATE_URL"); }

    std::string version = "42";
    LoopbackServer server;
};

} // namespace

class NetWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void versionCheckRunsAtEveryActivation() {
        Server server;
        GuiFixture f;
        f.Start();
        UpdateCheckWindow* window = f.window().updateWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Version check..."));
        QCOMPARE(window->statusText()->text(), QStringLiteral("Checking Version Info..."));
        window->show();
        QTRY_COMPARE(window->statusText()->text(), QString::fromLatin1(nettexts::kNewVersion));
        QVERIFY(window->getNewVersionButton()->isEnabled());
        QVERIFY(window->whatsNewButton()->isVisible());
        QVERIFY(!window->progress()->isVisible());
        QVERIFY(f.folder().Exists("temp.tmp"));

        window->whatsNewButton()->click();
        ThelpDialog* viewer = f.window().helpViewer();
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->address().toString(),
                 QString::fromStdString(server.server.Url() + "/quorlex/whatsnew_free.html"));
        server.version = "41";
        viewer->accept();
        window->activateWindow();
        QTRY_COMPARE(window->statusText()->text(), QStringLiteral("There are no new updates available."));
        QVERIFY(!window->getNewVersionButton()->isEnabled());
        QVERIFY(!window->whatsNewButton()->isVisible());

        window->reject();
        QVERIFY(!f.folder().Exists("temp.tmp"));
    }

    void closeCancelsACheckThatHangs() {
        SilentServer silent;
        qputenv("QUORLEX_UPDATE_URL", silent.Url().c_str());
        GuiFixture f;
        f.Start();
        UpdateCheckWindow* window = f.window().updateWindow();
        window->show();
        QTRY_VERIFY(window->check().state().running);
        QCOMPARE(window->statusText()->text(), QStringLiteral("Downloading Version Info..."));
        QVERIFY(window->progress()->isVisible());
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Close"))
                button->click();
        QVERIFY(!window->isVisible());
        QVERIFY(!window->check().state().running);
        qunsetenv("QUORLEX_UPDATE_URL");
    }

    void headerWindowListsHeadersAndKeepsItsText() {
        Server server;
        GuiFixture f;
        f.Start();
        HeaderCheckWindow* window = f.window().headerWindow();
        QCOMPARE(window->urlField()->text(), QStringLiteral("http://"));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), window->urlField());
        QVERIFY(window->viewButton()->isDefault());

        QTest::keyClick(window->urlField(), Qt::Key_Return);
        QTRY_COMPARE(f.ui().messages.size(), size_t{1});
        QVERIFY(QString::fromStdString(f.ui().messages[0]).startsWith(QStringLiteral("Error opening remote file.")));

        window->urlField()->selectAll();
        QTest::keyClicks(window->urlField(), QString::fromStdString(server.server.Url() + "/menu/csshover2.htc"));
        QTest::keyClick(window->urlField(), Qt::Key_Return);
        QTRY_VERIFY(window->headerArea()->toPlainText().contains(QStringLiteral("Content-Length=1234")));
        QVERIFY(window->headerArea()->toPlainText().contains(QStringLiteral("Content-Type=text/x-component")));
        QTRY_VERIFY(window->viewButton()->isEnabled());
        QCOMPARE(f.ui().messages.size(), size_t{1});

        window->accept();
        window->show();
        QVERIFY(window->urlField()->text().endsWith(QStringLiteral("/menu/csshover2.htc")));
        QVERIFY(window->headerArea()->toPlainText().contains(QStringLiteral("Content-Length=1234")));
    }
};

QTEST_MAIN(NetWindowsTest)
#include "NetWindowsTest.moc"
