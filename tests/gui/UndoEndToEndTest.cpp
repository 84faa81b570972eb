#include "ColorsPanel.h"
#include "CustomizeView.h"
#include "GuiFixture.h"
#include "MenuTreeDrop.h"
#include "MenuTreeView.h"
#include "MenusPanel.h"
#include "PresetPanel.h"
#include "PreviewBrowser.h"
#include "SwatchList.h"
#include "util/TextFile.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kNavy = 5;
constexpr int kMenusTab = 4;

void ClickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QString Background(PreviewBrowser* preview) {
    return RunScript(preview, QStringLiteral("getComputedStyle(document.body).backgroundColor"));
}

// The text of every style element and the captions of the top menu level.
QString StylesAndMenu(PreviewBrowser* preview) {
    return RunScript(preview, QStringLiteral("Array.from(document.querySelectorAll('style')).map(s => s.textContent)"
                                             ".join('|') + '#' + Array.from(document.querySelectorAll("
                                             "'#navigation > ul > li > a')).map(a => a.textContent).join(',')"));
}

} // namespace

class UndoEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void colorMenuAndPresetStepsAreUndoneAndRedone() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        MainWindow& window = f.window();
        CustomizeView* view = window.customizeView();
        PreviewBrowser* preview = view->preview();
        const fs::path menuFile = f.folder().path() / "templates/harbor/menus/main/menu.lyo";
        const std::string firstMenu = ReadFileBytes(menuFile);
        const QString firstPage = StylesAndMenu(preview);
        QToolBar* toolbar = view->findChild<QToolBar*>();
        QWidget* undo = toolbar->widgetForAction(view->undoAction());
        QWidget* redo = toolbar->widgetForAction(view->redoAction());

        ColorsPanel* colors = view->colorsPanel();
        ClickRow(colors->titleList(), 0);
        ClickRow(colors->swatchList(), kNavy);
        QTRY_COMPARE_WITH_TIMEOUT(Background(preview), QStringLiteral("rgb(0, 0, 128)"), 30000);

        view->subPages()->setCurrentIndex(kMenusTab);
        MenusPanel* menus = view->menusPanel();
        ClickRow(menus->titleList(), 0);
        MenuTreeView* tree = menus->tree();
        QTreeWidgetItem* events = tree->ItemAt({0, 4});
        QCOMPARE(Columns(events), QStringLiteral("Events|#news|"));
        tree->scrollToItem(events);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(events).center());
        QTest::mouseClick(menus->button(QStringLiteral("MenuDelete")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!StylesAndMenu(preview).contains(QStringLiteral("Events")), 30000);
        QVERIFY(ReadFileBytes(menuFile) != firstMenu);

        view->subPages()->setCurrentIndex(0);
        QListWidget* presets = colors->presetPanel()->list();
        const auto night = presets->findItems(QStringLiteral("Night"), Qt::MatchExactly);
        QCOMPARE(night.size(), 1);
        ClickRow(presets, presets->row(night.first()));
        QTest::mouseDClick(presets->viewport(), Qt::LeftButton, {}, presets->visualItemRect(night.first()).center());
        QTRY_COMPARE_WITH_TIMEOUT(Background(preview), QStringLiteral("rgb(11, 22, 32)"), 30000);

        QCOMPARE(undo->toolTip(), QStringLiteral("Undo: colors preset Night"));
        QTest::mouseClick(undo, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(Background(preview), QStringLiteral("rgb(0, 0, 128)"), 30000);
        QCOMPARE(undo->toolTip(), QStringLiteral("Undo: delete menu item Events"));
        QTest::mouseClick(undo, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(StylesAndMenu(preview).contains(QStringLiteral("Events")), 30000);
        QCOMPARE(undo->toolTip(), QStringLiteral("Undo: color Page background"));
        QTest::mouseClick(undo, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(StylesAndMenu(preview), firstPage, 30000);
        QCOMPARE(ReadFileBytes(menuFile), firstMenu);
        QVERIFY(!undo->isEnabled());

        QCOMPARE(redo->toolTip(), QStringLiteral("Redo: color Page background"));
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE_WITH_TIMEOUT(Background(preview), QStringLiteral("rgb(0, 0, 128)"), 30000);
        QVERIFY(StylesAndMenu(preview).contains(QStringLiteral("Events")));
        QCOMPARE(ReadFileBytes(menuFile), firstMenu);
        QCOMPARE(redo->toolTip(), QStringLiteral("Redo: delete menu item Events"));
        SaveScreenshot(window, QStringLiteral("undo-toolbar.png"));

        QMenu* edit = window.menuBar()->findChild<QMenu*>(QStringLiteral("EditMenu"));
        window.menuBar()->setActiveAction(edit->menuAction());
        QVERIFY(QTest::qWaitForWindowExposed(edit));
        SaveScreenshot(*edit, QStringLiteral("undo-edit-menu.png"));
        edit->close();
        QVERIFY(f.ui().errors.empty());
        QVERIFY(f.ui().messages.empty());
    }
};

QTEST_MAIN(UndoEndToEndTest)
#include "UndoEndToEndTest.moc"
