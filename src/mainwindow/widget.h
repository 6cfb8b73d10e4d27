#pragma once

#include "mainwindow/scanstatus.h"
#include "mainwindow/unreadablelist.h"
#include "net/updatecheck.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <memory>

class Config;
class CustomDir;
class QMenu;
class QSizeGrip;
class QStandardItemModel;
class ResultsArea;
class ScanSession;
class ScanTargets;
class StatusLine;
class WindowTray;

namespace Ui {
class Widget;
}

// The main window: the scan target, the scan button and status line, the
// results, and the window's own title-bar controls and tray icon. It wires
// the pieces that hold the rules (ScanTargets, ResultsArea, StatusLine,
// UpdateCheck) to one ScanSession, and opens the configuration window and the
// custom directory dialog.
class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    // Directories from the command line: they become the combo's current
    // target, and the next scan covers them.
    void setArgDirList(QStringList dirs);

    // The session behind the window; front ends and tests watch its
    // finished() signal.
    ScanSession *scanSession() const { return session.get(); }

    // Whether a system tray exists to hide the window into; replaceable so
    // tests can run with and without one.
    static bool (*systemTrayAvailable)();
    // How often the table and the figures follow a running scan.
    static constexpr int liveUpdateMs = 250;
    // How often the status line takes the path the walk is at: twenty a
    // second are more than anyone reads, and each costs the GUI thread a
    // measured and drawn text while the walk needs the processor.
    static constexpr int statusPathMs = 50;

public Q_SLOTS:
    void on_scanb_clicked();
    void customdiraccepted(const QString &cdirlist);
    void customdircancel();
    void setDirCommbo();
    void topNumberChanged(ulong ptopnumber);

private Q_SLOTS:
    void on_exitb_clicked();
    void showfile(const QString &path);
    void scancomplete();
    void on_tableView_customContextMenuRequested(const QPoint &pos);
    void on_actionOpen_in_Dir_activated();
    void on_adddirb_clicked();
    void on_okb_clicked();
    void on_add_clicked();
    void on_deleteb_clicked();
    void on_config_clicked();
    void minWindow();
    void maxWindow();
    void completeMsg();
    void on_minb_clicked();
    void on_actionShow_activated();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void on_actionExit_triggered();
    void on_dircombo_currentIndexChanged(const QString &text);
    void initSetting();
    void autoupdatecheck();
    void autoupdatecheckdone(const HttpResponseHeader &header);
    void createConfig();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void startScan();
    QStringList scanDirList();
    QStringList driveList() const;
    void showEmptyResultMessage();
    void liveUpdate();
    void showRecentPath();
    scanstatus::Figures figures() const;
    // Shows or hides the results table, growing the window to its full size
    // or shrinking it to the compact one.
    void showResults(bool shown);
    void setupResultsArea();
    void setupKeyboard();
    // Makes a newly inserted target item current.
    void addTarget(int row);
    void customDialogClosed();

    std::unique_ptr<Ui::Widget> ui;
    std::unique_ptr<ScanSession> session;
    QPoint dragPosition {0, 0};
    bool mousePressed = false;
    ScanTargets *targets;
    ResultsArea *results = nullptr;
    QStandardItemModel *dirmodel = nullptr;
    WindowTray *tray = nullptr;
    // The configuration window, made on first use; parentless, since it is
    // a top-level window of its own, and owned here alone.
    std::unique_ptr<Config> configwindow;
    QPointer<CustomDir> customdirdialog;
    int topcount = 0;
    UpdateCheck updatecheck;

    QSizeGrip *sizeGrip = nullptr;
    StatusLine *statusLine = nullptr;
    // The folders the running or last scan could not read.
    UnreadableList unreadable;
    QTimer liveTimer;
    QTimer pathTimer;
};
