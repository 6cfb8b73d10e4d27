#include "app/commandline.h"
#include "app/translations.h"
#include "mainwindow/widget.h"
#include "scan/localpaths.h"
#include "scan/standardstreams.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    // Debug lines must not land in a settings file opened on a closed 2.
    standardstreams::reserve();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vastrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VASTREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("vastrel"));
    translations::install(&app);

    Widget window;
    window.setWindowIcon(QIcon(QStringLiteral(":/image/image/systemsearch.png")));
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.show();

    // The first argument, if any, is a directory to scan at once; the
    // application object has taken its own options out of argc and argv. A
    // relative one means the caller's directory, which the scan's results
    // must not depend on.
    const QStringList arguments = localpaths::commandLineArguments(argc, argv);
    if (arguments.size() > 1) {
        window.setArgDirList(
            {commandline::directoryArgument(arguments.at(1), localpaths::currentDirectory())});
        window.on_scanb_clicked();
    }
    return app.exec();
}
