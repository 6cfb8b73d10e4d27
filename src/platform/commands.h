#pragma once

#include <QString>
#include <QUrl>

// The rules behind the platform operations, kept as pure functions so that a
// test on any system can check the exact texts: command lines, URLs, and the
// contents of the file-manager menu entries. Nothing here touches the system.
namespace platform {

// The text every file manager shows for the directory verb.
QString verbName();

// --- Windows ---------------------------------------------------------------

// Registry value of the Explorer verb for a program installed in
// applicationDir: the quoted native path of Vastrel.exe there, a blank and the
// quoted "%1", e.g. "D:\Program Files\Vastrel\Vastrel.exe" "%1".
QString windowsVerbCommand(const QString &applicationDir);

// Explorer's arguments to show a file selected: /select, and the native path in
// double quotes, so blanks and commas in the path stay part of it.
QString explorerSelectArguments(const QString &path);

// Explorer's full path in windowsDirectory (as the system reports it, e.g.
// C:\Windows): a bare "explorer" would be looked up in the program's own
// folder and the current folder first, where anyone could plant one. Empty when
// windowsDirectory is not an absolute path.
QString explorerProgram(const QString &windowsDirectory);

// The whole command line as it is started: the quoted full path of Explorer and
// its arguments. Empty for an empty path or an unusable windowsDirectory.
QString explorerCommandLine(const QString &windowsDirectory, const QString &path);

// URL of the folder that holds the file (a drive's root for a file at the
// top); opened when Explorer cannot be started.
QUrl windowsContainingDirectoryUrl(const QString &path);

// --- Freedesktop -------------------------------------------------------------

// The URI handed to org.freedesktop.FileManager1.ShowItems: "file://" and the
// bytes of the absolute path (pathcodec::toNative) percent-encoded, so "#",
// "%", blanks and bytes that are not UTF-8 ("bad\xFFx" gives bad%FFx) reach
// the file manager as the very same file.
QString showItemsUri(const QString &path);

// Readable one-line form of the ShowItems request, for the debug channel.
QString showItemsDescription(const QString &path);

// URL of the directory that holds the file, encoded as showItemsUri(); opened
// when no file manager can show the file itself.
QUrl containingDirectoryUrl(const QString &path);

// Base directory for per-user data files: $XDG_DATA_HOME when it is set and
// absolute, else $HOME/.local/share; empty when neither is usable. Takes the
// two variables' values so callers and tests decide where they come from.
QString xdgDataHome(const QString &xdgDataHomeValue, const QString &homeValue);

// One argument of a desktop entry's Exec line: "%" doubled, and the argument in
// double quotes with ", `, $ and \ escaped when it holds a reserved character.
QString desktopExecArgument(const QString &argument);

// A value as written in a key file (desktop entries, KConfig, GKeyFile): the
// escape level applied on top of any quoting, so backslashes, line breaks and
// a leading blank read back unchanged.
QString keyFileValue(const QString &value);

// A POSIX shell word: the argument in single quotes, each ' written as '\''.
QString shellQuote(const QString &argument);

// The command the Linux menu entries run, in desktop-entry form with %f for the
// chosen directory; written to the debug channel at registration.
QString linuxVerbCommand(const QString &program);

// Relative paths of the three menu entries below the XDG data home.
QString dolphinServiceMenuPath();
QString nautilusScriptPath();
QString nemoActionPath();

// Contents of the menu entries that start program with the chosen directory as
// the one argument. nemoAction() is empty when the program path holds a "%":
// Nemo then leaves its own %F unexpanded, so no working entry can be written.
QString dolphinServiceMenu(const QString &program);
QString nautilusScript(const QString &program);
QString nemoAction(const QString &program);

} // namespace platform
