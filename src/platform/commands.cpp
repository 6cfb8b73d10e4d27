#include "platform/commands.h"

#include "scan/localfileurl.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace platform {

QString verbName()
{
    return QStringLiteral("Find Vastrel Here");
}

// --- Windows ---------------------------------------------------------------

// Backslashes are written explicitly rather than through QDir::toNativeSeparators
// so the Windows texts come out the same when a test builds them on Linux.
static QString windowsSeparators(QString path)
{
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString windowsVerbCommand(const QString &applicationDir)
{
    // The program is always registered as Vastrel.exe in the application
    // directory, whatever name the running file has.
    QString dir = windowsSeparators(applicationDir);
    if (!dir.endsWith(QLatin1Char('\\')))
        dir += QLatin1Char('\\');
    return QLatin1Char('"') + dir + QStringLiteral("Vastrel.exe\" \"%1\"");
}

QString explorerSelectArguments(const QString &path)
{
    return QStringLiteral("/select,\"") + windowsSeparators(path) + QLatin1Char('"');
}

QString explorerProgram(const QString &windowsDirectory)
{
    QString dir = windowsSeparators(windowsDirectory);
    // A drive ("C:\...") or a network share ("\\server\share\...").
    const bool absolute = (dir.size() >= 3 && dir.at(0).isLetter() &&
                           dir.at(1) == QLatin1Char(':') && dir.at(2) == QLatin1Char('\\')) ||
        dir.startsWith(QLatin1String("\\\\"));
    if (!absolute)
        return QString();
    if (!dir.endsWith(QLatin1Char('\\')))
        dir += QLatin1Char('\\');
    return dir + QStringLiteral("explorer.exe");
}

QString explorerCommandLine(const QString &windowsDirectory, const QString &path)
{
    const QString program = explorerProgram(windowsDirectory);
    if (path.isEmpty() || program.isEmpty())
        return QString();
    return QLatin1Char('"') + program + QStringLiteral("\" ") + explorerSelectArguments(path);
}

QUrl windowsContainingDirectoryUrl(const QString &path)
{
    const QString file = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString dir = file.left(qMax<qsizetype>(file.lastIndexOf(QLatin1Char('/')), 0));
    if (dir.endsWith(QLatin1Char(':')) || dir.isEmpty())
        dir += QLatin1Char('/');
    return QUrl::fromLocalFile(dir);
}

// --- Freedesktop -------------------------------------------------------------

QString showItemsUri(const QString &path)
{
    return QString::fromLatin1(localFileUri(path));
}

QString showItemsDescription(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QStringLiteral("org.freedesktop.FileManager1.ShowItems ") + showItemsUri(path);
}

QUrl containingDirectoryUrl(const QString &path)
{
    return localFileUrl(QFileInfo(path).absolutePath());
}

QString xdgDataHome(const QString &xdgDataHomeValue, const QString &homeValue)
{
    // The base-directory rules ignore a relative value as invalid.
    if (!xdgDataHomeValue.isEmpty() && QFileInfo(xdgDataHomeValue).isAbsolute())
        return xdgDataHomeValue;
    if (!homeValue.isEmpty() && QFileInfo(homeValue).isAbsolute())
        return homeValue + QStringLiteral("/.local/share");
    return QString();
}

QString desktopExecArgument(const QString &argument)
{
    // Characters that force quoting, by the desktop entry rules.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString escaped = argument;
    escaped.replace(QLatin1Char('%'), QStringLiteral("%%"));

    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return escaped;

    QString quoted = QStringLiteral("\"");
    for (const QChar c : escaped) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString keyFileValue(const QString &value)
{
    QString escaped;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\'))
            escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            escaped += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\r");
        else if (c == QLatin1Char(' ') && i == 0)
            escaped += QStringLiteral("\\s"); // readers trim a leading blank
        else
            escaped += c;
    }
    return escaped;
}

QString shellQuote(const QString &argument)
{
    QString quoted = argument;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString linuxVerbCommand(const QString &program)
{
    return desktopExecArgument(program) + QStringLiteral(" %f");
}

QString dolphinServiceMenuPath()
{
    return QStringLiteral("kio/servicemenus/vastrel-find-here.desktop");
}

QString nautilusScriptPath()
{
    // Nautilus shows the script's file name as the menu entry.
    return QStringLiteral("nautilus/scripts/") + verbName();
}

QString nemoActionPath()
{
    return QStringLiteral("nemo/actions/vastrel-find-here.nemo_action");
}

QString dolphinServiceMenu(const QString &program)
{
    // KF5 lists a service menu only with the KonqPopupMenu/Plugin service type;
    // KF6 no longer needs it and ignores it, so one file serves both. MimeType
    // names the items the menu entry is offered for (directories): a filter of
    // the context menu, not an association, so no default application changes.
    // %f is the chosen directory as a local path.
    const QStringList lines = {
        QStringLiteral("# Written by Vastrel at every start; changes here are overwritten."),
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Service"),
        QStringLiteral("X-KDE-ServiceTypes=KonqPopupMenu/Plugin"),
        QStringLiteral(
            "# Offer the entry on directories only (a menu filter, not an association)."),
        QStringLiteral("MimeType=inode/directory;"),
        QStringLiteral("Actions=findVastrelHere;"),
        QString(),
        QStringLiteral("[Desktop Action findVastrelHere]"),
        QStringLiteral("Name=") + verbName(),
        QStringLiteral("Icon=system-search"),
        QStringLiteral("Exec=") + keyFileValue(linuxVerbCommand(program)),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString nautilusScript(const QString &program)
{
    // Nautilus passes each selected item of a local folder as an argument
    // (relative to the folder shown, which is the working directory), and a
    // click on the folder's background selects nothing and leaves only
    // NAUTILUS_SCRIPT_CURRENT_URI. The arguments come first: they are
    // unambiguous, while NAUTILUS_SCRIPT_SELECTED_FILE_PATHS puts one path a
    // line, so a folder named "a<newline>b" would read as "a". That variable
    // is used only without arguments, and only when it holds a single line. A
    // selected directory is scanned; otherwise the folder being shown, when it
    // is a local one.
    const QString body = QStringLiteral(R"sh(#!/bin/sh
# Written by Vastrel at every start; changes here are overwritten.
# Scans the selected folder, or the folder being shown, with Vastrel.
program=@PROGRAM@

# Decodes the %XX escapes of a URI path. Command substitution drops trailing
# line breaks, so each decoded character and the result carry an "x" that is
# cut off afterwards.
decode() {
    rest=$1
    out=
    while [ -n "$rest" ]; do
        case $rest in
        %[0-9A-Fa-f][0-9A-Fa-f]*)
            hex=${rest#%}
            hex=${hex%"${hex#??}"}
            char=$(printf "\\$(printf '%03o' "0x$hex")x")
            out=$out${char%x}
            rest=${rest#%??}
            ;;
        *)
            out=$out${rest%"${rest#?}"}
            rest=${rest#?}
            ;;
        esac
    done
    printf '%sx' "$out"
}

newline='
'
dir=
if [ $# -gt 0 ]; then
    case $1 in
    /*) dir=$1 ;;
    ?*) dir=$PWD/$1 ;;
    esac
else
    selected=${NAUTILUS_SCRIPT_SELECTED_FILE_PATHS%"$newline"}
    case $selected in
    *"$newline"*) ;;
    *) dir=$selected ;;
    esac
fi
if [ ! -d "$dir" ]; then
    case $NAUTILUS_SCRIPT_CURRENT_URI in
    file:///*)
        dir=$(decode "${NAUTILUS_SCRIPT_CURRENT_URI#file://}")
        dir=${dir%x}
        ;;
    *) dir= ;;
    esac
fi
[ -d "$dir" ] || exit 0
exec "$program" "$dir"
)sh");
    QString script = body;
    return script.replace(QStringLiteral("@PROGRAM@"), shellQuote(program));
}

QString nemoAction(const QString &program)
{
    // Nemo expands only the "%" token it finds first, so a "%" in the program
    // path would leave %F as it is.
    if (program.contains(QLatin1Char('%')))
        return QString();

    // Nemo reads Exec as a key-file string, puts the selected path in place of
    // %F (in double quotes, as Quote asks), and splits the result by shell
    // rules; the program path is therefore a shell word.
    const QStringList lines = {
        QStringLiteral("# Written by Vastrel at every start; changes here are overwritten."),
        QStringLiteral("[Nemo Action]"),
        QStringLiteral("Name=") + verbName(),
        QStringLiteral("Comment=Find the largest files in this folder"),
        QStringLiteral("Icon-Name=system-search"),
        QStringLiteral("Selection=s"),
        QStringLiteral("Extensions=dir;"),
        QStringLiteral("Quote=double"),
        QStringLiteral("Exec=") + keyFileValue(shellQuote(program) + QStringLiteral(" %F")),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace platform
