#include "CatalogView.h"
#include "CustomizeView.h"
#include "GuiFixture.h"
#include "ImageBrowserDialog.h"
#include "ImageEditorWindow.h"
#include "ImagesPanel.h"
#include "ModalScript.h"
#include "PreviewBrowser.h"
#include "SaveImageDialog.h"
#include "QtText.h"
#include "ThumbnailView.h"
#include "imagetools/JpegSize.h"

#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
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

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QPushButton* Child(QWidget* parent, const char* name) {
    return parent->findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class ImagesEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    // The chosen picture shows beside the list with its sizes; files dropped from the file
    // manager are added; "Tweak" is off for a picture the editor cannot open.
    void theChosenPictureShowsAndDroppedPicturesAreAdded() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        MainWindow& window = f.window();
        window.customizeView()->subPages()->setCurrentIndex(1);
        ImagesPanel* panel = window.customizeView()->imagesPanel();
        ClickRow(panel->titleList(), 1);
        QTRY_VERIFY(!panel->thumbnail()->pixmap().isNull());
        QVERIFY(panel->thumbnailSummary()->text().contains(QStringLiteral(" pixels\n")));
        QVERIFY(Child(panel, "TweakImage")->isEnabled());
        SaveScreenshot(window, QStringLiteral("images-page-thumbnail.png"));

        QImage square(40, 30, QImage::Format_RGB32);
        square.fill(Qt::darkCyan);
        const QString dropped = ToQt((f.folder().path() / "dropped.png").string());
        QVERIFY(square.save(dropped));
        f.folder().Write("notes.txt", "not a picture");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(dropped), QUrl::fromLocalFile(ToQt((f.folder().path() / "notes.txt").string()))});
        QWidget* target = panel->fileList()->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QVERIFY(!panel->fileList()->findItems(QStringLiteral("dropped.png"), Qt::MatchExactly).isEmpty());
        QVERIFY(panel->fileList()->findItems(QStringLiteral("notes.txt"), Qt::MatchExactly).isEmpty());
        QCOMPARE(f.ui().messages.size(), size_t(1));
        QVERIFY(f.ui().messages[0].find("notes.txt") != std::string::npos);

        ClickRow(panel->fileList(), panel->fileList()->row(
                                        panel->fileList()->findItems(QStringLiteral("dropped.png"), Qt::MatchExactly)[0]));
        QTRY_COMPARE(panel->thumbnailSummary()->text(), QStringLiteral("40 x 30 pixels\n") +
                                                            ToQt(FileSizeText(fs::file_size(dropped.toStdString()))));
        QVERIFY(!Child(panel, "TweakImage")->isEnabled());
    }

    void browserPickAndSavedGrayscaleReachThePreview() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        MainWindow& window = f.window();
        PreviewBrowser* preview = window.customizeView()->preview();
        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        window.customizeView()->subPages()->setCurrentIndex(1);
        ImagesPanel* panel = window.customizeView()->imagesPanel();
        auto source = [&](const char* selector) {
            return RunScript(preview,
                             QStringLiteral("(function(){var i=document.querySelector('%1');"
                                            "return i.complete && i.naturalWidth > 0 ? i.src : 'not shown';})()")
                                 .arg(QString::fromLatin1(selector)));
        };

        // The header picture, picked in the browser.
        ClickRow(panel->titleList(), 1);
        SaveScreenshot(window, QStringLiteral("images-page.png"));
        ImageBrowserDialog* browser = panel->browserDialog();
        WhenShown(browser, [&] {
            ThumbnailView* view = browser->view();
            QTRY_COMPARE(view->loadedCount(), view->count());
            QCOMPARE(browser->sizeBox()->currentText(), QStringLiteral("Medium (400x100)"));
            SaveScreenshot(*browser, QStringLiteral("image-browser.png"));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->CellRect(0).center());
            loaded.clear();
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->CellRect(0).center());
        });
        QTest::mouseClick(panel->button(QStringLiteral("SelectImage")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        QVERIFY(source("img.banner").endsWith(QStringLiteral("/images/banner_evening.jpg")));

        // The welcome picture, turned gray in the editor and saved under the proposed name.
        ClickRow(panel->titleList(), 2);
        ImageEditorWindow* editor = panel->editorWindow();
        SaveImageDialog* save = editor->saveDialog();
        WhenShown(editor, [&] {
            QTest::mouseClick(Child(editor, "Grayscale"), Qt::LeftButton);
            SaveScreenshot(*editor, QStringLiteral("image-editor.png"));
            WhenShown(save, [&] {
                QCOMPARE(save->nameField()->text(), QStringLiteral("photo_dinghies_1.jpg"));
                SaveScreenshot(*save, QStringLiteral("save-image.png"));
                loaded.clear();
                QTest::mouseClick(save->saveButton(), Qt::LeftButton);
            });
            QTest::mouseClick(Child(editor, "SaveEdited"), Qt::LeftButton);
        });
        QTest::mouseClick(panel->button(QStringLiteral("TweakImage")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        QVERIFY(!editor->isVisible());
        QCOMPARE(panel->fileList()->currentItem()->text(), QStringLiteral("photo_dinghies_1.jpg"));
        QVERIFY(source("img.feature").endsWith(QStringLiteral("/images/photo_dinghies_1.jpg")));
        QVERIFY(source("img.banner").endsWith(QStringLiteral("/images/banner_evening.jpg")));
        QCOMPARE(
            RunScript(preview, QStringLiteral("(function(){var c=document.createElement('canvas');"
                                              "var i=document.querySelector('img.feature');c.width=i.naturalWidth;"
                                              "c.height=i.naturalHeight;var g=c.getContext('2d');g.drawImage(i,0,0);"
                                              "var d=g.getImageData(140,95,1,1).data;"
                                              "return Math.abs(d[0]-d[1])<=2 && Math.abs(d[1]-d[2])<=2;})()")),
            QStringLiteral("true"));
        SaveScreenshot(window, QStringLiteral("images-saved.png"));
        QVERIFY(f.ui().errors.empty());
    }
};

QTEST_MAIN(ImagesEndToEndTest)
#include "ImagesEndToEndTest.moc"
