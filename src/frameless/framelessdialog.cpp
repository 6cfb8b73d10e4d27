#include "frameless/framelessdialog.h"

#include "frameless/windowdrag.h"

framelessdialog::framelessdialog(QWidget *parent)
    : QDialog(parent), dragPosition(0, 0), mousePressed(false)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setModal(true);
}

framelessdialog::~framelessdialog() = default;

void framelessdialog::mousePressEvent(QMouseEvent *event)
{
    windowdrag::press(this, event, dragPosition, mousePressed);
}

void framelessdialog::mouseReleaseEvent(QMouseEvent *event)
{
    windowdrag::release(event, mousePressed);
}

void framelessdialog::mouseMoveEvent(QMouseEvent *event)
{
    windowdrag::move(this, event, dragPosition, mousePressed);
}
