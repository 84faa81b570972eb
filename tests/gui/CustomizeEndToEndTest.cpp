#include "CatalogView.h"
#include "ColorsPanel.h"
#include "CustomizeView.h"
#include "DropDownComboBox.h"
#include "FontsPanel.h"
#include "GuiFixture.h"
#include "ImagesPanel.h"
#include "LayoutsPanel.h"
#include "PresetPanel.h"
#include "PreviewBrowser.h"
#include "SwatchList.h"
#include "util/TextFile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kNavy = 5;

void ClickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// The whole widget lies inside the visible part of `page`.
bool FitsIn(QWidget* widget, QWidget* page) {
    const QRect rect(widget->mapTo(page, QPoint(0, 0)), widget->size());
    return widget->isVisible() && page->rect().contains(rect);
}

} // namespace

// The text of every style element of a page, in order.
const QString kStyleText = QStringLiteral(
    "Array.from(document.querySelectorAll('style')).map(function (s) { return s.textContent; }).join('|')");

class CustomizeEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void swatchPresetAndDefaultReachThePreview() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        MainWindow& window = f.window();
        PreviewBrowser* preview = window.customizeView()->preview();
        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        const fs::path previewFile = f.folder().path() / "templates/harbor/index_temp.html";
        auto background = [&] {
            return RunScript(preview, QStringLiteral("getComputedStyle(document.body).backgroundColor"));
        };

        ColorsPanel* colors = window.customizeView()->colorsPanel();
        ClickRow(colors->titleList(), 0);
        // A color changes only the inlined stylesheets: the page is patched, not loaded again.
        loaded.clear();
        ClickRow(colors->swatchList(), kNavy);
        QTRY_COMPARE_WITH_TIMEOUT(background(), QStringLiteral("rgb(0, 0, 128)"), 30000);
        QVERIFY(ReadFileBytes(previewFile).find("background: #000080;") != std::string::npos);
        QVERIFY(loaded.isEmpty());
        SaveScreenshot(window, QStringLiteral("colors.png"));

        PresetPanel* presets = colors->presetPanel();
        QTest::mouseClick(presets->nameField(), Qt::LeftButton);
        QTest::keyClicks(presets->nameField(), QStringLiteral("Navy page"));
        QTest::mouseClick(presets->button(QStringLiteral("save ")), Qt::LeftButton);
        QVERIFY(f.folder().Exists("templates/harbor/presets/colors/Navy page.xml"));

        QTest::mouseClick(presets->button(QStringLiteral("default")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(background(), QStringLiteral("rgb(216, 227, 232)"), 30000);
        QVERIFY(ReadFileBytes(previewFile).find("background: #D8E3E8;") != std::string::npos);

        const auto saved = presets->list()->findItems(QStringLiteral("Navy page"), Qt::MatchExactly);
        QCOMPARE(saved.size(), 1);
        ClickRow(presets->list(), presets->list()->row(saved.first()));
        QTest::mouseDClick(presets->list()->viewport(), Qt::LeftButton, {},
                           presets->list()->visualItemRect(saved.first()).center());
        QTRY_COMPARE_WITH_TIMEOUT(background(), QStringLiteral("rgb(0, 0, 128)"), 30000);
        QVERIFY(ReadFileBytes(previewFile).find("background: #000080;") != std::string::npos);

        // The patched page shows what loading the file again shows.
        const QString patchedStyles = RunScript(preview, kStyleText);
        loaded.clear();
        f.session().Rebuildtemplate(ViewUpdate::Reload);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        QCOMPARE(RunScript(preview, kStyleText), patchedStyles);
        QCOMPARE(background(), QStringLiteral("rgb(0, 0, 128)"));
        QVERIFY(f.ui().errors.empty());
        QVERIFY(f.ui().messages.empty());
    }

    // On both sample packages a patched page shows exactly what loading the file again shows.
    void patchedPagesEqualReloadedPages_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("first") << 0;
        QTest::newRow("second") << 1;
    }

    void patchedPagesEqualReloadedPages() {
        QFETCH(int, row);
        GuiFixture f;
        QVERIFY(f.CustomizeTemplate(row));
        PreviewBrowser* preview = f.window().customizeView()->preview();
        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        ColorsPanel* colors = f.window().customizeView()->colorsPanel();
        ClickRow(colors->titleList(), 0);
        const QString before = RunScript(preview, kStyleText);
        ClickRow(colors->swatchList(), kNavy);
        QTRY_VERIFY_WITH_TIMEOUT(RunScript(preview, kStyleText).contains(QStringLiteral("#000080")), 30000);
        QVERIFY(loaded.isEmpty());
        const QString patchedStyles = RunScript(preview, kStyleText);
        const QImage patched = SettledPicture(*preview);

        f.session().Rebuildtemplate(ViewUpdate::Reload);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        QCOMPARE(RunScript(preview, kStyleText), patchedStyles);
        QVERIFY(patchedStyles != before);
        QVERIFY(SettledPicture(*preview) == patched);
        QVERIFY(f.ui().errors.empty());
    }

    // The arrow keys on the swatches store each swatch they reach.
    void arrowKeysOnTheSwatchesReachThePreview() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        PreviewBrowser* preview = f.window().customizeView()->preview();
        auto background = [&] {
            return RunScript(preview, QStringLiteral("getComputedStyle(document.body).backgroundColor"));
        };
        ColorsPanel* colors = f.window().customizeView()->colorsPanel();
        ClickRow(colors->titleList(), 0);

        ClickRow(colors->swatchList(), kNavy);
        QTRY_COMPARE_WITH_TIMEOUT(background(), QStringLiteral("rgb(0, 0, 128)"), 30000);
        QTest::keyClick(colors->swatchList(), Qt::Key_Right);
        QTRY_COMPARE_WITH_TIMEOUT(background(), QStringLiteral("rgb(128, 0, 128)"), 30000);
        QVERIFY(f.ui().errors.empty());
    }

    // Up and Down on the layout options and the image files choose the row they reach, as a
    // click does, so the highlight and the value always agree.
    void theKeyboardChoosesLayoutsAndImagesAsAClickDoes() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        CustomizeView* view = f.window().customizeView();
        const TemplateWorkspace& ws = *f.session().workspace();
        view->subPages()->setCurrentIndex(2);
        ClickRow(view->layoutsPanel()->titleList(), 0);
        QListWidget* options = view->layoutsPanel()->optionList();
        ClickRow(options, 0);
        QTRY_COMPARE(QString::fromStdString(ws.tables.layouts[0].choice), options->item(0)->text());
        QTest::keyClick(options, Qt::Key_Down);
        QTRY_COMPARE(QString::fromStdString(ws.tables.layouts[0].choice), options->item(1)->text());
        QVERIFY(options->item(1)->isSelected());

        view->subPages()->setCurrentIndex(1);
        ClickRow(view->imagesPanel()->titleList(), 0);
        QListWidget* files = view->imagesPanel()->fileList();
        ClickRow(files, 0);
        QTRY_COMPARE(QString::fromStdString(ws.tables.images[0].url), files->item(0)->text());
        QTest::keyClick(files, Qt::Key_Down);
        QTRY_COMPARE(QString::fromStdString(ws.tables.images[0].url), files->item(1)->text());
        QVERIFY(f.ui().errors.empty());
    }

    // The phone width holds over a patched change and a reload, with the scroll position kept.
    void thePreviewKeepsTheChosenDeviceWidth() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        CustomizeView* view = f.window().customizeView();
        PreviewBrowser* preview = view->preview();
        auto pageWidth = [&] {
            return RunScript(preview, QStringLiteral("String(document.documentElement.clientWidth)"));
        };
        QComboBox* widths = view->deviceWidths();
        widths->setCurrentIndex(2);
        emit widths->activated(2);
        QCOMPARE(widths->currentText(), QStringLiteral("Phone (375 px)"));
        QTRY_COMPARE(preview->width(), 375);
        QTRY_COMPARE_WITH_TIMEOUT(pageWidth().toInt() <= 375 && pageWidth().toInt() >= 360, true, 30000);
        RunScript(preview, QStringLiteral("window.scrollTo(0, 200)"));
        QTRY_VERIFY(RunScript(preview, QStringLiteral("String(window.scrollY)")).toInt() > 0);
        const QString scrolled = RunScript(preview, QStringLiteral("String(window.scrollY)"));

        ClickRow(view->colorsPanel()->titleList(), 0);
        ClickRow(view->colorsPanel()->swatchList(), kNavy);
        QTRY_COMPARE_WITH_TIMEOUT(RunScript(preview, QStringLiteral("getComputedStyle(document.body).backgroundColor")),
                                  QStringLiteral("rgb(0, 0, 128)"), 30000);
        SaveScreenshot(f.window(), QStringLiteral("preview-phone.png"));

        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        view->subPages()->setCurrentIndex(2);
        ClickRow(view->layoutsPanel()->titleList(), 0);
        ClickRow(view->layoutsPanel()->optionList(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        QCOMPARE(preview->width(), 375);
        QTRY_COMPARE_WITH_TIMEOUT(RunScript(preview, QStringLiteral("String(window.scrollY)")), scrolled, 30000);
        QVERIFY(pageWidth().toInt() <= 375);

        widths->setCurrentIndex(0);
        emit widths->activated(0);
        QTRY_VERIFY(preview->width() > 375);
        QVERIFY(f.ui().errors.empty());
    }

    void pagesFitTheDesignedHeightAndAMaximizedWindow() {
        GuiFixture f;
        f.Start();
        MainWindow& window = f.window();
        window.resize(886, 715);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTreeWidget* catalog = window.catalogView()->list();
        catalog->setCurrentItem(catalog->topLevelItem(0));
        QTest::mouseClick(window.catalogView()->customizeButton(), Qt::LeftButton);
        CustomizeView* view = window.customizeView();
        QTabWidget* sub = view->subPages();

        ColorsPanel* colors = view->colorsPanel();
        ClickRow(colors->titleList(), 1);
        QVERIFY(FitsIn(colors->presetPanel()->button(QStringLiteral("save ")), colors));
        QVERIFY(FitsIn(colors->swatchList(), colors));
        QVERIFY(colors->swatchList()->height() >= 48);
        SaveScreenshot(window, QStringLiteral("colors-designed.png"));

        sub->setCurrentIndex(3);
        FontsPanel* fonts = view->fontsPanel();
        ClickRow(fonts->titleList(), 1);
        QVERIFY(FitsIn(fonts->defaultButton(), fonts));
        QVERIFY(FitsIn(fonts->box(FontBox::Decoration), fonts));
        SaveScreenshot(window, QStringLiteral("fonts-designed.png"));

        sub->setCurrentIndex(2);
        LayoutsPanel* layouts = view->layoutsPanel();
        ClickRow(layouts->titleList(), 1);
        QVERIFY(FitsIn(layouts->presetPanel()->button(QStringLiteral("save ")), layouts));
        QVERIFY(FitsIn(layouts->optionList(), layouts));
        SaveScreenshot(window, QStringLiteral("layouts-designed.png"));

        window.resize(1280, 1000);
        sub->setCurrentIndex(0);
        QTRY_COMPARE(window.size(), QSize(1280, 1000));
        QTRY_VERIFY(FitsIn(colors->presetPanel()->button(QStringLiteral("save ")), colors));
        SaveScreenshot(window, QStringLiteral("colors-large.png"));
        sub->setCurrentIndex(3);
        QVERIFY(FitsIn(fonts->defaultButton(), fonts));
        SaveScreenshot(window, QStringLiteral("fonts-large.png"));
        sub->setCurrentIndex(2);
        QVERIFY(FitsIn(layouts->presetPanel()->button(QStringLiteral("save ")), layouts));
        SaveScreenshot(window, QStringLiteral("layouts-large.png"));
        QVERIFY(f.ui().errors.empty());
    }
};

QTEST_MAIN(CustomizeEndToEndTest)
#include "CustomizeEndToEndTest.moc"
