#include "ColorsPanel.h"
#include "CustomizeView.h"
#include "ExportPage.h"
#include "FilesView.h"
#include "GuiFixture.h"
#include "QtText.h"
#include "SiteCheckPage.h"
#include "TextColorProbe.h"
#include "output/ContrastCheck.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kAnswerMs = 20000;

// The rows of the finding list whose first column is `problem`, as "subject | change".
QStringList Rows(QTreeWidget* list, const QString& problem) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == problem)
            rows << list->topLevelItem(i)->text(2) + QStringLiteral(" | ") + list->topLevelItem(i)->text(4);
    return rows;
}

} // namespace

class SiteCheckEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void probeFindsExactlyTheLowContrastPair() {
        TestFolder folder;
        // The page's own scripts can neither hide its colors from the probe nor lead it away.
        folder.Write("page/other.html", "<html><body><p style=\"color:#eeeeee\">Elsewhere</p></body></html>");
        const fs::path page = folder.Write(
            "page/index.html",
            "<html><head><meta http-equiv=\"refresh\" content=\"0; url=other.html\"></head>"
            "<body style=\"background:#ffffff\">"
            "<p style=\"color:#777777\">Low pair</p><p style=\"color:#000000\">Good pair</p>"
            "<div style=\"background:rgba(0,0,0,0.8)\"><b style=\"color:#ffffff\">Good on translucent</b></div>"
            "<h1 style=\"color:#888888;font-size:30px\">Large enough</h1>"
            "<p style=\"color:#ffffff;display:none\">Not shown</p>"
            "<script>window.getComputedStyle = function () { return {}; };"
            "location.href = 'other.html';</script></body></html>");
        TextColorProbe probe;
        std::optional<std::vector<TextSample>> samples;
        bool answered = false;
        probe.MeasureText(page, [&](std::optional<std::vector<TextSample>> measured) {
            samples = std::move(measured);
            answered = true;
        });
        // Well within the probe's own time limit, whose answer would pass for the missing page's.
        QTRY_VERIFY_WITH_TIMEOUT(answered, kAnswerMs);
        QVERIFY(samples);
        QCOMPARE(samples->size(), size_t{4});
        const auto findings = CheckContrast(*samples, {});
        QCOMPARE(findings.size(), size_t{1});
        QCOMPARE(QString::fromStdString(findings[0].subject), QStringLiteral("Low pair"));
        QCOMPARE(QString::fromStdString(findings[0].foreground), QStringLiteral("#777777"));
        QCOMPARE(QString::fromStdString(findings[0].background), QStringLiteral("#FFFFFF"));

        answered = false;
        probe.MeasureText(folder.path() / "page/gone.html", [&](std::optional<std::vector<TextSample>> measured) {
            samples = std::move(measured);
            answered = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(answered, kAnswerMs);
        QVERIFY(!samples);
    }

    // Each request comes a little later after the answer before it, so that some come while
    // the probe is still done with the last page. None of them may be lost.
    void requestsRightAfterAnAnswerAreAllAnswered() {
        TestFolder folder;
        const fs::path page =
            folder.Write("page/index.html", "<html><body><p style=\"color:#777777\">Text</p></body></html>");
        TextColorProbe probe;
        int measured = 0;
        bool done = false;
        std::function<void(int)> request = [&](int delayMs) {
            probe.MeasureText(page, [&, delayMs](std::optional<std::vector<TextSample>> samples) {
                measured += samples && samples->size() == 1;
                if (delayMs >= 40)
                    done = true;
                else
                    QTimer::singleShot(delayMs + 1, [&request, delayMs] { request(delayMs + 1); });
            });
        };
        request(0);
        QTRY_VERIFY_WITH_TIMEOUT(done, kAnswerMs);
        QCOMPARE(measured, 41);
    }

    void paleBodyTextIsFoundAndExportAsksFirst() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        MainWindow& window = f.window();
        // The untouched sample: only its two items without a link, nothing over its pictures.
        ClickTab(window.workflowPages(), 2);
        ClickTab(window.filesView()->outputPages(), 3);
        SiteCheckPage* sample = window.filesView()->siteCheckPage();
        QTRY_VERIFY_WITH_TIMEOUT(sample->status()->text().startsWith(QStringLiteral("The site check found")), 30000);
        QCOMPARE(sample->findingList()->topLevelItemCount(), 2);
        QVERIFY(Rows(sample->findingList(), QStringLiteral("Low contrast")).isEmpty());
        SaveScreenshot(window, QStringLiteral("sitecheck-sample.png"));
        ClickTab(window.workflowPages(), 1);

        ColorsPanel* colors = window.customizeView()->colorsPanel();
        QListWidget* titles = colors->titleList();
        const auto body = titles->findItems(QStringLiteral("Body text"), Qt::MatchExactly);
        QCOMPARE(body.size(), 1);
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, titles->visualItemRect(body.first()).center());
        colors->colorField()->selectAll();
        QTest::keyClicks(colors->colorField(), QStringLiteral("#EEEEEE"));
        QTest::keyClick(colors->colorField(), Qt::Key_Return);

