#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSystemTrayIcon>

class QAction;
class QMenu;
class QWidget;

// The main window's place in the system tray: hiding the window into it
// (minimising instead where there is no tray), bringing the window back where
// it was, the tray's "Show"/"Exit" menu and the completion balloon.
class WindowTray : public QObject
{
    Q_OBJECT

public:
    // The icon and its menu become children of window.
    WindowTray(QWidget *window, QAction *show, QAction *exit);

    // Whether a tray activation brings the window back: a click or a double
    // click does, the context and middle buttons do not.
    static bool restores(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon *icon() const { return trayicon; }
    // Hides the window into the tray, or minimises it when there is no tray
    // to bring it back from.
    void hideWindow(bool trayAvailable);
    void restoreWindow();
    // Shows a balloon while the icon exists.
    void showMessage(const QString &title, const QString &text);
    // The program ends: the icon goes at once.
    void remove();

private:
    QWidget *window;
    QPointer<QSystemTrayIcon> trayicon;
    QMenu *trayMenu;
    // Where the window was when it went into the tray.
    QRect trayGeometry;
    bool trayMaximized = false;
};
