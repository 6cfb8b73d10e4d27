// Moving files to the freedesktop trash through GIO: only the file the scan
// found, into a trash folder that is the user's own, with its original path
// written so that it comes back exactly, as GLib (which GNOME's trash uses)
// reads it. HOME and XDG_DATA_HOME point into a temporary directory before
// anything runs, so the home trash is a private one; trash folders at the top
// of another file system use a small ext2 image mounted for the test, which
// needs root.

// GIO's headers come before Qt's, whose "signals" keyword they would meet.
#include <gio/gio.h>

#include "platform/platform.h"
#include "platform/trash_linux.h"
#include "scan/pathcodec.h"
#include "support/sandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::TrashResult;

namespace {

// Another local user, for the trash folders someone else made.
constexpr uid_t otherUser = 65534;

// Writes a file at a path given as bytes and dates it a day back.
bool writeOld(const QByteArray &path, const QByteArray &content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, content.constData(), content.size()) == content.size();
    const timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 86400, 0}};
    return ::futimens(fd, times) == 0 && ::close(fd) == 0 && written;
}

// The file at path as a scan records it.
FoundFile found(const QByteArray &path)
{
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        qFatal("cannot examine %s", path.constData());
    return {qint64(st.st_size), pathcodec::fromNative(path), quint64(st.st_dev),
            quint64(st.st_ino)};
}

bool run(const QString &program, const QStringList &arguments, const QString &dir = QString())
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0;
}

// Runs a shell command in dir as the other user.
bool runAsOther(const QString &dir, const QString &command)
{
    const QString id = QString::number(otherUser);
    return run(QStringLiteral("setpriv"),
               {"--reuid=" + id, "--regid=" + id, "--clear-groups", "sh", "-c", command}, dir);
}

// Reads Path= from a .trashinfo file as GLib's trash does: a key file, the
// value unescaped as in a URI. Empty when the file does not parse.
QByteArray trashedPath(const QByteArray &infoFile)
{
    GKeyFile *keys = g_key_file_new();
    QByteArray path;
    if (g_key_file_load_from_file(keys, infoFile.constData(), G_KEY_FILE_NONE, nullptr)) {
        gchar *value = g_key_file_get_string(keys, "Trash Info", "Path", nullptr);
        gchar *unescaped = value ? g_uri_unescape_string(value, nullptr) : nullptr;
        path = unescaped;
        g_free(unescaped);
        g_free(value);
    }
    g_key_file_free(keys);
    return path;
}

} // namespace

class tst_Trash : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QByteArray path(const QByteArray &name) const
    {
        return QFile::encodeName(dir.path()) + '/' + name;
    }
    static QByteArray homeTrash() { return qgetenv("XDG_DATA_HOME") + "/Trash"; }

private Q_SLOTS:
    void initTestCase();
    void pathSwappedSinceScan_data();
    void pathSwappedSinceScan();
    void namesComeBackExactly_data();
    void namesComeBackExactly();
    void takenNameIsNotReplaced_data();
    void takenNameIsNotReplaced();
    void trashOfAnotherUserIsNotUsed_data();
    void trashOfAnotherUserIsNotUsed();
    void foldersGoWhole_data();
    void foldersGoWhole();
    void trashAnswers_data();
    void trashAnswers();
};

void tst_Trash::initTestCase()
{
    QVERIFY(dir.isValid());
    struct stat home, temporary;
    QCOMPARE(::stat(QFile::encodeName(QDir::homePath()).constData(), &home), 0);
    QCOMPARE(::stat(QFile::encodeName(dir.path()).constData(), &temporary), 0);
    // A file on another file system than HOME would go to a trash at that
    // file system's top: never run there.
    if (home.st_dev != temporary.st_dev)
        QSKIP("the temporary directory is not on the file system of the temporary HOME");
    QVERIFY(qgetenv("XDG_DATA_HOME").startsWith(QFile::encodeName(QDir::homePath())));
}

void tst_Trash::pathSwappedSinceScan_data()
{
    QTest::addColumn<QString>("swap");
    QTest::newRow("folder swapped for a link") << "link";
    QTest::newRow("folder swapped for another folder") << "folder";
    QTest::newRow("file swapped for another") << "file";
}

