#pragma once

#include "MainWindow.h"
#include "QtBrowsers.h"
#include "app/Session.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QImage>
#include <QString>
#include <QTest>
#include <QTimer>
#include <functional>

class QTabWidget;
class QWebEngineView;
class QWidget;

#include <memory>

namespace quorlex::test {

// A program folder holding copies of the sample templates and the help pages, and a main
// window over it with scripted message boxes.
class GuiFixture {
public:
    GuiFixture();

    const TestFolder& folder() const { return m_folder; }
    MainWindow& window() { return *m_window; }
    Session& session() { return m_session; }
    FakeUi& ui() { return m_ui; }
    RecordingPlatform& platform() { return m_platform; }

    // Runs the set-up as the program does.
    void Start();
    // Starts, shows the window and customizes the first template of the catalog; true once the
    // live preview has loaded.
    bool CustomizeFirstTemplate() { return CustomizeTemplate(0); }
    // The same for the template in row `row` of the catalog.
    bool CustomizeTemplate(int row);

private:
    TestFolder m_folder;
    FakeUi m_ui;
    RecordingPlatform m_platform;
    QtBrowsers m_browsers;
    Session m_session{m_ui, m_platform, m_browsers};
    std::unique_ptr<MainWindow> m_window;
};

// Runs JavaScript in a browser and waits for its answer; no answer within 10 s fails the test.
QString RunScript(QWebEngineView* view, const QString& script);

// Clicks the tab `index` of a tab widget as the user does.
void ClickTab(QTabWidget* tabs, int index);

// A picture of the widget once it has stopped changing (at most 3 s).
QImage SettledPicture(QWidget& widget);

// Saves a picture of the window into QUORLEX_SCREENSHOT_DIR when that is set.
void SaveScreenshot(QWidget& window, const QString& name);

// Answers the next modal dialog: `fill` types into it, then OK is clicked.
template <typename Dialog>
void AnswerNextDialog(const std::function<void(Dialog&)>& fill) {
    QTimer::singleShot(0, [fill] {
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<Dialog*>(QApplication::activeModalWidget()) != nullptr, 5000);
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        fill(*dialog);
        dialog->accept();
    });
}

} // namespace quorlex::test
