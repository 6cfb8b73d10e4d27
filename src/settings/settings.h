#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The program's three persistent settings ("init", "autoupdatecheck",
// "topnumber") live in one INI file, "Vastrel.ini". Nothing holds the file
// open: every reader and writer calls open(), uses the object and lets it go
// out of scope, which writes any change to disk, so the next reader sees it.
namespace settings {

// Where the file lives: beside the executable when a file is already there or
// the directory can take one; otherwise (an installed copy in a directory the
// user cannot write, or a program directory whose name Qt cannot read) in the
// per-user configuration directory, so that saved values are not lost on every
// start.
QString filePath();

// A fresh INI settings object on filePath(); destroying it closes the file.
std::unique_ptr<QSettings> open();

// First-run defaults: logs the application directory, and if "init" is not
// yet true writes "init" = true, "autoupdatecheck" = true, "topnumber" = 100.
// A file that was initialised before is left unchanged.
void initSetting();

// Whether the update check runs at start ("autoupdatecheck", default true).
bool autoUpdateCheck();

// The saved result count ("topnumber"; 100 when missing or not a number), as
// the file holds it: callers keep it within their own bounds. The one reading
// of the key, for the main window and the configuration field alike.
int topNumber();

// Replaces the application directory for tests; empty restores the real one.
void setApplicationDirOverride(const QString &dir);

} // namespace settings
