#include "CatalogView.h"
#include "CustomizeView.h"
#include "GuiFixture.h"
#include "LocalContentPolicy.h"
#include "MenuItemDialog.h"
#include "MenusPanel.h"
#include "PreviewBrowser.h"
#include "QtText.h"
#include "util/TextFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMutex>
#include <QPair>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineView>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kMenusTab = 4;
constexpr int kSampleRow = 2;
const QString kCaption = QStringLiteral(u"\u017B\u00F3\u0142\u0107 \u65E5\u672C \u0395\u03BB\u03BB\u03AC\u03B4\u03B1");

// The content policy, and a note of every local file a page asks for.
class RecordingPolicy : public LocalContentPolicy {
public:
    using LocalContentPolicy::LocalContentPolicy;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.requestUrl().isLocalFile()) {
            const QMutexLocker lock(&m_mutex);
            m_files.insert({info.firstPartyUrl(), info.requestUrl().toLocalFile()});
        }
        LocalContentPolicy::interceptRequest(info);
    }
    // The files a page asked for; the profile's other views (the template's help) ask too.
    QSet<QString> FilesOf(const QUrl& page) {
        const QMutexLocker lock(&m_mutex);
        QSet<QString> files;
        for (const auto& [firstParty, file] : m_files)
            if (firstParty == page)
                files.insert(file);
        return files;
    }

private:
    QMutex m_mutex;
    QSet<QPair<QUrl, QString>> m_files;
};

// Waits for the page's fonts and pictures, then gives the files it asked for, relative to its
// folder; a file that is missing or that the policy refuses fails the test.
QSet<QString> LoadedResources(QWebEngineView* view, RecordingPolicy& policy) {
    const QString ready = QStringLiteral(
        "document.fonts.ready.then(() => Promise.all(Array.from(document.images).map(i => i.decode().catch(() => 0))))"
        ".then(() => window.sampleDone = true); 1");
    RunScript(view, ready);
    if (!QTest::qWaitFor(
            [&] { return RunScript(view, QStringLiteral("window.sampleDone === true")) == QStringLiteral("true"); },
            20000))
        QTest::qFail("the page's fonts and pictures never finished", __FILE__, __LINE__);
    QTest::qWait(0);
    const QDir folder = QFileInfo(view->url().toLocalFile()).dir();
    QSet<QString> relative;
    for (const QString& file : policy.FilesOf(view->url())) {
        if (file == view->url().toLocalFile())
            continue;
        if (!QFileInfo::exists(file) || !LocalContentPolicy::Allows(view->url(), QUrl::fromLocalFile(file)))
            QTest::qFail(qPrintable(QStringLiteral("a failed request: ") + file), __FILE__, __LINE__);
        relative.insert(folder.relativeFilePath(file));
    }
    return relative;
}

// Key presses that carry the characters, as a keyboard layout of their script sends them.
void TypeText(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

} // namespace

class SampleEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void aCaptionInEveryScriptAndTheSameResourcesInPreviewAndSite() {
        GuiFixture f;
        f.Start();
        MainWindow& window = f.window();
        window.resize(1100, 800);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTreeWidget* catalog = window.catalogView()->list();
        QCOMPARE(catalog->topLevelItem(kSampleRow)->text(0),
                 QStringLiteral(u"Piekarnia \u0141\u0105kowa \u2013 \u0141\u00F3d\u017A"));
        QSignalSpy infoLoaded(window.catalogView()->infoBrowser(), &QWebEngineView::loadFinished);
        QTest::mouseClick(catalog->viewport(), Qt::LeftButton, {},
                          catalog->visualItemRect(catalog->topLevelItem(kSampleRow)).center());
        QVERIFY(catalog->topLevelItem(kSampleRow)->isSelected());
        QTRY_VERIFY_WITH_TIMEOUT(!infoLoaded.isEmpty(), 30000);
        QVERIFY(RunScript(window.catalogView()->infoBrowser(), QStringLiteral("document.body.innerText"))
                    .contains(QStringLiteral(u"Łąkowa")));
        SaveScreenshot(window, QStringLiteral("sample-catalog.png"));