        ClickTab(window.workflowPages(), 2);
        FilesView* files = window.filesView();
        ClickTab(files->outputPages(), 3);
        QCOMPARE(files->outputPages()->currentWidget(), files->siteCheckPage());
        SiteCheckPage* check = files->siteCheckPage();
        QTRY_VERIFY_WITH_TIMEOUT(check->status()->text().startsWith(QStringLiteral("The site check found")), 30000);

        QTreeWidget* list = check->findingList();
        QCOMPARE(Rows(list, QStringLiteral("Menu item without link")),
                 (QStringList{QStringLiteral("Boat Hire | Menu item \"Boat Hire\""),
                              QStringLiteral("Getting Here | Menu item \"Getting Here\"")})); // "Find Us" opens a list

        const QStringList pale = Rows(list, QStringLiteral("Low contrast"));
        QVERIFY2(!pale.isEmpty(), qPrintable(pale.join(QLatin1Char('\n'))));
        QVERIFY(pale.first().contains(QStringLiteral("Text: \"Body text\";")));
        QVERIFY(Rows(list, QStringLiteral("Missing file")).isEmpty());
        QCOMPARE(check->status()->text(),
                 QStringLiteral("The site check found %1 problems.").arg(list->topLevelItemCount()));
        const auto lowRows = list->findItems(QStringLiteral("Low contrast"), Qt::MatchExactly, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(lowRows.first()).center());
        QVERIFY(check->details()->text().contains(QStringLiteral("\nWhat to change: Text: \"Body text\";")));
        SaveScreenshot(window, QStringLiteral("sitecheck.png"));

        ClickTab(files->outputPages(), 0);
        ExportPage* exportPage = files->exportPage();
        exportPage->newFolderField()->setText(QStringLiteral("site"));
        QTest::mouseClick(exportPage->findChild<QPushButton*>(QStringLiteral("CreateFolderButton")), Qt::LeftButton);
        f.ui().answers = {Answer::No, Answer::Yes};
        QPushButton* exportButton = exportPage->findChild<QPushButton*>(QStringLiteral("ExportButton"));
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QCOMPARE(f.ui().questions.size(), size_t{1});
        const QString question = ToQt(f.ui().questions.back());
        QVERIFY(question.startsWith(QStringLiteral("The site check found %1 problems:\r\n").arg(list->topLevelItemCount())));
        QVERIFY(question.contains(QStringLiteral("\r\n- Menu item without link: \"Boat Hire\" in ")));
        QVERIFY(question.endsWith(QStringLiteral("\r\nExport anyway?")));
        QVERIFY(!f.folder().Exists("site/template/index.html"));
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QVERIFY(f.folder().Exists("site/template/index.html"));

        // A double-click on the low contrast finding selects the color variable to change.
        ClickTab(files->outputPages(), 3);
        const QRect low = list->visualItemRect(list->findItems(QStringLiteral("Low contrast"), Qt::MatchExactly, 0).first());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, low.center());
        QTRY_COMPARE(window.workflowPages()->currentIndex(), 1);
        QCOMPARE(window.customizeView()->subPages()->currentIndex(), 0);
        QCOMPARE(titles->currentItem()->text(), QStringLiteral("Body text"));
        QVERIFY(titles->currentItem()->isSelected());
        QVERIFY(f.ui().errors.empty());
    }
};

QTEST_MAIN(SiteCheckEndToEndTest)
#include "SiteCheckEndToEndTest.moc"
