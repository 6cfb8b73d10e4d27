#pragma once

#include "net/httpclient.h"

#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

class Config;
class CustomDir;
class QMenu;
class QStandardItemModel;
class StatusRelay;
class walker;

namespace Ui {
class Widget;
}

// The main window: the scan target, the scan button and status line, the
// results table, and the window's own title-bar controls and tray icon. It
// drives the walker and the ranking, and opens the configuration window and
// the custom directory dialog.
class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    // Directories from the command line; the next scan covers these instead
    // of the target chosen in the window.
    void setArgDirList(QStringList dirs);

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

private:
    void startScan();
    QStringList scanDirList();
    QStringList driveList() const;
    void showEmptyResultMessage();

    Ui::Widget *ui;
    walker *scanner;
    QPoint dragPosition;
    bool mousePressed;
    QStandardItemModel *resultmodel;
    QStandardItemModel *dirmodel;
    QSystemTrayIcon *trayicon;
    Config *configwindow;
    QPointer<CustomDir> customdirdialog;
    QStringList argdirlist;
    QStringList scandirlist;
    bool useargdirlist;
    int topcount;
    HttpClient updateclient;

    StatusRelay *statusRelay;
    QMenu *trayMenu;
    QMenu *resultMenu;
};