        PreviewBrowser* preview = window.customizeView()->preview();
        RecordingPolicy policy;
        preview->page()->profile()->setUrlRequestInterceptor(&policy);
        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        QTest::mouseClick(window.catalogView()->customizeButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        const QSet<QString> previewFiles = LoadedResources(preview, policy);
        for (const char* expected :
             {"fonts/DejaVuSerifCondensed-Bold.ttf", "css/typography.css", "vendor/reset/reset.css"})
            QVERIFY2(previewFiles.contains(QString::fromLatin1(expected)), expected);

        // A caption typed with characters outside Windows-1252.
        window.customizeView()->subPages()->setCurrentIndex(kMenusTab);
        MenusPanel* panel = window.customizeView()->menusPanel();
        QListWidget* titles = panel->titleList();
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, titles->visualItemRect(titles->item(0)).center());
        AnswerNextDialog<MenuItemDialog>([](MenuItemDialog& dialog) {
            QTest::keyClick(dialog.captionField(), Qt::Key_A, Qt::ControlModifier);
            TypeText(dialog.captionField(), kCaption);
        });
        loaded.clear();
        QTest::mouseClick(panel->button(QStringLiteral("MenuAdd")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
        const fs::path package = f.folder().path() / "templates/lakowa";
        const std::string menu = ReadFileBytes(package / "menus/main/menu.lyo");
        QVERIFY(menu.find(FromQt(kCaption) + "|#|") != std::string::npos);
        const QString captions = QStringLiteral("Array.from(document.querySelectorAll('#navigation a'))"
                                                ".map(a => a.textContent).join('|')");
        QVERIFY(RunScript(preview, captions).contains(kCaption));
        SaveScreenshot(window, QStringLiteral("sample-menus-page.png"));

        // The phone width, with the menu opened by its toggle.
        QComboBox* widths = window.customizeView()->deviceWidths();
        widths->setCurrentIndex(2);
        emit widths->activated(2);
        QTRY_COMPARE_WITH_TIMEOUT(RunScript(preview, QStringLiteral("String(window.innerWidth)")),
                                  QStringLiteral("375"), 10000);
        RunScript(preview, QStringLiteral("document.getElementById('menu_przelacznik').click(); 1"));
        QTRY_COMPARE_WITH_TIMEOUT(
            RunScript(preview, QStringLiteral("document.getElementById('menu_przelacznik').checked")),
            QStringLiteral("true"), 5000);
        SaveScreenshot(window, QStringLiteral("sample-phone-menu.png"));
        widths->setCurrentIndex(0);
        emit widths->activated(0);

        // The finished site, in a browser view of its own under the same policy.
        ClickTab(window.workflowPages(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(package / "template/index.html"), 30000);
        QWebEngineView site;
        RestrictToLocalContent(&site);
        RecordingPolicy sitePolicy;
        site.page()->profile()->setUrlRequestInterceptor(&sitePolicy);
        site.resize(1100, 800);
        site.show();
        QSignalSpy siteLoaded(&site, &QWebEngineView::loadFinished);
        site.load(QUrl::fromLocalFile(PathToQt(package / "template/index.html")));
        QTRY_VERIFY_WITH_TIMEOUT(!siteLoaded.isEmpty(), 30000);
        QVERIFY(siteLoaded.first().first().toBool());
        QSet<QString> siteFiles = LoadedResources(&site, sitePolicy);
        QVERIFY(RunScript(&site, captions).contains(kCaption));
        // The site links the stylesheets that the preview holds inline.
        for (const char* linked : {"css/styles.css", "css/menu.css"})
            QVERIFY2(siteFiles.remove(QString::fromLatin1(linked)), linked);
        QCOMPARE(siteFiles, previewFiles);
        QVERIFY(f.ui().errors.empty());
        preview->page()->profile()->setUrlRequestInterceptor(nullptr);
        site.page()->profile()->setUrlRequestInterceptor(nullptr);
    }
};

QTEST_MAIN(SampleEndToEndTest)
#include "SampleEndToEndTest.moc"
