#include "scan/mountinfo.h"

#include <QTest>

// Reading a filesystem's type out of the kernel's mount table, as the walk
// does to tell devtmpfs from a real tmpfs.
class tst_MountInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typeOfDevice_data();
    void typeOfDevice();
};

static const QByteArray table =
    QByteArrayLiteral("22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                      "23 22 0:5 / /dev rw,nosuid shared:2 - devtmpfs udev rw,size=4096k\n"
                      "24 23 0:25 / /dev/shm rw,nosuid,nodev shared:3 - tmpfs tmpfs rw\n"
                      "25 22 0:21 / /proc rw,nosuid,nodev,noexec - proc proc rw\n"
                      "26 22 0:26 / /run/user/1000 rw master:7 shared:9 - tmpfs tmpfs rw,mode=700\n"
                      "27 22 0:50 / /mnt/odd\\040name rw - fuse.sshfs host:/ rw\n"
                      "28 22 0:51 / /broken rw\n");

void tst_MountInfo::typeOfDevice_data()
{
    QTest::addColumn<uint>("major");
    QTest::addColumn<uint>("minor");
    QTest::addColumn<QByteArray>("type");
    QTest::newRow("disk") << 8u << 1u << QByteArray("ext4");
    QTest::newRow("devtmpfs") << 0u << 5u << QByteArray("devtmpfs");
    QTest::newRow("tmpfs below devtmpfs") << 0u << 25u << QByteArray("tmpfs");
    QTest::newRow("several optional fields") << 0u << 26u << QByteArray("tmpfs");
    QTest::newRow("escaped mount point") << 0u << 50u << QByteArray("fuse.sshfs");
    QTest::newRow("minor is not a prefix match") << 0u << 2u << QByteArray();
    QTest::newRow("unlisted device") << 9u << 9u << QByteArray();
    QTest::newRow("line without separator") << 0u << 51u << QByteArray();
}

void tst_MountInfo::typeOfDevice()
{
    QFETCH(uint, major);
    QFETCH(uint, minor);
    QFETCH(QByteArray, type);
    QCOMPARE(mountTypeOfDevice(table, major, minor), type);
}

QTEST_GUILESS_MAIN(tst_MountInfo)
#include "tst_mountinfo.moc"
