#include "ColorsPanel.h"
#include "CustomizeView.h"
#include "GuiFixture.h"
#include "PreviewBrowser.h"
#include "SwatchList.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int kNavbarSample = 2;
constexpr int kNavy = 5;

void ClickRow(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

QString Computed(QWebEngineView* view, const char* selector, const char* property) {
    return RunScript(view, QStringLiteral("getComputedStyle(document.querySelector('%1')).%2")
                               .arg(QLatin1String(selector), QLatin1String(property)));
}

int Count(QWebEngineView* view, const char* selector) {
    return RunScript(view,
                     QStringLiteral("String(document.querySelectorAll('%1').length)").arg(QLatin1String(selector)))
        .toInt();
}

} // namespace

class FrameworkMenuTest : public QObject {
    Q_OBJECT
private slots:
    void theThirdSampleShowsANavbarWhoseShadesFollowThePatchedColor() {
        GuiFixture f;
        QVERIFY(f.CustomizeTemplate(kNavbarSample));
        MainWindow& window = f.window();
        PreviewBrowser* preview = window.customizeView()->preview();

        // The menu row's classes, not the fixed ones.
        QCOMPARE(RunScript(preview, QStringLiteral("document.querySelector('#navigation > ul').className")),
                 QStringLiteral("navbar-nav"));
        QCOMPARE(Count(preview, "#navigation .li_hc, #navigation .li_nc, #navigation .ul_ch"), 0);
        QVERIFY(Count(preview, "#navigation > ul > li.nav-item > a.nav-link") >= 4);
        QVERIFY(Count(preview, "li.nav-item.dropdown > a.nav-link.dropdown-toggle + ul.dropdown-menu") >= 2);
        QVERIFY(Count(preview, "ul.dropdown-menu > li.dropdown-entry > a.dropdown-item") >= 6);
        QCOMPARE(Count(preview, "#navigation .active, #navigation [aria-current]"), 0);
        QCOMPARE(Computed(preview, "#navigation .navbar-nav", "display"), QStringLiteral("flex"));

        // A drop-down opens when its item takes the focus, as the sample's own stylesheet says.
        const char* firstDropdown = "#navigation .dropdown > .dropdown-menu";
        QCOMPARE(Computed(preview, firstDropdown, "display"), QStringLiteral("none"));
        preview->setFocus();
        RunScript(preview, QStringLiteral("document.querySelector('#navigation .dropdown-toggle').focus(); 1"));
        QTRY_COMPARE_WITH_TIMEOUT(Computed(preview, firstDropdown, "display"), QStringLiteral("block"), 10000);
        SaveScreenshot(window, QStringLiteral("framework-menu.png"));

        // The menu bar's color changes its own placeholder and its derived ones in one patch.
        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        ColorsPanel* colors = window.customizeView()->colorsPanel();
        const auto bar = colors->titleList()->findItems(QStringLiteral("Pasek menu"), Qt::MatchExactly);
        QCOMPARE(bar.size(), 1);
        ClickRow(colors->titleList(), bar.first());
        ClickRow(colors->swatchList(), colors->swatchList()->item(kNavy));
        QTRY_COMPARE_WITH_TIMEOUT(Computed(preview, "#navigation", "backgroundColor"), QStringLiteral("rgb(0, 0, 128)"),
                                  30000);
        QCOMPARE(Computed(preview, "#navigation", "boxShadow"), QStringLiteral("rgb(0, 0, 87) 0px -1px 0px 0px inset"));
        QCOMPARE(Computed(preview, firstDropdown, "boxShadow"),
                 QStringLiteral("rgba(0, 0, 128, 0.3) 0px 6px 16px 0px"));
        QCOMPARE(Computed(preview, firstDropdown, "borderLeftColor"), QStringLiteral("rgba(0, 0, 128, 0.25)"));
        QVERIFY(loaded.isEmpty());
        SaveScreenshot(window, QStringLiteral("framework-menu-navy.png"));
        QVERIFY(f.ui().errors.empty());
    }
};

QTEST_MAIN(FrameworkMenuTest)
#include "FrameworkMenuTest.moc"
