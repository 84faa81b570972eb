#include "GuiFixture.h"
#include "QtText.h"
#include "QtUi.h"
#include "ports/NullBrowsers.h"
#include "util/TextFile.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// Answers the next modal file dialog: checks it, takes its picture when QUORLEX_SCREENSHOT_DIR
// is set, then picks `file`.
void AnswerDialog(const QString& title, const QString& shot, const QString& file, bool* checked,
                  QString* openedIn = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            AnswerDialog(title, shot, file, checked, openedIn);
            return;
        }
        if (openedIn)
            *openedIn = dialog->directory().absolutePath();
        *checked = dialog->windowTitle() == title &&
                   dialog->nameFilters() ==
                       QStringList{QStringLiteral("Tamblor Project (*.tpp)"), QStringLiteral("All Files (*.*)")};
        const QString shots = qEnvironmentVariable("QUORLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            dialog->grab().save(shots + QStringLiteral("/") + shot);
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

// A session over the real dialogs with the first sample template loaded.
struct DialogSession {
    DialogSession() {
        std::filesystem::copy(qEnvironmentVariable("QUORLEX_SAMPLE_TEMPLATES").toStdString(),
                              folder.path() / "templates", std::filesystem::copy_options::recursive);
        session.FormCreate(folder.path());
        session.catalogPage().ListView1SelectItem(0, true);
        session.RecalculateTemplate();
    }
    std::string Preview() const { return ReadFileBytes(folder.path() / "templates/harbor/index_temp.html"); }

    TestFolder folder;
    QtUi ui;
    RecordingPlatform platform;
    NullBrowsers browsers;
    Session session{ui, platform, browsers};
};

class UiDialogsTest : public QObject {
    Q_OBJECT
private slots:
    // Enter on a delete or overwrite question answers No.
    void enterOnAYesNoQuestionAnswersNo() {
        QtUi ui;
        QTimer::singleShot(0, [] {
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr, 5000);
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        });
        QCOMPARE(ui.AskYesNo("Do you really want to delete the image \"b.jpg\"?"), Answer::No);
        QTimer::singleShot(0, [] {
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr, 5000);
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        });
        QCOMPARE(ui.ConfirmLoss("Image with that name already exists. Overwrite?"), Answer::No);
    }

    // The preview follows the chooser's current color; Cancel puts the old color back.
    void theColorChooserPreviewsWhatItPointsAt() {
        DialogSession s;
        QVERIFY(s.session.workspace());
        s.session.colorsPage().TitleClicked(0);
        bool previewed = false;
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!chooser)
                return;
            chooser->setCurrentColor(QColor(1, 2, 3));
            chooser->setCurrentColor(QColor(10, 20, 30));
            previewed = QTest::qWaitFor([&] { return s.Preview().find("background: #0A141E;") != std::string::npos; });
            chooser->reject();
        });
        s.session.colorsPage().ChooseColor();
        QVERIFY(previewed);
        QCOMPARE(s.session.workspace()->tables.colors[0].value, std::string("#D8E3E8"));
        QVERIFY(s.Preview().find("background: #D8E3E8;") != std::string::npos);
        QVERIFY2(s.ui.recentColors().entries().empty(), "a cancelled choice is no recent color");

        // A chosen color is offered again among the chooser's custom colors.
        QColor offered;
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!chooser)
                return;
            // It opens on the variable's color.
            QCOMPARE(chooser->currentColor(), QColor(0xD8, 0xE3, 0xE8));
            chooser->setCurrentColor(QColor(10, 20, 30));
            chooser->accept();
        });
        s.session.colorsPage().ChooseColor();
        QCOMPARE(s.session.workspace()->tables.colors[0].value, std::string("#0A141E"));
        QTimer::singleShot(0, [&] {
            if (auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
                offered = QColorDialog::customColor(0);
                chooser->reject();
            }
        });
        s.session.colorsPage().ChooseColor();
        QCOMPARE(offered, QColor(10, 20, 30));
    }

    void dialogsOfferProjectFilesAndAddTheSuffix() {
        DialogSession s;
        Session& session = s.session;
        const TestFolder& folder = s.folder;
        QVERIFY(session.workspace());

        bool checked = false;
        AnswerDialog(QStringLiteral("Save All Settings (Project)"), QStringLiteral("project-save-dialog.png"),
                     ToQt((folder.path() / "mine").string()), &checked);
        session.projectFiles().SaveProjectAs();
        QVERIFY(checked);
        QVERIFY(folder.Exists("mine.tpp"));

        session.workspace()->tables.colors[0].value = "#000000";
        checked = false;
        QString openedIn;
        AnswerDialog(QStringLiteral("Load Saved Settings (Project)"), QStringLiteral("project-load-dialog.png"),
                     ToQt((folder.path() / "mine.tpp").string()), &checked, &openedIn);
        session.projectFiles().LoadProject();
        QVERIFY(checked);
        QCOMPARE(openedIn, ToQt(folder.path().string())); // where the last project was saved
        QVERIFY(session.workspace()->tables.colors[0].value != "#000000");
    }
};

QTEST_MAIN(UiDialogsTest)
#include "UiDialogsTest.moc"
