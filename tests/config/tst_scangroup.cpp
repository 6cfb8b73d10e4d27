#include "app/scansettings.h"
#include "config/scangroup.h"
#include "customdir/directorychooser.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

// The "Scan" group: what ticking, typing, adding and removing make of the
// options it hands back.
class tst_ScanGroup : public QObject
{
    Q_OBJECT

private:
    template<class T> static T *child(const ScanGroup &group, const char *name)
    {
        T *found = group.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    // Near the left edge: a check box reacts only on its box and its text,
    // which may not reach the middle of a wide one.
    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }

private Q_SLOTS:
    void cleanup();
    void ticking();
    void addingAndRemovingFolders();
    void sizeField_data();
    void sizeField();
    void typesField_data();
    void typesField();
    void showsWhatItIsGiven_data();
    void showsWhatItIsGiven();
};

void tst_ScanGroup::cleanup()
{
    directorychooser::setChooser({});
}

void tst_ScanGroup::ticking()
{
    ScanGroup group;
    group.show();
    click(child<QCheckBox>(group, "hiddenb"));
    click(child<QCheckBox>(group, "onefilesystemb"));
    click(child<QCheckBox>(group, "skipnetworkb"));
    ScanOptions options = group.options();
    QCOMPARE(options.includeHidden, true);
    QCOMPARE(options.oneFileSystem, true);
    QCOMPARE(options.skipNetwork, false);

    // A filter's field takes input only while its box is ticked.
    auto *days = child<QSpinBox>(group, "olderdays");
    QVERIFY(!days->isEnabled());
    click(child<QCheckBox>(group, "olderb"));
    QVERIFY(days->isEnabled());
    days->selectAll();
    QTest::keyClicks(days, "30");
    QCOMPARE(group.options().olderThanDays, 30);
    click(child<QCheckBox>(group, "olderb"));
    QCOMPARE(group.options().olderThanDays, 0);
}

void tst_ScanGroup::addingAndRemovingFolders()
{
    QStringList answers = {"/mnt//backup/", "/home/ann/.cache", "", "/mnt/backup"};
    directorychooser::setChooser(
        [&](QWidget *, const QString &, const QString &, QFileDialog::Options options) {
            [&] { QVERIFY(options & QFileDialog::ShowDirsOnly); }();
            return answers.takeFirst();
        });
    ScanGroup group;
    group.show();
    auto *add = child<QPushButton>(group, "addexcludeb");
    auto *remove = child<QPushButton>(group, "removeexcludeb");
    for (int i = 0; i < 4; ++i) // two folders, a cancelled chooser, a repeat
        click(add);
    QVERIFY(answers.isEmpty());
    QCOMPARE(group.options().excludes, QStringList({"/mnt/backup", "/home/ann/.cache"}));

    auto *list = child<QListWidget>(group, "excludelist");
    list->clearSelection();
    QVERIFY(!remove->isEnabled());
    list->item(0)->setSelected(true);
    click(remove);
    QCOMPARE(group.options().excludes, QStringList({"/home/ann/.cache"}));
    QCOMPARE(list->count(), 1);
}

void tst_ScanGroup::sizeField_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("unit");
    QTest::addColumn<qint64>("minSize");
    QTest::newRow("1.5 GB") << true << "1.5" << 3 << (qint64(3) << 29);
    QTest::newRow("not ticked") << false << "100" << 2 << qint64(0);
    QTest::newRow("letters") << true << "abc" << 2 << qint64(0);
    QTest::newRow("beyond the field's range") << true << "99999999" << 4 << (qint64(999999) << 40);
}

void tst_ScanGroup::sizeField()
{
    QFETCH(bool, ticked);
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QFETCH(qint64, minSize);
    ScanGroup group;
    group.show();
    auto *box = child<QCheckBox>(group, "minsizeb");
    box->setChecked(true);
    child<QComboBox>(group, "minsizeunit")->setCurrentIndex(unit);
    auto *value = child<QDoubleSpinBox>(group, "minsizevalue");
    value->selectAll();
    QTest::keyClicks(value, typed);
    box->setChecked(ticked);
    QCOMPARE(group.options().minSize, minSize);
}

void tst_ScanGroup::typesField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<bool>("noteShown");
    QTest::newRow("dots, commas and case")
        << "*.MKV, .mp4;ISO mkv" << QStringList({"mkv", "mp4", "iso"}) << false;
    QTest::newRow("not extensions") << "mkv a/b *" << QStringList({"mkv"}) << true;
    QTest::newRow("nothing") << "  , ;" << QStringList() << false;
}

void tst_ScanGroup::typesField()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, types);
    QFETCH(bool, noteShown);
    ScanGroup group;
    group.show();
    click(child<QCheckBox>(group, "typesb"));
    QTest::keyClicks(child<QLineEdit>(group, "typesedit"), typed);
    QCOMPARE(group.options().types, types);
    QCOMPARE(child<QLabel>(group, "typesnote")->isVisible(), noteShown);
    click(child<QCheckBox>(group, "typesb"));
    QVERIFY(group.options().types.isEmpty());
}

void tst_ScanGroup::showsWhatItIsGiven_data()
{
    QTest::addColumn<qint64>("minSize");
    QTest::addColumn<qint64>("shownAs"); // what comes back from the form
    QTest::addColumn<int>("unit");
    QTest::newRow("1.5 KB") << qint64(1536) << qint64(1536) << 1;
    QTest::newRow("1000 bytes") << qint64(1000) << qint64(1000) << 0;
    QTest::newRow("3 TB") << (qint64(3) << 40) << (qint64(3) << 40) << 4;
    // Written by hand, exact in no unit: the nearest tenth of a KB.
    QTest::newRow("1234567 bytes") << qint64(1234567) << qRound64(1205.6 * 1024) << 1;
}

void tst_ScanGroup::showsWhatItIsGiven()
{
    QFETCH(qint64, minSize);
    QFETCH(qint64, shownAs);
    QFETCH(int, unit);
    ScanOptions given;
    given.includeHidden = true;
    given.skipNetwork = false;
    given.excludes = {"/mnt/backup", "/srv/a, b"};
    given.minSize = minSize;
    given.types = {"mkv", "iso"};
    given.olderThanDays = 90;
    ScanGroup group;
    group.setOptions(given);
    QCOMPARE(child<QComboBox>(group, "minsizeunit")->currentIndex(), unit);
    const ScanOptions back = group.options();
    QCOMPARE(QList<bool>({back.includeHidden, back.oneFileSystem, back.skipNetwork}),
             QList<bool>({true, false, false}));
    QCOMPARE(back.excludes, given.excludes);
    QCOMPARE(back.minSize, shownAs);
    QCOMPARE(back.types, given.types);
    QCOMPARE(back.olderThanDays, 90);

    // The defaults untick every filter and empty the list again.
    group.setOptions(scansettings::defaults());
    const ScanOptions none = group.options();
    QVERIFY(none.minSize == 0 && none.types.isEmpty() && none.olderThanDays == 0);
    QVERIFY(none.excludes.isEmpty() && none.skipNetwork);
}

QTEST_MAIN(tst_ScanGroup)
#include "tst_scangroup.moc"
