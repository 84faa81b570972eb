#include "CatalogView.h"
#include "CustomizeView.h"
#include "GuiFixture.h"
#include "ImageBrowserDialog.h"
#include "ImageEditorWindow.h"
#include "ImagesPanel.h"
#include "ModalScript.h"
#include "PresetPanel.h"
#include "QtText.h"
#include "RasterView.h"
#include "SaveImageDialog.h"
#include "ThelpDialog.h"
#include "ThumbnailView.h"
#include "imagetools/ImageEditor.h"
#include "imagetools/JpegCodec.h"
#include "imagetools/JpegSize.h"
#include "support/JpegSamples.h"
#include "util/TextFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

using namespace quorlex;
using namespace quorlex::test;

namespace {

void OpenHarborImages(GuiFixture& f) {
    f.Start();
    f.window().resize(1000, 800);
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    QTreeWidget* list = f.window().catalogView()->list();
    list->setCurrentItem(list->topLevelItem(0));
    QTest::mouseClick(f.window().catalogView()->customizeButton(), Qt::LeftButton);
    f.window().customizeView()->subPages()->setCurrentIndex(1);
}

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void ClickEntry(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    ClickRow(list, list->row(found.first()));
}

QPushButton* Child(QWidget* parent, const char* name) {
    return parent->findChild<QPushButton*>(QString::fromLatin1(name));
}

// A dialog still open when a check inside it failed is closed, so that the test ends.
auto ClosingOnFailure(QDialog* dialog) {
    return qScopeGuard([dialog] {
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
}

bool ShowsWholeImage(ImageEditorWindow* editor) {
    const QSize shown = editor->imageArea()->size();
    const QSize area = editor->viewArea();
    return shown.width() <= area.width() && shown.height() <= area.height();
}

// The help page the viewer was opened on; the viewer is closed again.
QString ShownHelp(GuiFixture& f) {
    const QString page = f.window().helpViewer()->address().fileName();
    f.window().helpViewer()->accept();
    return page;
}

} // namespace

class ImageWindowsTest : public QObject {
    Q_OBJECT
private:
    void editorAndBrowserHelp(GuiFixture& f) {
        ImagesPanel* panel = f.window().customizeView()->imagesPanel();
        panel->editorWindow()->findChild<QAction*>(QStringLiteral("EditorHelp"))->trigger();
        QCOMPARE(ShownHelp(f), QStringLiteral("tweak_editor.html"));
        Child(panel->browserDialog(), "BrowserHelp")->click();
        QCOMPARE(ShownHelp(f), QStringLiteral("imagebrowser.html"));
    }

private slots:
    void imagesPageWiring() {
        GuiFixture f;
        OpenHarborImages(f);
        ImagesPanel* panel = f.window().customizeView()->imagesPanel();
        const auto& images = f.session().workspace()->tables.images;
        QCOMPARE(panel->titleList()->count(), 3);
        QCOMPARE(panel->fileList()->count(), 0);
        ClickRow(panel->titleList(), 1);
        QCOMPARE(panel->fileList()->count(), 6);
        QCOMPARE(panel->fileList()->currentItem()->text(), QStringLiteral("banner_morning.jpg"));
        ClickEntry(panel->fileList(), QStringLiteral("logo_anchor.png"));
        QCOMPARE(images[1].url, std::string("logo_anchor.png"));
        // The editor opens JPEG files only: a click on Tweak does nothing.
        QVERIFY(!panel->button(QStringLiteral("TweakImage"))->isEnabled());
        QTest::mouseClick(panel->button(QStringLiteral("TweakImage")), Qt::LeftButton);
        QVERIFY(!panel->editorWindow()->isVisible());

        f.ui().answers = {Answer::No};
        QTest::mouseClick(panel->button(QStringLiteral("RestoreImages")), Qt::LeftButton);
        QCOMPARE(f.ui().questions.size(), size_t{1});
        QVERIFY(f.ui().questions[0].find("restore all the default images") != std::string::npos);
        QVERIFY(f.ui().openRequests.empty());
        QTest::mouseClick(panel->presetPanel()->button(QStringLiteral("default")), Qt::LeftButton);
        QCOMPARE(images[1].url, std::string("banner_morning.jpg"));
        QCOMPARE(panel->fileList()->count(), 0);
        Child(panel, "TweakHelp")->click();
        QCOMPARE(ShownHelp(f), QStringLiteral("tweak.html"));
        Child(panel, "DeleteImageHelp")->click();
        QCOMPARE(ShownHelp(f), QStringLiteral("deleteimage.html"));
        editorAndBrowserHelp(f);
        QVERIFY(f.ui().errors.empty());
    }

    void editorAndSaveDialogWiring() {
        GuiFixture f;
        OpenHarborImages(f);
        ImagesPanel* panel = f.window().customizeView()->imagesPanel();
        ImageEditorWindow* editor = panel->editorWindow();
        SaveImageDialog* save = editor->saveDialog();
        ClickRow(panel->titleList(), 2);
        bool checked = false;
        WhenShown(editor, [&] {
            const auto closer = ClosingOnFailure(editor);
            checked = true;
            QCOMPARE(editor->windowTitle(), QStringLiteral("images/photo_dinghies.jpg"));
            QCOMPARE(editor->imageArea()->size(), QSize(280, 190));
            QCOMPARE(editor->size(), QSize(690, 350));
            QTest::mouseClick(Child(editor, "Grayscale"), Qt::LeftButton);
            const QColor gray = editor->imageArea()->image().pixelColor(140, 95);
            QCOMPARE(gray.red(), gray.green());
            editor->channelBox(Channel::Red)->click();
            editor->brightnessSlider()->setValue(40);
            QCOMPARE(editor->brightnessLabel()->text(), QStringLiteral("40"));
            QCOMPARE(editor->imageArea()->image().pixelColor(0, 0).red(), 40);
            QTest::mouseClick(Child(editor, "Revert"), Qt::LeftButton);
            QCOMPARE(editor->brightnessLabel()->text(), QStringLiteral("0"));
            QVERIFY(editor->channelBox(Channel::Red)->isChecked());
            QTest::mouseClick(Child(editor, "Grayscale"), Qt::LeftButton);

            WhenShown(save, [&] {
                const auto closerSave = ClosingOnFailure(save);
                QCOMPARE(save->windowTitle(), QStringLiteral("Save Image"));
                QCOMPARE(save->nameField()->text(), QStringLiteral("photo_dinghies_1.jpg"));
                save->nameField()->setText(QStringLiteral("PHOTO_CAFE"));
                QTest::mouseClick(save->saveButton(), Qt::LeftButton);
                QCOMPARE(f.ui().messages.back(),
                         std::string("Such image already exists. Please, change the file name."));
                QVERIFY(save->isVisible());
                QCOMPARE(save->nameField()->selectedText(), QStringLiteral("PHOTO_CAFE.jpg"));
                save->nameField()->setText(QStringLiteral("gray"));
                QTest::mouseClick(save->saveButton(), Qt::LeftButton);
            });
            QTest::mouseClick(Child(editor, "SaveEdited"), Qt::LeftButton);
        });
        QTest::mouseClick(panel->button(QStringLiteral("TweakImage")), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(!editor->isVisible());
        QVERIFY(!save->isVisible());
        QCOMPARE(f.session().workspace()->tables.images[2].url, std::string("gray.jpg"));
        QCOMPARE(panel->fileList()->currentItem()->text(), QStringLiteral("gray.jpg"));
        const RgbImage written = DecodeJpeg(ReadFileBytes(f.folder().path() / "templates/harbor/images/gray.jpg"));
        QVERIFY(std::abs(int{written.pixels[0]} - int{written.pixels[1]}) <= 2);
        QVERIFY(f.ui().errors.empty());
    }

    void browserWiring() {
        GuiFixture f;
        OpenHarborImages(f);
        ImagesPanel* panel = f.window().customizeView()->imagesPanel();
        ImageBrowserDialog* browser = panel->browserDialog();
        ClickRow(panel->titleList(), 1);
        WhenShown(browser, [&] {
            QTRY_COMPARE(browser->view()->loadedCount(), 6);
            QCOMPARE(browser->sizeBox()->currentText(), QStringLiteral("Medium (400x100)"));
            QCOMPARE(browser->view()->selected(), std::optional<int>(1));
            QVERIFY(browser->view()->thumbnail(1).height() <= 94);
            browser->sizeBox()->setCurrentIndex(2);
            QTRY_COMPARE(browser->view()->loadedCount(), 6);
            QVERIFY(browser->view()->thumbnail(1).width() == 794 || browser->view()->thumbnail(1).height() == 194);
            QTest::mouseClick(Child(browser, "Cancel"), Qt::LeftButton);
        });
        QTest::mouseClick(panel->button(QStringLiteral("SelectImage")), Qt::LeftButton);
        QCOMPARE(f.session().workspace()->tables.images[1].url, std::string("banner_morning.jpg"));

        WhenShown(browser, [&] {
            QCOMPARE(browser->sizeBox()->currentText(), QStringLiteral("Big (800x200)"));
            ThumbnailView* view = browser->view();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->CellRect(0).center());
            QTest::mouseClick(browser->okButton(), Qt::LeftButton);
        });
        QTest::mouseDClick(panel->titleList()->viewport(), Qt::LeftButton, {},
                           panel->titleList()->visualItemRect(panel->titleList()->item(1)).center());
        QVERIFY(!browser->isVisible());
        QCOMPARE(f.session().workspace()->tables.images[1].url, std::string("banner_evening.jpg"));
        QCOMPARE(panel->fileList()->currentItem()->text(), QStringLiteral("banner_evening.jpg"));
        QVERIFY(f.ui().errors.empty());
    }

    void largePhotoOpensFittedAndSavesSmallerUnderTheTypedName() {
        GuiFixture f;
        const RgbImage photo = GradientImage(4000, 3000);
        f.folder().Write("templates/harbor/images/photo_dinghies.jpg", EncodeJpeg(photo));
        OpenHarborImages(f);
        ImagesPanel* panel = f.window().customizeView()->imagesPanel();
        ImageEditorWindow* editor = panel->editorWindow();
        SaveImageDialog* save = editor->saveDialog();
        ClickRow(panel->titleList(), 2);
        bool checked = false;
        WhenShown(editor, [&] {
            const auto closer = ClosingOnFailure(editor);
            QTRY_VERIFY(editor->imageArea()->scale() < 1);
            QTRY_VERIFY(ShowsWholeImage(editor));
            QVERIFY(editor->zoomLabel()->text().startsWith(QStringLiteral("Fit: ")));
            SaveScreenshot(*editor, QStringLiteral("image-editor-fitted.png"));
            // The keys work in the active window.
            editor->activateWindow();
            QTRY_VERIFY(editor->isActiveWindow());
            QTest::keyClick(editor, Qt::Key_0, Qt::ControlModifier);
            QCOMPARE(editor->imageArea()->scale(), 1.0);
            QCOMPARE(editor->imageArea()->size(), QSize(4000, 3000));
            // The middle of the picture stays in the middle of the view.
            QScrollArea* scroll = editor->findChild<QScrollArea*>();
            const int across = scroll->horizontalScrollBar()->value() + scroll->viewport()->width() / 2;
            QVERIFY2(std::abs(across - 2000) < 20, qPrintable(QString::number(across)));
            QTest::keyClick(editor, Qt::Key_Minus, Qt::ControlModifier);
            QCOMPARE(editor->zoomLabel()->text(), QStringLiteral("67%"));
            const QPoint at = scroll->viewport()->rect().center();
            QWheelEvent wheel(at, scroll->viewport()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(scroll->viewport(), &wheel);
            QCOMPARE(editor->zoomLabel()->text(), QStringLiteral("100%"));
            Child(editor, "FitToWindow")->click();
            QTRY_VERIFY(ShowsWholeImage(editor));

            WhenShown(save, [&] {
                const auto closerSave = ClosingOnFailure(save);
                QCOMPARE(save->qualityBox()->value(), 100);
                QTRY_VERIFY(save->sizeLabel()->text().startsWith(QStringLiteral("File size: about ")));
                const QString best = save->sizeLabel()->text();
                QSignalSpy estimated(save, &SaveImageDialog::sizeEstimated);
                Child(save, "SmallerFile")->click();
                QCOMPARE(save->qualityBox()->value(), kSmallerJpegQuality);
                QTRY_COMPARE(estimated.count(), 1);
                QVERIFY(save->sizeLabel()->text() != best);
                save->nameField()->setText(QStringLiteral("my.banner"));
                QCOMPARE(save->notice()->text(), QStringLiteral("Will be saved as my.banner.jpg"));
                SaveScreenshot(*save, QStringLiteral("save-image-smaller.png"));
                checked = true;
                QTest::mouseClick(save->saveButton(), Qt::LeftButton);
            });
            QTest::mouseClick(Child(editor, "SaveEdited"), Qt::LeftButton);
        });
        QTest::mouseClick(panel->button(QStringLiteral("TweakImage")), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(!editor->isVisible());
        QCOMPARE(f.session().workspace()->tables.images[2].url, std::string("my.banner.jpg"));
        const std::string written = ReadFileBytes(f.folder().path() / "templates/harbor/images/my.banner.jpg");
        QCOMPARE(DecodeJpeg(written).width, 4000);
        // What the dialog said is what was written, within a few percent.
        const double estimate = static_cast<double>(EstimateJpegSize(photo, kSmallerJpegQuality).bytes);
        QVERIFY2(std::abs(estimate - static_cast<double>(written.size())) < 0.05 * static_cast<double>(written.size()),
                 qPrintable(QStringLiteral("estimated %1, written %2").arg(estimate).arg(written.size())));
        QVERIFY(f.ui().errors.empty());
    }

    void closingWithChangesAsksFirst() {
        GuiFixture f;
        OpenHarborImages(f);
        ImagesPanel* panel = f.window().customizeView()->imagesPanel();
        ImageEditorWindow* editor = panel->editorWindow();
        ClickRow(panel->titleList(), 2);
        WhenShown(editor, [&] {
            const auto closer = ClosingOnFailure(editor);
            QTest::keyClick(editor, Qt::Key_Escape);
            QVERIFY(!editor->isVisible());
        });
        QTest::mouseClick(panel->button(QStringLiteral("TweakImage")), Qt::LeftButton);
        QVERIFY(f.ui().questions.empty());

        bool kept = false;
        WhenShown(editor, [&] {
            const auto closer = ClosingOnFailure(editor);
            QTest::mouseClick(Child(editor, "Grayscale"), Qt::LeftButton);
            f.ui().answers = {Answer::No, Answer::No, Answer::No};
            QTest::keyClick(editor, Qt::Key_Escape);
            Child(editor, "CancelEditor")->click();
            editor->close();
            QCOMPARE(f.ui().questions.size(), size_t{3});
            QCOMPARE(f.ui().questions.back(), std::string(imagetexts::kDiscardEdits));
            QVERIFY(editor->isVisible());
            const QColor gray = editor->imageArea()->image().pixelColor(140, 95);
            QCOMPARE(gray.red(), gray.green());
            kept = true;
            f.ui().answers = {Answer::Yes};
            QTest::keyClick(editor, Qt::Key_Escape);
        });
        QTest::mouseClick(panel->button(QStringLiteral("TweakImage")), Qt::LeftButton);
        QVERIFY(kept);
        QVERIFY(!editor->isVisible());
        QCOMPARE(f.ui().questions.size(), size_t{4});
        QVERIFY(f.ui().errors.empty());
    }

    void browserTilesNameTheirFilesAndSayWhyOneIsUnreadable() {
        GuiFixture f;
        f.folder().Write("templates/harbor/images/broken.jpg", "a note, not a picture");
        OpenHarborImages(f);
        ImagesPanel* panel = f.window().customizeView()->imagesPanel();
        ImageBrowserDialog* browser = panel->browserDialog();
        ClickRow(panel->titleList(), 1);
        bool checked = false;
        WhenShown(browser, [&] {
            const auto closer = ClosingOnFailure(browser);
            ThumbnailView* view = browser->view();
            QCOMPARE(view->count(), 7);
            QTRY_COMPARE(view->loadedCount(), 7);
            QStringList captions;
            for (int i = 0; i < view->count(); ++i)
                captions << ToQt(view->texts(i).caption);
            QCOMPARE(captions.first(), QStringLiteral("banner_evening.jpg"));
            const int broken = static_cast<int>(captions.indexOf(QStringLiteral("broken.jpg")));
            QVERIFY(broken >= 0);
            QVERIFY(view->thumbnail(broken).isNull());
            const std::string reason = view->texts(broken).reason;
            QVERIFY2(reason.rfind("cannot read: not a JPEG file", 0) == 0, reason.c_str());
            const std::string tip = view->texts(0).toolTip;
            QVERIFY2(tip.find("KB") != std::string::npos && tip.find(" pixels") != std::string::npos, tip.c_str());
            SaveScreenshot(*browser, QStringLiteral("image-browser-unreadable.png"));
            checked = true;
            QTest::mouseClick(Child(browser, "Cancel"), Qt::LeftButton);
        });
        QTest::mouseClick(panel->button(QStringLiteral("SelectImage")), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(f.ui().errors.empty());
    }

    void closingTheBrowserDoesNotWaitForADecode() {
        GuiFixture f;
        OpenHarborImages(f);
        ImagesPanel* panel = f.window().customizeView()->imagesPanel();
        ImageBrowserDialog* browser = panel->browserDialog();
        ThumbnailView* view = browser->view();
        // Read to the end, each would take minutes; they come first in the folder.
        const std::string scans = ManyScanJpeg(4096, 4096, 200'000);
        for (int i = 0; i < 4; ++i)
            f.folder().Write("templates/harbor/images/a_scans_" + std::to_string(i) + ".jpg", scans);
        ClickRow(panel->titleList(), 1);
        QElapsedTimer closing;
        WhenShown(browser, [&] {
            QCOMPARE(view->count(), 10);
            closing.start();
            QTest::mouseClick(Child(browser, "Cancel"), Qt::LeftButton);
        });
        QTest::mouseClick(panel->button(QStringLiteral("SelectImage")), Qt::LeftButton);
        QVERIFY(closing.isValid());
        QVERIFY2(closing.elapsed() < 2000, qPrintable(QStringLiteral("closing took %1 ms").arg(closing.elapsed())));

        // Opened again, the files beyond the decoder's limits are empty frames beside the pictures.
        WhenShown(browser, [&] {
            QTRY_COMPARE(view->loadedCount(), 10);
            for (int i = 0; i < 10; ++i)
                QCOMPARE(view->thumbnail(i).isNull(), i < 4);
            QTest::mouseClick(Child(browser, "Cancel"), Qt::LeftButton);
        });
        QTest::mouseClick(panel->button(QStringLiteral("SelectImage")), Qt::LeftButton);
        QVERIFY(!browser->isVisible());
        QVERIFY(f.ui().errors.empty());
    }
};

QTEST_MAIN(ImageWindowsTest)
#include "ImageWindowsTest.moc"
