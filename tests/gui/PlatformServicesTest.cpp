// The desktop services that guard the user's files: the trash and the browser's content policy.
#include "LocalContentPolicy.h"
#include "QtPlatform.h"
#include "SoftwareRendering.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

using namespace quorlex;
using namespace quorlex::test;

class PlatformServicesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", QByteArray::fromStdString((m_home.path() / "data").string())); }

    // A browser or file manager started from here must not lose its own OpenGL.
    void startedProgramsGetTheUsersRenderingSettings() {
        const QByteArray tests = qgetenv("QT_XCB_GL_INTEGRATION");
        const QByteArray backend = qgetenv("QT_QUICK_BACKEND");
        qunsetenv("QT_QUICK_BACKEND");
        qunsetenv("QT_XCB_GL_INTEGRATION");
        UseSoftwareRendering();
        QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), QByteArray("none"));
        RestoreUserEnvironment();
        QVERIFY(!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"));
        qputenv("QT_XCB_GL_INTEGRATION", "glx");
        UseSoftwareRendering();
        RestoreUserEnvironment();
        QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), QByteArray("glx"));
        qputenv("QT_XCB_GL_INTEGRATION", tests);
        qputenv("QT_QUICK_BACKEND", backend);
    }

    void aLinkIsNeverHandedToTheTrash() {
        m_home.Write("site/index.html", "my site");
        m_home.Write("pkg/template/index.html", "old output");
        fs::create_symlink(m_home.path() / "site", m_home.path() / "pkg/link");
        QtPlatform platform;
        QVERIFY(!platform.RecycleFolder(m_home.path() / "pkg/link"));
        QCOMPARE(m_home.Read("site/index.html"), std::string("my site"));
        QVERIFY(platform.RecycleFolder(m_home.path() / "pkg/template"));
        QVERIFY(!m_home.Exists("pkg/template"));
        QCOMPARE(m_home.Read("site/index.html"), std::string("my site"));
    }

    // A second export into the same folder: the overwrite question comes on top of the progress
    // box, takes the keyboard, and "Yes to all" replaces every file.
    void theOverwriteQuestionOfASecondCopyIsAnsweredByKeyboard() {
        m_home.Write("out/template/index.html", "new page");
        m_home.Write("out/template/css/main.css", "new css");
        m_home.Write("target/template/index.html", "old page");
        m_home.Write("target/template/css/main.css", "old css");
        QWidget window;
        window.resize(640, 480);
        window.show();
        QtPlatform platform;
        platform.SetWindow(&window);
        bool onTop = false;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            answer.stop();
            onTop = qobject_cast<QProgressDialog*>(box->parentWidget()) != nullptr;
            QTest::keyClick(box, Qt::Key_A, Qt::AltModifier); // "Yes to &All"
        });
        answer.start(10);
        QVERIFY(platform.CopyFolderInteractive(m_home.path() / "out/template", m_home.path() / "target"));
        QVERIFY(onTop);
        QCOMPARE(m_home.Read("target/template/index.html"), std::string("new page"));
        QCOMPARE(m_home.Read("target/template/css/main.css"), std::string("new css"));
    }

    void aLocalPageLoadsOnlyFromItsOwnFolder() {
        const QUrl page = QUrl::fromLocalFile(QStringLiteral("/app/templates/harbor/index_temp.html"));
        const auto allows = [&](const QString& request) { return LocalContentPolicy::Allows(page, QUrl(request)); };
        QVERIFY(allows(QStringLiteral("file:///app/templates/harbor/images/logo.gif")));
        QVERIFY(allows(QStringLiteral("data:image/png;base64,AAAA")));
        QVERIFY(!allows(QStringLiteral("file:///app/templates/other/images/logo.gif")));
        QVERIFY(!allows(QStringLiteral("file:///app/templates/harbor/../other/x.css")));
        QVERIFY(!allows(QStringLiteral("file:///home/user/.ssh/id_rsa")));
        QVERIFY(!allows(QStringLiteral("https://tracker.example/pixel.gif")));
        const QUrl remote(QStringLiteral("https://www.quorlex.example/whatsnew.html"));
        QVERIFY(LocalContentPolicy::Allows(remote, QUrl(QStringLiteral("https://www.quorlex.example/a.css"))));
        QVERIFY(!LocalContentPolicy::Allows(remote, QUrl(QStringLiteral("file:///etc/passwd"))));
    }

private:
    TestFolder m_home;
};

QTEST_MAIN(PlatformServicesTest)
#include "PlatformServicesTest.moc"
