#include "frameless/framelesswindow.h"

#include "frameless/windowdrag.h"

FramelessWindow::FramelessWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), dragPosition(0, 0), mousePressed(false)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
}

FramelessWindow::~FramelessWindow() = default;

void FramelessWindow::mousePressEvent(QMouseEvent *event)
{
    windowdrag::press(this, event, dragPosition, mousePressed);
}

void FramelessWindow::mouseReleaseEvent(QMouseEvent *event)
{
    windowdrag::release(event, mousePressed);
}

void FramelessWindow::mouseMoveEvent(QMouseEvent *event)
{
    windowdrag::move(this, event, dragPosition, mousePressed);
}
