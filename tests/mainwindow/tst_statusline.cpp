#include "mainwindow/statusline.h"
#include "mainwindow/unreadablelist.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>

// The status line's list of unreadable folders: what it keeps and how it
// reads, and that only a click, not a drag of the window, opens it.
class tst_StatusLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listKeepsTheFirstThousand();
    void clickOpensDragDoesNot();
};

void tst_StatusLine::listKeepsTheFirstThousand()
{
    UnreadableList list;
    for (int i = 0; i < 1500; ++i)
        list.add(QStringLiteral("/d/%1").arg(i), QStringLiteral("Permission denied"));
    const QList<UnreadableList::Entry> kept = list.entries();
    QCOMPARE(kept.size(), UnreadableList::maxKept);
    const QStringList lines = UnreadableList::text(kept, 1500).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 1001);
    QCOMPARE(lines.first(), QStringLiteral("/d/0: Permission denied"));
    QCOMPARE(lines.last(), QStringLiteral("… and 500 more"));
    list.clear();
    QVERIFY(list.entries().isEmpty());
    // A name that is not text shows escaped, on its one line.
    list.add(QStringLiteral("/d/a\nb"), QStringLiteral("Input/output error"));
    QCOMPARE(UnreadableList::text(list.entries(), 1).count(QLatin1Char('\n')), 0);
}

void tst_StatusLine::clickOpensDragDoesNot()
{
    QWidget window;
    auto *label = new QLabel(QStringLiteral("Scan Complete! 1 file"), &window);
    label->resize(300, 20);
    StatusLine line(label);
    line.setUnreadable(QStringLiteral("/d/x: Permission denied"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(label, QPoint(200, 10));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(200, 10));
    QCoreApplication::processEvents();
    QVERIFY(!window.findChild<QDialog *>(QStringLiteral("unreadablelist")));

    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_VERIFY(window.findChild<QDialog *>(QStringLiteral("unreadablelist")));
}

QTEST_MAIN(tst_StatusLine)

#include "tst_statusline.moc"
