#include "MenusPanel.h"

#include "CatalogView.h"
#include "ClassNameDialog.h"
#include "CustomizeView.h"
#include "GuiFixture.h"
#include "MenuItemDialog.h"
#include "MenuTreeDrop.h"
#include "MenuTreeView.h"
#include "ThelpDialog.h"
#include "menus/MenusPage.h"
#include "support/FakeMenuDialogs.h"
#include "util/TextFile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kMenusTab = 4;

// Opens harbor in a shown window on the Menus tab, its menu selected.
void OpenMenus(GuiFixture& f, MenusPanel*& panel) {
    f.Start();
    f.window().resize(1000, 800);
    f.window().show();
    f.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    QTreeWidget* catalog = f.window().catalogView()->list();
    catalog->setCurrentItem(catalog->topLevelItem(0));
    QTest::mouseClick(f.window().catalogView()->customizeButton(), Qt::LeftButton);
    f.window().customizeView()->subPages()->setCurrentIndex(kMenusTab);
    panel = f.window().customizeView()->menusPanel();
    QListWidget* titles = panel->titleList();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, titles->visualItemRect(titles->item(0)).center());
}

std::string MenuFile(GuiFixture& f) {
    return ReadFileBytes(f.folder().path() / "templates/harbor/menus/main/menu.lyo");
}

void ClickItem(MenuTreeView* tree, QTreeWidgetItem* item) {
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

} // namespace

