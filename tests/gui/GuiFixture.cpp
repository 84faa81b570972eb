#include "GuiFixture.h"

#include "CatalogView.h"
#include "CustomizeView.h"
#include "PreviewBrowser.h"
#include "QtText.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace quorlex::test {

GuiFixture::GuiFixture() {
    const fs::path templates = qEnvironmentVariable("QUORLEX_SAMPLE_TEMPLATES").toStdString();
    fs::copy(templates, m_folder.path() / "templates", fs::copy_options::recursive);
    fs::copy(templates.parent_path() / "help", m_folder.path() / "help", fs::copy_options::recursive);
    m_platform.documentsFolder = m_folder.path().string();
    m_window = std::make_unique<MainWindow>(m_session, m_browsers, qEnvironmentVariable("QUORLEX_RESOURCES"));
}

void GuiFixture::Start() { m_window->FormCreate(ProgramFolders::InPlace(m_folder.path())); }

bool GuiFixture::CustomizeTemplate(int row) {
    Start();
    m_window->resize(1100, 800);
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return false;
    QTreeWidget* catalog = m_window->catalogView()->list();
    catalog->setCurrentItem(catalog->topLevelItem(row));
    QSignalSpy loaded(m_window->customizeView()->preview(), &QWebEngineView::loadFinished);
    QTest::mouseClick(m_window->catalogView()->customizeButton(), Qt::LeftButton);
    return QTest::qWaitFor([&] { return !loaded.isEmpty(); }, 30000);
}

QString RunScript(QWebEngineView* view, const QString& script) {
    QString result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value.toString();
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        QTest::qFail("the page gave no answer to a script", __FILE__, __LINE__);
    return result;
}

void ClickTab(QTabWidget* tabs, int index) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// The browser paints a moment after it reports the page loaded, and may show a blank page for
// longer than one look: wait until the picture has not changed for 250 ms. A picture still
// settling after 3 s is taken as it is.
QImage SettledPicture(QWidget& widget) {
    QImage last;
    QElapsedTimer still;
    still.start();
    [[maybe_unused]] const bool settled = QTest::qWaitFor(
        [&] {
            QImage now = widget.grab().toImage();
            if (now != last) {
                last = std::move(now);
                still.restart();
            }
            return still.elapsed() >= 250;
        },
        3000);
    return last;
}

void SaveScreenshot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("QUORLEX_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    SettledPicture(window).save(folder + QStringLiteral("/") + name);
}

} // namespace quorlex::test
