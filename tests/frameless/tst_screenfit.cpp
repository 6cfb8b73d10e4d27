#include "frameless/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

// A window that grows stays within the screen's available area.
class tst_ScreenFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fitted_data();
    void fitted();
    void grownWindowMovedBack();
    void placement_data();
    void placement();
};

void tst_ScreenFit::fitted_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");

    // 1440 x 900 logical pixels less a 40-pixel task bar at the bottom.
    const QRect screen(0, 0, 1440, 860);
    QTest::newRow("inside: unchanged")
        << QRect(100, 100, 500, 400) << screen << QRect(100, 100, 500, 400);
    // Placed for 150 pixels, grown to 400: its bottom would leave the screen.
    QTest::newRow("grown past the bottom")
        << QRect(470, 600, 500, 400) << screen << QRect(470, 460, 500, 400);
    QTest::newRow("past the right edge")
        << QRect(1200, 100, 500, 400) << screen << QRect(940, 100, 500, 400);
    QTest::newRow("above and left") << QRect(-30, -10, 500, 400) << screen << QRect(0, 0, 500, 400);
    QTest::newRow("taller than the area")
        << QRect(0, 300, 500, 1000) << screen << QRect(0, 0, 500, 860);
    // A second screen to the left, task bar on top.
    QTest::newRow("other screen") << QRect(-900, 500, 500, 400) << QRect(-1280, 30, 1280, 770)
                                  << QRect(-900, 400, 500, 400);
    QTest::newRow("no area known") << QRect(0, 700, 500, 400) << QRect() << QRect(0, 700, 500, 400);
}

void tst_ScreenFit::fitted()
{
    QFETCH(QRect, window);
    QFETCH(QRect, available);
    QTEST(screenfit::fitted(window, available), "expected");
}

void tst_ScreenFit::grownWindowMovedBack()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    const QRect area = window.screen()->availableGeometry();
    window.setGeometry(area.left() + 10, area.bottom() - 200, 300, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(300, 400);
    screenfit::keepOnScreen(&window);
    QVERIFY2(area.contains(window.frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(window.frameGeometry().x())
                            .arg(window.frameGeometry().y())
                            .arg(window.frameGeometry().width())
                            .arg(window.frameGeometry().height())));
    QCOMPARE(window.height(), 400);
    QCOMPARE(window.x(), area.left() + 10);
}

// Two screens side by side, the primary on the left, each without a panel
// of 40 pixels at its bottom.
void tst_ScreenFit::placement_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("placed");

    const QRect primary(0, 0, 1280, 984);
    const QRect second(1280, 0, 1920, 1040);
    const QList<QRect> both {primary, second};
    const QList<QRect> primaryOnly {primary};

    QTest::newRow("on the primary") << QRect(100, 80, 700, 500) << both << QRect(100, 80, 700, 500);
    QTest::newRow("on the second")
        << QRect(2000, 300, 900, 600) << both << QRect(2000, 300, 900, 600);
    QTest::newRow("second screen gone")
        << QRect(2000, 300, 900, 600) << primaryOnly << QRect(190, 192, 900, 600);
    QTest::newRow("second screen gone, larger than the primary")
        << QRect(1400, 10, 1800, 1000) << primaryOnly << QRect(0, 0, 1280, 984);
    QTest::newRow("partly off the right edge, grip still on screen")
        << QRect(1200, 100, 700, 500) << primaryOnly << QRect(1200, 100, 700, 500);
    QTest::newRow("only a sliver of the title on screen")
        << QRect(1250, 100, 700, 500) << primaryOnly << QRect(580, 100, 700, 500);
    QTest::newRow("title above the top")
        << QRect(100, -10, 700, 500) << primaryOnly << QRect(100, 0, 700, 500);
    QTest::newRow("title under the panel")
        << QRect(100, 970, 700, 500) << primaryOnly << QRect(100, 484, 700, 500);
    QTest::newRow("larger than its screen")
        << QRect(50, 50, 1600, 1200) << primaryOnly << QRect(50, 50, 1280, 984);
}

void tst_ScreenFit::placement()
{
    QFETCH(QRect, saved);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, placed);
    QCOMPARE(screenfit::placedOnScreens(saved, screens, 20), placed);
}

QTEST_MAIN(tst_ScreenFit)
#include "tst_screenfit.moc"
