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

QTEST_MAIN(tst_ScreenFit)
#include "tst_screenfit.moc"
