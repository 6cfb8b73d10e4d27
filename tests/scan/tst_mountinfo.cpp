#include "scan/filesystemkind.h"
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
    void classify_data();
    void classify();
    void mountTable();
    void typeNames_data();
    void typeNames();
    void mountsBelowRoot_data();
    void mountsBelowRoot();
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

void tst_MountInfo::classify_data()
{
    QTest::addColumn<qulonglong>("magic");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("kind");

    const int local = int(FileSystemKind::Local);
    const int network = int(FileSystemKind::Network);
    const int pseudo = int(FileSystemKind::Pseudo);
    QTest::newRow("ext4") << 0xef53ull << QByteArray() << local;
    QTest::newRow("proc") << 0x9fa0ull << QByteArray() << pseudo;
    QTest::newRow("sysfs") << 0x62656572ull << QByteArray() << pseudo;
    QTest::newRow("tmpfs") << 0x01021994ull << QByteArray("tmpfs") << local;
    QTest::newRow("devtmpfs") << 0x01021994ull << QByteArray("devtmpfs") << pseudo;
    QTest::newRow("nfs") << 0x6969ull << QByteArray() << network;
    QTest::newRow("cifs") << 0xff534d42ull << QByteArray() << network;
    QTest::newRow("smb2") << 0xfe534d42ull << QByteArray() << network;
    QTest::newRow("sshfs") << 0x65735546ull << QByteArray("fuse.sshfs") << network;
    QTest::newRow("rclone") << 0x65735546ull << QByteArray("fuse.rclone") << network;
    QTest::newRow("local FUSE") << 0x65735546ull << QByteArray("fuse.ntfs-3g") << local;
    QTest::newRow("FUSE, mount table unread") << 0x65735546ull << QByteArray() << local;
}

void tst_MountInfo::classify()
{
    QFETCH(qulonglong, magic);
    QFETCH(QByteArray, type);
    QFETCH(int, kind);
    QCOMPARE(int(classifyFileSystem(static_cast<unsigned long>(magic), type)), kind);
}

// Every well-formed line, in order, its mount point unescaped.
void tst_MountInfo::mountTable()
{
    const QList<Mount> mounts = parseMountTable(table);
    QStringList points;
    for (const Mount &mount : mounts)
        points << mount.path + QLatin1Char(' ') + QString::fromLatin1(mount.device);
    QCOMPARE(points,
             QStringList({"/ 8:1", "/dev 0:5", "/dev/shm 0:25", "/proc 0:21", "/run/user/1000 0:26",
                          "/mnt/odd name 0:50"}));
    QCOMPARE(mounts.at(1).kind, FileSystemKind::Pseudo);
    QCOMPARE(mounts.at(2).kind, FileSystemKind::Local);
    QCOMPARE(mounts.at(5).kind, FileSystemKind::Network);
}

void tst_MountInfo::typeNames_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("kind");
    const int local = int(FileSystemKind::Local);
    const int network = int(FileSystemKind::Network);
    const int pseudo = int(FileSystemKind::Pseudo);
    QTest::newRow("ext4") << QByteArray("ext4") << local;
    QTest::newRow("tmpfs") << QByteArray("tmpfs") << local;
    QTest::newRow("devtmpfs") << QByteArray("devtmpfs") << pseudo;
    QTest::newRow("proc") << QByteArray("proc") << pseudo;
    QTest::newRow("cgroup2") << QByteArray("cgroup2") << pseudo;
    QTest::newRow("nfs4") << QByteArray("nfs4") << network;
    QTest::newRow("cifs") << QByteArray("cifs") << network;
    QTest::newRow("sshfs") << QByteArray("fuse.sshfs") << network;
    QTest::newRow("fuseblk network") << QByteArray("fuseblk.rclone") << network;
    QTest::newRow("local FUSE") << QByteArray("fuse.ntfs-3g") << local;
    QTest::newRow("sshfs without FUSE prefix") << QByteArray("sshfs") << local;
}

void tst_MountInfo::typeNames()
{
    QFETCH(QByteArray, type);
    QFETCH(int, kind);
    QCOMPARE(int(classifyMountType(type)), kind);
}

void tst_MountInfo::mountsBelowRoot_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("canonical");
    QTest::addColumn<QString>("rootDevice");
    QTest::addColumn<QStringList>("below");

    QTest::newRow("whole system") << "/"
                                  << "/"
                                  << "8:1"
                                  << QStringList {"/dev", "/dev/shm", "/proc", "/run/user/1000",
                                                  "/mnt/odd name"};
    QTest::newRow("inside a mount") << "/dev"
                                    << "/dev"
                                    << "0:5" << QStringList {"/dev/shm"};
    QTest::newRow("below a mount point") << "/run/user"
                                         << "/run/user"
                                         << "8:1" << QStringList {"/run/user/1000"};
    QTest::newRow("name that only starts alike") << "/run/us"
                                                 << "/run/us"
                                                 << "8:1" << QStringList {};
    QTest::newRow("root reached through a link")
        << "/home/me/links/run"
        << "/run"
        << "8:1" << QStringList {"/home/me/links/run/user/1000"};
    QTest::newRow("trailing slash") << "/dev/"
                                    << "/dev"
                                    << "0:5" << QStringList {"/dev/shm"};
}

// The mounts below a root, named as the walk will meet them, and the mount
// the root lies on.
void tst_MountInfo::mountsBelowRoot()
{
    QFETCH(QString, root);
    QFETCH(QString, canonical);
    QFETCH(QString, rootDevice);
    QFETCH(QStringList, below);
    const MountsBelow mounts = mountsBelow(parseMountTable(table), root, canonical);
    QCOMPARE(QString::fromLatin1(mounts.root.device), rootDevice);
    QStringList paths = mounts.below.keys();
    paths.sort();
    below.sort();
    QCOMPARE(paths, below);
}

QTEST_GUILESS_MAIN(tst_MountInfo)
#include "tst_mountinfo.moc"
