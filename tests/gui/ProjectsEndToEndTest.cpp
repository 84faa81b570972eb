#include "CustomizeView.h"
#include "GuiFixture.h"
#include "MenuTreeView.h"
#include "MenusPanel.h"
#include "PreviewBrowser.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kMenusTab = 4;

QAction* Entry(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class ProjectsEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    // A project is a document: saved from the File menu, named in the title with a mark while
    // it has changes, listed among the recent projects and opened with its menu shown.
    void theFileMenuSavesAndOpensProjectsAsDocuments() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        MainWindow& window = f.window();
        const QString caption = window.windowTitle();
        QMenu* file = window.fileMenu();
        QVERIFY(Entry(file, QStringLiteral("&Save Project"))->isEnabled());

        f.session().colorsPage().TitleClicked(0);
        f.session().colorsPage().SwatchClicked(5);
        QTRY_COMPARE(window.windowTitle(), caption + QStringLiteral(" *"));
        const fs::path project = f.folder().path() / "evening.tpp";
        f.ui().savePaths = {project};
        Entry(file, QStringLiteral("Save Project &As..."))->trigger();
        QVERIFY(fs::exists(project));
        QCOMPARE(window.windowTitle(), caption + QStringLiteral(" - evening.tpp"));

        // The recent projects list it; the menu as the user sees it.
        window.recentMenu()->popup(window.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY(window.recentMenu()->isVisible());
        QVERIFY(Entry(window.recentMenu(), QStringLiteral("&1 evening.tpp")));
        window.recentMenu()->hide();
        file->popup(window.mapToGlobal(QPoint(0, window.menuBar()->height())));
        QTRY_VERIFY(file->isVisible());
        SaveScreenshot(*file, QStringLiteral("file-menu.png"));
        file->hide();

        // Opened again from the recent list, with the menus page in front: its menu is
        // selected with its tree.
        window.customizeView()->subPages()->setCurrentIndex(kMenusTab);
        f.session().colorsPage().SwatchClicked(7);
        f.ui().answers = {Answer::No};
        QSignalSpy loaded(window.customizeView()->preview(), &QWebEngineView::loadFinished);
        Entry(window.recentMenu(), QStringLiteral("&1 evening.tpp"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        MenusPanel* menus = window.customizeView()->menusPanel();
        QCOMPARE(menus->titleList()->currentRow(), 0);
        QVERIFY(menus->titleList()->currentItem()->isSelected());
        QVERIFY(menus->tree()->topLevelItemCount() > 0);
        QVERIFY(menus->tree()->topLevelItem(0)->childCount() > 0);
        QCOMPARE(window.windowTitle(), caption + QStringLiteral(" - evening.tpp"));
        QVERIFY(f.ui().errors.empty());
    }

    // Size, the customization area's height and the recent projects come back in the next run.
    void theNextRunRemembersTheWindow() {
        QTemporaryDir config;
        QSettings settings(config.filePath(QStringLiteral("quorlex.conf")), QSettings::IniFormat);
        {
            GuiFixture f;
            QVERIFY(f.CustomizeFirstTemplate());
            f.window().resize(1020, 760);
            f.session().SplitterMoved(280);
            f.ui().savePaths = {f.folder().path() / "kept.tpp"};
            QVERIFY(f.session().projectFiles().SaveProjectAs());
            f.window().SaveSettings(settings);
        }
        GuiFixture next;
        next.window().RestoreSettings(settings);
        QCOMPARE(next.window().size(), QSize(1020, 760));
        QCOMPARE(next.session().workflow().CustomizePagesHeight, 280);
        QCOMPARE(next.session().projectFiles().recent().files().size(), size_t(1));
        QCOMPARE(next.session().projectFiles().recent().files()[0].filename(), fs::path("kept.tpp"));
    }
};

QTEST_MAIN(ProjectsEndToEndTest)
#include "ProjectsEndToEndTest.moc"
