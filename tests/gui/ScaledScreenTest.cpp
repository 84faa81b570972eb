#include "CustomizeView.h"
#include "FilesView.h"
#include "GuiFixture.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QTabWidget>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// The scroll area a widget can be scrolled into view in, if any.
QScrollArea* ScrollingArea(QWidget* widget) {
    for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(up))
            return area;
    return nullptr;
}

// Shown buttons of the window that lie outside it, or outside the scroll area that holds them
// once it is scrolled to them.
QStringList ButtonsOutside(QWidget& window, bool scrollingAllowed) {
    QStringList outside;
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->window() != &window || !button->isVisible())
            continue;
        QScrollArea* area = scrollingAllowed ? ScrollingArea(button) : nullptr;
        if (area)
            area->ensureWidgetVisible(button, 0, 0);
        QWidget* frame = area ? area->viewport() : &window;
        const QRect at(button->mapTo(frame, QPoint(0, 0)), button->size());
        const QRect inFrame(QPoint(0, 0), frame->size());
        const QRect inWindow(frame->mapTo(&window, QPoint(0, 0)), frame->size());
        if (!inFrame.contains(at) || !window.rect().contains(inWindow))
            outside << QStringLiteral("%1 at %2,%3").arg(button->text()).arg(at.x()).arg(at.y());
    }
    return outside;
}

} // namespace

// Run with QT_SCALE_FACTOR set (1.5 and 2 on a 1280 x 1024 screen): the window fits the screen
// on every page and shows every button; at 2 a customization page may need scrolling.
class ScaledScreenTest : public QObject {
    Q_OBJECT
private slots:
    void everyPageFitsTheScreenWithAllItsButtons() {
        GuiFixture f;
        QVERIFY(f.CustomizeFirstTemplate());
        MainWindow& window = f.window();
        const QSize screen = window.screen()->availableGeometry().size();
        window.setGeometry(window.screen()->availableGeometry());
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
        const bool scrollingAllowed = scale.toDouble() >= 2;
        for (int page : {0, 1, 2}) {
            ClickTab(window.workflowPages(), page);
            QTRY_COMPARE(window.workflowPages()->currentIndex(), page);
            const QSize needed = window.minimumSizeHint();

            QVERIFY2(needed.width() <= screen.width() && needed.height() <= screen.height(),
                     qPrintable(QStringLiteral("page %1 needs %2 x %3 on a %4 x %5 screen")
                                    .arg(page)
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(screen.width())
                                    .arg(screen.height())));
            QTRY_VERIFY(window.width() <= screen.width());
            const QStringList outside = ButtonsOutside(window, scrollingAllowed);
            QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral("; "))));
            SaveScreenshot(window, QStringLiteral("scale-%1-page-%2.png").arg(scale).arg(page + 1));
        }
        for (int sub = 0; sub < 5; ++sub) {
            ClickTab(window.workflowPages(), 1);
            ClickTab(window.customizeView()->subPages(), sub);
            const QStringList outside = ButtonsOutside(window, scrollingAllowed);
            QVERIFY2(outside.isEmpty(), qPrintable(QStringLiteral("tab %1: ").arg(sub) + outside.join(QStringLiteral("; "))));
            SaveScreenshot(window, QStringLiteral("scale-%1-customize-%2.png").arg(scale).arg(sub));
        }
    }
};

QTEST_MAIN(ScaledScreenTest)
#include "ScaledScreenTest.moc"
