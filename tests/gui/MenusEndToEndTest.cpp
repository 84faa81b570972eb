#include "CatalogView.h"
#include "ClassNameDialog.h"
#include "CustomizeView.h"
#include "GuiFixture.h"
#include "MenuItemDialog.h"
#include "MenuTreeDrop.h"
#include "MenusPanel.h"
#include "PreviewBrowser.h"
#include "util/TextFile.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kMenusTab = 4;

void ClickItem(MenuTreeView* tree, QTreeWidgetItem* item) {
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

// The captions of the preview's top menu level, in order.
QString TopCaptions(PreviewBrowser* preview) {
    return RunScript(preview, QStringLiteral("Array.from(document.querySelectorAll('#navigation > ul > li > a'))"
                                             ".map(a => a.textContent).join(',')"));
}

} // namespace

class MenusEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void addMoveAndDropReachMenuFileAndPreview() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        MainWindow& window = f.window();
        PreviewBrowser* preview = window.customizeView()->preview();
        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        window.customizeView()->subPages()->setCurrentIndex(kMenusTab);
        MenusPanel* panel = window.customizeView()->menusPanel();
        QListWidget* titles = panel->titleList();
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, titles->visualItemRect(titles->item(0)).center());
        MenuTreeView* tree = panel->tree();
        QVERIFY(tree->topLevelItem(0)->isSelected());

        for (const QString& caption : {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")}) {
            AnswerNextDialog<MenuItemDialog>([caption](MenuItemDialog& dialog) {
                QTest::keyClick(dialog.captionField(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(dialog.captionField(), caption);
                if (caption == QStringLiteral("Gamma"))
                    SaveScreenshot(dialog, QStringLiteral("menus-item-dialog.png"));
            });
            loaded.clear();
            QTest::mouseClick(panel->button(QStringLiteral("MenuAdd")), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        }
        QCOMPARE(tree->topLevelItem(0)->childCount(), 9);

        // Gamma goes up among its siblings, before Beta.
        ClickItem(tree, tree->ItemAt({0, 8}));
        loaded.clear();
        QTest::keyClick(tree, Qt::Key_Up, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);

        // A first-level item stays under the root: Alt+Left changes nothing.
        const std::string before = ReadFileBytes(f.folder().path() / "templates/harbor/menus/main/menu.lyo");
        ClickItem(tree, tree->ItemAt({0, 7}));
        QTest::keyClick(tree, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(ReadFileBytes(f.folder().path() / "templates/harbor/menus/main/menu.lyo"), before);

        // Alpha is dragged up onto "Home" and lands right before it.
        ClickItem(tree, tree->ItemAt({0, 6}));
        QCOMPARE(Columns(tree->currentItem()), QStringLiteral("Alpha|#|"));
        loaded.clear();
        DropOn(tree, tree->ItemAt({0, 0}));
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);

        const std::string menu = ReadFileBytes(f.folder().path() / "templates/harbor/menus/main/menu.lyo");
        QVERIFY(menu.rfind("harbor_menu\r\n\tAlpha|#|\r\n\tHome|index.html|\r\n", 0) == 0);
        QVERIFY(
            menu.find("\tFind Us|#|\r\n\t\tGetting Here|#|\r\n\t\tTide Tables|http://www.example.com/tides/|_blank\r\n"
                      "\tGamma|#|\r\n\tBeta|#|\r\n") != std::string::npos);
        QCOMPARE(TopCaptions(preview),
                 QStringLiteral("Alpha,Home,The Cafe,Sailing School,Boat Hire,Events,Find Us,Gamma,Beta"));

        // A double-click edits the item; the tree shows its caption and link in their columns.
        AnswerNextDialog<MenuItemDialog>([](MenuItemDialog& dialog) {
            QCOMPARE(dialog.captionField()->text(), QStringLiteral("Alpha"));
            QTest::keyClick(dialog.linkField(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(dialog.linkField(), QStringLiteral("alpha.html"));
            dialog.accept();
        });
        loaded.clear();
        const QPoint alpha = tree->visualItemRect(tree->ItemAt({0, 0})).center();
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, alpha);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        QCOMPARE(tree->ItemAt({0, 0})->text(0), QStringLiteral("Alpha"));
        QCOMPARE(tree->ItemAt({0, 0})->text(1), QStringLiteral("alpha.html"));

        // The highlight stays on the moved item while another control has the focus.
        panel->nameField()->setFocus();
        QTRY_VERIFY(!tree->hasFocus());
        QVERIFY(tree->ItemAt({0, 0})->isSelected());
        SaveScreenshot(window, QStringLiteral("menus-page.png"));

        AnswerNextDialog<ClassNameDialog>([](ClassNameDialog& dialog) {
            SaveScreenshot(dialog, QStringLiteral("menus-class-name-dialog.png"));
            QTest::keyClicks(dialog.field(), QStringLiteral("quay_nav"));
        });
        loaded.clear();
        QTest::mouseClick(panel->button(QStringLiteral("ClassName")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        QCOMPARE(RunScript(preview, QStringLiteral("document.getElementById('navigation').className")),
                 QStringLiteral("quay_nav"));
        QVERIFY(f.ui().messages.empty());
        QVERIFY(f.ui().errors.empty());
    }
};

QTEST_MAIN(MenusEndToEndTest)
#include "MenusEndToEndTest.moc"
