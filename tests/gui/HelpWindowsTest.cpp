#include "CatalogView.h"
#include "CodePage.h"
#include "CustomizeView.h"
#include "ExportPage.h"
#include "FilesView.h"
#include "GuiFixture.h"
#include "HeaderCheckWindow.h"
#include "QtText.h"
#include "Tabout.h"
#include "ThelpDialog.h"
#include "UpdateCheckWindow.h"
#include "help/WebSite.h"
#include "support/LoopbackServer.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QWebEngineSettings>
#include <QWebEngineView>

using namespace quorlex;
using namespace quorlex::test;

namespace {

QString ShownPage(GuiFixture& f) { return f.window().helpViewer()->address().fileName(); }

// The caption without its "&" of the keyboard shortcut.
QString Plain(QString caption) { return caption.remove(QLatin1Char('&')); }

QAction* MenuAction(MainWindow& window, const QString& menu, const QString& item) {
    for (QAction* top : window.menuBar()->actions())
        if (top->menu() && Plain(top->text()) == menu)
            for (QAction* action : top->menu()->actions())
                if (Plain(action->text()) == item)
                    return action;
    qWarning("no menu item %s > %s", qPrintable(menu), qPrintable(item));
    return nullptr;
}

void CloseHelp(GuiFixture& f) {
    f.window().helpViewer()->accept();
    QVERIFY(!f.window().helpViewer()->isVisible());
}

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void helpViewerGoesToTheAddressSetLastEveryTimeItIsShown() {
        GuiFixture f;
        f.Start();
        ThelpDialog* viewer = f.window().helpViewer();
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Help Info"));
        QCOMPARE(viewer->address(), QUrl(QStringLiteral("about:blank")));
        QVERIFY(viewer->isModal());
        QWebEngineSettings* settings = viewer->browser()->settings();
        QVERIFY(!settings->testAttribute(QWebEngineSettings::JavascriptEnabled));
        QVERIFY(!settings->testAttribute(QWebEngineSettings::JavascriptCanAccessClipboard));
        QVERIFY(!settings->testAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls));
        QVERIFY(!settings->testAttribute(QWebEngineSettings::PluginsEnabled));