// After the scan, shared/dir (or the file in it) is replaced by another
// holding an older file of the same name and size: neither file moves.
void tst_Trash::pathSwappedSinceScan()
{
    QFETCH(QString, swap);
    const QByteArray base = path(QTest::currentDataTag()).replace(' ', '-');
    QVERIFY(QDir().mkpath(QFile::decodeName(base + "/shared/dir")));
    QVERIFY(QDir().mkpath(QFile::decodeName(base + "/other/dir")));
    const QByteArray scannedPath = base + "/shared/dir/film.iso";
    QVERIFY(writeOld(scannedPath, "scanned"));
    const FoundFile scanned = found(scannedPath);
    QVERIFY(writeOld(base + "/other/dir/film.iso", "theirs!"));

    QByteArray kept = scannedPath;
    if (swap == "file") {
        kept = base + "/film.iso.old";
        QCOMPARE(::rename(scannedPath.constData(), kept.constData()), 0);
        QCOMPARE(::rename((base + "/other/dir/film.iso").constData(), scannedPath.constData()), 0);
    } else {
        kept = base + "/shared/dir.old/film.iso";
        QCOMPARE(
            ::rename((base + "/shared/dir").constData(), (base + "/shared/dir.old").constData()),
            0);
        if (swap == "link")
            QCOMPARE(::symlink("../other/dir", (base + "/shared/dir").constData()), 0);
        else
            QCOMPARE(
                ::rename((base + "/other/dir").constData(), (base + "/shared/dir").constData()), 0);
    }

    const platform::TrashOutcome outcome =
        platform::moveToTrash(scanned, QDateTime::currentDateTime());
    QCOMPARE(outcome.result, TrashResult::Changed);
    QVERIFY2(outcome.reason.contains("changed since the scan"), qPrintable(outcome.reason));
    QCOMPARE(::access(scannedPath.constData(), F_OK), 0);
    QCOMPARE(::access(kept.constData(), F_OK), 0);
}

void tst_Trash::namesComeBackExactly_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("line break") << QByteArray("two\nPath=autostart.desktop");
    QTest::newRow("escaped percent") << QByteArray("50%25 off.txt");
    QTest::newRow("escaped slash") << QByteArray("a%2Fb.txt");
    QTest::newRow("byte not valid UTF-8") << QByteArray("bad\xffname.bin");
}

// Path= is percent-encoded, so GLib's reading of it (what a restore uses)
// gives back the exact original path, with nothing added to the entry.
void tst_Trash::namesComeBackExactly()
{
    QFETCH(QByteArray, name);
    const QByteArray file = path(name);
    QVERIFY(writeOld(file, "data"));

    const platform::TrashOutcome outcome =
        platform::moveToTrash(found(file), QDateTime::currentDateTime());
    QVERIFY2(outcome.result == TrashResult::Trashed, qPrintable(outcome.reason));
    QCOMPARE(::access(file.constData(), F_OK), -1);
    QCOMPARE(::access((homeTrash() + "/files/" + name).constData(), F_OK), 0);
    const QByteArray info = homeTrash() + "/info/" + name + ".trashinfo";
    QCOMPARE(trashedPath(info), file);
    gchar *content = nullptr;
    QVERIFY(g_file_get_contents(info.constData(), &content, nullptr, nullptr));
    const int paths = QByteArray(content).count("Path=");
    g_free(content);
    // Names that are not text cannot be removed through QDir with the rest.
    QCOMPARE(::unlink(info.constData()), 0);
    QCOMPARE(::unlink((homeTrash() + "/files/" + name).constData()), 0);
    QCOMPARE(paths, 1);
}

void tst_Trash::takenNameIsNotReplaced_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("withInfo"); // whether the entry has its information file
    QTest::newRow("entry with its information file") << QByteArray("taken.iso") << true;
    QTest::newRow("entry without its information file") << QByteArray("orphan.iso") << false;
}

// A name already in the trash is never replaced: the file goes in under the
// next free name, which GLib makes by numbering before the extension; where
// GLib would rename over an entry that lacks its information file, the file
// stays where it is.
void tst_Trash::takenNameIsNotReplaced()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, withInfo);
    QVERIFY(QDir().mkpath(QFile::decodeName(homeTrash() + "/files")));
    QVERIFY(QDir().mkpath(QFile::decodeName(homeTrash() + "/info")));
    QVERIFY(writeOld(homeTrash() + "/files/" + name, "trashed before"));
    if (withInfo)
        QVERIFY(writeOld(homeTrash() + "/info/" + name + ".trashinfo",
                         "[Trash Info]\nPath=/elsewhere/" + name + "\n"));
    const QByteArray file = path(name);
    QVERIFY(writeOld(file, "new"));

    const platform::TrashOutcome outcome =
        platform::moveToTrash(found(file), QDateTime::currentDateTime());
    QFile before(QFile::decodeName(homeTrash() + "/files/" + name));
    QVERIFY(before.open(QIODevice::ReadOnly));
    QCOMPARE(before.readAll(), QByteArray("trashed before"));
    if (!withInfo) {
        QVERIFY(outcome.result == TrashResult::Refused);
        QVERIFY2(outcome.reason.contains("without its information file"),
                 qPrintable(outcome.reason));
        QCOMPARE(::access(file.constData(), F_OK), 0);
        return;
    }
    QVERIFY2(outcome.result == TrashResult::Trashed, qPrintable(outcome.reason));
    const QByteArray next = "taken.2.iso";
    QCOMPARE(trashedPath(homeTrash() + "/info/" + next + ".trashinfo"), file);
    QFile moved(QFile::decodeName(homeTrash() + "/files/" + next));
    QVERIFY(moved.open(QIODevice::ReadOnly));
    QCOMPARE(moved.readAll(), QByteArray("new"));
}

