#include "config/scangroup.h"
#include "settings/scansettings.h"
#include "widgets/directorychooser.h"

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
    ScanGroup *group = nullptr;
    template<class T> T *child(const char *name) const
    {
        T *found = group->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    // Near the left edge: a check box reacts only on its box and its text.
    void click(const char *name) const
    {
        QWidget *widget = child<QWidget>(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }

private Q_SLOTS:
    void init();
    void cleanup();
    void ticking();
    void addingAndRemovingFolders();
    void filterFields_data();
    void filterFields();
    void showsWhatItIsGiven();
    void rankBy();
};

void tst_ScanGroup::init()
{
    group = new ScanGroup;
    group->show();
}

void tst_ScanGroup::cleanup()
{
    delete group;
    directorychooser::setChooser({});
}

void tst_ScanGroup::ticking()
{
    QCOMPARE(group->options().skipNetwork, true);
    click("hiddenb");
    click("onefilesystemb");
    click("skipnetworkb");
    const ScanOptions options = group->options();
    QCOMPARE(QList<bool>({options.includeHidden, options.oneFileSystem, options.skipNetwork}),
             QList<bool>({true, true, false}));
}

void tst_ScanGroup::addingAndRemovingFolders()
{
    QStringList answers = {"/mnt//backup/", "/home/ann/.cache", "", "/mnt/backup"};
    directorychooser::setChooser([&](QWidget *, const QString &, const QString &,
                                     QFileDialog::Options) { return answers.takeFirst(); });
    for (int i = 0; i < 4; ++i) // two folders, a cancelled chooser, a repeat
        click("addexcludeb");
    QVERIFY(answers.isEmpty());
    QCOMPARE(group->options().excludes, QStringList({"/mnt/backup", "/home/ann/.cache"}));

    auto *list = child<QListWidget>("excludelist");
    list->clearSelection();
    QVERIFY(!child<QPushButton>("removeexcludeb")->isEnabled());
    list->item(0)->setSelected(true);
    click("removeexcludeb");
    QCOMPARE(group->options().excludes, QStringList({"/home/ann/.cache"}));
}

void tst_ScanGroup::filterFields_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("1.5 GB") << QByteArray("minsizeb") << QByteArray("minsizevalue") << "1.5"
                            << QVariant(qint64(3) << 29);
    QTest::newRow("size: letters") << QByteArray("minsizeb") << QByteArray("minsizevalue") << "abc"
                                   << QVariant(qint64(100) << 30); // as it was
    QTest::newRow("types: dots, commas, case")
        << QByteArray("typesb") << QByteArray("typesedit") << "*.MKV, .mp4;ISO mkv"
        << QVariant(QStringList({"mkv", "mp4", "iso"}));
    QTest::newRow("types: not extensions") << QByteArray("typesb") << QByteArray("typesedit")
                                           << "mkv a/b *" << QVariant(QStringList({"mkv"}));
}

// A filter counts only while its box is ticked; its field takes input only
// then, and input that is not a value is refused or left out.
void tst_ScanGroup::filterFields()
{
    QFETCH(QByteArray, box);
    QFETCH(QByteArray, field);
    QFETCH(QString, typed);
    QFETCH(QVariant, expected);
    auto current = [&] {
        const ScanOptions options = group->options();
        return box == "minsizeb" ? QVariant(options.minSize)
            : box == "typesb"    ? QVariant(options.types)
                                 : QVariant(options.olderThanDays);
    };
    const QVariant off = current();
    QWidget *input = child<QWidget>(field);
    QVERIFY(!input->isEnabled());
    click(box);
    QVERIFY(input->isEnabled());
    child<QComboBox>("minsizeunit")->setCurrentIndex(3); // GB
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(input, typed);
    QCOMPARE(current(), expected);
    QCOMPARE(child<QLabel>("typesnote")->isVisible(), typed == "mkv a/b *");
    click(box);
    QCOMPARE(current(), off);
}

void tst_ScanGroup::showsWhatItIsGiven()
{
    ScanOptions given;
    given.includeHidden = true;
    given.excludes = {"/mnt/backup", "/srv/a, b"};
    given.minSize = 1536; // shown as 1.5 KB
    given.types = {"mkv", "iso"};
    given.olderThanDays = 90;
    group->setOptions(given);
    QCOMPARE(child<QComboBox>("minsizeunit")->currentIndex(), 1);
    const ScanOptions back = group->options();
    QCOMPARE(QList<bool>({back.includeHidden, back.oneFileSystem, back.skipNetwork}),
             QList<bool>({true, false, false}));
    QCOMPARE(back.excludes, given.excludes);
    QCOMPARE(back.minSize, given.minSize);
    QCOMPARE(back.types, given.types);
    QCOMPARE(back.olderThanDays, 90);
    // A size no unit shows exactly (written by hand) comes back to a tenth.
    QCOMPARE(ScanGroup::sizeInUnit(1234567).value, 1205.6);

    group->setOptions(defaultScanOptions());
    const ScanOptions none = group->options();
    QVERIFY(none.minSize == 0 && none.types.isEmpty() && none.olderThanDays == 0);
    QVERIFY(none.excludes.isEmpty() && none.skipNetwork);
}

void tst_ScanGroup::rankBy()
{
    ScanOptions given;
    given.rankBy = SizeKind::OnDisk;
    group->setOptions(given);
    QCOMPARE(group->options().rankBy, SizeKind::OnDisk);
    // Chosen with the keyboard, the other way round.
    auto *rankBy = child<QComboBox>("rankby");
    rankBy->setFocus();
    QTest::keyClick(rankBy, Qt::Key_Up);
    QCOMPARE(group->options().rankBy, SizeKind::Apparent);
    QTest::keyClick(rankBy, Qt::Key_Down);
    QCOMPARE(group->options().rankBy, SizeKind::OnDisk);
}

QTEST_MAIN(tst_ScanGroup)
#include "tst_scangroup.moc"
