#include "TSplash.h"

#include <QTest>

using namespace quorlex;

class TSplashTest : public QObject {
    Q_OBJECT
private slots:
    void showsItsTextsAndAdvances() {
        TSplash splash(qEnvironmentVariable("QUORLEX_RESOURCES"));
        splash.show();
        QCOMPARE(splash.windowTitle(), QStringLiteral("Starting Tamblor..."));
        QCOMPARE(splash.size(), QSize(488, 559));
        QCOMPARE(splash.status(), QStringLiteral("Loading ..."));
        splash.SetRange(0, 200, 20, 10);
        splash.StepIt();
        QCOMPARE(splash.position(), 30);
        const QString shots = qEnvironmentVariable("QUORLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            splash.grab().save(shots + QStringLiteral("/splash.png"));
        splash.SetStatus(QStringLiteral("Loading Modules..."));
        QCOMPARE(splash.status(), QStringLiteral("Loading Modules..."));
        splash.Finish();
        QCOMPARE(splash.position(), 200);
        QVERIFY(!splash.isVisible());
    }
};

QTEST_MAIN(TSplashTest)
#include "TSplashTest.moc"
