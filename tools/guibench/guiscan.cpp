// vastrel-guiscan DIR: builds the main window offscreen, scans DIR exactly as
// a command-line start does, waits for the end of the scan and prints the
// results table as vastrel-top prints its list (size in MB, a tab, the path).
// Settings and file manager entries go to a throwaway directory. On stderr it
// prints "scan seconds: S", the time from pressing Scan to the end of the
// scan (the session's finished signal, once the window has shown the
// results), which leaves out the window's own start-up. Live results are on,
// as in the program.

#include "guisandbox.h"
#include "mainwindow/widget.h"
#include "scan/scansession.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vastrel-guiscan DIR\n");
        return 2;
    }
    const GuiSandbox sandbox(true);
    if (!sandbox.isValid())
        return 1;
    GuiSandbox::runOffscreenQuietly();

    QApplication app(argc, argv);
    // Ten rows, as the benchmark's vastrel-top -n 10.
    sandbox.writeSettings(10);

    Widget window;
    window.show();
    window.setArgDirList({QString::fromLocal8Bit(argv[1])});
    // Queued, so the window has handled the end of the scan (filled the
    // table) before the loop stops.
    QObject::connect(window.scanSession(), &ScanSession::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QElapsedTimer scanTime;
    scanTime.start();
    window.on_scanb_clicked();
    app.exec();
    std::fprintf(stderr, "scan seconds: %.4f\n", scanTime.nsecsElapsed() / 1e9);

    const QAbstractItemModel *model = window.findChild<QTableView *>("tableView")->model();
    for (int row = 0; model && row < model->rowCount(); ++row)
        std::printf("%s\t%s\n", qPrintable(model->index(row, 0).data().toString()),
                    qPrintable(model->index(row, 1).data().toString()));
    return 0;
}
