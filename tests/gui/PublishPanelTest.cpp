#include "PublishPanel.h"

#include "CatalogView.h"
#include "FilesView.h"
#include "GuiFixture.h"
#include "PublishTargetDialog.h"
#include "QtText.h"
#include "QtUi.h"
#include "ThelpDialog.h"
#include "publish/SecretStore.h"
#include "publish/SshKeys.h"
#include "support/TestServers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <future>
#include <map>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kFilesPage = 2;
constexpr int kPublishTab = 4;

// The main window with the first template loaded and the Publish tab in front; the secrets
// stay in memory.
struct PublishWindow {
    PublishWindow() {
        f.session().publishPage().UseSecretStore(secrets);
        f.Start();
        f.window().resize(1100, 800);
        f.window().show();
        QTreeWidget* list = f.window().catalogView()->list();
        list->setCurrentItem(list->topLevelItem(0));
        QTest::mouseClick(f.window().catalogView()->customizeButton(), Qt::LeftButton);
        ClickTab(f.window().workflowPages(), kFilesPage);
        ClickTab(f.window().filesView()->outputPages(), kPublishTab);
    }
    PublishPanel& panel() { return *f.window().filesView()->publishPanel(); }

    MemorySecretStore secrets;
    GuiFixture f;
};

// Fills the next target dialog and clicks OK; `stays` is whether it is still open after OK,
// when it is then cancelled.
void AnswerTargetDialog(const std::function<void(PublishTargetDialog&)>& fill, bool* stays = nullptr) {
    QTimer::singleShot(0, [fill, stays] {
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<PublishTargetDialog*>(QApplication::activeModalWidget()), 5000);
        auto* dialog = qobject_cast<PublishTargetDialog*>(QApplication::activeModalWidget());
        fill(*dialog);
        dialog->accept();
        if (stays) {
            *stays = dialog->isVisible();
            dialog->reject();
        }
    });
}

void FillSftp(PublishTargetDialog& dialog, const QString& name) {
    dialog.nameField()->setText(name);
    dialog.protocolChoice()->setCurrentText(QStringLiteral("SFTP"));
    dialog.hostField()->setText(QStringLiteral("example.org"));
    dialog.userField()->setText(QStringLiteral("me"));
    dialog.folderField()->setText(QStringLiteral("www"));
}