void tst_Trash::trashOfAnotherUserIsNotUsed_data()
{
    QTest::addColumn<QString>("asRoot"); // run first, in the top folder
    QTest::addColumn<QString>("asOther"); // then as the other user
    QTest::addColumn<bool>("trashed"); // into a trash folder of our own
    const QString uid = QString::number(::geteuid());
    QTest::newRow("their .Trash-UID")
        << QString() << "mkdir .Trash-" + uid + " && chmod 0777 .Trash-" + uid << false;
    QTest::newRow(".Trash-UID a link to their folder")
        << QString() << "ln -s theirs .Trash-" + uid << false;
    // The sticky .Trash is refused for its link; the user's own .Trash-UID
    // is made and used instead.
    QTest::newRow("UID in a sticky .Trash a link to their folder")
        << "mkdir .Trash && chmod 1777 .Trash"
        << "ln -s ../theirs .Trash/" + uid << true;
}

// On a shared file system whose top folder anyone may write, another user
// prepares the trash folder: the file never goes where they can read it.
void tst_Trash::trashOfAnotherUserIsNotUsed()
{
    QFETCH(QString, asRoot);
    QFETCH(QString, asOther);
    QFETCH(bool, trashed);
    if (::geteuid() != 0)
        QSKIP("mounting a file system and acting as another user need root");
    if (QStandardPaths::findExecutable("mkfs.ext2", {"/usr/sbin", "/sbin"}).isEmpty())
        QSKIP("mkfs.ext2 (Debian package e2fsprogs) is needed");
    QTemporaryDir shared;
    QVERIFY(shared.isValid());
    // The other user has to reach the mount point.
    QCOMPARE(::chmod(QFile::encodeName(shared.path()).constData(), 0755), 0);
    const QString image = shared.filePath("disk.img"), top = shared.filePath("top");
    QVERIFY(QDir().mkdir(top));
    QVERIFY(run("truncate", {"-s", "2M", image}));
    QVERIFY(run(QStandardPaths::findExecutable("mkfs.ext2", {"/usr/sbin", "/sbin"}),
                {"-q", "-F", image}));
    if (!run("mount", {"-o", "loop", image, top}))
        QSKIP("cannot mount a loop device here");
    const auto unmount = qScopeGuard([&] { run("umount", {top}); });

    QCOMPARE(::chmod(QFile::encodeName(top).constData(), 01777), 0);
    QVERIFY(runAsOther(top, "mkdir theirs && chmod 0777 theirs"));
    QVERIFY(asRoot.isEmpty() || run("sh", {"-c", asRoot}, top));
    QVERIFY(runAsOther(top, asOther));
    const QByteArray secret = QFile::encodeName(top) + "/secret.txt";
    QVERIFY(writeOld(secret, "private"));

    const platform::TrashOutcome outcome =
        platform::moveToTrash(found(secret), QDateTime::currentDateTime());

    QDirIterator theirs(top + "/theirs", QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
    QVERIFY2(!theirs.hasNext(), qPrintable(theirs.hasNext() ? theirs.next() : QString()));
    if (!trashed) {
        QCOMPARE(outcome.result, TrashResult::Refused);
        QCOMPARE(::access(secret.constData(), F_OK), 0);
        return;
    }
    QVERIFY2(outcome.result == TrashResult::Trashed, qPrintable(outcome.reason));
    const QByteArray own = QFile::encodeName(top) + "/.Trash-" + QByteArray::number(::geteuid());
    struct stat st;
    QCOMPARE(::lstat(own.constData(), &st), 0);
    QVERIFY(S_ISDIR(st.st_mode));
    QCOMPARE(st.st_uid, ::geteuid());
    QCOMPARE(st.st_mode & 07777, mode_t(0700));
    QCOMPARE(::access((own + "/files/secret.txt").constData(), F_OK), 0);
    QCOMPARE(trashedPath(own + "/info/secret.txt.trashinfo"), QByteArray("secret.txt"));
}

void tst_Trash::foldersGoWhole_data()
{
    QTest::addColumn<QByteArray>("change");
    QTest::addColumn<TrashResult>("result");
    QTest::newRow("as scanned") << QByteArray() << TrashResult::Trashed;
    QTest::newRow("entry added since") << QByteArray("entry") << TrashResult::Changed;
    QTest::newRow("swapped for a link") << QByteArray("link") << TrashResult::Changed;
    QTest::newRow("swapped for a file") << QByteArray("file") << TrashResult::Changed;
}

// A folder goes into the trash with everything in it, under its own name and
// with its path written for a restore, while it is the folder the scan met
// and nothing was added to it or taken from it since; otherwise it stays.
void tst_Trash::foldersGoWhole()
{
    QFETCH(QByteArray, change);
    QFETCH(TrashResult, result);
    const QByteArray name = "folder-" + QByteArray(QTest::currentDataTag()).replace(' ', '-');
    const QByteArray folder = path(name);
    QVERIFY(QDir().mkpath(QFile::decodeName(folder + "/inner")));
    QVERIFY(writeOld(folder + "/inner/film.iso", "data"));
    const timespec dayBack[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 86400, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, folder.constData(), dayBack, 0), 0);
    // A minute back: the file system's clock may lag the program's a little.
    const QDateTime scanStarted = QDateTime::currentDateTime().addSecs(-60);
    if (change == "entry") {
        QVERIFY(writeOld(folder + "/new.txt", "new"));
    } else if (!change.isEmpty()) {
        QCOMPARE(::rename(folder.constData(), (folder + ".old").constData()), 0);
        if (change == "link")
            QCOMPARE(::symlink((name + ".old").constData(), folder.constData()), 0);
        else
            QVERIFY(writeOld(folder, "a file"));
    }

    const platform::TrashOutcome outcome =
        platform::moveFolderToTrash(pathcodec::fromNative(folder), scanStarted);
    QVERIFY2(outcome.result == result, qPrintable(outcome.reason));
    if (result == TrashResult::Trashed) {
        QCOMPARE(::access(folder.constData(), F_OK), -1);
        QCOMPARE(::access((homeTrash() + "/files/" + name + "/inner/film.iso").constData(), F_OK),
                 0);
        QCOMPARE(trashedPath(homeTrash() + "/info/" + name + ".trashinfo"), folder);
    } else {
        QVERIFY(!outcome.reason.isEmpty());
        QCOMPARE(::access(folder.constData(), F_OK), 0);
        QCOMPARE(::access((homeTrash() + "/files/" + name).constData(), F_OK), -1);
    }
}

