#include "settings/settings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace settings {

namespace {

const QString fileName = QStringLiteral("Vastrel.ini");

QString &applicationDirOverride()
{
    static QString dir;
    return dir;
}

QString applicationDir()
{
    const QString &dir = applicationDirOverride();
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

// Whether a new file can be created in dir. Asking the file system by trying
// is the only answer that holds everywhere: permission bits do not tell the
// whole story on Windows (ACLs) nor for the super-user.
bool canCreateFileIn(const QString &dir)
{
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral("Vastrel.XXXXXX.probe")));
    return probe.open();
}

QString fallbackPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(fileName);
}

} // namespace

QString filePath()
{
    const QString dir = applicationDir();
    // Qt knows no program directory when its name is not valid text in the
    // system's encoding; a path relative to nothing would land in whatever the
    // current directory is.
    if (dir.isEmpty())
        return fallbackPath();
    const QString beside = QDir(dir).filePath(fileName);
    if (QFileInfo::exists(beside) || canCreateFileIn(dir))
        return beside;
    return fallbackPath();
}

std::unique_ptr<QSettings> open()
{
    const QString path = filePath();
    // The per-user directory may not exist yet; the file beside the
    // executable always has its directory.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

void initSetting()
{
    const auto file = open();
    qDebug() << applicationDir();
    if (!file->value(QStringLiteral("init"), false).toBool()) {
        file->setValue(QStringLiteral("init"), true);
        file->setValue(QStringLiteral("autoupdatecheck"), true);
        file->setValue(QStringLiteral("topnumber"), 100);
    }
}

bool autoUpdateCheck()
{
    return open()->value(QStringLiteral("autoupdatecheck"), true).toBool();
}

int topNumber()
{
    bool isNumber = false;
    const int count = open()->value(QStringLiteral("topnumber"), 100).toInt(&isNumber);
    return isNumber ? count : 100;
}

namespace {
const QString keepHistoryKey = QStringLiteral("history/keep");
}

int keepScanHistory(const QSettings &file)
{
    bool isNumber = false;
    const int keep =
        file.value(keepHistoryKey, defaultKeptScans).toString().trimmed().toInt(&isNumber);
    return isNumber && keep >= 0 ? qMin(keep, maxKeptScans) : defaultKeptScans;
}

int keepScanHistory()
{
    return keepScanHistory(*open());
}

void setKeepScanHistory(QSettings &file, int keep)
{
    file.setValue(keepHistoryKey, qBound(0, keep, maxKeptScans));
}

void setApplicationDirOverride(const QString &dir)
{
    applicationDirOverride() = dir;
}

} // namespace settings
