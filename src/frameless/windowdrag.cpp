#include "frameless/windowdrag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace windowdrag {

namespace {

// A Wayland client cannot place its own window; there the compositor has to
// run the move, started from the press that begins it.
bool compositorMovesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void press(QWidget *window, const QMouseEvent *event, QPoint &dragPosition, bool &mousePressed)
{
    if (event->button() != Qt::LeftButton)
        return;
    mousePressed = true;
    dragPosition = event->position().toPoint();
    if (compositorMovesWindows()) {
        if (QWindow *handle = window->window()->windowHandle())
            handle->startSystemMove();
    }
}

void move(QWidget *window, const QMouseEvent *event, const QPoint &dragPosition, bool mousePressed)
{
    if (!mousePressed)
        return;
    window->move(event->globalPosition().toPoint() - dragPosition);
}

void release(const QMouseEvent *event, bool &mousePressed)
{
    if (event->button() == Qt::LeftButton)
        mousePressed = false;
}

void doubleClick(QWidget *window, const QMouseEvent *event, const QRect &titleBar)
{
    if (event->button() != Qt::LeftButton || !titleBar.contains(event->position().toPoint()))
        return;
    if (window->isMaximized())
        window->showNormal();
    else
        window->showMaximized();
}

} // namespace windowdrag