class MenusPanelTest : public QObject {
    Q_OBJECT
private slots:
    void selectingAMenuShowsItsTreeExpandedWithTheRootSelected() {
        GuiFixture f;
        MenusPanel* panel = nullptr;
        OpenMenus(f, panel);
        MenuTreeView* tree = panel->tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("harbor_menu"));
        QVERIFY(tree->topLevelItem(0)->isSelected());
        QVERIFY(tree->ItemAt({0, 2, 0})->isExpanded());
        QCOMPARE(tree->ItemAt({0, 2, 0, 1})->text(0), QStringLiteral("Keelboat Start"));
        QCOMPARE(tree->ItemAt({0, 2, 0, 1})->text(1), QStringLiteral("#courses"));
        QVERIFY(panel->button(QStringLiteral("ClassName"))->isVisible());
        QCOMPARE(panel->nameField()->text(), QStringLiteral("[Enter Name of Preset Here]"));
        QVERIFY(panel->button(QStringLiteral("MenuAdd"))->toolTip().contains(QStringLiteral("Insert")));
        QVERIFY(f.ui().messages.empty());
    }

    void buttonsKeysAndDropsReachThePage() {
        GuiFixture f;
        MenusPanel* panel = nullptr;
        OpenMenus(f, panel);
        FakeMenuDialogs dialogs;
        f.session().menusPage().SetDialogs(&dialogs);
        MenuTreeView* tree = panel->tree();
        const std::string before = MenuFile(f);

        dialogs.items = {MenuItemFields{"News", "news.html", ""}};
        QTest::mouseClick(panel->button(QStringLiteral("MenuAdd")), Qt::LeftButton);
        QCOMPARE(tree->topLevelItem(0)->childCount(), 7);
        QCOMPARE(Columns(tree->ItemAt({0, 6})), QStringLiteral("News|news.html|"));
        QVERIFY(tree->hasFocus());

        // A collapsed node stays collapsed through a change elsewhere.
        tree->ItemAt({0, 1})->setExpanded(false);
        ClickItem(tree, tree->ItemAt({0, 6}));
        QTest::keyClick(tree, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(Columns(tree->ItemAt({0, 5})), QStringLiteral("News|news.html|"));
        QVERIFY(tree->ItemAt({0, 5})->isSelected());
        QVERIFY(!tree->ItemAt({0, 1})->isExpanded());

        // Dragging "Home" down onto "Boat Hire" places it right after; a line shows where.
        ClickItem(tree, tree->ItemAt({0, 0}));
        DragOver(tree, tree->ItemAt({0, 3}));
        QVERIFY(tree->dropLineShown());
        DropOn(tree, tree->ItemAt({0, 3}));
        QVERIFY(!tree->dropLineShown());
        QCOMPARE(Columns(tree->ItemAt({0, 2})), QStringLiteral("Boat Hire|#|"));
        QCOMPARE(Columns(tree->ItemAt({0, 3})), QStringLiteral("Home|index.html|"));

        f.ui().answers = {Answer::Yes};
        QTest::keyClick(tree, Qt::Key_Delete);
        QCOMPARE(f.ui().questions.size(), size_t(1));
        QVERIFY(MenuFile(f).find("Home|") == std::string::npos);

        QTest::mouseClick(panel->button(QStringLiteral("PresetDefault")), Qt::LeftButton);
        QCOMPARE(MenuFile(f), before);
        QVERIFY(tree->ItemAt({0, 1})->isExpanded());
        QVERIFY(f.ui().messages.empty());
    }

    void presetNameFieldSavesOnEnterAndDoubleClickLoads() {
        GuiFixture f;
        MenusPanel* panel = nullptr;
        OpenMenus(f, panel);
        QTest::mouseClick(panel->nameField(), Qt::LeftButton);
        QCOMPARE(panel->nameField()->text(), QString());
        QTest::keyClicks(panel->nameField(), QStringLiteral("Short"));
        QTest::keyClick(panel->nameField(), Qt::Key_Return);
        QVERIFY(f.folder().Exists("templates/harbor/presets/menus/Short.xml"));
        QCOMPARE(panel->presetList()->count(), 1);
        QCOMPARE(panel->nameField()->text(), QString());

        f.ui().answers = {Answer::Yes};
        ClickItem(panel->tree(), panel->tree()->ItemAt({0, 0}));
        QTest::mouseClick(panel->button(QStringLiteral("MenuDelete")), Qt::LeftButton);
        QListWidget* list = panel->presetList();
        list->setCurrentRow(0);
        emit list->itemDoubleClicked(list->item(0));
        QCOMPARE(Columns(panel->tree()->ItemAt({0, 0})), QStringLiteral("Home|index.html|"));
        QVERIFY(panel->tree()->topLevelItem(0)->isSelected());
    }

    void helpButtonsOpenTheirPages() {
        GuiFixture f;
        MenusPanel* panel = nullptr;
        OpenMenus(f, panel);
        const std::pair<QPushButton*, QString> helps[] = {
            {panel->button(QStringLiteral("MenusHelp")), QStringLiteral("menus.html")},
            {panel->button(QStringLiteral("MenuPresetsHelp")), QStringLiteral("menus_presets.html")},
            {panel->dialogs().itemDialog()->helpButton(), QStringLiteral("menus2.html")},
            {panel->dialogs().classNameDialog()->helpButton(), QStringLiteral("menus1.html")}};
        for (const auto& [button, page] : helps) {
            button->click();
            QVERIFY(f.window().helpViewer()->isVisible());
            QCOMPARE(f.window().helpViewer()->address().fileName(), page);
            f.window().helpViewer()->accept();
        }
    }

    void itemDialogOpensOnTheCaptionAndReturnsTheFields() {
        MenuItemDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("mnuEditor"));
        QCOMPARE(dialog.targetBox()->count(), 4);
        QWidget* focused = nullptr;
        QString link;
        QTimer::singleShot(0, &dialog, [&] {
            focused = dialog.focusWidget();
            link = dialog.linkField()->text();
            dialog.captionField()->setText(QStringLiteral("Caf\u00e9"));
            dialog.targetBox()->setCurrentText(QStringLiteral("frame2"));
            dialog.accept();
        });
        const auto fields = dialog.Ask({"[New Menu Item]", "#", ""});
        QCOMPARE(focused, dialog.captionField());
        QCOMPARE(link, QStringLiteral("#"));
        QVERIFY(fields.has_value());
        QCOMPARE(fields->caption, std::string("Caf\xC3\xA9"));
        QCOMPARE(fields->target, std::string("frame2"));
        QTimer::singleShot(0, &dialog, &QDialog::reject);
        QVERIFY(!dialog.Ask({"a", "b", "c"}).has_value());
    }
};

QTEST_MAIN(MenusPanelTest)
#include "MenusPanelTest.moc"
