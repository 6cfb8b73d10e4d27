#pragma once

#include "net/updatecheck.h"
#include "scan/foundfile.h"

#include <QPoint>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include <memory>

class Config;
class CustomDir;
class QMenu;
class QSizeGrip;
class ResultsArea;
class ScanHistory;
class ScanSession;
class ScanProgress;
class ScanTargets;
class SpareDirList;
class StatusLine;
class TargetCombo;
class WindowMemory;
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

    ScanHistory *scanHistory() const { return history; }

    // The session behind the window; front ends and tests watch its
    // finished() signal.
    ScanSession *scanSession() const { return session.get(); }

    // Whether a system tray exists to hide the window into; replaceable so
    // tests can run with and without one.
    static bool (*systemTrayAvailable)();

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
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void startScan();
    QStringList scanDirList();
    QStringList driveList() const;
    void showEmptyResultMessage();
    void liveUpdate(const QList<FoundFile> &files, const QString &figures);
    // Shows or hides the results table, growing the window to its full size
    // or shrinking it to the compact one.
    void showResults(bool shown);
    void setupResultsArea();
    // The last stored scan of the chosen target fills the table.
    void showStoredScanOf(const QStringList &roots);
    void setUpHistory();

    std::unique_ptr<Ui::Widget> ui;
    std::unique_ptr<ScanSession> session;
    QPoint dragPosition {0, 0};
    bool mousePressed = false;
    ScanTargets *targets;
    TargetCombo *targetCombo = nullptr;
    ResultsArea *results = nullptr;
    SpareDirList *spareDirs = nullptr;
    WindowTray *tray = nullptr;
    WindowMemory *memory = nullptr;
    // The configuration window, made on first use; parentless, since it is
    // a top-level window of its own, and owned here alone.
    std::unique_ptr<Config> configwindow;
    int topcount = 0;
    UpdateCheck updatecheck;

    QSizeGrip *sizeGrip = nullptr;
    StatusLine *statusLine = nullptr;
    ScanProgress *progress = nullptr;
    ScanHistory *history = nullptr;
    QStringList scannedRoots;
};