        f.session().HelpRequested(11);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->address().toLocalFile(), PathToQt(f.folder().path() / "help" / "select_template.html"));
        QTRY_COMPARE(viewer->browser()->url(), viewer->address());
        CloseHelp(f);
        f.session().HelpRequested(9);
        QCOMPARE(ShownPage(f), QStringLiteral("index.html"));
        QTRY_COMPARE(viewer->browser()->url(), viewer->address());
        f.session().ShowHelpPage("menus1.html");
        QTRY_COMPARE(viewer->browser()->url().fileName(), QStringLiteral("menus1.html"));
        QTest::mouseClick(viewer->findChild<QPushButton*>(QStringLiteral("HelpOk")), Qt::LeftButton);
        QVERIFY(!viewer->isVisible());
    }

    void helpViewerGoesBackAndForwardAndEscapeClosesIt() {
        GuiFixture f;
        f.Start();
        ThelpDialog* viewer = f.window().helpViewer();
        const auto shown = [viewer] { return viewer->browser()->url().fileName(); };
        f.session().HelpRequested(11);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTRY_COMPARE(shown(), QStringLiteral("select_template.html"));
        QVERIFY(!viewer->forwardButton()->isEnabled());
        f.session().ShowHelpPage("menus1.html");
        QTRY_COMPARE(shown(), QStringLiteral("menus1.html"));
        QTRY_VERIFY(viewer->backButton()->isEnabled());
        QVERIFY(!viewer->forwardButton()->isEnabled());

        QTest::mouseClick(viewer->backButton(), Qt::LeftButton);
        QTRY_COMPARE(shown(), QStringLiteral("select_template.html"));
        QTRY_VERIFY(viewer->forwardButton()->isEnabled());
        QTest::mouseClick(viewer->forwardButton(), Qt::LeftButton);
        QTRY_COMPARE(shown(), QStringLiteral("menus1.html"));
        QTRY_VERIFY(!viewer->forwardButton()->isEnabled());
        QTest::keyClick(viewer, Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE(shown(), QStringLiteral("select_template.html"));
        QVERIFY(viewer->isVisible());

        QWidget* page = viewer->browser()->focusProxy();
        QTest::keyClick(page ? page : viewer->browser(), Qt::Key_Escape);
        QTRY_VERIFY(!viewer->isVisible());
    }

    void everyHelpControlOpensItsPage() {
        GuiFixture f;
        f.Start();
        QTreeWidget* list = f.window().catalogView()->list();
        list->setCurrentItem(list->topLevelItem(0));
        QTest::mouseClick(f.window().catalogView()->customizeButton(), Qt::LeftButton);
        QVERIFY(f.ui().errors.empty());

        const auto click = [&](QWidget* scope, const QString& name, const QString& page) {
            auto* button = scope->findChild<QPushButton*>(name);
            QVERIFY2(button && button->isEnabled(), qPrintable(name));
            button->click();
            QCOMPARE(ShownPage(f), page);
            CloseHelp(f);
        };
        click(f.window().catalogView(), QStringLiteral("CatalogHelp"), QStringLiteral("select_template.html"));
        CustomizeView* customize = f.window().customizeView();
        click(customize->subPages()->widget(0), QStringLiteral("ColorsHelp"), QStringLiteral("select_colors.html"));
        click(customize->subPages()->widget(0), QStringLiteral("PresetHelp"), QStringLiteral("presets.html"));
        click(customize->subPages()->widget(2), QStringLiteral("PresetHelp"), QStringLiteral("layouts.html"));
        click(customize->subPages()->widget(3), QStringLiteral("FontsHelp"), QStringLiteral("fonts.html"));
        click(f.window().filesView(), QStringLiteral("ExportHelp"), QStringLiteral("export.html"));
        click(&f.window(), QStringLiteral("Overview"), QStringLiteral("index.html"));

        // F1 opens the topic of the page in front.
        auto* f1 = f.window().findChild<QShortcut*>(QStringLiteral("HelpInFront"));
        QVERIFY(f1);
        QCOMPARE(f1->key(), QKeySequence(QKeySequence::HelpContents));
        f.window().customizeView()->subPages()->setCurrentIndex(4);
        emit f1->activated();
        QCOMPARE(ShownPage(f), QStringLiteral("menus.html"));
        CloseHelp(f);

        customize->findChild<QToolBar*>()->findChild<QAction*>(QStringLiteral("ToolbarHelp"))->trigger();
        QCOMPARE(ShownPage(f), QStringLiteral("toolbar.html"));
        CloseHelp(f);
        QTabWidget* codeTabs = f.window().filesView()->codePage()->tabs();
        const QString codePages[] = {QStringLiteral("htmlfile.html"), QStringLiteral("cssfile.html"),
                                     QStringLiteral("csshover.html")};
        for (int tab = 0; tab < 3; ++tab) {
            for (QPushButton* button : codeTabs->widget(tab)->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Help"))
                    button->click();
            QCOMPARE(ShownPage(f), codePages[tab]);
            CloseHelp(f);
        }
    }

    void menusAndBottomBarOpenTheirWindows() {
        GuiFixture f;
        f.Start();
        MainWindow& window = f.window();
        MenuAction(window, QStringLiteral("Help"), QStringLiteral("Overview"))->trigger();
        QCOMPARE(ShownPage(f), QStringLiteral("index.html"));
        CloseHelp(f);
        MenuAction(window, QStringLiteral("Help"), QStringLiteral("Contact Us"))->trigger();
        MenuAction(window, QStringLiteral("Help"), QStringLiteral("www.quorlex.example"))->trigger();
        QCOMPARE(f.platform().openedUrls,
                 (std::vector<std::string>{WebSiteAddress("/contact.html"), WebSiteAddress("/")}));

        MenuAction(window, QStringLiteral("Help"), QStringLiteral("About"))->trigger();
        QVERIFY(window.aboutBox()->isVisible());
        window.aboutBox()->close();
        window.findChild<QPushButton*>(QStringLiteral("About"))->click();
        QVERIFY(window.aboutBox()->isVisible());
        window.aboutBox()->close();

        MenuAction(window, QStringLiteral("Tools"), QStringLiteral("Get file headers (check MIME type)"))->trigger();
        QVERIFY(window.headerWindow()->isVisible());
        QCOMPARE(window.headerWindow()->windowTitle(), QStringLiteral("Check Headers ..."));
        window.headerWindow()->accept();

        qputenv("QUORLEX_UPDATE_URL", RefusingUrl().c_str());
        MenuAction(window, QStringLiteral("File"), QStringLiteral("Check for updates"))->trigger();
        QVERIFY(window.updateWindow()->isVisible());
        window.updateWindow()->reject();
        window.findChild<QPushButton*>(QStringLiteral("Check for Updates"))->click();
        QVERIFY(window.updateWindow()->isVisible());
        window.updateWindow()->reject();
        qunsetenv("QUORLEX_UPDATE_URL");
    }

    void aboutBoxClosesOnAClickOnThePictureOrTheText() {
        Tabout about(qEnvironmentVariable("QUORLEX_RESOURCES"));
        QCOMPARE(about.size(), QSize(512, 540));
        QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(about.okText()->text(), QStringLiteral("  [ OK ]  "));
        QCOMPARE(about.okText()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(about.picture()->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!about.picture()->pixmap().isNull());
        about.show();
        QTest::mouseClick(about.picture(), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::mouseDClick(about.okText(), Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"
