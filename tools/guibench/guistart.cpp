// vastrel-guistart --make FILE: writes FILE, a scan history holding two scans
// the size of the 2-million-file tree (syntheticscan.h) of the target the
// main window shows at start, the second a later one of the same target.
//
// vastrel-guistart [FILE]: starts the main window offscreen, as the program
// does, with a copy of FILE as its scan history (without FILE, an empty
// one), and prints on stderr, in seconds:
//   "window built: S"   the window's construction, before it is shown
//   "window painted: S" from show() to the window's first paint
//   "rows shown: S"     from show() to the past scan's rows being in the
//                       table (FILE only)
//   "rows painted: S"   from show() to the table's first paint with those
//                       rows (FILE only)
//   "compare ready: S"  from show() to "Compare with previous scan" being
//                       offered (FILE only)
// Without FILE it ends once the window has read its empty history. Settings,
// file-manager entries and the scan history live in a throwaway directory,
// never the user's. tools/bench/storestart.py runs it and prints the ratios.

#include "guisandbox.h"
#include "mainwindow/scanhistory.h"
#include "mainwindow/widget.h"
#include "store/scanstore.h"
#include "syntheticscan.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTableView>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

// The moments the benchmark prints, taken by watching the window's paints,
// its table's model and its actions, each as the time since the clock
// started (before the window's construction).
class StartWatch : public QObject
{
public:
    explicit StartWatch(bool expectRows) : expectRows(expectRows) { clock.start(); }

    void watch(Widget *shownWindow, QTableView *resultsTable)
    {
        window = shownWindow;
        table = resultsTable;
    }
    // Just before the window's show().
    void showing() { showCalled = clock.nsecsElapsed(); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (showCalled && !shown && widget->window() == window)
            shown = clock.nsecsElapsed();
        if (shown && rows && !rowsPainted && widget == table->viewport())
            rowsPainted = clock.nsecsElapsed();
        finishIfDone();
        return false;
    }

    void rowsArrived()
    {
        if (!rows && table->model() && table->model()->rowCount() > 0)
            rows = clock.nsecsElapsed();
    }
    void compareOffered()
    {
        if (!compareReady)
            compareReady = clock.nsecsElapsed();
        finishIfDone();
    }
    void historyRead()
    {
        historyDone = true;
        finishIfDone();
    }

    bool report() const
    {
        if (!shown || (expectRows && (!rows || !rowsPainted || !compareReady)))
            return false;
        std::fprintf(stderr, "window built: %.4f\n", *showCalled / 1e9);
        std::fprintf(stderr, "window painted: %.4f\n", sinceShow(*shown));
        if (expectRows) {
            std::fprintf(stderr, "rows shown: %.4f\n", sinceShow(*rows));
            std::fprintf(stderr, "rows painted: %.4f\n", sinceShow(*rowsPainted));
            std::fprintf(stderr, "compare ready: %.4f\n", sinceShow(*compareReady));
        }
        return true;
    }

private:
    // The history may answer before show(): that counts as at show().
    double sinceShow(qint64 at) const { return qMax<qint64>(at - *showCalled, 0) / 1e9; }

    void finishIfDone()
    {
        if (!shown)
            return;
        if (expectRows ? rowsPainted && compareReady : historyDone)
            QCoreApplication::quit();
    }

    bool expectRows;
    Widget *window = nullptr;
    QTableView *table = nullptr;
    QElapsedTimer clock;
    bool historyDone = false;
    std::optional<qint64> showCalled;
    std::optional<qint64> shown;
    std::optional<qint64> rows;
    std::optional<qint64> rowsPainted;
    std::optional<qint64> compareReady;
};

int makeHistory(const QString &path)
{
    ScanTarget target;
    {
        Widget window;
        target = window.scanHistory()->target();
    }
    if (target.roots.isEmpty()) {
        std::fprintf(stderr, "vastrel-guistart: the window shows no target at start\n");
        return 1;
    }
    QFile::remove(path);
    ScanStore store(path);
    if (!store.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(store.status().message));
        return 1;
    }
    for (int generation = 0; generation < 2; ++generation) {
        if (store.save(syntheticscan::make(target, target.roots.first(), generation)) == 0) {
            std::fprintf(stderr, "%s\n", qPrintable(store.status().message));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool make = argc == 3 && qstrcmp(argv[1], "--make") == 0;
    if (argc > 2 && !make) {
        std::fprintf(stderr, "usage: vastrel-guistart [--make] [FILE]\n");
        return 2;
    }
    const GuiSandbox sandbox(true);
    if (!sandbox.isValid())
        return 1;
    GuiSandbox::runOffscreenQuietly();

    QApplication app(argc, argv);
    sandbox.writeSettings(syntheticscan::listedCount);
    if (make)
        return makeHistory(QString::fromLocal8Bit(argv[2]));

    const bool stored = argc == 2;
    if (stored) {
        const QString history = ScanStore::defaultPath();
        QDir().mkpath(QFileInfo(history).absolutePath());
        if (!QFile::copy(QString::fromLocal8Bit(argv[1]), history)) {
            std::fprintf(stderr, "vastrel-guistart: cannot copy %s\n", argv[1]);
            return 1;
        }
    }

    // From here on the window starts as the program's does.
    StartWatch watch(stored);
    Widget window;
    auto *table = window.findChild<QTableView *>(QStringLiteral("tableView"));
    watch.watch(&window, table);
    app.installEventFilter(&watch);
    const auto rowsArrived = [&] {
        watch.rowsArrived();
    };
    QObject::connect(table->model(), &QAbstractItemModel::modelReset, rowsArrived);
    QObject::connect(table->model(), &QAbstractItemModel::rowsInserted, rowsArrived);
    auto *compare = window.findChild<QAction *>(QStringLiteral("actionCompare"));
    QObject::connect(compare, &QAction::changed, [&] {
        if (compare->isEnabled())
            watch.compareOffered();
    });
    QObject::connect(window.scanHistory(), &ScanHistory::summariesChanged,
                     [&] { watch.historyRead(); });
    watch.showing();
    window.show();

    QTimer::singleShot(20000, &app, [] {
        std::fprintf(stderr, "vastrel-guistart: gave up after 20 s\n");
        QCoreApplication::exit(1);
    });
    if (app.exec() != 0 || !watch.report())
        return 1;
    return 0;
}
