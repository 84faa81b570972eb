#include "CatalogView.h"
#include "CodePage.h"
#include "ColorsPanel.h"
#include "CustomizeView.h"
#include "DropDownComboBox.h"
#include "ExportPage.h"
#include "FilesView.h"
#include "FontsPanel.h"
#include "GuardedCall.h"
#include "GuiFixture.h"
#include "LayoutsPanel.h"
#include "PresetPanel.h"
#include "QtText.h"
#include "SwatchList.h"
#include "util/Error.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <Qsci/qsciscintilla.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// Opens the first sample package (harbor) in a shown window.
void OpenHarbor(GuiFixture& f) {
    f.Start();
    f.window().resize(1000, 800);
    f.window().show();
    f.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    QTreeWidget* list = f.window().catalogView()->list();
    list->setCurrentItem(list->topLevelItem(0));
    QTest::mouseClick(f.window().catalogView()->customizeButton(), Qt::LeftButton);
}

// Counts the layout requests a widget receives.
struct LayoutRequests : QObject {
    explicit LayoutRequests(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::LayoutRequest;
        return false;
    }
    int count = 0;
};

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

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
        QCOMPARE(f.window().catalogView()->list()->topLevelItemCount(), 3);
        QCOMPARE(f.window().catalogView()->list()->topLevelItem(0)->text(0), QStringLiteral("Harbor Cafe & Sailing"));
        QCOMPARE(f.window().catalogView()->list()->topLevelItem(2)->text(0),
                 QStringLiteral(u"Piekarnia Łąkowa – Łódź"));
        QCOMPARE(f.window().windowTitle(), QStringLiteral("Quorlex"));
        QTreeWidget* list = f.window().catalogView()->list();
        for (int column : {0, 1}) // no title or author is cut off
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                QVERIFY(list->columnWidth(column) > list->fontMetrics().horizontalAdvance(list->topLevelItem(row)->text(column)));
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

    void enterOnACatalogRowOpensItAsCustomizeDoes() {
        GuiFixture f;
        f.Start();
        QTreeWidget* list = f.window().catalogView()->list();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return); // nothing selected: nothing opens
        QVERIFY(!f.window().workflowPages()->isTabVisible(1));
        list->setCurrentItem(list->topLevelItem(1));
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(f.window().workflowPages()->isTabVisible(1));
        QCOMPARE(f.window().workflowPages()->currentIndex(), 1);
        QCOMPARE(f.session().workspace()->templateId, std::string("pebble"));
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
        sub->setCurrentIndex(static_cast<int>(SubPage::LargePreview));
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
        QCOMPARE(exportPage->fileList()->item(exportPage->fileList()->count() - 1)->text(),
                 QStringLiteral("index.html"));
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

        // Folder names beyond Windows-1252 are created and exported into as typed.
        exportPage->newFolderField()->setText(QStringLiteral("\u00C9t\u00E9\\\u0414\u043E\u043A"));
        exportPage->CreateFolder();
        const fs::path target = f.folder().path() / "\xC3\x89t\xC3\xA9" / "\xD0\x94\xD0\xBE\xD0\xBA";
        QCOMPARE(exportPage->targetText(), PathToQt(target));
        QVERIFY(exportPage->newFolderField()->text().isEmpty());
        exportPage->ExportTemplate();
        QVERIFY(fs::exists(target / "template/index.html"));
        QCOMPARE(exportPage->targetText(), PathToQt(target));
        QVERIFY(exportPage->folderList()->isVisibleTo(&f.window()));

        // A single click on a folder makes it the target.
        f.window().resize(1100, 800);
        f.window().show();
        QTreeView* folders = exportPage->folderList();
        const QModelIndex parent = folders->currentIndex().parent();
        folders->scrollTo(parent);
        QTRY_VERIFY(folders->visualRect(parent).isValid());
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualRect(parent).center());
        QCOMPARE(exportPage->targetText(), PathToQt(target.parent_path()));
        QVERIFY(f.ui().errors.empty());
    }

    void colorsPageWiring() {
        GuiFixture f;
        OpenHarbor(f);
        ColorsPanel* panel = f.window().customizeView()->colorsPanel();
        const auto& colors = f.session().workspace()->tables.colors;
        const auto customSwatchPixel = [panel] {
            return panel->swatchList()->item(0)->icon().pixmap(18, 12).toImage().pixelColor(5, 5);
        };
        ClickRow(panel->titleList(), 2);
        QCOMPARE(panel->colorField()->text(), QStringLiteral("#2F3B43"));
        QCOMPARE(customSwatchPixel(), QColor(0x2F, 0x3B, 0x43));
        ClickRow(panel->swatchList(), 10);
        QCOMPARE(colors[2].value, std::string("#FF0000"));
        QCOMPARE(panel->colorField()->text(), QStringLiteral("#FF0000"));

        panel->colorField()->selectAll();
        QTest::keyClicks(panel->colorField(), QStringLiteral("#c0dcc0"));
        QCOMPARE(panel->swatchList()->currentItem()->text(), QStringLiteral("Money Green"));
        QCOMPARE(colors[2].value, std::string("#FF0000"));
        QTest::keyClick(panel->colorField(), Qt::Key_Return);
        QCOMPARE(colors[2].value, std::string("#c0dcc0"));
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("Transparent")), Qt::LeftButton);
        QCOMPARE(colors[2].value, std::string("transparent"));
        QCOMPARE(panel->swatchList()->currentRow(), 0);
        QCOMPARE(customSwatchPixel(), QColor(Qt::white)); // the icon of "no color"

        PresetPanel* presets = panel->presetPanel();
        QVERIFY(presets->findChild<QLabel*>()->text().startsWith(QStringLiteral("Presets (Double-click")));
        QCOMPARE(presets->nameField()->text(), QStringLiteral("[Enter Name of Preset Here]"));
        presets->nameField()->setFocus();
        QCOMPARE(presets->nameField()->text(), QString());
        QTest::keyClicks(presets->nameField(), QStringLiteral("Mine"));
        QTest::keyClick(presets->nameField(), Qt::Key_Return);
        QVERIFY(!presets->list()->findItems(QStringLiteral("Mine"), Qt::MatchExactly).isEmpty());
        QTest::mouseClick(presets->button(QStringLiteral("default")), Qt::LeftButton);
        QCOMPARE(colors[2].value, std::string("#2F3B43"));
        QVERIFY(panel->titleList()->selectedItems().isEmpty());
        QVERIFY(f.ui().errors.empty());
        QVERIFY(f.ui().messages.empty());
    }

    void fontsPageWiring() {
        GuiFixture f;
        OpenHarbor(f);
        FontsPanel* panel = f.window().customizeView()->fontsPanel();
        f.window().customizeView()->subPages()->setCurrentIndex(3);
        const auto& fonts = f.session().workspace()->tables.fonts;
        // A click on a new row and a click on the selected row each fill the boxes once.
        const int suspensions = f.ui().suspendCount;
        ClickRow(panel->titleList(), 1);
        QCOMPARE(f.ui().suspendCount, suspensions + 1);
        ClickRow(panel->titleList(), 1);
        QCOMPARE(f.ui().suspendCount, suspensions + 2);
        DropDownComboBox* family = panel->box(FontBox::Family);
        QCOMPARE(family->currentText(), QString::fromStdString(fonts[1].family));
        QCOMPARE(family->count(), 10);
        family->showPopup();
        QCOMPARE(family->count(), 9);
        QCOMPARE(family->currentText(), QString::fromStdString(fonts[1].family));
        family->hidePopup();

        // The family list opens while typing; the typed text is what Enter stores.
        family->lineEdit()->selectAll();
        QTest::keyClicks(family->lineEdit(), QStringLiteral("T"));
        QTRY_VERIFY(family->view()->isVisible());
        QTest::keyClicks(family->view(), QStringLiteral("ahoma"));
        QTest::keyClick(family->view(), Qt::Key_Return);
        QVERIFY(!family->view()->isVisible());
        QCOMPARE(fonts[1].family, std::string("Tahoma"));

        DropDownComboBox* size = panel->box(FontBox::Size);
        size->lineEdit()->selectAll();
        QTest::keyClicks(size->lineEdit(), QStringLiteral("small"));
        QTest::keyClick(size->lineEdit(), Qt::Key_Return);
        QCOMPARE(fonts[1].size, std::string("small"));
        QCOMPARE(fonts[1].measure, std::string());
        QCOMPARE(panel->box(FontBox::Unit)->currentText(), QString());

        // Leaving a box with text that matches an entry in another case stores nothing.
        DropDownComboBox* weight = panel->box(FontBox::Weight);
        weight->lineEdit()->selectAll();
        QTest::keyClicks(weight->lineEdit(), QStringLiteral("BOLD"));
        size->setFocus();
        QCOMPARE(weight->currentText(), QStringLiteral("BOLD"));
        QCOMPARE(fonts[1].weight, std::string("bold"));
        weight->activated(4);
        QCOMPARE(fonts[1].weight, weight->itemText(4).toStdString());

        QTest::mouseClick(panel->defaultButton(), Qt::LeftButton);
        QCOMPARE(fonts[1].size, std::string("30"));
        QCOMPARE(family->currentText(), QString());
        QVERIFY(f.ui().errors.empty());
    }

    void layoutsPageWiring() {
        GuiFixture f;
        OpenHarbor(f);
        LayoutsPanel* panel = f.window().customizeView()->layoutsPanel();
        f.window().customizeView()->subPages()->setCurrentIndex(2);
        const auto& layouts = f.session().workspace()->tables.layouts;
        QCOMPARE(panel->optionList()->count(), 0);
        ClickRow(panel->titleList(), 0);
        QCOMPARE(panel->optionList()->count(), 2);
        QCOMPARE(panel->optionList()->currentItem()->text(), QStringLiteral("banner"));
        ClickRow(panel->optionList(), 1);
        QCOMPARE(layouts[0].choice, std::string("compact"));
        QVERIFY(panel->presetPanel()->findChildren<QLabel*>().size() == 1);
        QTest::mouseClick(panel->presetPanel()->button(QStringLiteral("default")), Qt::LeftButton);
        QCOMPARE(layouts[0].choice, std::string("banner"));
        QCOMPARE(panel->optionList()->count(), 0);
        QVERIFY(f.ui().errors.empty());
    }

    void guardedSlotsShowWhatTheyThrowAndTakeTheArgumentsTheyWant() {
        FakeUi ui;
        QListWidget list;
        list.addItems({QStringLiteral("a"), QStringLiteral("b")});
        int clicked = -1;
        QObject::connect(&list, &QListWidget::itemClicked, &list,
                         Guarded(ui, [&](QListWidgetItem* item) { clicked = list.row(item); }));
        QObject::connect(&list, &QListWidget::itemClicked, &list,
                         Guarded(ui, [] { throw Error("Cannot read file \"menu.lyo\"."); }));
        ClickRow(&list, 1);
        QCOMPARE(clicked, 1);
        QCOMPARE(ui.errors, std::vector<std::string>{"Cannot read file \"menu.lyo\"."});
    }

    void projectButtonsSaveAndLoadThroughTheirDialogs() {
        GuiFixture f;
        OpenHarbor(f);
        ColorsPanel* panel = f.window().customizeView()->colorsPanel();
        auto& colors = f.session().workspace()->tables.colors;
        colors[2].value = "#010101";
        const fs::path project = f.folder().path() / "saved.tpp";
        f.ui().savePaths.push_back(project);
        f.window().customizeView()->findChild<QAction*>(QStringLiteral("SaveProject"))->trigger();
        QCOMPARE(QString::fromStdString(f.ui().saveRequests.back().title),
                 QStringLiteral("Save All Settings (Project)"));
        QVERIFY(f.folder().Exists("saved.tpp"));

        colors[2].value = "#FFFFFF";
        ClickRow(panel->titleList(), 2);
        f.ui().openPaths.push_back(project);
        f.window().customizeView()->findChild<QAction*>(QStringLiteral("LoadProject"))->trigger();
        QCOMPARE(QString::fromStdString(f.ui().openRequests.back().title),
                 QStringLiteral("Load Saved Settings (Project)"));
        QCOMPARE(colors[2].value, std::string("#010101"));
        QVERIFY(panel->titleList()->selectedItems().isEmpty());
        QCOMPARE(panel->titleList()->count(), static_cast<int>(colors.size()));
        QVERIFY(f.ui().errors.empty());
    }

    void undoAndRedoNameTheirStepsInTheToolbarAndTheEditMenu() {
        GuiFixture f;
        MainWindow& window = f.window();
        CustomizeView* view = window.customizeView();
        QAction* undo = view->undoAction();
        QAction* redo = view->redoAction();
        QCOMPARE(window.menuBar()->findChild<QMenu*>(QStringLiteral("EditMenu"))->actions(),
                 (QList<QAction*>{undo, redo}));
        const QList<QAction*> tools = view->findChild<QToolBar*>()->actions();
        const qsizetype refresh = tools.indexOf(view->findChild<QAction*>(QStringLiteral("Refresh")));
        QCOMPARE(tools.mid(refresh + 1, 2), (QList<QAction*>{undo, redo}));
        QVERIFY(!undo->isEnabled());

        OpenHarbor(f);
        ColorsPanel* panel = view->colorsPanel();
        const auto& colors = f.session().workspace()->tables.colors;
        ClickRow(panel->titleList(), 4);
        ClickRow(panel->swatchList(), 10);
        QCOMPARE(undo->toolTip(), QStringLiteral("Undo: color Links"));
        QCOMPARE(undo->text(), QStringLiteral("Undo: color Links"));
        QCOMPARE(undo->iconText(), QStringLiteral("Undo"));
        QVERIFY(!redo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("Redo"));

        // The shortcuts reach the actions from anywhere but a text field.
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(colors[4].value, std::string("#1D6F98"));
        QCOMPARE(panel->colorField()->text(), QStringLiteral("#1D6F98"));
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->toolTip(), QStringLiteral("Redo: color Links"));
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(colors[4].value, std::string("#FF0000"));
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(colors[4].value, std::string("#FF0000"));

        // Labels show as typed: neither a mnemonic nor markup.
        f.session().BeginStep(StepReach::Tables);
        f.session().workspace()->tables.colors[0].value = "#000000";
        f.session().EndStep("color <b>Sea & Sky</b>");
        QCOMPARE(undo->text(), QStringLiteral("Undo: color <b>Sea && Sky</b>"));
        QVERIFY(undo->toolTip().contains(QStringLiteral("&lt;b&gt;Sea &amp; Sky")));
        QVERIFY(f.ui().errors.empty());
    }

    // A change enables Undo and renames it; laying out the whole window again for that
    // held up the preview's next frame.
    void aStepLaysOutOnlyThePreviewToolbar() {
        GuiFixture f;
        OpenHarbor(f);
        CustomizeView* view = f.window().customizeView();
        auto* toolbar = view->findChild<QToolBar*>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        LayoutRequests inBar(toolbar);
        LayoutRequests aroundBar(toolbar->parentWidget());
        ClickRow(view->colorsPanel()->titleList(), 4);
        ClickRow(view->colorsPanel()->swatchList(), 10);
        QVERIFY(view->undoAction()->isEnabled());
        QTRY_VERIFY((QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest), inBar.count > 0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(aroundBar.count, 0);
    }

    void exitAndTheCloseBoxAskBeforeUnsavedWorkIsDropped() {
        GuiFixture f;
        OpenHarbor(f);
        f.window().show();
        ColorsPanel* panel = f.window().customizeView()->colorsPanel();
        ClickRow(panel->titleList(), 2);
        ClickRow(panel->swatchList(), 10);
        QVERIFY(f.session().HasUnsavedChanges());

        QPushButton* exit = f.window().findChild<QPushButton*>(QStringLiteral("Exit"));
        QVERIFY(exit);
        f.ui().answers = {Answer::Cancel};
        exit->click();
        QVERIFY(f.window().isVisible());
        QCOMPARE(f.ui().questions.back(), std::string("Save the changes to a project first?"));
        QVERIFY(f.ui().errors.empty());
        f.ui().answers = {Answer::Cancel};
        QVERIFY(!f.window().close());
        QVERIFY(f.window().isVisible());

        const size_t asked = f.ui().questions.size();
        f.ui().answers = {Answer::No};
        exit->click();
        QVERIFY(!f.window().isVisible());
        QCOMPARE(f.ui().questions.size(), asked + 1); // once: the close event does not ask again
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
