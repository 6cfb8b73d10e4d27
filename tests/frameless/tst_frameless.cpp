#include "frameless/framelessdialog.h"
#include "frameless/framelesswindow.h"

#include <QMouseEvent>
#include <QTest>

// Both frameless bases share one drag rule; every case runs against each.
class tst_Frameless : public QObject
{
    Q_OBJECT

private:
    static void send(QWidget *w, QEvent::Type type, Qt::MouseButton button,
                     Qt::MouseButtons buttons, QPoint local, QPoint global)
    {
        QMouseEvent event(type, QPointF(local), QPointF(local), QPointF(global), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    }

    template<class Window> static std::unique_ptr<QWidget> make()
    {
        auto w = std::make_unique<Window>();
        w->resize(200, 100);
        w->move(100, 100);
        w->show();
        return w;
    }

private Q_SLOTS:
    void flags_data();
    void flags();
    void drag_data();
    void drag();
};

void tst_Frameless::flags_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::newRow("FramelessWindow") << false;
    QTest::newRow("framelessdialog") << true;
}

void tst_Frameless::flags()
{
    QFETCH(bool, dialog);
    auto w = dialog ? make<framelessdialog>() : make<FramelessWindow>();
    QVERIFY(w->isWindow());
    QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
    if (dialog) {
        QVERIFY(static_cast<QDialog *>(w.get())->isModal());
        QCOMPARE(w->metaObject()->className(), "framelessdialog");
    } else {
        QCOMPARE(w->windowModality(), Qt::ApplicationModal);
        QCOMPARE(w->metaObject()->className(), "FramelessWindow");
    }
}

// Each row: an optional press, an optional release, then a move to global
// (500, 400); "expected" is where the window's top-left corner ends up.
void tst_Frameless::drag_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<int>("pressButton"); // 0: no press
    QTest::addColumn<int>("releaseButton"); // 0: no release
    QTest::addColumn<QPoint>("expected");

    for (bool dialog : {false, true}) {
        const char *kind = dialog ? "dialog" : "window";
        const QPoint start(100, 100);
        QTest::addRow("%s: left drag", kind)
            << dialog << int(Qt::LeftButton) << 0 << QPoint(490, 380);
        QTest::addRow("%s: right press does not drag", kind)
            << dialog << int(Qt::RightButton) << 0 << start;
        QTest::addRow("%s: middle press does not drag", kind)
            << dialog << int(Qt::MiddleButton) << 0 << start;
        QTest::addRow("%s: never pressed", kind) << dialog << 0 << 0 << start;
        QTest::addRow("%s: right release keeps the drag", kind)
            << dialog << int(Qt::LeftButton) << int(Qt::RightButton) << QPoint(490, 380);
        QTest::addRow("%s: left release ends the drag", kind)
            << dialog << int(Qt::LeftButton) << int(Qt::LeftButton) << start;
    }
}

void tst_Frameless::drag()
{
    QFETCH(bool, dialog);
    QFETCH(int, pressButton);
    QFETCH(int, releaseButton);
    QFETCH(QPoint, expected);

    auto w = dialog ? make<framelessdialog>() : make<FramelessWindow>();
    const QPoint grab(10, 20);
    if (pressButton) {
        const auto b = Qt::MouseButton(pressButton);
        send(w.get(), QEvent::MouseButtonPress, b, b, grab, w->pos() + grab);
    }
    if (releaseButton)
        send(w.get(), QEvent::MouseButtonRelease, Qt::MouseButton(releaseButton), Qt::NoButton,
             grab, w->pos() + grab);
    // Qt delivers a move without mouse tracking only while a button is held; the
    // handler itself does not look at which one.
    send(w.get(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(400, 300),
         QPoint(500, 400));
    QCOMPARE(w->pos(), expected);
}

QTEST_MAIN(tst_Frameless)
#include "tst_frameless.moc"
