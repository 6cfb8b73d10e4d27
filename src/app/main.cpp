#include "mainwindow/widget.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vastrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VASTREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("vastrel"));

    Widget window;
    window.setWindowIcon(QIcon(QStringLiteral(":/image/image/systemsearch.png")));
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.show();

    // The first argument, if any, is a directory to scan at once; Qt has
    // already decoded it from the local 8-bit encoding.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        window.setArgDirList({arguments.at(1)});
        window.on_scanb_clicked();
    }
    return app.exec();
}