void tst_Trash::trashAnswers_data()
{
    QTest::addColumn<bool>("taken"); // what the trash answers
    QTest::addColumn<int>("code"); // its GIO error when it refuses
    QTest::addColumn<bool>("removed"); // whether the file left its path meanwhile
    QTest::addColumn<TrashResult>("result");
    QTest::addColumn<QString>("reason"); // a part of it
    QTest::newRow("taken but still there")
        << true << 0 << false << TrashResult::Refused << "something is still at its path";
    QTest::newRow("gone meanwhile") << false << int(G_IO_ERROR_NOT_FOUND) << true
                                    << TrashResult::Vanished << "it is no longer there";
    QTest::newRow("no trash on its file system")
        << false << int(G_IO_ERROR_NOT_SUPPORTED) << false << TrashResult::Refused
        << "there is no trash of yours for its file system (<b>GIO</b> said no)";
    QTest::newRow("any other refusal")
        << false << int(G_IO_ERROR_PERMISSION_DENIED) << false << TrashResult::Refused
        << "the trash would not take it (<b>GIO</b> said no)";
}

// However the trash answers for the checked file, the outcome says what
// became of it: only a file that left its path is trashed, and GIO's own
// message is passed on as it is.
void tst_Trash::trashAnswers()
{
    QFETCH(bool, taken);
    QFETCH(int, code);
    QFETCH(bool, removed);
    QFETCH(TrashResult, result);
    QFETCH(QString, reason);
    const QByteArray file =
        path("answered-" + QByteArray(QTest::currentDataTag()).replace(' ', '-'));
    const QByteArray aside = file + ".aside";
    QVERIFY(writeOld(file, "data"));
    QByteArray asked;
    platform::setTrashCallForTests([&](const QByteArray &trashed, GError **error) {
        asked = trashed;
        if (removed)
            ::rename(trashed.constData(), aside.constData());
        if (!taken)
            g_set_error_literal(error, G_IO_ERROR, code, "<b>GIO</b> said no");
        return taken;
    });
    const auto restore = qScopeGuard([] { platform::setTrashCallForTests({}); });

    const platform::TrashOutcome outcome =
        platform::moveToTrash(found(file), QDateTime::currentDateTime());
    QCOMPARE(asked, file);
    QCOMPARE(outcome.result, result);
    QVERIFY2(outcome.reason.contains(reason), qPrintable(outcome.reason));
    QCOMPARE(::access(file.constData(), F_OK), removed ? -1 : 0);
}

VASTREL_SANDBOXED_TEST_GUILESS_MAIN(tst_Trash)

#include "tst_trash.moc"
