#include "mainwindow/picturetext.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace picturetext {

namespace {

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace

void onBody(QWidget *widget)
{
    setTextColor(widget, QColor(0x14, 0x1c, 0x2e));
}

void onTitle(QWidget *widget)
{
    setTextColor(widget, QColor(0xf0, 0xf4, 0xfa));
}

} // namespace picturetext