QStringList Choices(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

bool Enabled(std::initializer_list<QWidget*> widgets) {
    return std::all_of(widgets.begin(), widgets.end(), [](QWidget* w) { return w->isEnabled(); });
}

bool Disabled(std::initializer_list<QWidget*> widgets) {
    return std::none_of(widgets.begin(), widgets.end(), [](QWidget* w) { return w->isEnabled(); });
}

// Holds a run at the first progress report `when` accepts until Release(), for at most
// `longest`; released at the latest when it goes.
class RunPause {
public:
    RunPause(std::function<bool(const PublishProgress&)> when, std::chrono::milliseconds longest)
        : m_when(std::move(when)), m_longest(longest) {
        m_state->released = m_state->release.get_future().share();
    }
    ~RunPause() { Release(); }
    RunPause(const RunPause&) = delete;
    RunPause& operator=(const RunPause&) = delete;

    std::function<void(const PublishProgress&)> Hook() const {
        return [state = m_state, when = m_when, longest = m_longest](const PublishProgress& progress) {
            if (when(progress) && !state->reached.exchange(true))
                state->released.wait_for(longest);
        };
    }
    bool reached() const { return m_state->reached; }
    void Release() {
        if (!m_state->done.exchange(true))
            m_state->release.set_value();
    }

private:
    struct State {
        std::promise<void> release;
        std::shared_future<void> released;
        std::atomic<bool> reached{false};
        std::atomic<bool> done{false};
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
    std::function<bool(const PublishProgress&)> m_when;
    std::chrono::milliseconds m_longest;
};

bool Always(const PublishProgress&) { return true; }

// Each test server has a host key of its own, maybe on a port an earlier one had.
void ForgetKnownHosts() { fs::remove(UserKnownHosts()); }

bool AnyQuestionHas(const FakeUi& ui, const std::string& part) {
    return std::any_of(ui.questions.begin(), ui.questions.end(),
                       [&](const std::string& question) { return question.find(part) != std::string::npos; });
}

} // namespace

class PublishPanelTest : public QObject {
    Q_OBJECT
private slots:
    // The user's own ~/.ssh is never read or written: HOME is a folder of the test's.
    void initTestCase() {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
    }

    void theTabComesLastAfterTheSiteCheck() {
        PublishWindow w;
        QTabWidget* tabs = w.f.window().filesView()->outputPages();
        QCOMPARE(tabs->count(), kPublishTab + 1);
        QCOMPARE(tabs->tabText(3), QStringLiteral("Check site"));
        QCOMPARE(tabs->tabText(kPublishTab), QStringLiteral("Publish"));
        QCOMPARE(tabs->widget(kPublishTab), &w.panel());
        QCOMPARE(w.f.session().workflow().activeOutputTab, kPublishTab);
    }

    void withoutATargetOnlyNewIsOffered() {
        PublishWindow w;
        PublishPanel& p = w.panel();
        QCOMPARE(p.targetChoice()->count(), 0);
        QVERIFY(p.newButton()->isEnabled());
        QVERIFY(Disabled({p.editButton(), p.deleteButton(), p.checkButton(), p.publishButton(), p.cancelButton()}));
        QVERIFY(p.warning()->isHidden());
    }

    // A refused target keeps the dialog open with what was typed; a saved one is chosen and
    // kept in the data folder.
    void aTargetSavedThroughTheDialogIsChosen() {
        PublishWindow w;
        PublishPanel& p = w.panel();
        bool stays = false;
        AnswerTargetDialog([](PublishTargetDialog& d) { d.nameField()->setText(QStringLiteral("home")); }, &stays);
        QTest::mouseClick(p.newButton(), Qt::LeftButton);
        QVERIFY(stays);
        QCOMPARE(w.f.ui().errors.size(), size_t(1));
        QCOMPARE(p.targetChoice()->count(), 0);

        AnswerTargetDialog([](PublishTargetDialog& d) { FillSftp(d, QStringLiteral("home")); });
        QTest::mouseClick(p.newButton(), Qt::LeftButton);
        AnswerTargetDialog([](PublishTargetDialog& d) {
            FillSftp(d, QStringLiteral("backup"));
            SaveScreenshot(d, QStringLiteral("publish-target-dialog.png"));
        });
        QTest::mouseClick(p.newButton(), Qt::LeftButton);
        QCOMPARE(Choices(p.targetChoice()), (QStringList{QStringLiteral("home"), QStringLiteral("backup")}));
        QCOMPARE(p.targetChoice()->currentText(), QStringLiteral("backup"));
        QVERIFY(Enabled({p.editButton(), p.deleteButton(), p.checkButton(), p.publishButton()}));
        QVERIFY(!p.cancelButton()->isEnabled());
        QVERIFY(fs::exists(w.f.folder().path() / "publish/targets.xml"));
        const PublishTarget* saved = w.f.session().publishPage().Find("backup");
        QVERIFY(saved);
        QCOMPARE(saved->port, 0);
        QVERIFY(!saved->deleteRemoved);
        QCOMPARE(saved->remoteFolder, std::string("www"));
    }

    // Editing keeps the fields it does not show; plain FTP is saved after the warning and
    // the tab warns while it is chosen.
    void editingToPlainFtpWarnsWhileItIsChosen() {
        PublishWindow w;
        PublishPanel& p = w.panel();
        PublishTarget ftps;
        ftps.name = "site";
        ftps.protocol = PublishProtocol::Ftps;
        ftps.host = "ftp.example.org";
        ftps.user = "me";
        ftps.remoteFolder = "htdocs";
        ftps.caFile = "/etc/extra.pem";
        QVERIFY(w.f.session().publishPage().SaveTarget(ftps));
        PublishTarget other = ftps;
        other.name = "other";
        other.protocol = PublishProtocol::Sftp;
        other.caFile.clear();
        QVERIFY(w.f.session().publishPage().SaveTarget(other));
        p.ShowTargets();
        QCOMPARE(p.targetChoice()->currentText(), QStringLiteral("site"));

        AnswerTargetDialog([](PublishTargetDialog& d) {
            QCOMPARE(d.hostField()->text(), QStringLiteral("ftp.example.org"));
            QVERIFY(d.certificatesField()->isEnabled());
            QVERIFY(!d.keyField()->isEnabled());
            d.portField()->setValue(2121);
            d.deleteRemovedBox()->setChecked(true);
        });
        QTest::mouseClick(p.editButton(), Qt::LeftButton);
        const PublishTarget* edited = w.f.session().publishPage().Find("site");
        QVERIFY(edited);
        QCOMPARE(edited->port, 2121);
        QVERIFY(edited->deleteRemoved);
        QCOMPARE(edited->caFile, fs::path("/etc/extra.pem"));

        w.f.ui().answers = {Answer::Yes};
        AnswerTargetDialog([](PublishTargetDialog& d) {
            d.protocolChoice()->setCurrentText(QStringLiteral("FTP"));
            QVERIFY(!d.certificatesField()->isEnabled());
        });
        QTest::mouseClick(p.editButton(), Qt::LeftButton);
        QVERIFY(AnyQuestionHas(w.f.ui(), kPlainFtpWarning));
        QCOMPARE(w.f.session().publishPage().Find("site")->protocol, PublishProtocol::Ftp);
        QVERIFY(!p.warning()->isHidden());
        QCOMPARE(p.warning()->text(), ToQt(kPlainFtpWarning));
        SaveScreenshot(w.f.window(), QStringLiteral("publish-ftp-warning.png"));
        p.targetChoice()->setCurrentText(QStringLiteral("other"));
        QVERIFY(p.warning()->isHidden());
        QVERIFY(w.f.ui().errors.empty());
    }

    void deleteAsksAndForgetsTheTargetAndItsPassword() {
        PublishWindow w;
        PublishPanel& p = w.panel();
        PublishTarget target;
        target.name = "home";
        target.host = "example.org";
        target.user = "me";
        target.remoteFolder = "www";
        QVERIFY(w.f.session().publishPage().SaveTarget(target));
        w.secrets.secrets[SecretKey(target)] = "secret";
        p.ShowTargets();
        w.f.ui().answers = {Answer::No};
        QTest::mouseClick(p.deleteButton(), Qt::LeftButton);
        QCOMPARE(p.targetChoice()->count(), 1);
        w.f.ui().answers = {Answer::Yes};
        QTest::mouseClick(p.deleteButton(), Qt::LeftButton);
        QCOMPARE(p.targetChoice()->count(), 0);
        QVERIFY(w.f.session().publishPage().targets().empty());
        QVERIFY(w.secrets.secrets.empty());
        QVERIFY(Disabled({p.checkButton(), p.publishButton(), p.editButton(), p.deleteButton()}));
    }

    void theKeyFileIsChosenFromTheUsersSshFolder() {
        const QString ssh = m_home.path() + QStringLiteral("/.ssh");
        QVERIFY(QDir().mkpath(ssh));
        PublishTargetDialog dialog(PublishTarget{}, [](const PublishTarget&) { return true; });
        QString openedIn;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()), 5000);
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            openedIn = files->directory().absolutePath();
            files->reject();
        });
        dialog.keyBrowseButton()->click();
        QCOMPARE(openedIn, ssh);
        QVERIFY(dialog.keyField()->text().isEmpty());
    }

    void f1AndHelpOpenThePublishPage() {
        PublishWindow w;
        auto* f1 = w.f.window().findChild<QShortcut*>(QStringLiteral("HelpInFront"));
        QVERIFY(f1);
        emit f1->activated();
        QCOMPARE(w.f.window().helpViewer()->address().fileName(), QStringLiteral("publish.html"));
        w.f.window().helpViewer()->accept();
        w.panel().findChild<QPushButton*>(QStringLiteral("PublishHelp"))->click();
        QCOMPARE(w.f.window().helpViewer()->address().fileName(), QStringLiteral("publish.html"));
        w.f.window().helpViewer()->accept();
    }

    void theSecretIsTypedWithoutBeingShown() {
        QtUi ui;
        QTimer::singleShot(0, [] {
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QInputDialog*>(QApplication::activeModalWidget()), 5000);
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QCOMPARE(dialog->textEchoMode(), QLineEdit::Password);
            QCOMPARE(dialog->labelText(), QStringLiteral("The password of me on example.org:"));
            dialog->setTextValue(QStringLiteral("pässword"));
            dialog->accept();
        });
        QCOMPARE(ui.AskSecret("The password of me on example.org:"), std::optional<std::string>("pässword"));
        QTimer::singleShot(0, [] {
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QInputDialog*>(QApplication::activeModalWidget()), 5000);
            qobject_cast<QInputDialog*>(QApplication::activeModalWidget())->reject();
        });
        QCOMPARE(ui.AskSecret("The passphrase:"), std::nullopt);
    }

    // Against a real SFTP server: the host key question comes first, the check lists the files
    // and changes nothing, the publish shows its progress with only Cancel offered, and the
    // result is the summary.
    void aCheckAndAPublishAgainstAnSftpServer() {
        TestFolder serverFolder;
        SftpTestServer server(serverFolder.path());
        ForgetKnownHosts();
        PublishWindow w;
        PublishPanel& p = w.panel();
        QVERIFY(w.f.session().publishPage().SaveTarget(server.Target("test server")));
        p.ShowTargets();
        QSignalSpy ended(&p, &PublishPanel::runEnded);

        QTest::mouseClick(p.checkButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 30000);
        QVERIFY(AnyQuestionHas(w.f.ui(), "is not known yet"));
        QVERIFY(fs::exists(fs::path(m_home.path().toStdString()) / ".ssh/known_hosts"));
        const QString checked = p.result()->toPlainText();
        QVERIFY2(checked.contains(QStringLiteral("upload index.html (")), qPrintable(checked));
        QVERIFY(fs::is_empty(server.remote()));
        QVERIFY2(!p.progressBar()->isVisibleTo(&p), "a check sends nothing");
        QVERIFY(w.f.ui().errors.empty());
        SaveScreenshot(w.f.window(), QStringLiteral("publish-dry-run.png"));

        RunPause halfWay(
            [](const PublishProgress& progress) {
                return progress.filesTotal > 1 && progress.filesDone * 2 >= progress.filesTotal;
            },
            std::chrono::seconds(30));
        p.SetProgressHook(halfWay.Hook());
        QTest::mouseClick(p.publishButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(halfWay.reached(), 30000);
        QTRY_VERIFY(p.progressBar()->value() > 0);
        QVERIFY(
            p.progressBar()->text().endsWith(QString::number(p.progressBar()->maximum()) + QStringLiteral(" files")));
        QVERIFY(p.bytesLabel()->text().contains(QStringLiteral(" of ")));
        QVERIFY(p.cancelButton()->isEnabled());
        QVERIFY(Disabled(
            {p.checkButton(), p.publishButton(), p.newButton(), p.editButton(), p.deleteButton(), p.targetChoice()}));
        SaveScreenshot(w.f.window(), QStringLiteral("publish-progress.png"));
        halfWay.Release();
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 2, 30000);

        QVERIFY2(p.result()->toPlainText().startsWith(QStringLiteral("Published: ")),
                 qPrintable(p.result()->toPlainText()));
        QCOMPARE(p.progressBar()->value(), p.progressBar()->maximum());
        QVERIFY(fs::exists(server.remote() / "index.html"));
        QVERIFY(fs::exists(server.remote() / ".quorlex-publish"));
        QVERIFY(Enabled({p.checkButton(), p.publishButton(), p.targetChoice()}));
        QVERIFY(!p.cancelButton()->isEnabled());
        QVERIFY(w.f.ui().errors.empty());
    }

    // Cancel stops the publish at its next report; closing the window during a run waits for
    // the run's end.
    void cancelStopsARunAndClosingWaitsForIt() {
        TestFolder serverFolder;
        SftpTestServer server(serverFolder.path());
        ForgetKnownHosts();
        auto w = std::make_unique<PublishWindow>();
        PublishPanel& p = w->panel();
        QVERIFY(w->f.session().publishPage().SaveTarget(server.Target("test server")));
        p.ShowTargets();
        QSignalSpy ended(&p, &PublishPanel::runEnded);
        RunPause first(Always, std::chrono::seconds(30));
        p.SetProgressHook(first.Hook());
        QTest::mouseClick(p.publishButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(first.reached(), 30000);
        QTest::mouseClick(p.cancelButton(), Qt::LeftButton);
        QVERIFY(!p.cancelButton()->isEnabled());
        first.Release();
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 30000);
        QVERIFY2(p.result()->toPlainText().contains(QStringLiteral("was cancelled")),
                 qPrintable(p.result()->toPlainText()));
        QVERIFY(!fs::exists(server.remote() / "index.html"));
        QVERIFY(w->f.ui().errors.empty());

        RunPause again(Always, std::chrono::milliseconds(300));
        p.SetProgressHook(again.Hook());
        QTest::mouseClick(p.publishButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(again.reached(), 30000);
        QVERIFY(p.running());
        QElapsedTimer closing;
        closing.start();
        w.reset();
        QVERIFY(closing.elapsed() < 10000);
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(PublishPanelTest)
#include "PublishPanelTest.moc"
