#include "mainwindow/windowtray.h"

#include <QCoreApplication>

#include <QMenu>
#include <QWidget>

WindowTray::WindowTray(QWidget *mainWindow, QAction *show, QAction *exit)
    : QObject(mainWindow), window(mainWindow)
{
    trayicon = new QSystemTrayIcon(QIcon(QStringLiteral(":/image/image/systemsearch.png")), window);
    trayicon->setToolTip(QCoreApplication::translate("Widget", "Vastrel"));
    trayMenu = new QMenu(window);
    trayMenu->addAction(show);
    trayMenu->addAction(exit);
    connect(trayicon, &QSystemTrayIcon::messageClicked, this, &WindowTray::restoreWindow);
}

bool WindowTray::restores(QSystemTrayIcon::ActivationReason reason)
{
    return reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger;
}

void WindowTray::hideWindow(bool trayAvailable)
{
    if (!trayicon || !trayAvailable) {
        window->showMinimized();
        return;
    }
    trayMaximized = window->isMaximized();
    trayGeometry = trayMaximized ? window->normalGeometry() : window->geometry();
    window->hide();
    trayicon->show();
    trayicon->setContextMenu(trayMenu);
}

void WindowTray::restoreWindow()
{
    if (!trayicon)
        return;
    trayicon->hide();
    // A window manager may place a window that is mapped again as if it were
    // new; the window comes back where it was.
    if (trayGeometry.isValid())
        window->setGeometry(trayGeometry);
    if (trayMaximized)
        window->showMaximized();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

void WindowTray::showMessage(const QString &title, const QString &text)
{
    if (trayicon)
        trayicon->showMessage(title, text, QSystemTrayIcon::Information, 10000);
}

void WindowTray::remove()
{
    delete trayicon;
}
