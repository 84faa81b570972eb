#include "GuiFixture.h"
#include "QtText.h"
#include "QtUi.h"
#include "ports/NullBrowsers.h"

#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// Answers the next modal file dialog: checks it, takes its picture when QUORLEX_SCREENSHOT_DIR
// is set, then picks `file`.
void AnswerDialog(const QString& title, const QString& shot, const QString& file, bool* checked) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            AnswerDialog(title, shot, file, checked);
            return;
        }
        *checked = dialog->windowTitle() == title &&
                   dialog->nameFilters() == QStringList{QStringLiteral("Tamblor Project (*.tpp)"), QStringLiteral("All Files (*.*)")};
        const QString shots = qEnvironmentVariable("QUORLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            dialog->grab().save(shots + QStringLiteral("/") + shot);
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

class ProjectDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void dialogsOfferProjectFilesAndAddTheSuffix() {
        TestFolder folder;
        std::filesystem::copy(qEnvironmentVariable("QUORLEX_SAMPLE_TEMPLATES").toStdString(), folder.path() / "templates",
                              std::filesystem::copy_options::recursive);
        QtUi ui;
        RecordingPlatform platform;
        NullBrowsers browsers;
        Session session(ui, platform, browsers);
        session.FormCreate(folder.path());
        session.catalogPage().ListView1SelectItem(0, true);
        session.RecalculateTemplate();
        QVERIFY(session.workspace());

        bool checked = false;
        AnswerDialog(QStringLiteral("Save All Settings (Project)"), QStringLiteral("project-save-dialog.png"),
                     ToQt((folder.path() / "mine").string()), &checked);
        session.SaveProject();
        QVERIFY(checked);
        QVERIFY(folder.Exists("mine.tpp"));

        session.workspace()->tables.colors[0].value = "#000000";
        checked = false;
        AnswerDialog(QStringLiteral("Load Saved Settings (Project)"), QStringLiteral("project-load-dialog.png"),
                     ToQt((folder.path() / "mine.tpp").string()), &checked);
        session.LoadProject();
        QVERIFY(checked);
        QVERIFY(session.workspace()->tables.colors[0].value != "#000000");
    }
};

QTEST_MAIN(ProjectDialogsTest)
#include "ProjectDialogsTest.moc"
