#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

namespace testsupport {

// The program's own folder for one test case: a fresh temporary directory
// that the settings file is kept in ("Vastrel.ini" beside the program) while
// this object lives. A fresh one for every case, because QSettings caches a
// file by path and rereads it only when its size or time stamp changed, which
// two files written within one clock tick may not show. The newest one made
// is in force; destroying it puts the program's real folder back.
class SettingsDir
{
public:
    SettingsDir();
    ~SettingsDir();
    Q_DISABLE_COPY(SettingsDir)

    // False when the directory could not be made; the settings were left alone then.
    bool isValid() const { return dir.isValid(); }
    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }
    QString iniPath() const { return filePath(QStringLiteral("Vastrel.ini")); }
    // One key of the settings file as it is on disk now.
    QVariant value(const QString &key) const;

private:
    QTemporaryDir dir;
};

} // namespace testsupport
